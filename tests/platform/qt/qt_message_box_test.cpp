#include "platform/qt/qt_message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace quillmar {
namespace {

struct box_case {
    message_box message;
    QString title;
    QMessageBox::Icon icon;
};

class QtMessageBox : public testing::TestWithParam<box_case> {};

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
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        was_modal = box->isModal() && box->text() == QStringLiteral("smack unlocked");
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    show_qt_message_box({"smack unlocked", message_style::information, "huleni"}, nullptr);
    EXPECT_TRUE(was_modal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace quillmar
