// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/dial/dial_geometry.h"

#include <algorithm>
#include <cmath>

namespace tonalis::dial {

double angleForValue(int value, int max) {
  if (max <= 0) return kStartDegrees;
  const int clamped = std::clamp(value, 0, max);
  return kStartDegrees + kSweepDegrees * clamped / max;
}

int valueForAngle(double degrees, int max) {
  if (max <= 0) return 0;
  const double fraction = (degrees - kStartDegrees) / kSweepDegrees;
  return std::clamp(static_cast<int>(std::lround(fraction * max)), 0, max);
}

int valueAfterDrag(int startValue, QPoint travel, int max) {
  // Screen y grows downwards, so moving up turns the knob clockwise, towards max.
  const int pixels = travel.x() - travel.y();
  return valueForAngle(angleForValue(startValue, max) + pixels * kDegreesPerPixel, max);
}

}  // namespace tonalis::dial
