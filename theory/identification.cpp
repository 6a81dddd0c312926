// SPDX-License-Identifier: GPL-3.0-or-later
#include "identification.h"

#include "chord_patterns.h"
#include "keyboard.h"
#include "note_names.h"

namespace tonalis::theory {

bool lowerTopKey(Selection& selection) {
  for (int key = kKeyCount; key > kOctave; --key) {
    if (selection.selected(key)) {
      selection.deselect(key);
      // Selecting a key that is already selected merges the two into one.
      selection.select(key - kOctave);
      return true;
    }
  }
  return false;
}

std::string playedNotes(const Selection& selection) {
  std::string notes;
  for (const int key : selection.ascending()) {
    notes += ' ';
    notes += noteName(key);
    notes += ' ';
  }
  return notes;
}

Identification identifyChord(Selection selection) {
  Identification result;
  for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
    result.attempts = attempt;
    const std::vector<int> keys = selection.ascending();
    const auto count = static_cast<int>(keys.size());
    // A merge can leave too few keys in a later attempt; the texts of the attempt before stay.
    if (count < kMinChordNotes || count > kMaxChordNotes) {
      result.message = std::string(kCountRefusal);
      break;
    }
    result.notes = playedNotes(selection);
    result.symbol = std::string(kNoRoot);
    if (auto match = matchChord(keys)) {
      result.symbol = std::move(match->symbol);
      result.name = std::move(match->name);
      break;
    }
    // Only root positions are recognised: moving the top key down undoes one inversion step.
    lowerTopKey(selection);
  }
  result.selection = selection;
  return result;
}

}  // namespace tonalis::theory
