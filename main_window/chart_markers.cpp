// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/chart_markers.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "main_window/scaled_client.h"

namespace tonalis {

ChartMarkers::ChartMarkers(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
}

void ChartMarkers::setColor(const QColor& color) {
  m_color = color;
  m_markerImage = {};
  update();
}

void ChartMarkers::create(int markerIndex, const layout::TwipRect& place) {
  m_markers[markerIndex] = Marker{place, true};
  repaint(place);
}

void ChartMarkers::setMarkerVisible(int markerIndex, bool visible) {
  const auto found = m_markers.find(markerIndex);
  if (found == m_markers.end() || found->second.visible == visible) return;
  found->second.visible = visible;
  repaint(found->second.place);
}

// One update of the whole overlay: hundreds of small dirty rectangles would make the next
// repaint clip every drawing of the chart to a region of hundreds of pieces, which is slower
// than repainting the chart once.
void ChartMarkers::hideAll() {
  for (auto& [index, marker] : m_markers) marker.visible = false;
  update();
}

bool ChartMarkers::isMarkerVisible(int markerIndex) const {
  const auto found = m_markers.find(markerIndex);
  return found != m_markers.end() && found->second.visible;
}

int ChartMarkers::visibleCount() const {
  return static_cast<int>(std::count_if(m_markers.begin(), m_markers.end(),
                                        [](const auto& entry) { return entry.second.visible; }));
}

void ChartMarkers::repaint(const layout::TwipRect& place) {
  update(layout::toPixels(place, designScale(*this)).adjusted(-1, -1, 1, 1));
}

// A marker is drawn once and copied to every place it shows: drawing 124 antialiased circles
// on each repaint would cost more than all the rest of the chart.
const QPixmap& ChartMarkers::markerImage(QSize size, qreal scale) {
  if (m_markerImage.deviceIndependentSize().toSize() != size ||
      m_markerImage.devicePixelRatio() != scale) {
    m_markerImage = QPixmap((QSizeF(size) * scale).toSize());
    m_markerImage.setDevicePixelRatio(scale);
    m_markerImage.fill(Qt::transparent);
    QPainter painter(&m_markerImage);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(m_color);
    // The outline's centre lies half a pixel inside the marker's edge.
    painter.drawEllipse(QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5));
  }
  return m_markerImage;
}

void ChartMarkers::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  // Printing renders the chart at a finer scale than the screen's; the marker follows it.
  const qreal scale = painter.deviceTransform().m11();
  const qreal design = designScale(*this);
  for (const auto& [index, marker] : m_markers) {
    const QRect place = layout::toPixels(marker.place, design);
    if (!marker.visible || !event->rect().intersects(place)) continue;
    painter.drawPixmap(place.topLeft(), markerImage(place.size(), scale));
  }
}

}  // namespace tonalis
