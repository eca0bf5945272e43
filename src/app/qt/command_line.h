#pragma once

#include <optional>

namespace quillmar {

// What the program does with its own command line before Qt sees it: --version and --help
// print and end the program, and without a display it says so in one line instead of letting
// Qt abort. Returns the exit status when the program should end here, nothing when it should
// go on and construct the application.
std::optional<int> handle_command_line_before_qt(int argc, char* argv[]);

// What is left after QApplication took its own options (-platform, -style, ...) is not for
// the program: reports it and returns exit status 2; nothing when nothing is left.
std::optional<int> reject_left_over_arguments(int argc, char* argv[]);

} // namespace quillmar
