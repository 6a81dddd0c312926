// SPDX-License-Identifier: GPL-3.0-or-later
// "Determine Root" as a pure function: up to six attempts at naming the selected chord,
// moving the highest key of the upper octave down between attempts to undo an inversion.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "selection.h"

namespace tonalis::theory {

inline constexpr std::string_view kCountRefusal = "Only 3 to 5 keys may be pressed";
inline constexpr std::string_view kNoRoot = "No root";
inline constexpr int kMaxAttempts = 6;

// What the window must write after the command; an empty optional leaves that label unchanged.
struct Identification {
  std::optional<std::string> notes;    // "Played Notes" label, e.g. " C  E  G "
  std::optional<std::string> symbol;   // "Chord Symbol" label: the symbol or "No root"
  std::optional<std::string> name;     // "Chord Name" label, only when a chord was found
  std::optional<std::string> message;  // the refusal to show in a message box
  Selection selection;                 // the selection after every move
  int attempts = 0;                    // attempts made, counting one that was refused
};

// Moves the highest selected key of 13..24 down an octave (merging when that key is already
// selected). Returns false when no key of 13..24 is selected.
bool lowerTopKey(Selection& selection);

// The played-notes text: each selected key's name with a blank before and after.
std::string playedNotes(const Selection& selection);

// Names the selected chord, trying again after each move of lowerTopKey, for at most
// kMaxAttempts attempts. A count outside 3..5 at the start of any attempt ends it with
// kCountRefusal, leaving the texts of the attempt before.
Identification identifyChord(Selection selection);

}  // namespace tonalis::theory
