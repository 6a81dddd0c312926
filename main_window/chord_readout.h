// SPDX-License-Identifier: GPL-3.0-or-later
// The chord readout in the white strip below the chart: what the selected keys can be named,
// best reading first, kept up to date by the window's selection writer.
#pragma once

#include <vector>

class QLabel;
class QWidget;

namespace tonalis {

class Announcer;

namespace theory {
struct ChordReading;
struct ReadingOptions;
}  // namespace theory

// Creates the readout label `lblChordReading` in `client`, empty.
QLabel* makeChordReadout(QWidget* client);

// Shows the best of `readings` ("Am7/C · C6"), or nothing when there are none, named as
// `options` ask; in a key each with its Roman numeral ("Dm7/F — ii6/5 in C", "in C?" when the
// key is `guessed`). Screen readers read the same readings in words ("A minor seventh over C;
// C sixth"), and `announcer` speaks the best of them once the selection has settled.
void showChordReading(QLabel& readout, const std::vector<theory::ChordReading>& readings,
                      const theory::ReadingOptions& options, Announcer& announcer,
                      bool guessed = false);

}  // namespace tonalis
