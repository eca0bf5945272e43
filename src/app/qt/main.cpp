#include "platform/program_identity.h"
#include "window/qt/main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(quillmar::identity::product_name));
    QApplication::setOrganizationName(QString::fromUtf8(quillmar::identity::company_name));
    QApplication::setApplicationVersion(QString::fromUtf8(quillmar::identity::version));
    // Desktops show the window with the installed desktop entry's name and icon. The icon is
    // not loaded here: a theme look-up costs more at start-up than the rest of the window.
    QApplication::setDesktopFileName(QString::fromUtf8(quillmar::identity::desktop_id));

    quillmar::main_window window;
    window.load();
    window.show();
    return QApplication::exec();
}
