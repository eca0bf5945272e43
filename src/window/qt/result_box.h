#pragma once

#include <QLineEdit>
#include <string>
#include <string_view>

namespace quillmar {

// The result box: a read-only line edit that shows a long result whole in a smaller font,
// down to 7 points, and past that its beginning followed by "…". Its text, what is copied
// from it, its tooltip and what assistive tools read stay the whole result. It draws its
// text itself, centred, with the part selected highlighted.
class result_box : public QLineEdit {
public:
    // The family of the box's font, whose largest size results that fit are shown in.
    result_box(std::string_view family, QWidget* parent);

    // Shows a result as the calculator wrote it, in UTF-8.
    void show_result(const std::string& result);

    // What the box draws: its whole text, or the beginning of it followed by "…".
    [[nodiscard]] QString shown_text() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where the box lays out its text: inside its frame and margins.
    [[nodiscard]] QRect text_area() const;

    std::string_view family_;
    QString shortened_; // empty while the whole text fits
};

} // namespace quillmar
