// SPDX-License-Identifier: GPL-3.0-or-later
// A rotary dial: an integer value from 0 to max(), turned by mouse drag, wheel and arrow keys.
#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

namespace tonalis {

class Dial : public QWidget {
  Q_OBJECT

 public:
  explicit Dial(QWidget* parent = nullptr);

  int value() const { return m_value; }
  // Sets the value from the program; does not emit changed().
  void setValue(int value);
  // Turns the dial as the user does: emits changed() when the value really moves.
  void turnTo(int value);

  int max() const { return m_max; }
  void setMax(int max);
  // How far the knob's rim stands out, in hundredths of its radius.
  int depth() const { return m_depth; }
  void setDepth(int depth);
  // Colour of the mark that shows the value.
  QColor colorLed() const { return m_colorLed; }
  void setColorLed(const QColor& color);

 signals:
  // The user turned the dial to a new value.
  void changed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Stores a clamped value, repaints and tells assistive technology; true when it moved.
  bool store(int value);
  void drawKnob(QPainter& painter) const;
  void drawLed(QPainter& painter) const;
  void drawFocusRing(QPainter& painter) const;

  int m_value = 0;
  int m_max = 127;
  int m_depth = 30;
  QColor m_colorLed{128, 128, 128};

  bool m_dragging = false;
  QPoint m_dragStartPos;
  int m_dragStartValue = 0;
  // Wheel travel not yet worth a whole step (touchpads send small deltas).
  int m_wheelRemainder = 0;
};

}  // namespace tonalis
