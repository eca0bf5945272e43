#include "window/qt/main_window.h"

#include "platform/qt/qt_message_box.h"
#include "platform/qt/user_locale.h"
#include "window/qt/accessibility.h"
#include "window/qt/fonts.h"
#include "window/qt/plug_chooser.h"
#include "window/qt/qt_layout.h"
#include "window/qt/result_box.h"
#include "window/title_colour.h"

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace quillmar {
namespace {

QString text_of(const layout::control_layout& control) {
    return QString::fromUtf8(control.text);
}

// Names the control and gives it its place and its bold font.
template <class Control> Control* place(Control* control, const layout::control_layout& where) {
    control->setObjectName(QString::fromUtf8(where.name));
    control->setGeometry(layout::to_qt(where.place));
    control->setFont(bold_font(where.point_size));
    return control;
}

void set_text_colour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// A label over the box it names; the two share the object name "Label1" and are told apart
// by their "index" property.
QLabel* make_box_label(int index, const layout::control_layout& where, QWidget* box,
                       QWidget* parent) {
    auto* label = place(new QLabel(text_of(where), parent), where);
    label->setProperty("index", index);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setBuddy(box);
    set_text_colour(label, layout::to_qt(layout::box_label_colour));
    return label;
}

} // namespace

main_window::main_window(message_shower show_message)
    : show_message_(std::move(show_message)), controller_(*this, user_decimal_separator()) {
    if (!show_message_) {
        show_message_ = [this](const message_box& message) { show_qt_message_box(message, this); };
    }
    install_window_accessibility();
    // Controls lay out their text as they are made, in the font they inherit; inheriting the
    // chooser's font spares loading the desktop's default font, which no control shows.
    setFont(bold_font(layout::select_plug.point_size));

    setObjectName(QStringLiteral("main"));
    setWindowTitle(QString::fromUtf8(application_title));
    // The window has a fixed size, so it offers no maximize button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    setFixedSize(layout::to_qt(layout::client_area));
    QPalette ground = palette();
    ground.setColor(QPalette::Window, layout::to_qt(layout::ground));
    setPalette(ground);
    setAutoFillBackground(true);

    build_controls();
    connect_handlers();
    select_plug_->setFocus();
}

void main_window::build_controls() {
    title_ = place(new QLabel(text_of(layout::title_text), this), layout::title_text);
    // On the label's bottom edge, as layout::title_text explains.
    title_->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    colour_title();

    select_plug_ = place(new plug_chooser(text_of(layout::select_plug), this), layout::select_plug);
    select_plug_->setAccessibleName(QString::fromUtf8(layout::chooser_accessible_name));

    skera_box_ = place(new QLineEdit(this), layout::skera_box);

    real_amount_box_ = place(new result_box(this), layout::real_amount_box);

    calculate_btn_ =
        place(new QPushButton(text_of(layout::calculate_btn), this), layout::calculate_btn);

    make_box_label(0, layout::amount_label, skera_box_, this);
    make_box_label(1, layout::result_label, real_amount_box_, this);
    skera_box_->setAccessibleName(text_of(layout::amount_label));
    real_amount_box_->setAccessibleName(text_of(layout::result_label));

    about_btn_ = place(new QPushButton(text_of(layout::about_btn), this), layout::about_btn);

    setTabOrder(select_plug_, skera_box_);
    setTabOrder(skera_box_, real_amount_box_);
    setTabOrder(real_amount_box_, calculate_btn_);
    setTabOrder(calculate_btn_, about_btn_);
}

void main_window::colour_title() {
    // The system's colour for window backgrounds is the text boxes' colour; a dark theme can
    // make it unreadable on the green.
    const QColor window_background = QApplication::palette().color(QPalette::Base);
    set_text_colour(title_, layout::to_qt(title_colour(layout::from_qt(window_background))));
}

void main_window::changeEvent(QEvent* event) {
    // The desktop's theme changed while the program runs: the window's palette, which keeps
    // its own green ground, takes the theme's other colours.
    if (event->type() == QEvent::PaletteChange && title_ != nullptr)
        colour_title();
    QWidget::changeEvent(event);
}

void main_window::connect_handlers() {
    // After a pick the chooser's whole text is selected, as when tabbing into it, so that
    // typing replaces the picked name; the combo box itself leaves the cursor after it.
    connect(select_plug_, &QComboBox::activated, this, [this] {
        controller_.select_plug_Click();
        select_plug_->lineEdit()->selectAll();
    });
    connect(calculate_btn_, &QPushButton::clicked, this,
            [this] { controller_.Calculate_btn_Click(); });
    // Return in the amount box does what a press of Calculate does.
    connect(skera_box_, &QLineEdit::returnPressed, this,
            [this] { controller_.Calculate_btn_Click(); });
    connect(about_btn_, &QPushButton::clicked, this, [this] { controller_.About_btn_Click(); });
}

void main_window::load() {
    controller_.Form_Load();
    // As when tabbing into it: what the user types first replaces "select plug".
    select_plug_->lineEdit()->selectAll();
}

std::string main_window::plug_text() const {
    return select_plug_->currentText().toStdString();
}

std::string main_window::amount_text() const {
    return skera_box_->text().toStdString();
}

void main_window::set_result_text(const std::string& text) {
    real_amount_box_->show_result(text);
}

void main_window::set_calculate_caption(const std::string& caption) {
    calculate_btn_->setText(QString::fromUtf8(caption));
}

void main_window::append_plug(const std::string& name) {
    select_plug_->append_plug(QString::fromUtf8(name));
}

void main_window::show_message(const message_box& message) {
    show_message_(message);
}

} // namespace quillmar
