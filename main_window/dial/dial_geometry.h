// SPDX-License-Identifier: GPL-3.0-or-later
// How the dial's value maps to the angle of its mark and to mouse travel; free of widgets.
#pragma once

#include <QPoint>

namespace tonalis::dial {

// Angles are in degrees, clockwise from twelve o'clock. The mark sweeps from the lower left
// (value 0) over the top to the lower right (max), leaving a gap at the bottom.
inline constexpr double kStartDegrees = -135.0;
inline constexpr double kSweepDegrees = 270.0;
// Dragging the mouse by one pixel, up or to the right, turns the knob by this much; the whole
// sweep then takes 180 px, fine enough to reach every value of 0..127.
inline constexpr double kDegreesPerPixel = 1.5;

// The angle of the mark for a value; values outside 0..max are shown at the ends.
double angleForValue(int value, int max);
// The nearest value for an angle; angles beyond the ends give 0 or max.
int valueForAngle(double degrees, int max);
// The value after dragging from where the value was startValue by travel pixels.
int valueAfterDrag(int startValue, QPoint travel, int max);

}  // namespace tonalis::dial
