// SPDX-License-Identifier: GPL-3.0-or-later
// The green markers of the chord chart, 17 per picture, drawn by one transparent overlay in front
// of the chart pictures instead of 510 widgets. Each marker is addressed by its marker index
// 10000 * column + 100 * row + chart key and keeps the place it was created at.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <map>

#include "main_window/layout.h"

namespace tonalis {

class ChartMarkers : public QWidget {
  Q_OBJECT

 public:
  explicit ChartMarkers(QWidget* parent);

  void setColor(const QColor& color);
  // A new marker is visible; creating an existing index moves it.
  void create(int markerIndex, const layout::TwipRect& place);
  void setMarkerVisible(int markerIndex, bool visible);
  void hideAll();

  bool isMarkerVisible(int markerIndex) const;
  int visibleCount() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Marker {
    layout::TwipRect place;
    bool visible = true;
  };

  void repaint(const layout::TwipRect& place);
  const QPixmap& markerImage(QSize size, qreal scale);

  std::map<int, Marker> m_markers;
  QColor m_color{0, 255, 0};
  QPixmap m_markerImage;  // one marker, drawn once at the scale of the last paint
};

}  // namespace tonalis
