#include "window/qt/result_box.h"

#include "window/qt/fonts.h"
#include "window/result_fit.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace quillmar {
namespace {

// QLineEdit keeps two pixels free of text on each side.
constexpr int line_edit_side_margin = 2;

} // namespace

result_box::result_box(std::string_view family, QWidget* parent)
    : QLineEdit(parent), family_(family) {
    // Nothing reads the result box: it can be selected and copied, not typed into.
    setReadOnly(true);
    // The box draws its text centred itself; QLineEdit lays it out the same way, so that a
    // click or a drag selects the characters under the mouse.
    setAlignment(Qt::AlignCenter);
}

QRect result_box::text_area() const {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
        .marginsRemoved(textMargins())
        .adjusted(line_edit_side_margin, 0, -line_edit_side_margin, 0);
}

void result_box::show_result(const std::string& result) {
    const result_fit fit =
        fit_result(result, text_area().width(), [this](std::string_view shown, double points) {
            const QFontMetricsF metrics(bold_font(family_, points), this);
            return metrics.horizontalAdvance(QString::fromUtf8(shown));
        });
    setFont(bold_font(family_, fit.point_size));
    const QString whole = QString::fromStdString(result);
    setText(whole);
    setToolTip(whole);
    shortened_ = fit.shown == result ? QString() : QString::fromStdString(fit.shown);
}

QString result_box::shown_text() const {
    return shortened_.isEmpty() ? text() : shortened_;
}

void result_box::paintEvent(QPaintEvent* /*event*/) {
    // QLineEdit scrolls a text that leaves no room for the font's widest overhang on either
    // side, which a fitted result seldom does; so the box centres and draws its text itself,
    // inside the line edit's own frame.
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);

    const QString shown = shown_text();
    const QFontMetrics metrics = fontMetrics();
    const QRect line = QStyle::alignedRect(layoutDirection(), Qt::AlignCenter,
                                           metrics.size(Qt::TextSingleLine, shown), text_area());
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(line, Qt::AlignCenter | Qt::TextSingleLine, shown);
    if (!hasSelectedText())
        return;
    // The characters the shown text keeps whole; the "…" stands for the rest.
    const auto kept = static_cast<int>(shortened_.isEmpty() ? shown.size() : shown.size() - 1);
    const int start = std::min(selectionStart(), kept);
    const int end = selectionEnd() > kept ? static_cast<int>(shown.size()) : selectionEnd();
    QRect selected = line;
    selected.setLeft(line.left() + metrics.horizontalAdvance(shown.left(start)));
    selected.setRight(line.left() + metrics.horizontalAdvance(shown.left(end)) - 1);
    painter.fillRect(selected, palette().brush(QPalette::Highlight));
    painter.setClipRect(selected);
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.drawText(line, Qt::AlignCenter | Qt::TextSingleLine, shown);
}

} // namespace quillmar
