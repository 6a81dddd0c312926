// SPDX-License-Identifier: GPL-3.0-or-later
// Where the splash window's controls sit, in twips as designed (design/twips.h). Free of
// widgets so a test can read the design.
#pragma once

#include "design/twips.h"

namespace tonalis::splash {

using design::toPixels;
using design::TwipRect;

// The window's client area; everything else lies in Frame1, relative to it.
inline constexpr TwipRect kWindow{0, 0, 7380, 4245};
inline constexpr TwipRect kFrame1{150, 60, 7080, 4050};
inline constexpr TwipRect kLogo{360, 795, 1200, 1200};
inline constexpr TwipRect kProductName{2520, 1080, 3705, 1485};
inline constexpr TwipRect kCompanyProduct{2355, 705, 3495, 480};
inline constexpr TwipRect kVersion{4965, 2460, 660, 240};
inline constexpr TwipRect kPlatform{3675, 3600, 3255, 330};
inline constexpr TwipRect kCopyright{120, 3480, 2415, 255};
inline constexpr TwipRect kCompany{120, 3720, 2415, 255};

}  // namespace tonalis::splash
