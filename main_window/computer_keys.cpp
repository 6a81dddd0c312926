// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/computer_keys.h"

namespace tonalis {

std::vector<ComputerKeys::Action> ComputerKeys::press(int key, std::uint64_t timestamp) {
  const auto releasing = m_releasing.find(key);
  if (releasing != m_releasing.end() && releasing->second == timestamp) {
    m_releasing.erase(releasing);  // a repeat: the key never went up
    return {};
  }
  std::vector<Action> actions = settle();
  if (m_down.insert(key).second) actions.push_back({Action::kDown, key});
  return actions;
}

std::vector<ComputerKeys::Action> ComputerKeys::release(int key, std::uint64_t timestamp) {
  if (!m_down.contains(key) || m_releasing.contains(key)) return {};
  std::vector<Action> actions;
  if (!m_releasing.empty()) actions = settle();
  m_releasing[key] = timestamp;
  return actions;
}

std::vector<ComputerKeys::Action> ComputerKeys::settle() {
  std::vector<Action> actions;
  for (const auto& [key, timestamp] : m_releasing) {
    m_down.erase(key);
    actions.push_back({Action::kUp, key});
  }
  m_releasing.clear();
  return actions;
}

void ComputerKeys::forget() {
  m_down.clear();
  m_releasing.clear();
}

}  // namespace tonalis
