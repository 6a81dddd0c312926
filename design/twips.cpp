// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/twips.h"

#include <algorithm>
#include <cmath>

namespace tonalis::design {

namespace {
int scaledEdge(int twips, qreal scale) {
  return static_cast<int>(std::lround(twips * scale / kTwipsPerPixel));
}
int scaledSpan(int from, int to, int designedSize, qreal scale) {
  const int span = scaledEdge(to, scale) - scaledEdge(from, scale);
  return designedSize > 0 ? std::max(span, 1) : span;
}
}  // namespace

QRect toPixels(const TwipRect& rect, qreal scale) {
  if (scale == 1.0) return toPixels(rect);
  return {scaledEdge(rect.left, scale), scaledEdge(rect.top, scale),
          scaledSpan(rect.left, rect.right(), rect.width, scale),
          scaledSpan(rect.top, rect.bottom(), rect.height, scale)};
}

}  // namespace tonalis::design
