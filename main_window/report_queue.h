// SPDX-License-Identifier: GPL-3.0-or-later
// The reports of the output or the input, handled one at a time in the order they came. A
// message box shown for one report runs the event loop, which may deliver the next reports
// before the box returns: they only queue, and are handled after it.
#pragma once

#include <deque>
#include <utility>
#include <vector>

namespace tonalis {

template <typename Report>
class ReportQueue {
 public:
  template <typename Handle>
  void handle(std::vector<Report> reports, Handle&& handleOne) {
    for (Report& report : reports) m_waiting.push_back(std::move(report));
    if (m_handling) return;
    m_handling = true;
    while (!m_waiting.empty()) {
      const Report report = std::move(m_waiting.front());
      m_waiting.pop_front();
      handleOne(report);
    }
    m_handling = false;
  }

 private:
  std::deque<Report> m_waiting;
  bool m_handling = false;
};

}  // namespace tonalis
