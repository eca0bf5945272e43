// The floor for the start-up benchmark: a bare Qt Widgets window with the same kinds and
// number of controls as the calculator (three labels, an editable drop-down list with five
// entries, two line edits, two push buttons) at Qt's defaults: no fonts, colours, layout
// table, handlers or accessibility of its own. What the calculator costs beyond this is
// what the program itself adds.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(363, 378);

    (new QLabel(QStringLiteral("Floor"), &window))->setGeometry(112, 8, 145, 25);
    auto* list = new QComboBox(&window);
    list->setEditable(true);
    list->addItems({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three"),
                    QStringLiteral("four"), QStringLiteral("five")});
    list->setGeometry(120, 72, 121, 21);
    (new QLabel(QStringLiteral("Amount"), &window))->setGeometry(134, 120, 93, 16);
    (new QLineEdit(&window))->setGeometry(120, 144, 121, 25);
    (new QPushButton(QStringLiteral("Button"), &window))->setGeometry(120, 224, 121, 41);
    (new QLabel(QStringLiteral("Result"), &window))->setGeometry(137, 288, 91, 16);
    (new QLineEdit(&window))->setGeometry(144, 312, 73, 33);
    (new QPushButton(QStringLiteral("Other"), &window))->setGeometry(280, 344, 73, 25);

    window.show();
    return QApplication::exec();
}
