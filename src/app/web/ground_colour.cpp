// Prints the window's green as CSS writes it, #rrggbb, for the files a browser reads before the
// program runs: the page's theme colour and the installed app's colours in its manifest. The
// build runs it under node.
#include "window/window_layout.h"

#include <cstdio>

int main() {
    using quillmar::layout::ground;
    std::printf("#%02x%02x%02x\n", ground.red, ground.green, ground.blue);
}
