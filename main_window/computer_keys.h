// SPDX-License-Identifier: GPL-3.0-or-later
// The computer keyboard as a player of the on-screen keys: which keys are held, and which key
// events are the platform repeating a held key rather than the user pressing and releasing it.
//
// Under X11 a held key repeats as a release and a press carrying the same timestamp, and the
// platform does not always mark them as repeats. So a release is held back until settle(): a
// press of the same key with the same timestamp arriving before then cancels it, and the key
// simply stays down.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <vector>

namespace tonalis {

class ComputerKeys {
 public:
  struct Action {
    enum Kind { kDown, kUp };
    Kind kind;
    int key;  // key index 1..24
    bool operator==(const Action&) const = default;
  };

  // What a press or release of `key` at `timestamp` (the platform's, in milliseconds) does now.
  // Another key's event first settles every release held back, so actions keep their order.
  std::vector<Action> press(int key, std::uint64_t timestamp);
  std::vector<Action> release(int key, std::uint64_t timestamp);
  // The releases held back are real: the keys go up.
  std::vector<Action> settle();
  // Forgets every held key, as when their notes were silenced and their key-ups may never come.
  void forget();

  bool hasHeldBackRelease() const { return !m_releasing.empty(); }

 private:
  std::set<int> m_down;
  std::map<int, std::uint64_t> m_releasing;  // key -> timestamp of its held-back release
};

}  // namespace tonalis
