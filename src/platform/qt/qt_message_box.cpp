#include "platform/qt/qt_message_box.h"

#include <QMessageBox>
#include <QString>

namespace quillmar {
namespace {

QMessageBox::Icon icon_of(message_style style) {
    switch (style) {
    case message_style::critical:
        return QMessageBox::Critical;
    case message_style::exclamation:
        return QMessageBox::Warning;
    case message_style::information:
        return QMessageBox::Information;
    case message_style::plain:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

std::unique_ptr<QMessageBox> make_qt_message_box(const message_box& message, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(
        icon_of(message.style), QString::fromStdString(shown_title(message)),
        QString::fromStdString(message.prompt), QMessageBox::Ok, parent);
    // The prompt is the program's own text, never markup.
    box->setTextFormat(Qt::PlainText);
    return box;
}

void show_qt_message_box(const message_box& message, QWidget* parent) {
    make_qt_message_box(message, parent)->exec();
}

} // namespace quillmar
