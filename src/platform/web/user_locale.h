#pragma once

#include "platform/decimal_separator.h"

namespace quillmar {

// The decimal separator of the browser's preferred languages, as Intl.NumberFormat writes
// numbers for them.
decimal_separator user_decimal_separator();

} // namespace quillmar
