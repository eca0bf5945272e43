#include "conversion/calculate.h"

#include "conversion/plug_table.h"
#include "platform/number_format.h"
#include "platform/number_text.h"
#include "platform/program_error.h"

#include <cmath>
#include <optional>

namespace quillmar {

calc_outcome calculate(std::string_view plug_text, std::string_view amount_text,
                       decimal_separator separator) {
    if (plug_text == extra_plug_name)
        return outcome::extra{};

    const std::optional<double> amount = read_number(amount_text, separator);
    if (!amount)
        return outcome::bad_amount{};

    const std::optional<double> factor = plug_factor(plug_text);
    if (!factor)
        return outcome::no_plug{};

    const double product = *factor * *amount;
    if (!std::isfinite(product))
        throw arithmetic_error{};

    return outcome::result{format_two_decimals(product, separator) + "g"};
}

} // namespace quillmar
