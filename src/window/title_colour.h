#pragma once

#include "window/window_layout.h"

namespace quillmar {

// How well two colours read against each other, as the Web Content Accessibility Guidelines
// compute it: from 1 (the same) to 21 (black and white).
double contrast_ratio(layout::colour a, layout::colour b);

// The least contrast at which the title reads on the ground, the guidelines' level for text.
inline constexpr double least_title_contrast = 4.5;

// The title's colour: the desktop's colour for window backgrounds, light on a default desktop,
// wherever it reads on the green ground; white where it does not, under a dark theme.
layout::colour title_colour(layout::colour window_background);

} // namespace quillmar
