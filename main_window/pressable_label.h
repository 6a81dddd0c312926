// SPDX-License-Identifier: GPL-3.0-or-later
// A label that forwards the mouse as press, release and click of its element index: the keys of
// the keyboard and the chart pictures. It also carries the sounding flag of its notes as a tag,
// which the note player decides.
// Without a mouse it is played by Space or Enter while it has the focus, or briefly by its
// accessible press action; a key also shows whether it is selected to assistive technology.
#pragma once

#include <QLabel>
#include <QString>

namespace tonalis {

class PressableLabel : public QLabel {
  Q_OBJECT

 public:
  PressableLabel(int index, QWidget* parent);

  int index() const { return m_index; }
  const QString& tag() const { return m_tag; }
  void setTag(const QString& tag) { m_tag = tag; }

  // A checkable label is a toggle (a key: checked while selected); others are plain buttons.
  bool isCheckable() const { return m_checkable; }
  void setCheckable(bool checkable) { m_checkable = checkable; }
  bool isChecked() const { return m_checked; }
  void setChecked(bool checked);

  // A press, then after a moment the release and the click, as a short mouse click gives.
  void pressBriefly();

 signals:
  // Any mouse button.
  void pressed(int index);
  void released(int index);
  // The left button was pressed here and released inside the label.
  void clicked(int index);
  // An arrow key pressed while the label has the focus: Left or Right give a step of -1 or +1,
  // Up or Down a row step of -1 or +1.
  void focusStepRequested(int index, int step, int rowStep);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  int m_index;
  QString m_tag;
  bool m_leftDown = false;
  int m_playKeyDown = 0;  // Space or Enter while held, else 0
  bool m_checkable = false;
  bool m_checked = false;
};

}  // namespace tonalis
