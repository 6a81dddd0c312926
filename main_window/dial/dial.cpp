// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/dial/dial.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>

#include "main_window/dial/dial_accessible.h"
#include "main_window/dial/dial_geometry.h"

namespace tonalis {

namespace {
// One notch of a mouse wheel, in the units of QWheelEvent::angleDelta().
constexpr int kWheelNotch = 120;
constexpr int kValuePerWheelNotch = 2;
// Page Up/Down move by an eighth of the range.
constexpr int kPagesPerRange = 8;
constexpr int kMaxDepth = 100;
}  // namespace

Dial::Dial(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  installDialAccessibility();
  // The program's one dial sets the volume; a host with another use renames it.
  setAccessibleName(tr("Volume"));
}

void Dial::setValue(int value) {
  store(value);
}

bool Dial::store(int value) {
  const int clamped = std::clamp(value, 0, m_max);
  if (clamped == m_value) return false;
  m_value = clamped;
  update();
  QAccessibleValueChangeEvent event(this, m_value);
  QAccessible::updateAccessibility(&event);
  return true;
}

void Dial::setMax(int max) {
  m_max = std::max(1, max);
  m_value = std::min(m_value, m_max);
  update();
}

void Dial::setDepth(int depth) {
  m_depth = std::clamp(depth, 0, kMaxDepth);
  update();
}

void Dial::setColorLed(const QColor& color) {
  m_colorLed = color;
  update();
}

// Every user gesture ends here.
void Dial::turnTo(int value) {
  if (store(value)) emit changed();
}

void Dial::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->ignore();
    return;
  }
  m_dragging = true;
  m_dragStartPos = event->position().toPoint();
  m_dragStartValue = m_value;
}

void Dial::mouseMoveEvent(QMouseEvent* event) {
  if (!m_dragging) {
    event->ignore();
    return;
  }
  const QPoint travel = event->position().toPoint() - m_dragStartPos;
  turnTo(dial::valueAfterDrag(m_dragStartValue, travel, m_max));
}

void Dial::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_dragging = false;
}

void Dial::wheelEvent(QWheelEvent* event) {
  // Turning the wheel away from the user raises the value.
  m_wheelRemainder += event->angleDelta().y();
  const int notches = m_wheelRemainder / kWheelNotch;
  m_wheelRemainder -= notches * kWheelNotch;
  turnTo(m_value + notches * kValuePerWheelNotch);
}

void Dial::keyPressEvent(QKeyEvent* event) {
  const int page = std::max(1, m_max / kPagesPerRange);
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
      turnTo(m_value + 1);
      break;
    case Qt::Key_Down:
    case Qt::Key_Left:
      turnTo(m_value - 1);
      break;
    case Qt::Key_PageUp:
      turnTo(m_value + page);
      break;
    case Qt::Key_PageDown:
      turnTo(m_value - page);
      break;
    case Qt::Key_Home:
      turnTo(0);
      break;
    case Qt::Key_End:
      turnTo(m_max);
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

}  // namespace tonalis
