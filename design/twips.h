// SPDX-License-Identifier: GPL-3.0-or-later
// The unit both windows were designed in: twips, 1/1440 inch. 15 twips make one
// device-independent pixel, so Qt's high-DPI scaling takes care of sharp screens.
#pragma once

#include <QRect>

namespace tonalis::design {

inline constexpr int kTwipsPerPixel = 15;

// A rectangle in twips, relative to the top-left corner of its container.
struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  constexpr int right() const { return left + width; }
  constexpr int bottom() const { return top + height; }
  bool operator==(const TwipRect&) const = default;
};

// Rounds to the nearest pixel; every designed position is a whole number of pixels anyway.
constexpr int toPixels(int twips) {
  return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}
constexpr QRect toPixels(const TwipRect& rect) {
  return {toPixels(rect.left), toPixels(rect.top), toPixels(rect.width), toPixels(rect.height)};
}

// The rectangle with the whole design drawn `scale` times its size. Its edges are rounded, not
// its size, so that neighbours which touch as designed still touch; nothing designed with a
// size shrinks to nothing. At scale 1 it is the designed rectangle.
QRect toPixels(const TwipRect& rect, qreal scale);

}  // namespace tonalis::design
