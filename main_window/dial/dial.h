// A rotary dial: an integer value from 0 to max(), turned by mouse drag, wheel and arrow keys.
#pragma once

#include <QColor>
#include <QWidget>

namespace tonalis {

class Dial : public QWidget {
  Q_OBJECT

 public:
  explicit Dial(QWidget* parent = nullptr);

  int value() const { return m_value; }
  // Sets the value from the program; does not emit changed().
  void setValue(int value);

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

 private:
  int m_value = 0;
  int m_max = 127;
  int m_depth = 30;
  QColor m_colorLed{128, 128, 128};
};

}  // namespace tonalis
