#pragma once

// The standard library that Emscripten 3.1.6 ships, libc++ 13, lacks C++20's std::bit_cast,
// which the plug table's exact factors are written with; clang's builtin is what later libc++
// versions define it by. The web build includes this ahead of every source.
#include <version>

#if !defined(__cpp_lib_bit_cast)
namespace std {
template <class To, class From> constexpr To bit_cast(const From& from) noexcept {
    return __builtin_bit_cast(To, from);
}
} // namespace std
#endif
