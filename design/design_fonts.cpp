// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/design_fonts.h"

#include <QStringList>

namespace tonalis::fonts {

namespace {
QFont font(const QStringList& families, qreal points) {
  QFont result;
  result.setFamilies(families);
  result.setPointSizeF(points);
  return result;
}
}  // namespace

QFont arial(qreal points) {
  QFont result = font({"Arial", "Liberation Sans"}, points);
  result.setStyleHint(QFont::SansSerif);
  return result;
}

QFont timesNewRoman(qreal points) {
  return font({"Times New Roman", "Liberation Serif"}, points);
}

QFont timesNewRomanMusic(qreal points) {
  return font({"Times New Roman Music", "Times New Roman", "Liberation Serif"}, points);
}

}  // namespace tonalis::fonts
