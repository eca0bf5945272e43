#include "window/qt/result_box.h"

#include "window/qt/fonts.h"
#include "window/result_fit.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <string_view>

namespace quillmar {
namespace {

// QLineEdit keeps two pixels free of text on each side.
constexpr int line_edit_side_margin = 2;

// A line's width as QLineEdit rounds it when it decides whether to scroll the line.
int line_width(const QString& line, const QFont& font, const QPaintDevice* device) {
    return qRound(QFontMetricsF(font, device).horizontalAdvance(line));
}

} // namespace

result_box::result_box(QWidget* parent) : QLineEdit(parent) {
    // Nothing reads the result box: it can be selected and copied, not typed into.
    setReadOnly(true);
    setAlignment(Qt::AlignCenter);
}

int result_box::room() const {
    // QLineEdit scrolls a line that leaves no pixel for the cursor.
    return line_area().width() - 1;
}

QRect result_box::line_area() const {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
        .marginsRemoved(textMargins())
        .adjusted(line_edit_side_margin, 0, -line_edit_side_margin, 0);
}

void result_box::show_result(const std::string& result) {
    const double points =
        result_point_size(result, room(), [this](std::string_view line, double size) {
            return line_width(QString::fromUtf8(line), bold_font(size), this);
        });
    setFont(bold_font(points));
    const QString whole = QString::fromStdString(result);
    setText(whole);
    setToolTip(whole);
}

QString result_box::unfocused_text() const {
    if (line_width(text(), font(), this) <= room())
        return text();
    return fontMetrics().elidedText(text(), Qt::ElideRight, room());
}

void result_box::paintEvent(QPaintEvent* event) {
    const QString shown = unfocused_text();
    if (hasFocus() || shown == text()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    // The line stands where QLineEdit puts it, so that it keeps its height as the focus comes
    // and goes.
    QRect line = line_area();
    line.setTop(line.top() + (line.height() - fontMetrics().height() + 1) / 2);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(line, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, shown);
}

} // namespace quillmar
