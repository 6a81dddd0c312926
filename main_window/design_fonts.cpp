#include "main_window/design_fonts.h"

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
  return font({"Arial", "Liberation Sans"}, points);
}

QFont timesNewRoman(qreal points) {
  return font({"Times New Roman", "Liberation Serif"}, points);
}

QFont timesNewRomanMusic(qreal points) {
  return font({"Times New Roman Music", "Times New Roman", "Liberation Serif"}, points);
}

}  // namespace tonalis::fonts
