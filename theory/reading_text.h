// The texts of a chord reading: its symbol ("Am7/C") and its long name ("A minor seventh over
// C"), spelled by the rules of pitch_spelling.h.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "chord_reader.h"

namespace tonalis::theory {

enum class Accidentals { Modern, Plain };  // ♭ ♯, or b # for fonts without them

// The chord symbol with "/bass" when the bass is not the root; an interval's name.
std::string symbolOf(const ChordReading& reading, Accidentals accidentals = Accidentals::Modern);

// "C major", "A minor seventh over C", "C dominant thirteenth without fifth and ninth";
// an interval's name.
std::string nameOf(const ChordReading& reading, Accidentals accidentals = Accidentals::Modern);

// The symbols of the first `limit` readings joined by `separator`, e.g. "C6 · Am7/C".
std::string joinedSymbols(std::span<const ChordReading> readings, std::string_view separator,
                          Accidentals accidentals, std::size_t limit = SIZE_MAX);

}  // namespace tonalis::theory
