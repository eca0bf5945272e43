#pragma once

namespace quillmar {

// Teaches Qt's accessibility how assistive tools should see two of the window's parts:
// - the plug chooser is a combo box named after its purpose, "Plug", whose value is the text
//   it shows (Qt's own interface names an editable combo box by its text on Linux, so a
//   screen reader would announce "select plug" or the typed text and never its purpose);
// - the window itself is a window, not a plain area of a window.
// Qt keeps one list of factories for the whole program; calling this again adds nothing.
void install_window_accessibility();

} // namespace quillmar
