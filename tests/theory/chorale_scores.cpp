// SPDX-License-Identifier: GPL-3.0-or-later
#include "chorale_scores.h"

#include <array>
#include <fstream>
#include <sstream>

#include "theory/chord_reader.h"
#include "theory/line_of_fifths.h"
#include "theory/note_input.h"
#include "theory/note_speller.h"
#include "theory/roman_numeral.h"

#ifndef TONALIS_SOURCE_DIR
#error "TONALIS_SOURCE_DIR must name the source tree"
#endif

namespace tonalis::test {

namespace {

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> parts;
  std::stringstream stream(line);
  for (std::string part; std::getline(stream, part, '\t');) parts.push_back(part);
  return parts;
}

// The analyst's figures carry added-tone remarks ("I (T+7)"): the numeral is before the blank.
std::string numeralOf(const std::string& figure) {
  return figure.substr(0, figure.find(' '));
}

// Reads a degree ("♭VI", "vii", "V") at `at`, moving past it: its semitones above the tonic.
std::optional<int> readDegree(const std::string& text, std::size_t& at,
                              const theory::MusicalKey& key) {
  int shift = 0;
  for (bool more = true; more;) {
    more = false;
    for (const auto& [sign, step] :
         {std::pair<std::string, int>{"♭", -1}, {"♯", 1}, {"b", -1}, {"#", 1}}) {
      if (text.compare(at, sign.size(), sign) == 0) {
        shift += step;
        at += sign.size();
        more = true;
      }
    }
  }
  constexpr std::array<std::pair<const char*, int>, 7> kNumerals{
      {{"VII", 6}, {"III", 2}, {"IV", 3}, {"VI", 5}, {"II", 1}, {"V", 4}, {"I", 0}}};
  constexpr std::array<int, 7> kMajor{0, 2, 4, 5, 7, 9, 11};
  constexpr std::array<int, 7> kMinor{0, 2, 3, 5, 7, 8, 10};
  for (const auto& [numeral, degree] : kNumerals) {
    const std::string upper = numeral;
    std::string found = text.substr(at, upper.size());
    const bool small = !found.empty() && found[0] >= 'a';
    for (char& c : found) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (found != upper) continue;
    at += upper.size();
    if (text.compare(at, 1, "t") == 0) return std::nullopt;  // "It6", the Italian sixth
    int semitones = (key.minor ? kMinor : kMajor)[static_cast<std::size_t>(degree)];
    if (key.minor && degree == 6 && small) semitones = 11;  // the leading note's chord
    return semitones + shift;
  }
  return std::nullopt;
}

}  // namespace

std::string choraleFile() {
  return std::string(TONALIS_SOURCE_DIR) + "/tests/data/chorales-dev.tsv";
}

std::vector<ChoraleChord> loadChorales(const std::string& path) {
  std::vector<ChoraleChord> chords;
  std::ifstream file(path);
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line.front() == '#') continue;
    const std::vector<std::string> parts = fields(line);
    if (parts.size() < 8) continue;
    const std::optional<theory::MusicalKey> key = theory::parseKey(parts[3]);
    const std::optional<int> root = theory::fifthsOfName(parts[5]);
    const theory::ParsedChord notes = theory::parseChord(parts[7]);
    if (!key || !root || notes.error) continue;
    chords.push_back({"chorale " + parts[0] + ", measure " + parts[1] + ", beat " + parts[2], *key,
                      parts[4], theory::pitchClassOfFifths(*root), notes.pitches, notes.spellings});
  }
  return chords;
}

int inversionOfFigure(const std::string& written) {
  // A type named after the degree, "V(9)6/5", holds digits that are no figure.
  std::string numeral = written;
  const std::size_t open = numeral.find('(');
  if (open != std::string::npos) numeral.erase(open, numeral.find(')', open) + 1 - open);
  const std::size_t at = numeral.find_first_of("23456789");
  std::string figure = at == std::string::npos ? "" : numeral.substr(at);
  // An applied numeral's target follows the figure: "V6/5/V", "V/V".
  const std::size_t target = figure.find_first_not_of("0123456789/");
  if (target != std::string::npos) figure = figure.substr(0, target);
  if (!figure.empty() && figure.back() == '/') figure.pop_back();
  if (figure == "6" || figure == "6/5" || figure == "6/3") return 1;
  if (figure == "6/4" || figure == "4/3") return 2;
  if (figure == "2" || figure == "4/2") return 3;
  return 0;
}

std::optional<int> rootOfNumeral(const std::string& numeral, const theory::MusicalKey& key) {
  std::size_t at = 0;
  const std::optional<int> degree = readDegree(numeral, at, key);
  if (!degree) return std::nullopt;
  // An applied numeral: the degree is counted from the target's root, as in its own major key.
  std::size_t slash = numeral.find('/', at);
  while (slash != std::string::npos && slash + 1 < numeral.size() &&
         std::isdigit(static_cast<unsigned char>(numeral[slash + 1]))) {
    slash = numeral.find('/', slash + 1);
  }
  int root = key.tonic() + *degree;
  if (slash != std::string::npos) {
    std::size_t targetAt = slash + 1;
    const std::optional<int> target = readDegree(numeral, targetAt, key);
    if (!target) return std::nullopt;
    std::size_t ownAt = 0;
    const std::optional<int> own = readDegree(numeral, ownAt, theory::MusicalKey{0, false});
    if (!own) return std::nullopt;
    root = key.tonic() + *target + *own;
  }
  return ((root % 12) + 12) % 12;
}

ChoraleScores scoreChorales(const std::vector<ChoraleChord>& chords, theory::ReadingStyle style) {
  ChoraleScores scores;
  for (const ChoraleChord& chord : chords) {
    ++scores.chords;
    const std::vector<theory::ChordReading> readings =
        theory::readChord(chord.pitches, {style, {}});
    if (!readings.empty() && readings.front().root == chord.root) ++scores.firstRoot;
    for (const theory::ChordReading& reading : readings) {
      if (reading.type != nullptr && reading.root == chord.root) {
        ++scores.anyRoot;
        break;
      }
    }
    if (!readings.empty() && readings.front().type != nullptr) {
      theory::NoteSpeller speller(theory::givenNames(chord.pitches, chord.spellings));
      const theory::ChordReading& first = readings.front();
      const std::optional<int> written =
          theory::givenNames(chord.pitches, chord.spellings)[static_cast<std::size_t>(first.root)];
      if (written) {
        ++scores.rootAmongNotes;
        if (speller.spell(first).root == *written) ++scores.rootAsWritten;
      }
    }
    const std::vector<theory::ChordReading> keyed =
        theory::readChord(chord.pitches, {style, chord.key});
    const std::string numeral = keyed.empty() || keyed.front().type == nullptr
                                    ? ""
                                    : theory::romanNumeral(keyed.front(), chord.key).text;
    const std::string analyst = numeralOf(chord.figure);
    if (!numeral.empty() && rootOfNumeral(numeral, chord.key) == chord.root &&
        inversionOfFigure(numeral) == inversionOfFigure(analyst)) {
      ++scores.numeral;
    } else {
      scores.misses.push_back(chord.where + ": " + analyst + ", read " + numeral);
    }
  }
  return scores;
}

}  // namespace tonalis::test
