// Loaded into the built quillmar95 with LD_PRELOAD: once the program's own main() runs its
// event loop and its window is on the screen (exposed), prints what the program shows (its
// visible top-level window, the plugs in its chooser, its desktop id, its window icon's
// sizes and its style) and ends the program, unless QUILLMAR_PROBE_KEEP_RUNNING is set. A
// program that never reaches its event loop prints nothing.
#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QStyle>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdio>

namespace {

void print(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
}

bool on_screen(const QWidget* window) {
    return window->isVisible() && window->windowHandle() != nullptr &&
           window->windowHandle()->isExposed();
}

void report() {
    // Platforms may run events while a window is shown (Wayland waits for the compositor's
    // first configure there): until main() has entered its own loop and the window is on the
    // screen, look again at the next turn. Then one turn more, for what start-up left to the
    // loop's first turn.
    static bool settling = false;
    const QWidgetList windows = QApplication::topLevelWidgets();
    const bool shown = std::any_of(windows.begin(), windows.end(), on_screen);
    if (QThread::currentThread()->loopLevel() == 0 || !shown) {
        QTimer::singleShot(10, QCoreApplication::instance(), report);
        return;
    }
    if (!settling) {
        settling = true;
        QTimer::singleShot(0, QCoreApplication::instance(), report);
        return;
    }
    // What the program asked of the window system has reached it before the report does.
    QGuiApplication::sync();
    for (QWidget* window : windows) {
        if (!on_screen(window)) {
            continue;
        }
        print(QStringLiteral("window %1 \"%2\"").arg(window->objectName(), window->windowTitle()));
        for (const QComboBox* chooser : window->findChildren<QComboBox*>()) {
            print(QStringLiteral("chooser with %1 entries").arg(chooser->count()));
        }
        QList<QSize> sizes = window->windowIcon().availableSizes();
        std::sort(sizes.begin(), sizes.end(),
                  [](const QSize& a, const QSize& b) { return a.width() < b.width(); });
        QStringList names;
        for (const QSize& size : sizes) {
            names << QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
        }
        print(QStringLiteral("icon %1").arg(names.join(u' ')));
    }
    print(QStringLiteral("desktop id %1").arg(QGuiApplication::desktopFileName()));
    print(QStringLiteral("style %1").arg(QApplication::style()->name()));
    std::fflush(stdout);
    // A test that reads the window from outside keeps the program running and ends it.
    if (!qEnvironmentVariableIsSet("QUILLMAR_PROBE_KEEP_RUNNING")) {
        QCoreApplication::exit(0);
    }
}

// Runs as the application is constructed; the timer fires in the program's event loop.
void start_probe() {
    QTimer::singleShot(0, QCoreApplication::instance(), report);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(start_probe)
