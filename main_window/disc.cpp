// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/disc.h"

#include <QPainter>

namespace tonalis {

Disc::Disc(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Disc::setColor(const QColor& color) {
  m_color = color;
  update();
}

void Disc::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(m_color);
  painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace tonalis
