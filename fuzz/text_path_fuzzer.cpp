// Fuzzes the whole path of a typed text: the value parse, the plug look-up, the multiplication
// and the format, with either decimal separator. Every input is tried as an amount with each
// plug, as a plug name, and (its first eight bytes) as a double to format. Checks the invariants,
// not only the absence of crashes; a broken one prints what broke and aborts.
#include "conversion/calculate.h"
#include "conversion/plug_table.h"
#include "platform/number_format.h"
#include "platform/number_text.h"
#include "platform/program_error.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <variant>

namespace {

using namespace quillmar;

void check(bool holds, const char* invariant, std::string_view text) {
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s\ninput: \"%.*s\"\n", invariant, static_cast<int>(text.size()),
                 text.data());
    std::abort();
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

constexpr decimal_separator separators[] = {decimal_separator::point, decimal_separator::comma};

// -?[0-9]+S[0-9][0-9], S being the separator
bool has_two_decimals_shape(std::string_view text, decimal_separator separator) {
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    const std::size_t point = text.find(to_char(separator));
    return point != std::string_view::npos && point > 0 && text.size() == point + 3 &&
           std::all_of(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(point), is_digit) &&
           is_digit(text[point + 1]) && is_digit(text[point + 2]);
}

// Formatting rounds to 15 significant digits and then to hundredths, so reading the text back
// lands within half a hundredth plus the first rounding's share. Beyond 1e13 the hundredths
// are past a double's precision and the bound no longer holds.
void check_format(double value, decimal_separator separator, std::string_view input) {
    if (!std::isfinite(value))
        return;
    const std::string text = format_two_decimals(value, separator);
    check(has_two_decimals_shape(text, separator),
          "a formatted value matches -?[0-9]+S[0-9][0-9] with its separator S", input);
    if (std::fabs(value) >= 1e13)
        return;
    const std::optional<double> reread = read_number(text, separator);
    check(reread.has_value(), "a formatted value reads back as a number", input);
    const double bound = 0.005 * (1 + 1e-12) + std::fabs(value) * 1e-14;
    check(std::fabs(*reread - value) <= bound, "format then read is within half a hundredth",
          input);
}

void check_amount(std::string_view text, decimal_separator separator) {
    const std::optional<double> amount = read_number(text, separator);
    check(!amount || std::isfinite(*amount), "an accepted text parses to a finite double", text);
    for (const plug& p : plug_table) {
        calc_outcome outcome;
        try {
            outcome = calculate(p.name, text, separator);
        } catch (const arithmetic_error&) {
            check(amount && !std::isfinite(*amount * p.factor),
                  "only a product out of range is an overflow", text);
            continue;
        }
        if (!amount) {
            check(std::holds_alternative<outcome::bad_amount>(outcome),
                  "a rejected amount is a bad amount and is never multiplied", text);
            continue;
        }
        const auto* result = std::get_if<outcome::result>(&outcome);
        check(result != nullptr, "an accepted amount with a plug gives a result", text);
        const double product = *amount * p.factor;
        check(result->text == format_two_decimals(product, separator) + "g",
              "the result is the formatted product followed by g", text);
        check_format(product, separator, text);
    }
}

void check_plug_name(std::string_view text) {
    const bool listed = std::any_of(plug_table.begin(), plug_table.end(),
                                    [text](const plug& p) { return p.name == text; });
    check(plug_factor(text).has_value() == listed, "only an exact plug name has a factor", text);
    const calc_outcome outcome = calculate(text, "1", decimal_separator::point);
    if (text == extra_plug_name)
        check(std::holds_alternative<outcome::extra>(outcome), "smack always shows infinite", text);
    else if (listed)
        check(std::holds_alternative<outcome::result>(outcome), "a plug name gives a result", text);
    else
        check(std::holds_alternative<outcome::no_plug>(outcome), "any other name is no plug", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const decimal_separator separator : separators)
        check_amount(text, separator);
    // The comma only adds a way to write the point: without one, both read alike.
    if (text.find(',') == std::string_view::npos)
        check(read_number(text, decimal_separator::comma) ==
                  read_number(text, decimal_separator::point),
              "a text without a comma reads the same with either separator", text);
    check_plug_name(text);
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        for (const decimal_separator separator : separators)
            check_format(value, separator, text);
    }
    return 0;
}
