// The chord shapes that "Determine Root" recognises, in root position only.
#pragma once

#include <optional>
#include <span>
#include <string>

namespace tonalis::theory {

struct ChordMatch {
  std::string symbol;  // for the "Chord Symbol" label, e.g. "Cm / Cmin"
  std::string name;    // for the "Chord Name" label, e.g. "C Minor"
  bool operator==(const ChordMatch&) const = default;
};

// `keys`: ascending, distinct key indexes 1..24, three to five of them; the lowest is the root.
// The selection must be exactly a shape of the table, note for note.
std::optional<ChordMatch> matchChord(std::span<const int> keys);

}  // namespace tonalis::theory
