// SPDX-License-Identifier: GPL-3.0-or-later
// The dial's look: a round knob whose bevelled rim stands out by depth(), and an LED mark
// at the value's angle. Drawn in a 100-unit square so it reads the same at any size.
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "main_window/dial/dial.h"
#include "main_window/dial/dial_geometry.h"

namespace tonalis {

namespace {
constexpr double kLogicalSide = 100.0;
constexpr double kKnobRadius = 45.0;
constexpr double kFocusRingRadius = 48.5;
// The face never shrinks below this share of the knob, however deep the rim.
constexpr double kSmallestFaceShare = 0.4;
constexpr double kLedRadius = 8.0;
// The LED sits on the face, this far out from the centre as a share of the face's radius.
constexpr double kLedDistanceShare = 0.6;

double faceRadius(int depth) {
  return kKnobRadius * std::max(kSmallestFaceShare, 1.0 - depth / 100.0);
}

QPointF pointAtAngle(double degrees, double radius) {
  const double radians = degrees * std::numbers::pi / 180.0;
  return {radius * std::sin(radians), -radius * std::cos(radians)};
}
}  // namespace

void Dial::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const double scale = std::min(width(), height()) / kLogicalSide;
  painter.save();
  painter.translate(width() / 2.0, height() / 2.0);
  painter.scale(scale, scale);
  drawKnob(painter);
  drawLed(painter);
  if (hasFocus()) drawFocusRing(painter);
  painter.restore();
}

void Dial::drawKnob(QPainter& painter) const {
  const QColor base = palette().color(QPalette::Button);
  // Light falls from the upper left: the rim is bright there and dark opposite, more so the
  // further it stands out; the face is lit the other way round, so it reads as a raised cap.
  const int contrast = 100 + m_depth * 2;
  QLinearGradient rim(-kKnobRadius, -kKnobRadius, kKnobRadius, kKnobRadius);
  rim.setColorAt(0.0, base.lighter(contrast));
  rim.setColorAt(1.0, base.darker(contrast));
  painter.setPen(QPen(palette().color(QPalette::Shadow), 0));
  painter.setBrush(rim);
  painter.drawEllipse(QPointF(), kKnobRadius, kKnobRadius);

  const double face = faceRadius(m_depth);
  QLinearGradient cap(-face, -face, face, face);
  cap.setColorAt(0.0, base.darker(100 + m_depth / 3));
  cap.setColorAt(1.0, base.lighter(100 + m_depth / 3));
  painter.setPen(Qt::NoPen);
  painter.setBrush(cap);
  painter.drawEllipse(QPointF(), face, face);
}

void Dial::drawLed(QPainter& painter) const {
  const double angle = dial::angleForValue(m_value, m_max);
  const QPointF centre = pointAtAngle(angle, faceRadius(m_depth) * kLedDistanceShare);
  QRadialGradient glow(centre - QPointF(kLedRadius / 3, kLedRadius / 3), kLedRadius);
  glow.setColorAt(0.0, m_colorLed.lighter(160));
  glow.setColorAt(1.0, m_colorLed);
  painter.setPen(QPen(m_colorLed.darker(200), 0));
  painter.setBrush(glow);
  painter.drawEllipse(centre, kLedRadius, kLedRadius);
}

void Dial::drawFocusRing(QPainter& painter) const {
  // A cosmetic pen keeps the ring 1.5 device pixels wide, visible even on a small dial.
  QPen ring(palette().color(QPalette::Highlight));
  ring.setCosmetic(true);
  ring.setWidthF(1.5);
  painter.setPen(ring);
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QPointF(), kFocusRingRadius, kFocusRingRadius);
}

}  // namespace tonalis
