#include "window/accessibility.h"

#include "window/main_window.h"
#include "window/plug_chooser.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLineEdit>

namespace quillmar {
namespace {

class plug_chooser_accessible : public QAccessibleWidget {
public:
    explicit plug_chooser_accessible(plug_chooser* chooser)
        : QAccessibleWidget(chooser, QAccessible::ComboBox) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return chooser()->currentText();
        return QAccessibleWidget::text(kind); // the name is the widget's accessible name
    }

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.expandable = true;
        state.expanded = chooser()->view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }

    // The open list comes first, then the field the user types in.
    [[nodiscard]] int childCount() const override { return 2; }

    [[nodiscard]] QAccessibleInterface* child(int index) const override {
        switch (index) {
        case 0:
            return QAccessible::queryAccessibleInterface(chooser()->view());
        case 1:
            return QAccessible::queryAccessibleInterface(chooser()->lineEdit());
        default:
            return nullptr;
        }
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr)
            return -1;
        if (child->object() == chooser()->view())
            return 0;
        if (child->object() == chooser()->lineEdit())
            return 1;
        return -1;
    }

    [[nodiscard]] QStringList actionNames() const override {
        return {showMenuAction(), setFocusAction()};
    }

    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            if (chooser()->view()->isVisible())
                chooser()->hidePopup();
            else
                chooser()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    [[nodiscard]] plug_chooser* chooser() const { return static_cast<plug_chooser*>(widget()); }
};

// Neither class has a meta-object of its own, so Qt asks for them by their Qt base class.
QAccessibleInterface* make_accessible(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String("QComboBox")) {
        if (auto* chooser = dynamic_cast<plug_chooser*>(object))
            return new plug_chooser_accessible(chooser);
    } else if (class_name == QLatin1String("QWidget")) {
        if (auto* window = dynamic_cast<main_window*>(object))
            return new QAccessibleWidget(window, QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void install_window_accessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&make_accessible);
        return true;
    }();
    (void)installed;
}

} // namespace quillmar
