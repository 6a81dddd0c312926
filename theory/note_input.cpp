#include "note_input.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <set>

#include "line_of_fifths.h"

namespace tonalis::theory {

namespace {

constexpr int kHighestNote = 127;
constexpr int kDefaultOctave = 4;
constexpr std::string_view kSeparators = " \t\r,";

// Semitones of the letters A..G above C.
constexpr std::array<int, 7> kLetterPitchClass{9, 11, 0, 2, 4, 5, 7};

std::optional<int> parseInteger(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

struct NoteName {
  int pitchClassOffset = 0;   // letter and accidentals, in semitones above C (may pass 11)
  std::optional<int> octave;  // absent when not written
  std::optional<int> fifths;  // the letter and accidentals as written, on the line of fifths
};

std::optional<NoteName> parseName(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
  if (letter < 'A' || letter > 'G') return std::nullopt;
  NoteName name{kLetterPitchClass[static_cast<std::size_t>(letter - 'A')], std::nullopt, {}};
  const std::string_view written = text;
  text.remove_prefix(1);
  for (bool more = true; more;) {
    more = false;
    for (const auto& [sign, step] :
         {std::pair<std::string_view, int>{"#", 1}, {"♯", 1}, {"b", -1}, {"♭", -1}}) {
      if (text.starts_with(sign)) {
        name.pitchClassOffset += step;
        text.remove_prefix(sign.size());
        more = true;
      }
    }
  }
  name.fifths = fifthsOfName(written.substr(0, written.size() - text.size()));
  if (text.empty()) return name;
  name.octave = parseInteger(text);
  if (!name.octave) return std::nullopt;
  return name;
}

// The note a token names, given the note before it for names without an octave.
std::optional<int> noteOf(const NoteName& name, std::optional<int> previous) {
  if (name.octave) return (*name.octave + 1) * 12 + name.pitchClassOffset;
  if (!previous) return (kDefaultOctave + 1) * 12 + name.pitchClassOffset;
  const int pitchClass = ((name.pitchClassOffset % 12) + 12) % 12;
  const int above = *previous + 1;
  return above + (((pitchClass - above) % 12) + 12) % 12;
}

std::string quoted(std::string_view token) {
  std::string text(1, '"');
  text += token;
  text += '"';
  return text;
}

}  // namespace

ParsedChord parseChord(std::string_view text) {
  ParsedChord chord;
  std::optional<int> previous;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t start = text.find_first_not_of(kSeparators, at);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(text.find_first_of(kSeparators, start), text.size());
    const std::string_view token = text.substr(start, end - start);
    at = end;

    std::optional<int> note = parseInteger(token);
    std::optional<int> spelling;
    if (!note) {
      const std::optional<NoteName> name = parseName(token);
      if (!name) {
        chord.error = "unknown note " + quoted(token) + " (write C4, Eb4, F#3 or a number 0..127)";
        return chord;
      }
      note = noteOf(*name, previous);
      spelling = name->fifths;
    }
    if (*note < 0 || *note > kHighestNote) {
      chord.error = "note " + quoted(token) + " is outside the MIDI notes 0..127";
      return chord;
    }
    chord.pitches.push_back(*note);
    chord.spellings.push_back(spelling);
    previous = note;
  }
  if (std::set<int>(chord.pitches.begin(), chord.pitches.end()).size() < 2) {
    chord.error = "a chord needs at least two different notes";
  }
  return chord;
}

}  // namespace tonalis::theory
