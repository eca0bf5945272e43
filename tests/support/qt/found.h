#pragma once

// Look-ups that end the test with a message when they find nothing, instead of handing a null
// pointer to the next line. GoogleTest reports the exception as a failure of the test it ends,
// and a SetUp() that throws keeps the test body from running.
//
// Not for callbacks that Qt calls from its event loop: an exception must not pass through Qt.
// A check that may throw runs inside a modal_box_check (modal_box_check.h), which catches it.
#include <stdexcept>
#include <string>

namespace quillmar {

struct not_found : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Returns the pointer when it points at something; throws not_found naming `what` otherwise.
template <class T> T* found(T* pointer, const std::string& what) {
    if (pointer == nullptr)
        throw not_found("not found: " + what);
    return pointer;
}

} // namespace quillmar
