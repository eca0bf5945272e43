#include "window/qt/plug_chooser.h"

#include <QLineEdit>

namespace quillmar {

plug_chooser::plug_chooser(const QString& start_text, QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    // The combo box listens to its line edit's editingFinished to select the entry that
    // matches the typed text, ignoring case, and to emit activated() for it. Typing is not
    // picking, so that connection goes.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    setEditText(start_text);
}

void plug_chooser::append_plug(const QString& name) {
    const QString text = currentText();
    const int selected = currentIndex();
    addItem(name);
    // Qt selects the first entry added to an empty list; the chooser keeps its text instead.
    if (currentIndex() != selected) {
        setCurrentIndex(selected);
        setEditText(text);
    }
}

} // namespace quillmar
