// SPDX-License-Identifier: GPL-3.0-or-later
#include "accidental_signs.h"

namespace tonalis::theory {

namespace {

bool takesFlatAfter(char previous) {
  return (previous >= 'A' && previous <= 'G') || previous == '(';
}

}  // namespace

std::string withAccidentalSigns(std::string_view text) {
  std::string signed_;
  signed_.reserve(text.size() + 8);
  char previous = '\0';
  for (const char c : text) {
    if (c == '#') {
      signed_ += "♯";
    } else if (c == 'b' && takesFlatAfter(previous)) {
      signed_ += "♭";
    } else {
      signed_ += c;
    }
    previous = c;
  }
  return signed_;
}

}  // namespace tonalis::theory
