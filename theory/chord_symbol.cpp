// SPDX-License-Identifier: GPL-3.0-or-later
#include "chord_symbol.h"

#include <algorithm>
#include <array>
#include <utility>

#include "keyboard.h"
#include "line_of_fifths.h"
#include "note_input.h"
#include "note_speller.h"
#include "pitch_spelling.h"

namespace tonalis::theory {

namespace {

constexpr std::size_t kNearestCount = 3;

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
}

// The one spelling of a chord type's symbol that interchangeable spellings share.
std::string canonical(std::string_view quality) {
  std::string text;
  for (std::size_t i = 0; i < quality.size(); ++i) {
    const std::string_view rest = quality.substr(i);
    if (rest.starts_with("Δ")) {
      // "Δ" is the major seventh; a number after it names the top of the chord ("Δ9").
      const std::string_view after = rest.substr(std::string_view("Δ").size());
      const bool numbered = !after.empty() && after.front() >= '0' && after.front() <= '9';
      text += numbered ? "maj" : "maj7";
      i += std::string_view("Δ").size() - 1;
    } else if (quality[i] != '(' && quality[i] != ')' && quality[i] != ',') {
      text += quality[i];
    }
  }
  replaceAll(text, "#", "♯");
  replaceAll(text, "b", "♭");
  replaceAll(text, "Maj", "maj");
  if (text.starts_with("min")) {
    text.replace(0, 3, "m");
  } else if (text.starts_with("-")) {
    text.replace(0, 1, "m");
  }
  return text;
}

// Every symbol and alias of the dictionary in its canonical spelling, with its type.
const std::vector<std::pair<std::string, const ChordType*>>& knownQualities() {
  static const std::vector<std::pair<std::string, const ChordType*>> known = [] {
    std::vector<std::pair<std::string, const ChordType*>> all;
    for (const ChordType& type : chordTypes) {
      all.emplace_back(canonical(type.symbol), &type);
      for (const std::string_view alias : type.aliases) all.emplace_back(canonical(alias), &type);
    }
    return all;
  }();
  return known;
}

const ChordType* typeOf(std::string_view quality) {
  const std::string wanted = canonical(quality);
  for (const auto& [spelling, type] : knownQualities()) {
    if (spelling == wanted) return type;
  }
  return nullptr;
}

// Edit distance between two texts, counted in bytes.
std::size_t distance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

// The chord types whose spellings come nearest `quality`, nearest first, each once.
std::vector<const ChordType*> nearestTypes(std::string_view quality) {
  const std::string wanted = canonical(quality);
  std::vector<std::pair<std::size_t, const ChordType*>> ranked;
  for (const auto& [spelling, type] : knownQualities()) {
    const std::size_t far = distance(wanted, spelling);
    const auto same = std::find_if(ranked.begin(), ranked.end(),
                                   [type](const auto& entry) { return entry.second == type; });
    if (same == ranked.end()) {
      ranked.emplace_back(far, type);
    } else {
      same->first = std::min(same->first, far);
    }
  }
  // Stable: among equally near types the more common, earlier in the dictionary, comes first.
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<const ChordType*> nearest;
  for (std::size_t i = 0; i < ranked.size() && i < kNearestCount; ++i) {
    nearest.push_back(ranked[i].second);
  }
  return nearest;
}

// A root or bass note at the start of `text`: its letter and accidentals, taken off `text`.
std::optional<int> takeNote(std::string_view& text, bool allAccidentals) {
  if (text.empty()) return std::nullopt;
  std::size_t length = 1;
  if (allAccidentals) {
    std::string_view rest = text.substr(1);
    takeAccidentals(rest);
    length = text.size() - rest.size();
  }
  const std::optional<int> note = fifthsOfName(text.substr(0, length));
  if (note) text.remove_prefix(length);
  return note;
}

int pitchClassAbove(int pitchClass, int bass) {
  return ((pitchClass - bass) % kOctave + kOctave) % kOctave;
}

// The name of a chord note: by its place above the root, else the name nearest the root's on
// the line of fifths.
int spellingOf(const ChordSymbol& chord, int pitchClass) {
  if (const auto spelled = spellingAboveRoot(*chord.type, chord.root, pitchClass)) return *spelled;
  const int step = pitchClassAbove(pitchClass * 7, chord.root);  // fifths above the root, mod 12
  return chord.root + (step > 6 ? step - kOctave : step);
}

}  // namespace

SymbolReading readChordSymbol(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
    text.remove_suffix(1);
  }
  SymbolReading result;
  std::string_view afterRoot = text;
  if (!takeNote(afterRoot, false)) {
    result.error = "unknown chord symbol " + echoedToken(text) +
                   ": a chord symbol starts with its root, a letter A to G";
    return result;
  }
  // The root takes as many sharps and flats as leave a known chord: "C♯5" is the power chord
  // on C♯ before the augmented C, "Cb5" the power chord on C♭.
  const std::size_t accidentalsEnd = [&] {
    std::string_view rest = afterRoot;
    takeAccidentals(rest);
    return text.size() - rest.size();
  }();
  for (std::size_t rootLength = accidentalsEnd; rootLength >= 1; --rootLength) {
    std::string_view rootText = text.substr(0, rootLength);
    std::string_view rest = text.substr(rootLength);
    const std::optional<int> root = fifthsOfName(rootText);
    if (!root) continue;
    if (const ChordType* type = typeOf(rest)) {
      result.chord = ChordSymbol{*root, type, std::nullopt};
      return result;
    }
    const std::size_t slash = rest.rfind('/');
    if (slash == std::string_view::npos) continue;
    std::string_view bassText = rest.substr(slash + 1);
    const std::optional<int> bass = takeNote(bassText, true);
    const ChordType* type = typeOf(rest.substr(0, slash));
    if (type && bass && bassText.empty()) {
      result.chord = ChordSymbol{*root, type,
                                 pitchClassOfFifths(*bass) == pitchClassOfFifths(*root)
                                     ? std::nullopt
                                     : std::optional<int>(*bass)};
      return result;
    }
  }
  // Nothing read: the nearest symbols on the root as written, over the bass if one was read.
  const int root = *fifthsOfName(text.substr(0, accidentalsEnd));
  std::string_view quality = text.substr(accidentalsEnd);
  std::optional<int> bass;
  if (const std::size_t slash = quality.rfind('/'); slash != std::string_view::npos) {
    std::string_view bassText = quality.substr(slash + 1);
    bass = takeNote(bassText, true);
    if (bass && bassText.empty()) {
      quality = quality.substr(0, slash);
      if (typeOf(quality)) {
        result.error = "unknown bass note in " + echoedToken(text);
        return result;
      }
    } else {
      bass.reset();
    }
  }
  result.error = "unknown chord symbol " + echoedToken(text);
  for (const ChordType* type : nearestTypes(quality)) {
    result.nearest.push_back(symbolText({root, type, bass}));
  }
  return result;
}

std::string symbolText(const ChordSymbol& chord, Accidentals accidentals) {
  std::string text = nameOfFifths(chord.root) + std::string(chord.type->symbol);
  if (chord.bass) text += "/" + nameOfFifths(*chord.bass);
  return accidentals == Accidentals::Plain ? plainText(text) : text;
}

std::vector<VoicedNote> voicing(const ChordSymbol& chord) {
  const int bassFifths = chord.bass.value_or(chord.root);
  const int bass = pitchClassOfFifths(bassFifths);
  std::vector<VoicedNote> notes{{bass + 1, bassFifths}};
  const int root = pitchClassOfFifths(chord.root);
  for (const int interval : chord.type->intervals) {
    const int pitchClass = (root + interval) % kOctave;
    const int key = bass + 1 + pitchClassAbove(pitchClass, bass);
    const bool taken = std::any_of(notes.begin(), notes.end(), [key](const VoicedNote& note) {
      return (note.key - 1) % kOctave == (key - 1) % kOctave;
    });
    if (taken) continue;
    notes.push_back({key, spellingOf(chord, pitchClass)});
  }
  std::sort(notes.begin(), notes.end(),
            [](const VoicedNote& a, const VoicedNote& b) { return a.key < b.key; });
  return notes;
}

std::string nameWithOctave(int fifths, int midiNote) {
  const int accidentals = (fifths + 1 + 7 * 100) / 7 - 100;  // floor of (fifths + 1) / 7
  const int octave = (midiNote - accidentals + kOctave * 10) / kOctave - 11;
  return nameOfFifths(fifths) + std::to_string(octave);
}

std::string refusalText(const SymbolReading& reading, Accidentals accidentals) {
  std::string text = reading.error;
  for (std::size_t i = 0; i < reading.nearest.size(); ++i) {
    text += i == 0 ? "; nearest known: " : ", ";
    text += reading.nearest[i];
  }
  return accidentals == Accidentals::Plain ? plainText(text) : text;
}

}  // namespace tonalis::theory
