#pragma once

#include <QFont>

namespace quillmar {

// The bold font of a control at its point size. The layout asks for Arial and MS Sans Serif,
// which Linux desktops lack; Liberation Sans, whose widths match Arial's, stands in for both.
// Asking for it by name spares Qt computing a fallback list for each missing family at start-up.
QFont bold_font(double point_size);

} // namespace quillmar
