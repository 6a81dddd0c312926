// SPDX-License-Identifier: GPL-3.0-or-later
// Building and enumerating keyboard selections for the theory tests.
#pragma once

#include <functional>
#include <initializer_list>
#include <span>
#include <vector>

#include "theory/keyboard.h"
#include "theory/selection.h"

namespace tonalis::theory::test {

inline Selection selectionOf(std::span<const int> keys) {
  Selection selection;
  for (const int key : keys) selection.select(key);
  return selection;
}
inline Selection selectionOf(std::initializer_list<int> keys) {
  return selectionOf(std::span<const int>(keys.begin(), keys.size()));
}

// Calls `visit` with every selection of `minCount` to `maxCount` of the 24 keys.
inline void forEachSelection(int minCount, int maxCount,
                             const std::function<void(const Selection&)>& visit) {
  Selection selection;
  std::function<void(int, int)> extend = [&](int firstKey, int count) {
    if (count >= minCount) visit(selection);
    if (count == maxCount) return;
    for (int key = firstKey; key <= kKeyCount; ++key) {
      selection.select(key);
      extend(key + 1, count + 1);
      selection.deselect(key);
    }
  };
  extend(1, 0);
}

}  // namespace tonalis::theory::test
