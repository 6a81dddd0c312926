// The chord chart inside the chart box: its frame, the root label, the 30 captions and pictures
// and the marker overlay in front of them.
#pragma once

#include <QString>

class QWidget;

namespace tonalis {

struct FrmMainControls;

// Captions the chart shows until "Show Chords" first fills it, by chart slot.
QString designCaption(int slot);

void buildChartArea(QWidget& chartBox, FrmMainControls& controls);

}  // namespace tonalis
