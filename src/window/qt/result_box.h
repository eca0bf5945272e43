#pragma once

#include <QLineEdit>
#include <string>

namespace quillmar {

// The result box: a read-only line edit that always holds the whole result, which is what is
// selected, copied, read by assistive tools and shown as its tooltip. A long result is shown in
// a smaller font, down to 7 points. One that does not fit even then is drawn as its beginning
// followed by "…" while the box has no focus; with the focus, the line edit scrolls it.
class result_box : public QLineEdit {
public:
    explicit result_box(QWidget* parent);

    // Shows a result as the calculator wrote it, in UTF-8.
    void show_result(const std::string& result);

    // What the box draws while it has no focus: its whole text, or its beginning and "…".
    [[nodiscard]] QString unfocused_text() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where QLineEdit lays out its line: inside its frame and margins.
    [[nodiscard]] QRect line_area() const;
    // The widest line QLineEdit shows without scrolling it.
    [[nodiscard]] int room() const;
};

} // namespace quillmar
