#pragma once

namespace quillmar {

// Maps the window's font families to fonts a Linux desktop has: both to Liberation Sans,
// whose widths match Arial's. Safe to call more than once.
void install_font_substitutes();

} // namespace quillmar
