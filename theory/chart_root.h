// SPDX-License-Identifier: GPL-3.0-or-later
// "Show Chords" as a pure function: which root the selection gives the chart.
#pragma once

#include <optional>
#include <string_view>

#include "selection.h"

namespace tonalis::theory {

inline constexpr std::string_view kOnlyOneKey = "Only one key may be pressed";
inline constexpr std::string_view kNeedOneKey = "You must have one key pressed";

struct ChartRoot {
  std::optional<std::string_view> refusal;  // set when the chart cannot be built
  int rootKey = 0;                          // 1..12 when accepted
  Selection selection;                      // the selection after a root of 13..17 moved down
};

// Reads keys 1..17 only: exactly one must be selected. A root of 13..17 moves down an octave.
ChartRoot chooseChartRoot(const Selection& selection);

}  // namespace tonalis::theory
