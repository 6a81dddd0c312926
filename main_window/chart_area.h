// SPDX-License-Identifier: GPL-3.0-or-later
// The chord chart inside the chart box: its frame, the root label, the 30 captions and pictures
// and the marker overlay in front of them. The pictures take the keyboard focus one at a time:
// one tab stop leads into the chart, and the arrow keys move through its rows.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace tonalis {

struct FrmMainControls;

// Captions the chart shows until "Show Chords" first fills it, by chart slot.
QString designCaption(int slot);

// Writes the chart's root name. A long name such as "C#/Db" does not fit the designed box at this
// size, so the box grows to the left, keeping its right edge, rather than cutting the name off.
void setChartRoot(QLabel& label, const QString& rootName);

void buildChartArea(QWidget& chartBox, FrmMainControls& controls);

// The root label and the pictures drawn again for the design's new scale, each picture at its
// own size: the lines stay whole pixels wide instead of blurring or vanishing.
void scaleChartArea(FrmMainControls& controls);

}  // namespace tonalis
