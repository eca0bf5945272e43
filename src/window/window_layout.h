#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace quillmar::layout {

// Places are measured in twips, 1/1440 of an inch, from the top-left corner of the window's
// client area: 15 twips make one pixel at 96 dots per inch. Each front end scales them to its
// screen.
inline constexpr int twips_per_inch = 1440;
inline constexpr int standard_dpi = 96;
inline constexpr int twips_per_pixel = twips_per_inch / standard_dpi;

struct twips_rect {
    int left;
    int top;
    int width;
    int height;
};

struct twips_size {
    int width;
    int height;
};

// A length in twips as whole pixels of a screen with the given dots per inch, rounded down as
// every place of the window is at 96 dots per inch.
constexpr int to_pixels(int twips, int dpi) {
    return twips * dpi / twips_per_inch;
}

struct colour {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend constexpr bool operator==(colour, colour) = default;
};

enum class control_kind { label, chooser, text_box, button };

// One control: its name, which the front ends give it as its object or window name, what it
// is, the text it starts with, its place and its font. Every control's text is bold.
struct control_layout {
    std::string_view name;
    control_kind kind;
    std::string_view text;
    twips_rect place;
    std::string_view family;
    double point_size;
};

inline constexpr int font_weight = 700; // bold

// The families the window asks for; each front end finds its nearest fonts for them.
inline constexpr std::string_view title_family = "Arial";
inline constexpr std::string_view control_family = "MS Sans Serif";

inline constexpr twips_size client_area{5445, 5670};
inline constexpr colour ground{0, 64, 0};
inline constexpr colour box_label_colour{255, 255, 255};

using enum control_kind;
// The title's 18-point line is taller than its label: every front end stands the text on the
// label's bottom edge, which keeps both the capitals and the tail of the "Q" inside the label.
// clang-format off
inline constexpr control_layout title_text     {"Quillmar_text",   label,    "Quillmar95",   {1680,  120, 2175, 375}, title_family,   18.0};
inline constexpr control_layout select_plug    {"select_plug",     chooser,  "select plug",  {1800, 1080, 1815, 315}, control_family, 8.25};
inline constexpr control_layout skera_box      {"skera_box",       text_box, "",             {1800, 2160, 1815, 375}, control_family, 9.75};
inline constexpr control_layout real_amount_box{"real_amount_box", text_box, "",             {2160, 4680, 1095, 495}, control_family, 12.0};
inline constexpr control_layout calculate_btn  {"Calculate_btn",   button,   "Calculate",    {1800, 3360, 1815, 615}, control_family, 12.0};
inline constexpr control_layout amount_label   {"Label1",          label,    "Enter Amount", {2010, 1800, 1395, 240}, control_family, 9.75};
inline constexpr control_layout result_label   {"Label1",          label,    "Real Amount",  {2055, 4320, 1365, 240}, control_family, 9.75};
inline constexpr control_layout about_btn      {"About_btn",       button,   "About",        {4200, 5160, 1095, 375}, control_family, 8.25};
// clang-format on

// What assistive tools call the chooser: its purpose, not the text it shows. Each box is
// called by the label above it.
inline constexpr std::string_view chooser_accessible_name = "Plug";

// Every control in tab order. Labels take no focus, so Tab moves through the chooser, the two
// boxes and the two buttons in this order.
inline constexpr std::array<const control_layout*, 8> tab_order{
    &title_text,    &select_plug,  &skera_box,    &real_amount_box,
    &calculate_btn, &amount_label, &result_label, &about_btn,
};

} // namespace quillmar::layout
