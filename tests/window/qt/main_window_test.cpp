// Drives the real window with real key and mouse events on Qt's offscreen platform. Messages
// go to a recorder instead of a modal box, together with what the window showed at that moment.
#include "found.h"
#include "qt_printers.h"
#include "window/qt/main_window.h"
#include "window/qt/result_box.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace quillmar {
namespace {

// A message as it was shown, with the window's state at that moment.
struct shown_message {
    message_box message;
    QString result_text;
    QString caption;
    int plug_count = 0;
};

class MainWindow : public testing::Test {
protected:
    // A missing control ends SetUp() with its name, before any test dereferences it; the
    // recorder then reads controls already found, as it runs inside the window's handlers.
    void SetUp() override {
        window = std::make_unique<main_window>([this](const message_box& message) {
            messages.push_back(
                {message, result_box()->text(), calculate_btn()->text(), select_plug()->count()});
        });
        chooser_ = control<QComboBox>("select_plug");
        amount_ = control<QLineEdit>("skera_box");
        result_ = control<QLineEdit>("real_amount_box");
        calculate_ = control<QPushButton>("Calculate_btn");
        about_ = control<QPushButton>("About_btn");
        labels_ = {find_box_label(0), find_box_label(1)};
        window->load();
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <class Control> Control* control(const char* name) const {
        return found(window->findChild<Control*>(QString::fromLatin1(name)), name);
    }
    [[nodiscard]] QComboBox* select_plug() const { return chooser_; }
    [[nodiscard]] QLineEdit* amount_box() const { return amount_; }
    [[nodiscard]] QLineEdit* result_box() const { return result_; }
    [[nodiscard]] QPushButton* calculate_btn() const { return calculate_; }
    [[nodiscard]] QPushButton* about_btn() const { return about_; }
    [[nodiscard]] QLabel* box_label(int index) const { return labels_.at(index); }

    // The widget with the keyboard focus; the test ends when none has it.
    static QWidget* focus() {
        return found(QApplication::focusWidget(), "a widget with the focus");
    }
    [[nodiscard]] QStringList plug_list() const {
        QStringList names;
        for (int i = 0; i < select_plug()->count(); ++i)
            names << select_plug()->itemText(i);
        return names;
    }

    // Opens the chooser's list with a click on its arrow and clicks the entry.
    void pick_with_mouse(const QString& name) {
        QComboBox* chooser = select_plug();
        const int row = chooser->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
        ASSERT_GE(row, 0) << name.toStdString();
        QTest::mouseClick(chooser, Qt::LeftButton, {},
                          chooser_part(QStyle::SC_ComboBoxArrow).center());
        QAbstractItemView* list = chooser->view();
        ASSERT_TRUE(QTest::qWaitFor([list] { return list->isVisible(); }));
        // The open list ignores a release that comes within a double-click time of opening.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        const QRect entry = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
        ASSERT_TRUE(QTest::qWaitFor([list] { return !list->isVisible(); }));
    }

    // Where the style draws a part of the chooser, such as its arrow or its text field.
    [[nodiscard]] QRect chooser_part(QStyle::SubControl part) const {
        QStyleOptionComboBox option;
        option.initFrom(select_plug());
        option.editable = true;
        return select_plug()->style()->subControlRect(QStyle::CC_ComboBox, &option, part,
                                                      select_plug());
    }

    // Replaces a text by typing into the control that holds the edit, as a user would.
    static void retype(QWidget* control, QLineEdit* edit, const QString& text) {
        control->setFocus();
        edit->selectAll();
        QTest::keyClick(control, Qt::Key_Backspace);
        QTest::keyClicks(control, text);
    }
    void type_plug(const QString& text) {
        retype(select_plug(), found(select_plug()->lineEdit(), "the chooser's line edit"), text);
    }
    void type_amount(const QString& text) { retype(amount_box(), amount_box(), text); }

    static void press(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    [[nodiscard]] std::vector<std::string> prompts() const {
        std::vector<std::string> texts(messages.size());
        std::transform(messages.begin(), messages.end(), texts.begin(),
                       [](const shown_message& shown) { return shown.message.prompt; });
        return texts;
    }

    std::unique_ptr<main_window> window;
    std::vector<shown_message> messages;

private:
    [[nodiscard]] QLabel* find_box_label(int index) const {
        const QList<QLabel*> found_labels = window->findChildren<QLabel*>(QStringLiteral("Label1"));
        const auto label =
            std::find_if(found_labels.begin(), found_labels.end(), [index](QLabel* each) {
                return each->property("index").toInt() == index;
            });
        return found(label != found_labels.end() ? *label : nullptr,
                     "Label1 with index " + std::to_string(index));
    }

    QComboBox* chooser_ = nullptr;
    QLineEdit* amount_ = nullptr;
    QLineEdit* result_ = nullptr;
    QPushButton* calculate_ = nullptr;
    QPushButton* about_ = nullptr;
    std::array<QLabel*, 2> labels_{};
};

const QStringList starting_plugs{"tvex", "morlu", "kasprel", "ulvo", "vietnamci"};

TEST_F(MainWindow, StartsWithItsTitleTextsAndFilledList) {
    EXPECT_EQ(window->windowTitle(), "Quillmar95");
    EXPECT_EQ(window->objectName(), "main");
    EXPECT_EQ(control<QLabel>("Quillmar_text")->text(), "Quillmar95");
    EXPECT_EQ(select_plug()->currentText(), "select plug");
    EXPECT_EQ(select_plug()->currentIndex(), -1);
    EXPECT_EQ(plug_list(), starting_plugs);
    EXPECT_EQ(amount_box()->text(), "");
    EXPECT_EQ(result_box()->text(), "");
    EXPECT_EQ(calculate_btn()->text(), "Calculate");
    EXPECT_EQ(about_btn()->text(), "About");
    EXPECT_EQ(box_label(0)->text(), "Enter Amount");
    EXPECT_EQ(box_label(1)->text(), "Real Amount");
    EXPECT_TRUE(messages.empty());
}

// A fixed client area of 363 x 378, which can be minimized and closed but not maximized.
TEST_F(MainWindow, IsAFixedSizeWindowThatCanBeMinimizedOnly) {
    EXPECT_EQ(window->size(), QSize(363, 378));
    EXPECT_EQ(window->minimumSize(), QSize(363, 378));
    EXPECT_EQ(window->maximumSize(), QSize(363, 378));
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(MainWindow, PlacesEveryControlAtItsPixelRectangle) {
    EXPECT_EQ(control<QLabel>("Quillmar_text")->geometry(), QRect(112, 8, 145, 25));
    EXPECT_EQ(select_plug()->geometry(), QRect(120, 72, 121, 21));
    EXPECT_EQ(amount_box()->geometry(), QRect(120, 144, 121, 25));
    EXPECT_EQ(result_box()->geometry(), QRect(144, 312, 73, 33));
    EXPECT_EQ(calculate_btn()->geometry(), QRect(120, 224, 121, 41));
    EXPECT_EQ(box_label(0)->geometry(), QRect(134, 120, 93, 16));
    EXPECT_EQ(box_label(1)->geometry(), QRect(137, 288, 91, 16));
    EXPECT_EQ(about_btn()->geometry(), QRect(280, 344, 73, 25));
}

TEST_F(MainWindow, PaintsADarkGreenGroundWithWhiteBoxLabels) {
    EXPECT_TRUE(window->autoFillBackground());
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(0, 64, 0));
    for (int index : {0, 1}) {
        EXPECT_EQ(box_label(index)->palette().color(QPalette::WindowText), QColor(Qt::white));
        EXPECT_FALSE(box_label(index)->autoFillBackground());
    }
    auto* title = control<QLabel>("Quillmar_text");
    EXPECT_FALSE(title->autoFillBackground());
    EXPECT_EQ(title->palette().color(QPalette::WindowText),
              QApplication::palette().color(QPalette::Base));

    const QImage picture = window->grab().toImage();
    EXPECT_EQ(picture.pixelColor(picture.width() / 2 / 2, picture.height() / 2), QColor(0, 64, 0));
}

TEST_F(MainWindow, GivesEveryControlItsBoldFontAndPointSize) {
    struct expected_font {
        QWidget* control;
        double point_size;
    };
    const expected_font fonts[] = {
        {control<QLabel>("Quillmar_text"), 18.0},
        {select_plug(), 8.25},
        {amount_box(), 9.75},
        {result_box(), 12.0},
        {calculate_btn(), 12.0},
        {box_label(0), 9.75},
        {box_label(1), 9.75},
        {about_btn(), 8.25},
    };
    for (const expected_font& f : fonts) {
        const std::string name = f.control->objectName().toStdString();
        EXPECT_EQ(f.control->font().weight(), QFont::Bold) << name;
        EXPECT_DOUBLE_EQ(f.control->font().pointSizeF(), f.point_size) << name;
        EXPECT_EQ(QFontInfo(f.control->font()).family(), "Liberation Sans") << name;
    }
}

// The widest text each control shows must fit inside it at the default fonts.
TEST_F(MainWindow, ShowsEveryTextUnclipped) {
    // The glyphs' ink, placed where the label's alignment puts the line, must lie inside.
    const auto fits_label = [](QLabel* label) {
        const QFontMetrics metrics = label->fontMetrics();
        const QRect line = QStyle::alignedRect(Qt::LeftToRight, label->alignment(),
                                               metrics.size(0, label->text()), label->rect());
        const QRect ink = metrics.tightBoundingRect(label->text())
                              .translated(line.left(), line.top() + metrics.ascent());
        return label->rect().contains(ink) &&
               metrics.horizontalAdvance(label->text()) <= label->width();
    };
    EXPECT_TRUE(fits_label(control<QLabel>("Quillmar_text")));
    EXPECT_TRUE(fits_label(box_label(0)));
    EXPECT_TRUE(fits_label(box_label(1)));

    const auto fits_button = [](QPushButton* button, const QString& text) {
        const QFontMetrics metrics = button->fontMetrics();
        const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2;
        return metrics.horizontalAdvance(text) + 2 * frame <= button->width() &&
               metrics.height() + 2 * frame <= button->height();
    };
    EXPECT_TRUE(fits_button(calculate_btn(), "Calculate"));
    EXPECT_TRUE(fits_button(calculate_btn(), "NERES"));
    EXPECT_TRUE(fits_button(about_btn(), "About"));

    // A line edit keeps its frame and two pixels each side free of text.
    const auto fits_box = [](QLineEdit* box, const QString& text) {
        const QFontMetrics metrics = box->fontMetrics();
        const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        return metrics.horizontalAdvance(text) + 2 * frame + 4 <= box->width() &&
               metrics.height() + 2 * frame <= box->height();
    };
    EXPECT_TRUE(fits_box(result_box(), "infinite"));
    EXPECT_TRUE(fits_box(result_box(), "-3.60g"));
    EXPECT_TRUE(fits_box(result_box(), "13.00g"));
    EXPECT_TRUE(fits_box(amount_box(), "-1234.5678"));

    const QRect field = chooser_part(QStyle::SC_ComboBoxEditField);
    const QFontMetrics metrics = select_plug()->fontMetrics();
    for (const QString& text : starting_plugs + QStringList{"select plug", "smack"}) {
        EXPECT_LE(metrics.horizontalAdvance(text) + 4, field.width()) << text.toStdString();
        EXPECT_LE(metrics.height(), field.height()) << text.toStdString();
    }
}

// Qt scales the window by QT_SCALE_FACTOR, as on a high-DPI screen.
double expected_scale_factor() {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    return factor.isEmpty() ? 1.0 : factor.toDouble();
}

// Text and frames are drawn at the screen's own resolution, not drawn small and enlarged.
TEST_F(MainWindow, PaintsAtTheScreensFullResolution) {
    const double factor = expected_scale_factor();
    EXPECT_DOUBLE_EQ(window->devicePixelRatioF(), factor);
    const QImage picture = window->grab().toImage();
    EXPECT_DOUBLE_EQ(picture.devicePixelRatioF(), factor);
    EXPECT_EQ(picture.size(), (QSizeF(363, 378) * factor).toSize());
    if (factor < 2)
        return;
    // A picture enlarged from one drawn at 1x is made of 2x2 blocks of equal pixels; the
    // title's glyph edges, drawn at 2x, are not.
    const QRect title = control<QLabel>("Quillmar_text")->geometry();
    int uneven_blocks = 0;
    for (int y = title.top() * 2; y < title.bottom() * 2; y += 2)
        for (int x = title.left() * 2; x < title.right() * 2; x += 2) {
            const QRgb corner = picture.pixel(x, y);
            if (picture.pixel(x + 1, y) != corner || picture.pixel(x, y + 1) != corner ||
                picture.pixel(x + 1, y + 1) != corner)
                ++uneven_blocks;
        }
    EXPECT_GT(uneven_blocks, 20);
}

// As when tabbing into it, the chooser starts with its text selected: typing replaces it.
TEST_F(MainWindow, StartsWithTheFocusInTheChooserAndItsTextSelected) {
    EXPECT_TRUE(select_plug()->hasFocus());
    QTest::keyClicks(focus(), "kasprel");
    EXPECT_EQ(select_plug()->currentText(), "kasprel");
}

// Under a dark theme the colour for window backgrounds is dark, and so unreadable on the green.
TEST_F(MainWindow, DrawsTheTitleWhiteWhereTheThemesColourWouldNotRead) {
    struct restore_palette {
        QPalette palette = QApplication::palette();
        ~restore_palette() { QApplication::setPalette(palette); }
    } const restore;
    const auto title_colour_under = [&restore](QWidget* in, const QColor& window_background) {
        QPalette theme = restore.palette;
        theme.setColor(QPalette::Base, window_background);
        QApplication::setPalette(theme);
        QApplication::processEvents(); // as the event loop delivers a change of theme
        return found(in->findChild<QLabel*>("Quillmar_text"), "the title")
            ->palette()
            .color(QPalette::WindowText);
    };
    const QColor tint(255, 255, 224);
    const QColor dark(0x2d, 0x2d, 0x2d);
    // The theme changes while the window is open...
    EXPECT_EQ(title_colour_under(window.get(), tint), tint);
    EXPECT_EQ(title_colour_under(window.get(), dark), QColor(Qt::white));
    EXPECT_EQ(title_colour_under(window.get(), tint), tint);
    // ...or was dark from the start.
    main_window opened_under_dark;
    EXPECT_EQ(title_colour_under(&opened_under_dark, dark), QColor(Qt::white));
}

QAccessibleInterface* accessible(QObject* object) {
    return found(QAccessible::queryAccessibleInterface(object),
                 "an accessible interface for " + object->objectName().toStdString());
}

// What a box draws, found in its picture: the columns its text's ink covers, in pixels of the
// picture, inside the box's frame.
struct ink_columns {
    int first = -1;
    int last = -1;
};

ink_columns ink_of(QWidget* box) {
    const QImage picture = box->grab().toImage();
    // The frame's few pixels at each edge are not text.
    const int frame = static_cast<int>(3 * picture.devicePixelRatio());
    ink_columns ink;
    for (int x = frame; x < picture.width() - frame; ++x)
        for (int y = frame; y < picture.height() - frame; ++y)
            if (picture.pixelColor(x, y).lightness() < 192) {
                ink.first = ink.first < 0 ? x : ink.first;
                ink.last = x;
            }
    return ink;
}

// Every result from 5 to 40 characters is drawn whole inside the unfocused box, centred, or as
// its beginning followed by "…"; the box's text, tooltip and accessible value stay the whole.
TEST_F(MainWindow, ShowsEveryResultWholeOrAsItsBeginningWithAnEllipsis) {
    const auto* box = control<quillmar::result_box>("real_amount_box");
    type_plug("kasprel");
    for (int zeros = 0; zeros <= 35; ++zeros) {
        type_amount("1e" + QString::number(zeros));
        press(calculate_btn());
        // 1.30g, 13.00g, 130.00g...: each power of ten adds a character.
        const QString whole = zeros == 0 ? "1.30g" : "13" + QString(zeros - 1, '0') + ".00g";
        ASSERT_EQ(box->text(), whole);
        EXPECT_EQ(box->toolTip(), whole);
        EXPECT_EQ(accessible(result_box())->text(QAccessible::Value), whole);

        const QString shown = box->unfocused_text();
        const std::string at = whole.toStdString() + " drawn as " + shown.toStdString();
        if (whole.size() <= 12) {
            EXPECT_EQ(shown, whole) << at;
        }
        if (shown != whole) {
            EXPECT_DOUBLE_EQ(box->font().pointSizeF(), 7.0) << at;
            EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << at;
            EXPECT_TRUE(whole.startsWith(shown.chopped(1))) << at;
        }
        EXPECT_GE(box->font().pointSizeF(), 7.0) << at;
        EXPECT_LE(box->font().pointSizeF(), 12.0) << at;

        // The ink spans what the font makes of the shown text and stands in the middle of
        // the box.
        const ink_columns ink = ink_of(result_box());
        const double ratio = result_box()->devicePixelRatioF();
        const int advance = QFontMetrics(box->font()).horizontalAdvance(shown);
        ASSERT_GE(ink.first, 0) << at;
        // Less than the narrowest character's width short of the advance: nothing cut off.
        EXPECT_NEAR((ink.last - ink.first + 1) / ratio, advance - 2, 2.0) << at;
        const double left_gap = ink.first / ratio;
        const double right_gap = box->width() - (ink.last + 1) / ratio;
        EXPECT_NEAR(left_gap, right_gap, 3.0) << at;
    }
}

// With the focus the box is a plain line edit, which scrolls a result too long for it as its
// cursor moves; without it, the box draws the result's beginning and "…" again.
TEST_F(MainWindow, ScrollsALongResultOnlyWhileTheResultBoxHasTheFocus) {
    type_plug("ulvo");
    type_amount("1e20");
    press(calculate_btn());
    const QString whole = "100000000000000000000.00g";
    ASSERT_EQ(result_box()->text(), whole);
    ASSERT_TRUE(
        control<quillmar::result_box>("real_amount_box")->unfocused_text().endsWith(QChar(0x2026)));
    const QImage unfocused = result_box()->grab().toImage();

    result_box()->setFocus();
    QTest::keyClick(result_box(), Qt::Key_Home);
    const QImage at_start = result_box()->grab().toImage();
    QTest::keyClick(result_box(), Qt::Key_End);
    EXPECT_TRUE(result_box()->grab().toImage() != at_start) << "End scrolled nothing";
    QTest::keyClick(result_box(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(result_box()->selectedText(), whole);

    QTest::keyClick(result_box(), Qt::Key_Tab);
    EXPECT_TRUE(result_box()->grab().toImage() == unfocused) << "not drawn as before the focus";
}

TEST_F(MainWindow, TabVisitsChooserAmountResultCalculateAboutInTurn) {
    const std::vector<QWidget*> order{select_plug(),   amount_box(), result_box(),
                                      calculate_btn(), about_btn(),  select_plug()};
    for (std::size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(focus(), Qt::Key_Tab);
        EXPECT_TRUE(order[i]->hasFocus())
            << "after Tab " << i << " the focus is in " << focus()->objectName().toStdString();
    }
}

TEST_F(MainWindow, PickingWithTheMouseSelectsThePlugAndClearsTheResult) {
    pick_with_mouse("kasprel");
    EXPECT_EQ(select_plug()->currentText(), "kasprel");
    type_amount("10");
    press(calculate_btn());
    EXPECT_EQ(result_box()->text(), "13.00g");

    pick_with_mouse("morlu");
    EXPECT_EQ(result_box()->text(), "");
    press(calculate_btn());
    EXPECT_EQ(result_box()->text(), "7.50g");
    EXPECT_TRUE(messages.empty());
    pick_with_mouse("tvex");
    QTest::keyClicks(select_plug(), "x"); // what is typed after a pick replaces the name
    EXPECT_EQ(select_plug()->currentText(), "x");
}

TEST_F(MainWindow, PickingTheWarningPlugWarnsBeforeTheResultIsCleared) {
    type_plug("tvex");
    type_amount("10");
    press(calculate_btn());
    ASSERT_EQ(result_box()->text(), "9.00g");

    pick_with_mouse("vietnamci");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].message,
              (message_box{"budou to mordy skera tak ara", message_style::exclamation, "Warning"}));
    EXPECT_EQ(messages[0].result_text, "9.00g"); // not yet cleared when the warning shows
    EXPECT_EQ(result_box()->text(), "");
}

TEST_F(MainWindow, PickingThePickedPlugAgainRunsThePickAgain) {
    pick_with_mouse("vietnamci");
    type_amount("10");
    press(calculate_btn());
    ASSERT_EQ(result_box()->text(), "10.00g");
    pick_with_mouse("vietnamci");
    EXPECT_EQ(prompts(), (std::vector<std::string>(2, "budou to mordy skera tak ara")));
    EXPECT_EQ(result_box()->text(), "") << "the second pick cleared the result";
}

TEST_F(MainWindow, ArrowKeysOnTheClosedChooserPickEachPlugInTurn) {
    select_plug()->setFocus();
    for (const QString& name : starting_plugs) {
        QTest::keyClick(select_plug(), Qt::Key_Down);
        EXPECT_EQ(select_plug()->currentText(), name);
    }
    EXPECT_EQ(prompts(), std::vector<std::string>{"budou to mordy skera tak ara"});
    QTest::keyClick(select_plug(), Qt::Key_Up);
    EXPECT_EQ(select_plug()->currentText(), "ulvo");
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(MainWindow, WheelOnTheClosedChooserPicksTheNextPlug) {
    select_plug()->setFocus();
    const QPoint centre = select_plug()->rect().center();
    QWheelEvent down(centre, select_plug()->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    for (int i = 0; i < 5; ++i)
        QApplication::sendEvent(select_plug(), &down);
    EXPECT_EQ(select_plug()->currentText(), "vietnamci");
    EXPECT_EQ(prompts(), std::vector<std::string>{"budou to mordy skera tak ara"});
}

// Alt+Down or F4 opens the list with its first entry highlighted; in the open list the
// arrows move, Return picks and Escape closes it without picking.
struct list_key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* name;
};

void PrintTo(const list_key& key, std::ostream* out) {
    *out << key.name;
}

class MainWindowListKey : public MainWindow, public testing::WithParamInterface<list_key> {
protected:
    QAbstractItemView* open_list_with_key() {
        select_plug()->setFocus();
        QTest::keyClick(select_plug(), GetParam().key, GetParam().modifiers);
        QAbstractItemView* list = select_plug()->view();
        EXPECT_TRUE(QTest::qWaitFor([list] { return list->isVisible(); }));
        return list;
    }
};

TEST_P(MainWindowListKey, OpensTheListWhereReturnPicksTheHighlightedPlug) {
    QAbstractItemView* list = open_list_with_key();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([list] { return !list->isVisible(); }));
    EXPECT_EQ(select_plug()->currentText(), "kasprel");
    type_amount("10");
    press(calculate_btn());
    EXPECT_EQ(result_box()->text(), "13.00g");
    EXPECT_TRUE(messages.empty());
}

TEST_P(MainWindowListKey, OpensTheListWhereEscapeClosesItWithoutPicking) {
    QAbstractItemView* list = open_list_with_key();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([list] { return !list->isVisible(); }));
    EXPECT_EQ(select_plug()->currentText(), "select plug");
    EXPECT_EQ(select_plug()->currentIndex(), -1);
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Keys, MainWindowListKey,
                         testing::Values(list_key{Qt::Key_Down, Qt::AltModifier, "AltDown"},
                                         list_key{Qt::Key_F4, Qt::NoModifier, "F4"}));

// The whole calculator with the keyboard alone, from the first focus on.
TEST_F(MainWindow, WorksWithTheKeyboardAlone) {
    const auto key = [](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(focus(), k, modifiers);
    };
    key(Qt::Key_Down, Qt::AltModifier); // the chooser has the focus at start
    QAbstractItemView* list = select_plug()->view();
    ASSERT_TRUE(QTest::qWaitFor([list] { return list->isVisible(); }));
    for (int i = 0; i < 2; ++i) // from "tvex", highlighted as the list opens
        QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([list] { return !list->isVisible(); }));
    EXPECT_EQ(select_plug()->currentText(), "kasprel");
    EXPECT_EQ(select_plug()->lineEdit()->selectedText(), "kasprel");

    key(Qt::Key_Tab);
    QTest::keyClicks(focus(), "10");
    key(Qt::Key_Return);
    EXPECT_EQ(result_box()->text(), "13.00g");

    key(Qt::Key_Tab); // the result box
    key(Qt::Key_Tab); // Calculate
    ASSERT_TRUE(calculate_btn()->hasFocus());
    amount_box()->setText("2");
    key(Qt::Key_Space);
    EXPECT_EQ(result_box()->text(), "2.60g");

    key(Qt::Key_Tab); // About
    ASSERT_TRUE(about_btn()->hasFocus());
    for (int i = 0; i < 5; ++i)
        key(Qt::Key_Space);
    EXPECT_EQ(prompts().back(), "smack unlocked");
    EXPECT_EQ(plug_list().back(), "smack");
}

TEST_F(MainWindow, TypedPlugNamesStayExactlyAsTypedAndPickNothing) {
    for (const QString& typed : {QStringLiteral("Tvex"), QStringLiteral("tv"),
                                 QStringLiteral(" tvex"), QStringLiteral("VIETNAMCI")}) {
        type_plug(typed);
        QTest::keyClick(select_plug(), Qt::Key_Tab); // leaving the chooser is not picking
        EXPECT_EQ(select_plug()->currentText(), typed);
        EXPECT_EQ(select_plug()->currentIndex(), -1);
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindow, TypingTheWarningPlugAndLeavingDoesNotWarn) {
    type_plug("vietnamci");
    QTest::keyClick(select_plug(), Qt::Key_Tab);
    type_amount("10");
    press(calculate_btn()); // clicking Calculate also takes the focus from the chooser
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(result_box()->text(), "10.00g");
}

TEST_F(MainWindow, TypedNamesCalculateLikePickedOnesOnlyWhenExact) {
    type_amount("10");
    type_plug("tvex");
    press(calculate_btn());
    EXPECT_EQ(result_box()->text(), "9.00g");

    for (const QString& typed : {QStringLiteral("Tvex"), QStringLiteral(" tvex")}) {
        type_plug(typed);
        press(calculate_btn());
    }
    EXPECT_EQ(prompts(),
              (std::vector<std::string>{"Please select a plug.", "Please select a plug."}));
    EXPECT_EQ(shown_title(messages.at(0).message), "Quillmar95");
    EXPECT_EQ(result_box()->text(), "9.00g");
}

TEST_F(MainWindow, ReturnInTheChooserNeitherAddsNorPicks) {
    for (const QString& typed :
         {QStringLiteral("newplug"), QStringLiteral("vietnamci"), QStringLiteral("Morlu")}) {
        type_plug(typed);
        QTest::keyClick(select_plug(), Qt::Key_Return);
        EXPECT_EQ(select_plug()->currentText(), typed);
        EXPECT_EQ(select_plug()->currentIndex(), -1);
    }
    EXPECT_EQ(plug_list(), starting_plugs);
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindow, ReturnInTheAmountBoxCalculates) {
    type_plug("kasprel");
    type_amount("-4");
    QTest::keyClick(amount_box(), Qt::Key_Return);
    EXPECT_EQ(result_box()->text(), "-5.20g");

    type_amount("abc");
    QTest::keyClick(amount_box(), Qt::Key_Enter);
    EXPECT_EQ(prompts(), std::vector<std::string>{"Please enter a valid numeric amount."});
    EXPECT_EQ(result_box()->text(), "-5.20g");
}

TEST_F(MainWindow, CalculateAtStartShowsOnlyTheInvalidAmountMessage) {
    press(calculate_btn());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].message, (message_box{"Please enter a valid numeric amount.",
                                                message_style::exclamation, "Invalid Input"}));
    EXPECT_EQ(result_box()->text(), "");
}

TEST_F(MainWindow, FivePressesOfAboutUnlockSmackAndASixthOnlyAnnouncesIt) {
    for (int press_count = 1; press_count <= 4; ++press_count)
        press(about_btn());
    EXPECT_EQ(plug_list(), starting_plugs);
    press(about_btn());
    ASSERT_EQ(messages.size(), 6u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(messages[i].message,
                  (message_box{"Made by Orvane Enterprise", message_style::information,
                               "About Quillmar95"}));
        EXPECT_EQ(messages[i].plug_count, 5);
    }
    EXPECT_EQ(messages[5].message,
              (message_box{"smack unlocked", message_style::information, "huleni"}));
    EXPECT_EQ(messages[5].plug_count, 6); // appended between the two messages
    EXPECT_EQ(plug_list(), starting_plugs + QStringList{"smack"});
    EXPECT_EQ(select_plug()->currentText(), "select plug");

    messages.clear();
    press(about_btn());
    EXPECT_EQ(prompts(), std::vector<std::string>{"smack unlocked"});
    EXPECT_EQ(plug_list(), starting_plugs + QStringList{"smack"});
}

TEST_F(MainWindow, AppendingSmackDoesNotCountAsPickingAPlug) {
    select_plug()->setFocus();
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(select_plug(), Qt::Key_Down); // to "vietnamci", which warns once
    for (int i = 0; i < 5; ++i)
        press(about_btn());
    EXPECT_EQ(prompts(),
              (std::vector<std::string>{"budou to mordy skera tak ara", "Made by Orvane Enterprise",
                                        "Made by Orvane Enterprise", "Made by Orvane Enterprise",
                                        "Made by Orvane Enterprise", "Made by Orvane Enterprise",
                                        "smack unlocked"}));
    EXPECT_EQ(select_plug()->currentText(), "vietnamci");
}

QAccessibleActionInterface* actions(QAccessibleInterface* iface) {
    return found(iface->actionInterface(),
                 "the actions of " + iface->text(QAccessible::Name).toStdString());
}

QAccessibleInterface* child(QAccessibleInterface* iface, int index) {
    return found(iface->child(index), "child " + std::to_string(index) + " of " +
                                          iface->text(QAccessible::Name).toStdString());
}

TEST_F(MainWindow, NamesEveryControlAndItsRoleForAssistiveTools) {
    struct expected_control {
        QWidget* control;
        QString name;
        QAccessible::Role role;
    };
    const expected_control controls[] = {
        {window.get(), "Quillmar95", QAccessible::Window},
        {control<QLabel>("Quillmar_text"), "Quillmar95", QAccessible::StaticText},
        {select_plug(), "Plug", QAccessible::ComboBox},
        {amount_box(), "Enter Amount", QAccessible::EditableText},
        {result_box(), "Real Amount", QAccessible::EditableText},
        {calculate_btn(), "Calculate", QAccessible::Button},
        {box_label(0), "Enter Amount", QAccessible::StaticText},
        {box_label(1), "Real Amount", QAccessible::StaticText},
        {about_btn(), "About", QAccessible::Button},
    };
    for (const expected_control& c : controls) {
        const std::string name = c.control->objectName().toStdString();
        QAccessibleInterface* iface = accessible(c.control);
        EXPECT_EQ(iface->text(QAccessible::Name), c.name) << name;
        EXPECT_EQ(iface->role(), c.role) << name;
        EXPECT_FALSE(iface->state().invisible) << name;
    }
    // Every control is reachable from the window in the accessible tree.
    EXPECT_EQ(accessible(window.get())->childCount(), std::size(controls) - 1);
}

TEST_F(MainWindow, TellsAssistiveToolsWhatEachBoxHoldsAndWhichLabelNamesIt) {
    QAccessibleInterface* chooser = accessible(select_plug());
    EXPECT_EQ(chooser->text(QAccessible::Value), "select plug");
    EXPECT_TRUE(chooser->state().editable);
    EXPECT_TRUE(chooser->state().collapsed);
    EXPECT_TRUE(chooser->state().focused);
    ASSERT_EQ(chooser->childCount(), 2);
    EXPECT_EQ(child(chooser, 1)->object(), select_plug()->lineEdit());
    EXPECT_EQ(chooser->indexOfChild(child(chooser, 0)), 0);

    EXPECT_TRUE(accessible(result_box())->state().readOnly);
    EXPECT_FALSE(accessible(amount_box())->state().readOnly);

    pick_with_mouse("kasprel");
    type_amount("10");
    press(calculate_btn());
    EXPECT_EQ(chooser->text(QAccessible::Value), "kasprel");
    EXPECT_EQ(accessible(amount_box())->text(QAccessible::Value), "10");
    EXPECT_EQ(accessible(result_box())->text(QAccessible::Value), "13.00g");

    for (int index : {0, 1}) {
        QWidget* box = index == 0 ? static_cast<QWidget*>(amount_box()) : result_box();
        EXPECT_EQ(box_label(index)->buddy(), box);
        const auto labelled = accessible(box_label(index))->relations(QAccessible::Labelled);
        ASSERT_EQ(labelled.size(), 1) << index;
        EXPECT_EQ(labelled.front().first->object(), box);
    }
}

TEST_F(MainWindow, AssistiveToolsCanOpenTheChoosersList) {
    QAccessibleInterface* chooser = accessible(select_plug());
    ASSERT_TRUE(
        actions(chooser)->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
    actions(chooser)->doAction(QAccessibleActionInterface::showMenuAction());
    ASSERT_TRUE(QTest::qWaitFor([this] { return select_plug()->view()->isVisible(); }));
    EXPECT_TRUE(chooser->state().expanded);
    EXPECT_EQ(child(chooser, 0)->object(), select_plug()->view());
    actions(chooser)->doAction(QAccessibleActionInterface::showMenuAction());
    EXPECT_TRUE(QTest::qWaitFor([this] { return !select_plug()->view()->isVisible(); }));
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindow, SmackTypedBeforeTheUnlockShowsInfiniteAndNeres) {
    type_plug("smack");
    press(calculate_btn());
    EXPECT_EQ(result_box()->text(), "infinite");
    EXPECT_EQ(calculate_btn()->text(), "NERES");
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindow, NeresLastsUntilAnotherPlugIsPicked) {
    for (int i = 0; i < 5; ++i)
        press(about_btn());
    pick_with_mouse("smack");
    press(calculate_btn());
    EXPECT_EQ(calculate_btn()->text(), "NERES");
    EXPECT_EQ(result_box()->text(), "infinite");

    pick_with_mouse("smack"); // picking smack again changes nothing
    EXPECT_EQ(calculate_btn()->text(), "NERES");
    EXPECT_EQ(result_box()->text(), "infinite");

    type_plug("tvex"); // typing a name is not picking it
    type_amount("10");
    press(calculate_btn());
    EXPECT_EQ(result_box()->text(), "9.00g");
    EXPECT_EQ(calculate_btn()->text(), "NERES");

    pick_with_mouse("tvex");
    EXPECT_EQ(calculate_btn()->text(), "Calculate");
    EXPECT_EQ(result_box()->text(), "");
}

TEST_F(MainWindow, OverflowIsReportedAndLeavesEveryControlAsItWas) {
    pick_with_mouse("kasprel");
    type_amount("10");
    press(calculate_btn());
    type_amount("1.5e308");

    press(calculate_btn());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].message,
              (message_box{"Overflow", message_style::critical, "Quillmar95"}));
    EXPECT_EQ(result_box()->text(), "13.00g");
    EXPECT_EQ(calculate_btn()->text(), "Calculate");
    EXPECT_EQ(select_plug()->currentText(), "kasprel");
    EXPECT_EQ(amount_box()->text(), "1.5e308");
    EXPECT_EQ(plug_list(), starting_plugs);

    type_amount("1");
    press(calculate_btn()); // the window goes on working
    EXPECT_EQ(result_box()->text(), "1.30g");
}

TEST_F(MainWindow, ResultBoxCanBeSelectedButNotTypedInto) {
    type_plug("ulvo");
    type_amount("2.5");
    press(calculate_btn());
    result_box()->setFocus();
    QTest::keyClicks(result_box(), "99");
    QTest::keyClick(result_box(), Qt::Key_Backspace);
    EXPECT_EQ(result_box()->text(), "2.50g");
    QTest::keyClick(result_box(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(result_box()->selectedText(), "2.50g");
}

} // namespace
} // namespace quillmar
