// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of a chord reading: its symbol ("Am7/C"), its long name ("A minor seventh over
// C"), and a whole answer of the reader with the spelling kept from one reading to the next
// and, in a key, each reading's Roman numeral ("Dm7/F — ii6/5 in C").
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "chord_reader.h"
#include "musical_key.h"
#include "note_speller.h"

namespace tonalis::theory {

enum class Accidentals { Modern, Plain };  // ♭ ♯, or b # for fonts without them

// How an answer is written: the accidentals, the names the notes came with, the key (which
// also spells the notes nobody named, and adds the numerals).
struct AnswerFormat {
  Accidentals accidentals = Accidentals::Modern;
  NoteSpeller::GivenNames given{};
  std::optional<MusicalKey> key;
  bool keyGuessed = false;  // the key is a guess: "in C?"
};

// The chord symbol with "/bass" when the bass is not the root, and the omitted third or root
// said as musicians write it ("G7(no3)", "G7(no root)/B"); an interval's name.
std::string symbolOf(const ChordReading& reading, Accidentals accidentals = Accidentals::Modern);
std::string symbolOf(const ChordReading& reading, NoteSpeller& speller, Accidentals accidentals);

// "C major", "A minor seventh over C", "C dominant thirteenth without fifth and ninth";
// an interval's name.
std::string nameOf(const ChordReading& reading, Accidentals accidentals = Accidentals::Modern);
std::string nameOf(const ChordReading& reading, NoteSpeller& speller, Accidentals accidentals);

// The symbols of the first `limit` readings joined by `separator`, e.g. "C6 · Am7/C".
std::string joinedSymbols(std::span<const ChordReading> readings, std::string_view separator,
                          Accidentals accidentals, std::size_t limit = SIZE_MAX);

// The same for one answer written in `format`: every pitch spelled one way, and in a key each
// symbol followed by " — " and its numeral ("Dm7/F — ii6/5 in C").
std::string answerText(std::span<const ChordReading> readings, std::string_view separator,
                       const AnswerFormat& format, std::size_t limit = SIZE_MAX);

}  // namespace tonalis::theory
