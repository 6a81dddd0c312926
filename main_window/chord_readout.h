// The chord readout in the white strip below the chart: what the selected keys can be named,
// best reading first, kept up to date by the window's selection writer.
#pragma once

class QLabel;
class QWidget;

namespace tonalis {

namespace theory {
class Selection;
}

// Creates the readout label `lblChordReading` in `client`, empty.
QLabel* makeChordReadout(QWidget* client);

// Shows the best readings of `selection` ("C6 · Am7/C"), or nothing below two keys; screen
// readers get the long names.
void showChordReading(QLabel& readout, const theory::Selection& selection);

}  // namespace tonalis
