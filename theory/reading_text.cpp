// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading_text.h"

#include <array>
#include <utility>
#include <vector>

#include "interval_names.h"
#include "line_of_fifths.h"
#include "pitch_spelling.h"
#include "roman_numeral.h"

namespace tonalis::theory {

namespace {

std::string withAccidentals(std::string text, Accidentals accidentals) {
  return accidentals == Accidentals::Plain ? plainText(text) : text;
}

// The notes a type may leave out, by their pitch class above the root, in the order named.
constexpr std::array<std::pair<int, std::string_view>, 7> kOmittableNotes{{{0, "root"},
                                                                           {3, "third"},
                                                                           {4, "third"},
                                                                           {6, "fifth"},
                                                                           {7, "fifth"},
                                                                           {2, "ninth"},
                                                                           {5, "eleventh"}}};

// "without fifth", "without fifth and ninth", "without fifth, ninth and eleventh".
std::string omissions(PitchClassSet omitted) {
  std::vector<std::string_view> names;
  for (const auto& [pitchClass, name] : kOmittableNotes) {
    if (omitted & 1u << pitchClass) names.push_back(name);
  }
  std::string text = " without ";
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
    text += names[i];
  }
  return text;
}

// What the symbol says of the omitted notes: the third and the root, which give a chord its
// sound; musicians leave fifths, ninths and elevenths out without saying so.
std::string_view saidOmission(PitchClassSet omitted) {
  if (omitted & 1u) return "(no root)";
  if (omitted & (1u << 3 | 1u << 4)) return "(no3)";
  return {};
}

// What a symbol says of a foreign note: " (+F♯)" beside the chord, " (A for G)" in place of a
// chord note.
std::string foreignRemark(const NoteSpeller::Spelled& spelled) {
  if (!spelled.foreign) return {};
  if (!spelled.standsFor) return " (+" + nameOfFifths(*spelled.foreign) + ")";
  return " (" + nameOfFifths(*spelled.foreign) + " for " + nameOfFifths(*spelled.standsFor) + ")";
}

}  // namespace

std::string symbolOf(const ChordReading& reading, NoteSpeller& speller, Accidentals accidentals) {
  if (reading.type == nullptr) return intervalName(reading.interval);
  const NoteSpeller::Spelled spelled = speller.spell(reading);
  std::string symbol = nameOfFifths(spelled.root);
  symbol += reading.type->symbol;
  symbol += saidOmission(reading.omitted);
  if (spelled.bass) {
    symbol += '/';
    symbol += nameOfFifths(*spelled.bass);
  }
  symbol += foreignRemark(spelled);
  return withAccidentals(std::move(symbol), accidentals);
}

std::string symbolOf(const ChordReading& reading, Accidentals accidentals) {
  NoteSpeller speller;
  return symbolOf(reading, speller, accidentals);
}

std::string nameOf(const ChordReading& reading, NoteSpeller& speller, Accidentals accidentals) {
  if (reading.type == nullptr) return intervalName(reading.interval);
  const NoteSpeller::Spelled spelled = speller.spell(reading);
  std::string name = nameOfFifths(spelled.root);
  name += ' ';
  name += reading.type->name;
  const PitchClassSet omitted = countedOmissions(reading);
  if (omitted != 0) name += omissions(omitted);
  if (spelled.bass) {
    name += " over ";
    name += nameOfFifths(*spelled.bass);
  }
  if (spelled.foreign) {
    name += ", with ";
    name += nameOfFifths(*spelled.foreign);
    name += spelled.standsFor ? " in place of " + nameOfFifths(*spelled.standsFor)
                              : std::string(" as a foreign note");
  }
  return withAccidentals(std::move(name), accidentals);
}

std::string nameOf(const ChordReading& reading, Accidentals accidentals) {
  NoteSpeller speller;
  return nameOf(reading, speller, accidentals);
}

std::string joinedSymbols(std::span<const ChordReading> readings, std::string_view separator,
                          Accidentals accidentals, std::size_t limit) {
  return answerText(readings, separator, AnswerFormat{accidentals, {}, std::nullopt}, limit);
}

std::string answerText(std::span<const ChordReading> readings, std::string_view separator,
                       const AnswerFormat& format, std::size_t limit) {
  NoteSpeller speller(format.given, format.key);
  std::string text;
  for (std::size_t i = 0; i < readings.size() && i < limit; ++i) {
    if (i > 0) text += separator;
    text += symbolOf(readings[i], speller, format.accidentals);
    if (format.key && readings[i].type != nullptr) {
      text += " — ";
      const int root = speller.spell(readings[i]).root;
      text += withAccidentals(romanNumeral(readings[i], *format.key, root).text + " in " +
                                  keyLetterName(*format.key) + (format.keyGuessed ? "?" : ""),
                              format.accidentals);
    }
  }
  return text;
}

}  // namespace tonalis::theory
