#pragma once

#include <QFont>
#include <string_view>

namespace quillmar {

// The bold font of one control: the window asks for Arial and MS Sans Serif, which Windows
// has. Elsewhere both come from Liberation Sans, whose widths match Arial's; asking for it by
// name spares Qt computing a fallback list for each of the two missing families at start-up.
QFont bold_font(std::string_view family, double point_size);

} // namespace quillmar
