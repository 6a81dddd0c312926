// SPDX-License-Identifier: GPL-3.0-or-later
// A filled circle that fills its widget: the selection marker shown on a key. It lets the mouse
// through to the key beneath it.
#pragma once

#include <QColor>
#include <QWidget>

namespace tonalis {

// The green of the selection markers on the keys and of the chart's markers.
inline const QColor kMarkerGreen(0, 255, 0);

class Disc : public QWidget {
  Q_OBJECT

 public:
  explicit Disc(QWidget* parent);

  QColor color() const { return m_color; }
  void setColor(const QColor& color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor m_color{Qt::white};
};

}  // namespace tonalis
