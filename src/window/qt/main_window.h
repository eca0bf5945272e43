#pragma once

#include "window/main_controller.h"
#include "window/main_view.h"

#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quillmar {

class plug_chooser;
class result_box;

// The program's one window, "main": the title, the plug chooser, the amount box, Calculate,
// the result box and About, at fixed places on a dark green ground. The handlers live in
// main_controller; this class only builds the controls and carries their texts across.
class main_window : public QWidget, private main_view {
public:
    // Shows one modal message and returns once it is dismissed.
    using message_shower = std::function<void(const message_box&)>;

    // Without a message shower, messages appear in a QMessageBox over the window.
    explicit main_window(message_shower show_message = {});

    // Fills the chooser; called once, before the window is first shown.
    void load();

private:
    [[nodiscard]] std::string plug_text() const override;
    [[nodiscard]] std::string amount_text() const override;
    void set_result_text(const std::string& text) override;
    void set_calculate_caption(const std::string& caption) override;
    void append_plug(const std::string& name) override;
    void show_message(const message_box& message) override;

    void changeEvent(QEvent* event) override;

    void build_controls();
    void colour_title();
    void connect_handlers();

    message_shower show_message_;
    main_controller controller_;
    QLabel* title_ = nullptr;
    plug_chooser* select_plug_ = nullptr;
    QLineEdit* skera_box_ = nullptr;
    result_box* real_amount_box_ = nullptr;
    QPushButton* calculate_btn_ = nullptr;
    QPushButton* about_btn_ = nullptr;
};

} // namespace quillmar
