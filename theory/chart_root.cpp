// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_root.h"

#include "keyboard.h"

namespace tonalis::theory {

ChartRoot chooseChartRoot(const Selection& selection) {
  ChartRoot result;
  result.selection = selection;

  // A chart shows keys 1..17 only, so keys above them neither count nor serve as the root.
  std::optional<int> root;
  for (int key = 1; key <= kChartKeyCount; ++key) {
    if (!selection.selected(key)) continue;
    if (root) {
      result.refusal = kOnlyOneKey;
      return result;
    }
    root = key;
  }
  if (!root) {
    result.refusal = kNeedOneKey;
    return result;
  }

  // Chart chords are built on roots 1..12; the selection follows the root down the octave.
  result.rootKey = *root;
  if (result.rootKey > kOctave) {
    result.selection.deselect(result.rootKey);
    result.rootKey -= kOctave;
    result.selection.select(result.rootKey);
  }
  return result;
}

}  // namespace tonalis::theory
