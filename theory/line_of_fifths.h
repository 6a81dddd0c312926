// SPDX-License-Identifier: GPL-3.0-or-later
// Spelled notes as places on the line of fifths: C is 0, G 1, F -1, F♯ 6, B♭ -2, E♯ 11. A place
// holds the letter and the accidentals, so two names of one pitch (G♯, A♭) are two places 12 apart.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tonalis::theory {

// The pitch class 0..11 (0 = C) of a place.
int pitchClassOfFifths(int fifths);

// The letter, 0..6 for C D E F G A B.
int letterOfFifths(int fifths);

// The place of `letter` (0..6 for C..B) raised or lowered to sound `pitchClass`, if that takes
// at most two sharps or flats.
std::optional<int> fifthsOfLetter(int letter, int pitchClass);

// "F♯", "B♭", "C𝄪" is written "C♯♯": sharps and flats repeated.
std::string nameOfFifths(int fifths);

// `accidentals` sharps (above 0) or flats (below 0) written as signs: 2 gives "♯♯", -1 "♭".
std::string accidentalSigns(int accidentals);

// Takes the sharps and flats (# ♯ b ♭) at the start of `text` off it, and gives how many sharps
// they make, a flat counting -1.
int takeAccidentals(std::string_view& text);

// The place of a written name: a letter A..G (either case) and any of # ♯ b ♭ - (as a flat);
// nothing when the text is anything else.
std::optional<int> fifthsOfName(std::string_view name);

}  // namespace tonalis::theory
