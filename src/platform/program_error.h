#pragma once

#include <stdexcept>

namespace quillmar {

// An error that no handler expects and that ends the handler it happens in; the window
// reports it in a message box and the program goes on. what() is the text shown.
class program_error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A floating-point result that left the range of a double.
class arithmetic_error : public program_error {
public:
    arithmetic_error() : program_error("Overflow") {}
};

} // namespace quillmar
