// SPDX-License-Identifier: GPL-3.0-or-later
// A major or minor key: its tonic as written, the notes it holds, how it spells the others.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tonalis::theory {

struct MusicalKey {
  int tonicFifths = 0;  // the tonic's place on the line of fifths (C 0, G 1, B♭ -2)
  bool minor = false;

  int tonic() const;  // pitch class 0..11
  bool operator==(const MusicalKey&) const = default;
};

// "g minor", "B♭ major", "F# Major", "e♭ minor", "A- major": a note name and "major" or "minor"
// (any case); a name alone is major when its letter is a capital, minor when small ("g").
std::optional<MusicalKey> parseKey(std::string_view text);

// "C major", "G minor".
std::string keyName(const MusicalKey& key);

// As analysts write it after "in": capital for major, small for minor ("C", "g").
std::string keyLetterName(const MusicalKey& key);

// The keys a menu offers: the majors, then the minors, each by the circle of fifths from the
// one without accidentals, with the usual enharmonic choice (D♭ major, C♯ minor).
extern const std::array<MusicalKey, 24> commonKeys;

// Whether the key holds `pitchClass`: its major scale, or for a minor key the natural minor
// with the raised sixth and seventh its melodies and dominants use.
bool inScale(const MusicalKey& key, int pitchClass);

// How the key spells a pitch class: the name nearest the key's centre on the line of fifths
// (C major reaches for F♯, C♯, G♯, E♭, B♭; A minor for G♯, D♯, B♭).
int spellingInKey(const MusicalKey& key, int pitchClass);

// How far a spelled note lies from the key's centre on the line of fifths.
int distanceFromKey(const MusicalKey& key, int fifths);

}  // namespace tonalis::theory
