// A label that forwards the mouse as press, release and click of its element index: the keys of
// the keyboard and the chart pictures. It also carries the sounding flag of its notes as a tag.
#pragma once

#include <QLabel>
#include <QString>

namespace tonalis {

// Sounding flags: empty before the first press, then one of these.
inline const QString kSounding = QStringLiteral("1");
inline const QString kReleased = QStringLiteral("0");

class PressableLabel : public QLabel {
  Q_OBJECT

 public:
  PressableLabel(int index, QWidget* parent);

  int index() const { return m_index; }
  const QString& tag() const { return m_tag; }
  void setTag(const QString& tag) { m_tag = tag; }

 signals:
  // Any mouse button.
  void pressed(int index);
  void released(int index);
  // The left button was pressed here and released inside the label.
  void clicked(int index);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int m_index;
  QString m_tag;
  bool m_leftDown = false;
};

}  // namespace tonalis
