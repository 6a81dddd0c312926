#include "main_window/chart_keyboard_image.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace tonalis {

QImage chartKeyboardImage(qreal scale) {
  using namespace chart_image;
  const auto scaled = [scale](int pixels) { return static_cast<int>(std::lround(pixels * scale)); };
  const int width = scaled(kWidth);
  const int height = scaled(kHeight);
  const int line = std::max(1, scaled(1));
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
                     scaled(kBlackKeyDepth), black);
  }
  return image;
}

}  // namespace tonalis
