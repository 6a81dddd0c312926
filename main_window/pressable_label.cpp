#include "main_window/pressable_label.h"

#include <QMouseEvent>

namespace tonalis {

PressableLabel::PressableLabel(int index, QWidget* parent) : QLabel(parent), m_index(index) {}

void PressableLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_leftDown = true;
  emit pressed(m_index);
}

// Qt delivers the release to the widget that got the press, even when the pointer has left it,
// so every press is paired with a release here.
void PressableLabel::mouseReleaseEvent(QMouseEvent* event) {
  emit released(m_index);
  if (event->button() != Qt::LeftButton || !m_leftDown) return;
  m_leftDown = false;
  if (rect().contains(event->position().toPoint())) emit clicked(m_index);
}

}  // namespace tonalis
