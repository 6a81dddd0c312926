// SPDX-License-Identifier: GPL-3.0-or-later
// The set of selected keys of the keyboard (key indexes 1..24).
#pragma once

#include <bitset>
#include <optional>
#include <vector>

namespace tonalis::theory {

// Keys outside 1..24 are never selected; selecting or deselecting one does nothing.
class Selection {
 public:
  bool selected(int key) const;
  void select(int key);
  void deselect(int key);
  void toggle(int key);

  std::vector<int> ascending() const;
  int count() const;
  std::optional<int> lowest() const;
  bool empty() const { return count() == 0; }

  bool operator==(const Selection&) const = default;

 private:
  std::bitset<25> m_keys;  // bit k is key index k; bit 0 is unused
};

}  // namespace tonalis::theory
