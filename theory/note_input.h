// SPDX-License-Identifier: GPL-3.0-or-later
// Notes typed as text, for the command-line reader: MIDI note numbers ("60") or note names with
// an octave ("C4", "Eb4", "F#3", "B♭2"; C4 is 60, C-1 is 0). A name without octave ("E") is the
// nearest such note above the note before it, or in octave 4 when it comes first, so
// "C E G" is C4 E4 G4 and "G B D" is G4 B4 D5. Every note must lie in 0..127.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tonalis::theory {

struct ParsedChord {
  std::vector<int> pitches;  // MIDI note numbers, in the order given
  // How each note was written, as its place on the line of fifths (line_of_fifths.h); absent
  // for a note given as a number.
  std::vector<std::optional<int>> spellings;
  std::optional<std::string> error;  // why the text is not a chord of two notes or more
};

// One chord: notes separated by blanks, tabs or commas.
ParsedChord parseChord(std::string_view text);

// `token` quoted as a message echoes it: its first few characters, every byte that is not
// printable text written as \xNN so that a terminal shows it as it is.
std::string echoedToken(std::string_view token);

}  // namespace tonalis::theory
