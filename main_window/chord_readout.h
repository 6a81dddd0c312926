// The chord readout in the white strip below the chart: what the selected keys can be named,
// best reading first, kept up to date by the window's selection writer.
#pragma once

class QLabel;
class QWidget;

namespace tonalis {

class Announcer;

namespace theory {
class Selection;
}

// Creates the readout label `lblChordReading` in `client`, empty.
QLabel* makeChordReadout(QWidget* client);

// Shows the best readings of `selection` ("C6 · Am7/C"), or nothing below two keys. Screen
// readers read the same readings in words ("C sixth; A minor seventh over C"), and `announcer`
// speaks the best of them once the selection has settled.
void showChordReading(QLabel& readout, const theory::Selection& selection, Announcer& announcer);

}  // namespace tonalis
