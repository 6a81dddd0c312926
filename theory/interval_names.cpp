// SPDX-License-Identifier: GPL-3.0-or-later
#include "interval_names.h"

#include <array>
#include <string_view>

namespace tonalis::theory {

namespace {

// Index: semitones 0..24.
constexpr std::array<std::string_view, 25> kIntervalNames{"unison",
                                                          "minor second",
                                                          "major second",
                                                          "minor third",
                                                          "major third",
                                                          "perfect fourth",
                                                          "tritone",
                                                          "perfect fifth",
                                                          "minor sixth",
                                                          "major sixth",
                                                          "minor seventh",
                                                          "major seventh",
                                                          "octave",
                                                          "minor ninth",
                                                          "major ninth",
                                                          "minor tenth",
                                                          "major tenth",
                                                          "perfect eleventh",
                                                          "augmented eleventh",
                                                          "perfect twelfth",
                                                          "minor thirteenth",
                                                          "major thirteenth",
                                                          "minor fourteenth",
                                                          "major fourteenth",
                                                          "two octaves"};

// Index: 0..10 octaves, as many as MIDI notes can span. Only two and more are ever named.
constexpr std::array<std::string_view, 11> kOctaveCounts{
    "", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten"};

std::string octaves(int count) {
  if (count >= static_cast<int>(kOctaveCounts.size())) return std::to_string(count) + " octaves";
  return std::string(kOctaveCounts[static_cast<std::size_t>(count)]) + " octaves";
}

}  // namespace

std::string intervalName(int semitones) {
  if (semitones < 0) semitones = -semitones;
  if (semitones < static_cast<int>(kIntervalNames.size())) {
    return std::string(kIntervalNames[static_cast<std::size_t>(semitones)]);
  }
  const int simple = semitones % 12;
  if (simple == 0) return octaves(semitones / 12);
  return std::string(kIntervalNames[static_cast<std::size_t>(simple)]) + " plus " +
         octaves(semitones / 12);
}

}  // namespace tonalis::theory
