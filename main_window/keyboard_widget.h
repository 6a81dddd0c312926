// SPDX-License-Identifier: GPL-3.0-or-later
// The two-octave keyboard: the 24 keys lblKey(1..24) and their selection markers
// shpKeyPress(1..24), at their designed places, in front of the white keys the black keys and in
// front of both the markers. It forwards the mouse as press, release and click of a key index,
// shows the selection with the green markers and, in a colour of their own, the keys held on
// another instrument.
#pragma once

#include <QWidget>
#include <array>
#include <set>

#include "theory/selection.h"

namespace tonalis {

class Disc;
class PressableLabel;

class KeyboardWidget : public QWidget {
  Q_OBJECT

 public:
  explicit KeyboardWidget(QWidget* parent);

  // The keys' one place in the tab chain comes right after `previous`.
  void placeInTabChainAfter(QWidget* previous);

  // The markers are green and all hidden.
  void prepareMarkers();
  // Marker k shows, and key k reads as checked, exactly when key k is selected.
  void showSelection(const theory::Selection& selection);
  // The keys held from outside the window are tinted; all others show their own colour.
  void setHeldKeys(const std::set<int>& keys);
  const std::set<int>& heldKeys() const { return m_heldKeys; }

  PressableLabel* key(int key) const;

 signals:
  void pressed(int key);
  void released(int key);
  void clicked(int key);

 private:
  void moveKeyFocus(int key, int step, int rowStep);
  void paintKey(int key);

  std::array<PressableLabel*, 25> m_keys{};  // key index 1..24
  std::array<Disc*, 25> m_markers{};         // key index 1..24
  std::set<int> m_heldKeys;
  QWidget* m_tabPredecessor = nullptr;
};

}  // namespace tonalis
