// SPDX-License-Identifier: GPL-3.0-or-later
// A screen reader running while the window's controls were built, hidden behind the splash,
// keeps them as it saw them then. Qt tells it that they are showing once the window shows, but
// never that they became visible, so Orca finds the result labels, the readout and the chart
// "not showing and visible" and its screen review skips them. When the window is first shown,
// every control it shows is told to be visible too.
#pragma once

class QWidget;

namespace tonalis {

void announceControlsWhenShown(QWidget& window);

}  // namespace tonalis
