#pragma once

#include <QRect>
#include <QSize>
#include <string_view>

namespace quillmar::layout {

// Places are measured in twips from the top-left corner of the window's client area; 15 twips
// make one device-independent pixel, so Qt scales the whole window on high-DPI screens.
inline constexpr int twips_per_pixel = 15;

struct twips_rect {
    int left;
    int top;
    int width;
    int height;
};

constexpr QRect to_pixels(twips_rect r) {
    return {r.left / twips_per_pixel, r.top / twips_per_pixel, r.width / twips_per_pixel,
            r.height / twips_per_pixel};
}

// The families the window asks for; bold_font (fonts.h) maps them to fonts a Linux desktop has.
inline constexpr std::string_view title_family = "Arial";
inline constexpr std::string_view control_family = "MS Sans Serif";

// Every control's text is bold.
struct control_layout {
    std::string_view name; // the Qt object name
    twips_rect place;
    std::string_view family;
    double point_size;
};

inline constexpr QSize client_size{5445 / twips_per_pixel, 5670 / twips_per_pixel};

// clang-format off
inline constexpr control_layout title_text     {"Quillmar_text",   {1680,  120, 2175, 375}, title_family,   18.0};
inline constexpr control_layout select_plug    {"select_plug",     {1800, 1080, 1815, 315}, control_family, 8.25};
inline constexpr control_layout skera_box      {"skera_box",       {1800, 2160, 1815, 375}, control_family, 9.75};
inline constexpr control_layout real_amount_box{"real_amount_box", {2160, 4680, 1095, 495}, control_family, 12.0};
inline constexpr control_layout calculate_btn  {"Calculate_btn",   {1800, 3360, 1815, 615}, control_family, 12.0};
inline constexpr control_layout amount_label   {"Label1",          {2010, 1800, 1395, 240}, control_family, 9.75};
inline constexpr control_layout result_label   {"Label1",          {2055, 4320, 1365, 240}, control_family, 9.75};
inline constexpr control_layout about_btn      {"About_btn",       {4200, 5160, 1095, 375}, control_family, 8.25};
// clang-format on

} // namespace quillmar::layout
