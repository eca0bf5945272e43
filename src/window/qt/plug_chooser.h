#pragma once

#include <QComboBox>

namespace quillmar {

// The plug chooser: an editable drop-down list whose text is exactly what the user typed.
// activated() means only that the user made a list entry the selection (a click in the open
// list, the arrow keys or the wheel). Qt's editable combo box would also complete and fold
// the letter case of typed text, insert it as a new entry on Return, and treat finishing an
// edit (Return, or leaving the box) as picking the matching entry; the chooser does none of
// these.
class plug_chooser : public QComboBox {
public:
    plug_chooser(const QString& start_text, QWidget* parent);

    // Adds an entry at the end of the list, keeping the chooser's text and selection.
    void append_plug(const QString& name);
};

} // namespace quillmar
