#pragma once

#include "platform/decimal_separator.h"

namespace quillmar {

// The decimal separator of the user's regional settings.
decimal_separator user_decimal_separator();

} // namespace quillmar
