#include "program_identity.h"
#include "window/main_window.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(quillmar::identity::product_name));
    QApplication::setOrganizationName(QString::fromUtf8(quillmar::identity::company_name));
    QApplication::setApplicationVersion(QString::fromUtf8(quillmar::identity::version));
    // Ties the window to the installed desktop entry and its icon.
    const QString desktop_id = QString::fromUtf8(quillmar::identity::desktop_id);
    QApplication::setDesktopFileName(desktop_id);
    QApplication::setWindowIcon(QIcon::fromTheme(desktop_id));

    quillmar::main_window window;
    window.load();
    window.show();
    return QApplication::exec();
}
