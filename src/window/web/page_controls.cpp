#include "window/web/page_controls.h"

#include "window/web/page_css.h"

#include <cstdlib>
#include <emscripten/emscripten.h>
#include <memory>

namespace {

// The bodies of EM_JS are JavaScript, which clang-format would take for C++.
// clang-format off

// Texts cross into JavaScript as a pointer and a length in bytes of UTF-8, so that a
// std::string_view need not end in a NUL.
EM_JS(void, js_set_property, (const char* id, const char* property, const char* text, int size), {
    document.getElementById(UTF8ToString(id))[UTF8ToString(property)] = UTF8ToString(text, size);
});

EM_JS(void, js_set_style, (const char* id, const char* property, const char* text), {
    document.getElementById(UTF8ToString(id)).style[UTF8ToString(property)] = UTF8ToString(text);
});

// The value in memory the caller frees.
EM_JS(char*, js_value, (const char* id), {
    const text = document.getElementById(UTF8ToString(id)).value;
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});

EM_JS(void, js_append_option, (const char* list_id, const char* text, int size), {
    const list = document.getElementById(UTF8ToString(list_id));
    const option = document.createElement("li");
    option.setAttribute("role", "option");
    option.id = list.id + "_" + list.children.length;
    option.textContent = UTF8ToString(text, size);
    list.append(option);
});

EM_JS(double, js_text_room, (const char* id), {
    const box = document.getElementById(UTF8ToString(id));
    const style = getComputedStyle(box);
    return box.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
});

EM_JS(double, js_text_width, (const char* font, const char* text, int size), {
    Module.measuring = Module.measuring || document.createElement("canvas").getContext("2d");
    const context = Module.measuring;
    context.font = UTF8ToString(font);
    return context.measureText(UTF8ToString(text, size)).width;
});

// Red, green and blue in one number, 8 bits each.
EM_JS(int, js_canvas_colour, (), {
    const probe = document.createElement("div");
    probe.style.color = "Canvas";
    document.body.append(probe);
    const [red, green, blue] = getComputedStyle(probe).color.match(/[0-9]+/g).map(Number);
    probe.remove();
    return (red << 16) | (green << 8) | blue;
});
// clang-format on

int size_of(std::string_view text) {
    return static_cast<int>(text.size());
}

} // namespace

namespace quillmar::page {

void set_text(std::string_view id, std::string_view text) {
    js_set_property(std::string(id).c_str(), "textContent", text.data(), size_of(text));
}

std::string value(std::string_view id) {
    const std::unique_ptr<char, decltype(&std::free)> text(js_value(std::string(id).c_str()),
                                                           &std::free);
    return text.get();
}

void set_value(std::string_view id, std::string_view text) {
    js_set_property(std::string(id).c_str(), "value", text.data(), size_of(text));
}

void set_font(std::string_view id, const std::string& font) {
    js_set_style(std::string(id).c_str(), "font", font.c_str());
}

void set_tooltip(std::string_view id, std::string_view text) {
    js_set_property(std::string(id).c_str(), "title", text.data(), size_of(text));
}

void set_colour(std::string_view id, layout::colour colour) {
    js_set_style(std::string(id).c_str(), "color", css_colour(colour).c_str());
}

void append_option(std::string_view list_id, std::string_view text) {
    js_append_option(std::string(list_id).c_str(), text.data(), size_of(text));
}

double text_room(std::string_view id) {
    return js_text_room(std::string(id).c_str());
}

double text_width(const std::string& font, std::string_view text) {
    return js_text_width(font.c_str(), text.data(), size_of(text));
}

layout::colour canvas_colour() {
    const auto rgb = static_cast<unsigned>(js_canvas_colour());
    return {static_cast<std::uint8_t>(rgb >> 16U), static_cast<std::uint8_t>(rgb >> 8U),
            static_cast<std::uint8_t>(rgb)};
}

} // namespace quillmar::page
