#include "main_window/chart_markers.h"

#include <QPainter>
#include <algorithm>

namespace tonalis {

ChartMarkers::ChartMarkers(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
}

void ChartMarkers::setColor(const QColor& color) {
  m_color = color;
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
  update(layout::toPixels(place).adjusted(-1, -1, 1, 1));
}

void ChartMarkers::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(m_color);
  painter.save();
  painter.scale(1.0 / layout::kTwipsPerPixel, 1.0 / layout::kTwipsPerPixel);
  for (const auto& [index, marker] : m_markers) {
    if (!marker.visible) continue;
    const auto& place = marker.place;
    painter.drawEllipse(
        QRectF(place.left, place.top, place.width, place.height).adjusted(7.5, 7.5, -7.5, -7.5));
  }
  painter.restore();
}

}  // namespace tonalis
