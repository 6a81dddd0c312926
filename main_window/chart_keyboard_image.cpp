// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/chart_keyboard_image.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace tonalis {

QImage chartKeyboardImage(QSize size) {
  using namespace chart_image;
  const int width = size.width();
  const int height = size.height();
  const qreal scaleX = static_cast<qreal>(width) / kWidth;
  const qreal scaleY = static_cast<qreal>(height) / kHeight;
  const auto scaled = [scaleX](int pixels) {
    return static_cast<int>(std::lround(pixels * scaleX));
  };
  const int line = std::max(1, static_cast<int>(std::lround(std::min(scaleX, scaleY))));
  QImage image(width, height, QImage::Format_RGB888);
  image.fill(Qt::white);
  QPainter painter(&image);
  // Whole-pixel rectangles only, so no edge is blended into grey.
  const QColor black(Qt::black);
  painter.fillRect(0, 0, width, line, black);
  painter.fillRect(0, height - line, width, line, black);
  for (int key = 0; key <= kWhiteKeys; ++key) {
    const int left = std::min(scaled(key * kWhiteKeyPitch), width - line);
    painter.fillRect(left, 0, line, height, black);
  }
  for (const int left : kBlackKeyLefts) {
    painter.fillRect(scaled(left), 0, scaled(left + kBlackKeyWidth) - scaled(left),
                     static_cast<int>(std::lround(kBlackKeyDepth * scaleY)), black);
  }
  return image;
}

}  // namespace tonalis
