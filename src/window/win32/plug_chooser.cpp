#include "window/win32/plug_chooser.h"

#include "platform/win32/utf16.h"
#include "platform/win32/window_text.h"
#include "window/win32/accessibility.h"
#include "window/window_layout.h"

namespace quillmar {
namespace {

// Entries the chooser's open list shows before it scrolls.
constexpr int visible_list_entries = 8;

// A drop-down combo box is as tall as its font makes its edit field; the field's height is
// set so that the closed chooser is exactly as tall as its place.
void fit_chooser_height(HWND chooser, int height) {
    // What the field's height is read back as and what it is set to need not agree, nor the
    // frame grow one for one with it: each step corrects by what is left over.
    auto field = static_cast<int>(SendMessageW(chooser, CB_GETITEMHEIGHT, WPARAM(-1), 0));
    for (int step = 0; step < 3; ++step) {
        RECT closed{};
        GetWindowRect(chooser, &closed);
        const int excess = closed.bottom - closed.top - height;
        if (excess == 0 || field - excess <= 0)
            return;
        field -= excess;
        SendMessageW(chooser, CB_SETITEMHEIGHT, WPARAM(-1), field);
    }
}

// The text of the chooser's list entry, empty where there is none.
std::wstring list_entry(HWND chooser, WPARAM index) {
    const auto length = SendMessageW(chooser, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR)
        return {};
    std::wstring entry(static_cast<std::size_t>(length) + 1, L'\0');
    entry.resize(static_cast<std::size_t>(
        SendMessageW(chooser, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(entry.data()))));
    return entry;
}

} // namespace

void plug_chooser::attach(HWND chooser, HWND window) {
    chooser_ = chooser;
    window_ = window;
    // A drop-down combo box starts empty whatever text it is made with.
    SetWindowTextW(chooser_, to_utf16(layout::select_plug.text).c_str());
    // The chooser has no label; its name comes from the purpose, not the text it shows.
    // Without the service that keeps such names the chooser is announced by its text.
    (void)name_for_assistive_tools(chooser_, layout::chooser_accessible_name);
}

void plug_chooser::detach() {
    chooser_ = nullptr;
    window_ = nullptr;
}

void plug_chooser::place(const RECT& where) {
    const int height = where.bottom - where.top;
    // A combo box's height includes its open list.
    const auto entry = static_cast<int>(SendMessageW(chooser_, CB_GETITEMHEIGHT, 0, 0));
    MoveWindow(chooser_, where.left, where.top, where.right - where.left,
               height + entry * visible_list_entries + 2, FALSE);
    fit_chooser_height(chooser_, height);
}

void plug_chooser::notify(int notification) {
    if (notification == CBN_DROPDOWN || notification == CBN_CLOSEUP)
        list_open_ = notification == CBN_DROPDOWN;
    if (notification != CBN_SELENDOK)
        return;
    const auto selected = SendMessageW(chooser_, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR)
        return;
    // In the open list every pick counts, of the entry already shown too. On the closed
    // chooser the arrow keys confirm the selection even where it cannot move, past the last
    // entry: only a new entry is a pick there. Both are told apart now, as the chooser stands.
    if (!list_open_ && list_entry(chooser_, static_cast<WPARAM>(selected)) == window_text(chooser_))
        return;
    // The handler may show a modal message; the chooser is still closing its list while it
    // notifies, so the handler runs once the notification has returned.
    PostMessageW(window_, pick_message, static_cast<WPARAM>(selected), 0);
}

void plug_chooser::pick(WPARAM entry_index) {
    const std::wstring entry = list_entry(chooser_, entry_index);
    if (entry.empty())
        return;
    // The chooser's text is the picked entry from now on, before the handler reads it. Setting
    // it drops the selection the combo box made: the whole text is selected again, as the
    // combo box leaves a picked entry, so that typing replaces it.
    SetWindowTextW(chooser_, entry.c_str());
    SendMessageW(chooser_, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    on_pick_();
}

void plug_chooser::append(const std::string& name) {
    // Adding to the list leaves the chooser's text and selection as they are.
    SendMessageW(chooser_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(to_utf16(name).c_str()));
}

std::string plug_chooser::text() const {
    return window_text_utf8(chooser_);
}

} // namespace quillmar
