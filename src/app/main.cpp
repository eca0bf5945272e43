#include "window/main_window.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmar95"));
    QApplication::setOrganizationName(QStringLiteral("Orvane Enterprise"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    // Ties the window to the installed desktop entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("quillmar95"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("quillmar95")));

    quillmar::main_window window;
    window.load();
    window.show();
    return QApplication::exec();
}
