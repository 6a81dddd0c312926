// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/accidental_signs.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

namespace tonalis::theory {
namespace {

TEST(AccidentalSigns, SharpsAndFlatsOnlyWhereTheyAreAccidentals) {
  constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kCases{{
      {"C#4", "C♯4"},
      {"A#/Bb", "A♯/B♭"},
      {"C#m7(b5) / C#O7 / C#min7(b5)", "C♯m7(♭5) / C♯O7 / C♯min7(♭5)"},
      {"7(#9)", "7(♯9)"},
      {"Bb Minor Seventh", "B♭ Minor Seventh"},
      // A "b" inside a word or after a digit is a letter.
      {"Cdim / Cb5 number b", "Cdim / C♭5 number b"},
      {"", ""},
  }};
  for (const auto& [text, signed_] : kCases) EXPECT_EQ(withAccidentalSigns(text), signed_) << text;
}

}  // namespace
}  // namespace tonalis::theory
