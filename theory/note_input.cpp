// SPDX-License-Identifier: GPL-3.0-or-later
#include "note_input.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <set>

#include "chord_intervals.h"
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
  name.pitchClassOffset += takeAccidentals(text);
  name.fifths = fifthsOfName(written.substr(0, written.size() - text.size()));
  if (text.empty()) return name;
  name.octave = parseInteger(text);
  if (!name.octave) return std::nullopt;
  return name;
}

// The note a token names, given the note before it for names without an octave. An octave far
// outside the MIDI notes (C2147483647) gives a note just outside them, not an int overflow.
std::optional<int> noteOf(const NoteName& name, std::optional<int> previous) {
  if (name.octave) {
    const long long note = (static_cast<long long>(*name.octave) + 1) * 12 + name.pitchClassOffset;
    return static_cast<int>(std::clamp<long long>(note, -1, kHighestNote + 1));
  }
  if (!previous) return (kDefaultOctave + 1) * 12 + name.pitchClassOffset;
  const int pitchClass = pitchClassOf(name.pitchClassOffset);
  const int above = *previous + 1;
  return above + intervalAbove(pitchClass, above);
}

// At most this many bytes of a bad token are echoed; a note is a few characters.
constexpr std::size_t kEchoedBytes = 32;

// Whether `text` starts with a UTF-8 sequence of a character that is not a control character,
// and how long the sequence is.
std::size_t printableCharacterLength(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  if (byte(0) >= 0x20 && byte(0) < 0x7F) return 1;
  const std::size_t length = byte(0) >= 0xF0 && byte(0) < 0xF5   ? 4
                             : byte(0) >= 0xE0 && byte(0) < 0xF0 ? 3
                             : byte(0) >= 0xC2 && byte(0) < 0xE0 ? 2
                                                                 : 0;
  if (length == 0 || text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
  }
  // U+0080..U+009F are control characters too; overlong and surrogate forms are not text.
  if (length == 2 && byte(0) == 0xC2 && byte(1) < 0xA0) return 0;
  if (length == 3 && byte(0) == 0xE0 && byte(1) < 0xA0) return 0;
  if (length == 3 && byte(0) == 0xED && byte(1) >= 0xA0) return 0;
  if (length == 4 && byte(0) == 0xF0 && byte(1) < 0x90) return 0;
  if (length == 4 && byte(0) == 0xF4 && byte(1) >= 0x90) return 0;
  return length;
}

}  // namespace

std::string echoedToken(std::string_view token) {
  std::string text(1, '"');
  std::size_t at = 0;
  while (at < token.size() && at < kEchoedBytes) {
    const std::size_t length = printableCharacterLength(token.substr(at));
    if (length > 0) {
      text += token.substr(at, length);
      at += length;
    } else {
      constexpr std::string_view kHex = "0123456789abcdef";
      const auto byte = static_cast<unsigned char>(token[at++]);
      text += "\\x";
      text += kHex[byte >> 4];
      text += kHex[byte & 0xF];
    }
  }
  if (at < token.size()) text += "...";
  text += '"';
  return text;
}

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
        chord.error =
            "unknown note " + echoedToken(token) + " (write C4, Eb4, F#3 or a number 0..127)";
        return chord;
      }
      note = noteOf(*name, previous);
      spelling = name->fifths;
    }
    if (*note < 0 || *note > kHighestNote) {
      chord.error = "note " + echoedToken(token) + " is outside the MIDI notes 0..127";
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
