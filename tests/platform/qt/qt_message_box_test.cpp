#include "found.h"
#include "modal_box_check.h"
#include "platform/qt/qt_message_box.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QKeySequence>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

// Names a key case in ctest's list by the key's name; GoogleTest finds it beside the type.
namespace Qt {
void PrintTo(Key key, std::ostream* out) {
    *out << QKeySequence(key).toString().toStdString();
}
} // namespace Qt

namespace quillmar {
namespace {

struct box_case {
    message_box message;
    QString title;
    QMessageBox::Icon icon;
};

void PrintTo(const box_case& c, std::ostream* out) {
    *out << '"' << c.message.prompt << "\" titled \"" << c.title.toStdString() << '"';
}

class QtMessageBox : public testing::TestWithParam<box_case> {};

// The names of everything an assistive tool finds inside a part of the accessible tree.
QStringList accessible_names_below(QAccessibleInterface* iface) {
    QStringList names;
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child =
            found(iface->child(i), "accessible child " + std::to_string(i));
        names << child->text(QAccessible::Name) << accessible_names_below(child);
    }
    return names;
}

TEST_P(QtMessageBox, HasTheTitleTextIconAndOneOkButton) {
    const box_case& c = GetParam();
    const std::unique_ptr<QMessageBox> box = make_qt_message_box(c.message, nullptr);
    EXPECT_EQ(box->windowTitle(), c.title);
    EXPECT_EQ(box->text(), QString::fromStdString(c.message.prompt));
    EXPECT_EQ(box->icon(), c.icon);
    ASSERT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->standardButton(box->buttons().front()), QMessageBox::Ok);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
}

// A screen reader announces a message box by its title and reads its prompt from it.
TEST_P(QtMessageBox, AnnouncesItsTitleAndPromptToAssistiveTools) {
    const box_case& c = GetParam();
    const std::unique_ptr<QMessageBox> box = make_qt_message_box(c.message, nullptr);
    box->show();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box.get());
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->text(QAccessible::Name), c.title);
    // An alert is read out as soon as it appears.
    EXPECT_EQ(iface->role(), QAccessible::AlertMessage);
    const QStringList names = accessible_names_below(iface);
    EXPECT_TRUE(names.contains(QString::fromStdString(c.message.prompt)))
        << names.join('|').toStdString();
    EXPECT_TRUE(names.contains("OK")) << names.join('|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Styles, QtMessageBox,
    testing::Values(box_case{{"Please select a plug.", message_style::plain, std::nullopt},
                             "Quillmar95",
                             QMessageBox::NoIcon},
                    box_case{{"Overflow", message_style::critical, "Quillmar95"},
                             "Quillmar95",
                             QMessageBox::Critical},
                    box_case{{"Please enter a valid numeric amount.", message_style::exclamation,
                              "Invalid Input"},
                             "Invalid Input",
                             QMessageBox::Warning},
                    box_case{{"smack unlocked", message_style::information, "huleni"},
                             "huleni",
                             QMessageBox::Information},
                    // A prompt that looks like markup is shown as it stands.
                    box_case{{"<b>1 < 2</b>", message_style::plain, std::nullopt},
                             "Quillmar95",
                             QMessageBox::NoIcon}));

TEST(QtMessageBoxShow, IsModalAndReturnsOnceOkIsClicked) {
    bool was_modal = false;
    const modal_box_check check([&] {
        auto* box = found(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()),
                          "a modal message box");
        was_modal = box->isModal() && box->text() == QStringLiteral("smack unlocked");
        QTest::mouseClick(found(box->button(QMessageBox::Ok), "the OK button"), Qt::LeftButton);
    });
    show_qt_message_box({"smack unlocked", message_style::information, "huleni"}, nullptr);
    EXPECT_TRUE(was_modal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Escape or Return closes the box, and so does Space on its focused OK button.
class QtMessageBoxKey : public testing::TestWithParam<Qt::Key> {};

TEST_P(QtMessageBoxKey, ClosesTheModalBox) {
    bool closed_by_key = false;
    const modal_box_check check([&] {
        auto* box = found(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()),
                          "a modal message box");
        ASSERT_TRUE(QTest::qWaitForWindowActive(box));
        QWidget* focus = found(QApplication::focusWidget(), "a widget with the focus");
        ASSERT_EQ(focus, box->button(QMessageBox::Ok));
        QTest::keyClick(focus, GetParam());
        closed_by_key = !box->isVisible();
    });
    show_qt_message_box({"Overflow", message_style::critical, std::nullopt}, nullptr);
    EXPECT_TRUE(closed_by_key);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Keys, QtMessageBoxKey,
                         testing::Values(Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter,
                                         Qt::Key_Space));

} // namespace
} // namespace quillmar
