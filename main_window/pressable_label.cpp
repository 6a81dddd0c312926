// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/pressable_label.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>

#include "main_window/pressable_accessible.h"
#include "main_window/scaled_client.h"

namespace tonalis {

namespace {
// Long enough to hear the note of a brief press.
constexpr int kBriefPressMilliseconds = 250;
// The focus frame's distance from the edges, at the design's scale 1.
constexpr int kFocusInset = 3;
}  // namespace

PressableLabel::PressableLabel(int index, QWidget* parent) : QLabel(parent), m_index(index) {
  installPressableAccessibility();
}

void PressableLabel::setChecked(bool checked) {
  if (checked == m_checked) return;
  m_checked = checked;
  QAccessible::State changed;
  changed.checked = true;
  QAccessibleStateChangeEvent event(this, changed);
  QAccessible::updateAccessibility(&event);
}

void PressableLabel::pressBriefly() {
  emit pressed(m_index);
  QTimer::singleShot(kBriefPressMilliseconds, this, [this] {
    emit released(m_index);
    emit clicked(m_index);
  });
}

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

namespace {

bool isPlayKey(int key) {
  return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

// Space or Enter plays the focused label as the left button does; the arrows ask to move the
// focus; other keys go on to the window, whose letter rows play the keyboard.
void PressableLabel::keyPressEvent(QKeyEvent* event) {
  if (isPlayKey(event->key())) {
    if (!event->isAutoRepeat() && m_playKeyDown == 0) {
      m_playKeyDown = event->key();
      emit pressed(m_index);
    }
    return;
  }
  switch (event->key()) {
    case Qt::Key_Left:
      emit focusStepRequested(m_index, -1, 0);
      return;
    case Qt::Key_Right:
      emit focusStepRequested(m_index, +1, 0);
      return;
    case Qt::Key_Up:
      emit focusStepRequested(m_index, 0, -1);
      return;
    case Qt::Key_Down:
      emit focusStepRequested(m_index, 0, +1);
      return;
    default:
      QLabel::keyPressEvent(event);
  }
}

void PressableLabel::keyReleaseEvent(QKeyEvent* event) {
  if (!isPlayKey(event->key()) || event->isAutoRepeat()) {
    QLabel::keyReleaseEvent(event);
    return;
  }
  if (event->key() != m_playKeyDown) return;
  m_playKeyDown = 0;
  emit released(m_index);
  emit clicked(m_index);
}

// Space or Enter held while the focus moves away is let go here; there is no click.
void PressableLabel::focusOutEvent(QFocusEvent* event) {
  if (m_playKeyDown != 0) {
    m_playKeyDown = 0;
    emit released(m_index);
  }
  QLabel::focusOutEvent(event);
}

void PressableLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  const int inset = qRound(kFocusInset * designScale(*this));
  option.rect = rect().adjusted(inset, inset, -inset, -inset);
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

}  // namespace tonalis
