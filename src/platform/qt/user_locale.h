#pragma once

#include "platform/decimal_separator.h"

namespace quillmar {

// The decimal separator of the user's locale for numbers (LC_NUMERIC, or LC_ALL or LANG
// where they are set), as Qt reads it.
decimal_separator user_decimal_separator();

} // namespace quillmar
