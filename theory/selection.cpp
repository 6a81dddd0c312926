// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection.h"

#include "keyboard.h"

namespace tonalis::theory {

namespace {

bool isKey(int key) {
  return key >= 1 && key <= kKeyCount;
}

}  // namespace

bool Selection::selected(int key) const {
  return isKey(key) && m_keys.test(static_cast<std::size_t>(key));
}

void Selection::select(int key) {
  if (isKey(key)) m_keys.set(static_cast<std::size_t>(key));
}

void Selection::deselect(int key) {
  if (isKey(key)) m_keys.reset(static_cast<std::size_t>(key));
}

void Selection::toggle(int key) {
  if (isKey(key)) m_keys.flip(static_cast<std::size_t>(key));
}

std::vector<int> Selection::ascending() const {
  std::vector<int> keys;
  for (int key = 1; key <= kKeyCount; ++key) {
    if (selected(key)) keys.push_back(key);
  }
  return keys;
}

int Selection::count() const {
  return static_cast<int>(m_keys.count());
}

std::optional<int> Selection::lowest() const {
  for (int key = 1; key <= kKeyCount; ++key) {
    if (selected(key)) return key;
  }
  return std::nullopt;
}

}  // namespace tonalis::theory
