#include "app/qt/command_line.h"

#include "platform/program_identity.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace quillmar {
namespace {

constexpr char program[] = "quillmar95";

// Qt accepts its options with one dash or two.
bool is_option(std::string_view argument, std::string_view name) {
    if (argument.starts_with("--")) {
        argument.remove_prefix(1);
    }
    return argument == name;
}

bool has_option(int argc, char* argv[], std::string_view name) {
    for (int i = 1; i < argc; ++i) {
        if (is_option(argv[i], name)) {
            return true;
        }
    }
    return false;
}

bool is_set(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// Qt picks X11 or Wayland from these; a platform named in the environment or on the command
// line (offscreen, vnc, ...) may need neither, and Qt itself tells what it lacks.
bool has_display(int argc, char* argv[]) {
    return is_set("DISPLAY") || is_set("WAYLAND_DISPLAY") || is_set("QT_QPA_PLATFORM") ||
           has_option(argc, argv, "-platform") || has_option(argc, argv, "-display");
}

void print_usage() {
    std::printf("Usage: %s [--version] [--help] [Qt options]\n"
                "Opens the %s calculator's window.\n"
                "\n"
                "  --version  print the name and version, then exit\n"
                "  --help     print this help, then exit\n"
                "\n"
                "Qt's standard options work as in every Qt program, such as -platform NAME,\n"
                "-style NAME and -reverse; see %s(1).\n",
                program, identity::product_name, program);
}

} // namespace

std::optional<int> handle_command_line_before_qt(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--version") {
            std::printf("%s %s\n", identity::product_name, identity::version);
            return EXIT_SUCCESS;
        }
        if (argument == "--help") {
            print_usage();
            return EXIT_SUCCESS;
        }
    }
    if (!has_display(argc, argv)) {
        std::fprintf(stderr,
                     "%s: no display found; start it in a desktop session, or set DISPLAY "
                     "(X11) or WAYLAND_DISPLAY (Wayland) to a running display server\n",
                     program);
        return EXIT_FAILURE;
    }
    return std::nullopt;
}

std::optional<int> reject_left_over_arguments(int argc, char* argv[]) {
    if (argc < 2) {
        return std::nullopt;
    }
    std::fprintf(stderr, "%s: unknown option '%s'\nTry '%s --help' for its options.\n", program,
                 argv[1], program);
    return 2;
}

} // namespace quillmar
