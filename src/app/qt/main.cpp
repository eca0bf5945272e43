#include "app/qt/command_line.h"
#include "platform/program_identity.h"
#include "window/qt/main_window.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QTimer>

namespace {

// The icon's PNG sizes built into the program (CMakeLists.txt draws them from the SVG): read
// from memory, so that it costs no theme look-up and needs no SVG icon engine.
QIcon built_in_icon() {
    QIcon icon;
    QDirIterator images(QStringLiteral(":/icon"));
    while (images.hasNext()) {
        icon.addFile(images.next());
    }
    return icon;
}

} // namespace

int main(int argc, char* argv[]) {
    if (const auto status = quillmar::handle_command_line_before_qt(argc, argv)) {
        return *status;
    }
    QApplication app(argc, argv);
    if (const auto status = quillmar::reject_left_over_arguments(argc, argv)) {
        return *status;
    }
    QApplication::setApplicationName(QString::fromUtf8(quillmar::identity::product_name));
    QApplication::setOrganizationName(QString::fromUtf8(quillmar::identity::company_name));
    QApplication::setApplicationVersion(QString::fromUtf8(quillmar::identity::version));
    // Desktops that read desktop entries (Wayland's app id, and X11 desktops through the
    // window's class) show the installed entry's name and icon.
    QApplication::setDesktopFileName(QString::fromUtf8(quillmar::identity::desktop_id));

    quillmar::main_window window;
    window.load();
    window.show();
    // The icon follows at the event loop's first turn, once the window is on its way to the
    // screen: reading its images would otherwise delay the window by a few per cent, and
    // window managers show an icon set after the window as well.
    QTimer::singleShot(0, &window, [] { QApplication::setWindowIcon(built_in_icon()); });
    return QApplication::exec();
}
