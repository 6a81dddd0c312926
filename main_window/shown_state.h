// A screen reader running while the window's controls were built, hidden behind the splash, can
// keep them as it saw them then: not showing, so that it cannot reach the result labels or the
// chart. When the window is first shown, every control it shows is announced as shown.
#pragma once

class QWidget;

namespace tonalis {

void announceControlsWhenShown(QWidget& window);

}  // namespace tonalis
