// SPDX-License-Identifier: GPL-3.0-or-later
// How the chord reader spells note names: roots by the key signature they would have, other
// notes with the accidentals of that key, in modern (♭ ♯) or plain (b #) text.
//
// Roots: a major-type chord takes the major key with fewer accidentals (D♭, E♭, A♭, B♭), F♯ by
// habit over G♭; a minor-type chord takes the minor key with fewer accidentals (C♯m, E♭m, F♯m,
// G♯m, B♭m). Any other note of the reading (the bass) is a black key spelled with the root key's
// accidental: sharps in sharp keys, flats in flat keys; C major takes flats (B♭ before A♯) and
// A minor sharps (G♯ before A♭), the notes these keys reach for first.
#pragma once

#include <string>
#include <string_view>

namespace tonalis::theory {

// The spelled root, pitch class 0..11 (0 = C), for a major-type or minor-type chord.
std::string_view rootSpelling(int pitchClass, bool minorType);

// Another note of a reading, spelled with the accidentals of the key of its chord's root.
std::string_view noteSpelling(int pitchClass, int rootPitchClass, bool minorType);

// `text` with ♭ and ♯ written as b and #, for fonts and terminals without them.
std::string plainText(std::string_view text);

}  // namespace tonalis::theory
