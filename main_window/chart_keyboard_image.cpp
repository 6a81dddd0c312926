#include "main_window/chart_keyboard_image.h"

#include <QPainter>

namespace tonalis {

QImage chartKeyboardImage() {
  using namespace chart_image;
  QImage image(kWidth, kHeight, QImage::Format_RGB888);
  image.fill(Qt::white);
  QPainter painter(&image);
  // Whole-pixel rectangles only, so no edge is blended into grey.
  const QColor black(Qt::black);
  painter.fillRect(0, 0, kWidth, 1, black);
  painter.fillRect(0, kHeight - 1, kWidth, 1, black);
  for (int line = 0; line <= kWhiteKeys; ++line) {
    painter.fillRect(line * kWhiteKeyPitch, 0, 1, kHeight, black);
  }
  for (const int left : kBlackKeyLefts)
    painter.fillRect(left, 0, kBlackKeyWidth, kBlackKeyDepth, black);
  return image;
}

}  // namespace tonalis
