// SPDX-License-Identifier: GPL-3.0-or-later
// A chart picture dragged out of the window carries its chord: a one-chord MIDI file (as a
// file for file managers and as MIDI data for sequencers) and its symbol as text. The drag
// starts once the mouse has moved the desktop's drag distance with the left button held; the
// picture's sound stops then, as when the button is let go.
#pragma once

#include <QObject>
#include <QPoint>
#include <QTemporaryDir>
#include <functional>
#include <vector>

class QMimeData;

namespace tonalis {

class ChartDrag : public QObject {
  Q_OBJECT

 public:
  // `notes` gives the MIDI notes of a picture, none for an empty one.
  ChartDrag(std::function<std::vector<int>(int picture)> notes, QObject* parent);

  // The dragged data of a chord: its MIDI file written in `folder`, its bytes and its symbol.
  static QMimeData* chordData(const std::vector<int>& notes, const QString& folder);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<std::vector<int>(int picture)> m_notes;
  QPoint m_pressedAt;
  bool m_leftDown = false;
  QTemporaryDir m_files;  // the dragged files, for as long as the program runs
};

}  // namespace tonalis
