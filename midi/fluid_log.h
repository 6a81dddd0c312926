// SPDX-License-Identifier: GPL-3.0-or-later
// FluidSynth's log, routed into the program's diagnostics: errors are reported, warnings
// and chatter are dropped.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tonalis::midi {

// Installs the routing; safe to call any number of times.
void routeFluidLog();

// While one of these lives, FluidSynth's errors are kept here instead of reported: trying
// audio drivers and soundfonts in turn fails on purpose, and those failures only matter
// when no candidate works. Only one may live at a time.
class FluidErrorCapture {
 public:
  FluidErrorCapture();
  ~FluidErrorCapture();
  FluidErrorCapture(const FluidErrorCapture&) = delete;
  FluidErrorCapture& operator=(const FluidErrorCapture&) = delete;

  // Keeps a failure of this program's own that belongs with FluidSynth's.
  void keep(std::string error);
  // How many errors are kept so far: a mark for firstErrorSince().
  std::size_t errorCount() const;
  // The first error kept after `mark` was taken; empty if none.
  std::string firstErrorSince(std::size_t mark) const;
  // Reports what was kept, then forgets it.
  void reportKept();

 private:
  std::vector<std::string> m_errors;
};

}  // namespace tonalis::midi
