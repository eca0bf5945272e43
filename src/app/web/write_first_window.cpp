// Prints, as CMake settings named QUILLMAR_<name>, what the build writes into the page and its
// manifest from the layout table: the window as the page draws it before its program has
// started, and the window's green for the page's theme colour and the installed app's colours.
// The build runs it under node.
#include "window/web/first_window.h"

#include <cstdio>

int main() {
    for (const auto& [name, text] : quillmar::page::first_window())
        std::printf("set(QUILLMAR_%s [==[%s]==])\n", name.c_str(), text.c_str());
}
