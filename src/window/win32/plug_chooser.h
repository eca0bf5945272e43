#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace quillmar {

// The plug chooser's behaviour over a drop-down COMBOBOX control: its text, its list, and
// telling a pick from the list apart from typing. A pick runs the handler once the combo box's
// notification has returned, with the picked entry as the chooser's text, selected as the
// combo box leaves it, so that typing replaces it.
class plug_chooser {
public:
    // A pick from the list, posted to the window, whose procedure hands it to pick().
    static constexpr UINT pick_message = WM_APP;

    explicit plug_chooser(std::function<void()> on_pick) : on_pick_(std::move(on_pick)) {}

    // Takes over the chooser, once it and its window exist, and gives it its text and its
    // name for assistive tools.
    void attach(HWND chooser, HWND window);
    // Forgets both handles, once Windows has destroyed them.
    void detach();

    // Puts the closed chooser exactly in its place, with room below for its open list.
    void place(const RECT& where);

    // The combo box's notifications, from WM_COMMAND.
    void notify(int notification);
    // The pick posted by notify(), of the list entry at entry_index.
    void pick(WPARAM entry_index);

    // Adds an entry at the end of the list, keeping the chooser's text and selection.
    void append(const std::string& name);
    [[nodiscard]] std::string text() const;

private:
    std::function<void()> on_pick_;
    HWND chooser_ = nullptr;
    HWND window_ = nullptr;
    // Whether the chooser's list is open.
    bool list_open_ = false;
};

} // namespace quillmar
