// SPDX-License-Identifier: GPL-3.0-or-later
// The order in which the chord reader lists the names of one set of notes, best first.
//
// Rules, first rule first (a reading that hears a note as foreign to its chord comes after all
// the others, and among those the rules rank its chord):
//   1. complete readings first; then those that leave out notes players routinely leave out
//      (the fifth, the ninth and eleventh of big chords); then those without their third
//      ("G7(no3)"); last the rootless ones ("G7(no root)/B" for B D F). The natural eleventh
//      of a thirteenth chord with a major third is left out by habit and counts as no omission;
//   2. in the "analysis" style, a chord that stacks in thirds before one with an added sixth,
//      second or fourth or a suspension (F A C D with F lowest is "Dm7/F", ii6/5, before "F6");
//      and as analysts hear a suspension or an added note over the bass, never inverted, an
//      inverted sus or add chord ranks with the incomplete readings of rule 1 ("C E F B♭" is
//      "C11" before "Fmaj7sus4/C"). The "lead sheet" style skips this rule and so names "F6"
//      first, by rule 5;
//   3. a reading with its ninth, eleventh or thirteenth in the bass and two or more notes left
//      out comes after the simpler ones;
//   4. fewer omitted notes first;
//   5. the root in the bass, then another note of the chord in the bass (an inversion), then a
//      bass from outside the chord. A chord whose notes could each be its root (the augmented
//      triad, the diminished seventh) has no inversion to speak of: with a key, the root that
//      fits the key comes first (a diminished seventh on the leading note of the tonic, then
//      on that of the dominant, then of another degree; an augmented triad on a note of the
//      scale), without one the bass;
//   6. the more common chord type first (the order of chordTypes);
//   7. the root nearest above the bass first.
#pragma once

#include <optional>
#include <tuple>

#include "chord_types.h"
#include "musical_key.h"

namespace tonalis::theory {

struct ChordReading;

// The two habits of naming: analysts read a sixth chord as an inverted seventh (ii6/5), lead
// sheets write the sixth (F6).
enum class ReadingStyle { Analysis, LeadSheet };

struct ReadingOptions {
  ReadingStyle style = ReadingStyle::Analysis;  // the habit that names most chorale chords right
  std::optional<MusicalKey> key;                // the key the music is in, when known
};

// Smaller first, rule by rule.
using ReadingRank = std::tuple<bool, int, int, int, int, int, long, int>;
ReadingRank rankOf(const ChordReading& reading, const ReadingOptions& options);

// The notes of a reading's type it leaves out and that count against it: all omitted notes
// but an eleventh left out by habit.
PitchClassSet countedOmissions(const ChordReading& reading);

}  // namespace tonalis::theory
