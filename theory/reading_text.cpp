#include "reading_text.h"

#include <array>
#include <utility>
#include <vector>

#include "interval_names.h"
#include "pitch_spelling.h"

namespace tonalis::theory {

namespace {

struct Spelled {
  std::string_view root;
  std::string_view bass;  // empty when the bass is the root
};

Spelled spell(const ChordReading& reading) {
  const bool minor = isMinorType(*reading.type);
  Spelled spelled{rootSpelling(reading.root, minor), {}};
  if (reading.bass != reading.root) spelled.bass = noteSpelling(reading.bass, reading.root, minor);
  return spelled;
}

std::string withAccidentals(std::string text, Accidentals accidentals) {
  return accidentals == Accidentals::Plain ? plainText(text) : text;
}

// The notes a type may leave out, by their pitch class above the root, in the order named.
constexpr std::array<std::pair<int, std::string_view>, 3> kOmittableNotes{
    {{7, "fifth"}, {2, "ninth"}, {5, "eleventh"}}};

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

}  // namespace

std::string symbolOf(const ChordReading& reading, Accidentals accidentals) {
  if (reading.type == nullptr) return intervalName(reading.interval);
  const Spelled spelled = spell(reading);
  std::string symbol(spelled.root);
  symbol += reading.type->symbol;
  if (!spelled.bass.empty()) {
    symbol += '/';
    symbol += spelled.bass;
  }
  return withAccidentals(std::move(symbol), accidentals);
}

std::string nameOf(const ChordReading& reading, Accidentals accidentals) {
  if (reading.type == nullptr) return intervalName(reading.interval);
  const Spelled spelled = spell(reading);
  std::string name(spelled.root);
  name += ' ';
  name += reading.type->name;
  if (reading.omitted != 0) name += omissions(reading.omitted);
  if (!spelled.bass.empty()) {
    name += " over ";
    name += spelled.bass;
  }
  return withAccidentals(std::move(name), accidentals);
}

std::string joinedSymbols(std::span<const ChordReading> readings, std::string_view separator,
                          Accidentals accidentals, std::size_t limit) {
  std::string text;
  for (std::size_t i = 0; i < readings.size() && i < limit; ++i) {
    if (i > 0) text += separator;
    text += symbolOf(readings[i], accidentals);
  }
  return text;
}

}  // namespace tonalis::theory
