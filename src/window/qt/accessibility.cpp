#include "window/qt/accessibility.h"

#include "window/qt/main_window.h"
#include "window/qt/plug_chooser.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <algorithm>
#include <array>

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

    [[nodiscard]] int childCount() const override { return static_cast<int>(parts().size()); }

    [[nodiscard]] QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        return QAccessible::queryAccessibleInterface(parts()[static_cast<std::size_t>(index)]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::array<QObject*, 2> all = parts();
        const auto* const found =
            std::find(all.begin(), all.end(), child != nullptr ? child->object() : nullptr);
        return found == all.end() ? -1 : static_cast<int>(found - all.begin());
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

    // The chooser's parts as assistive tools list them: the open list first, then the field
    // the user types in.
    [[nodiscard]] std::array<QObject*, 2> parts() const {
        return {chooser()->view(), chooser()->lineEdit()};
    }
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
