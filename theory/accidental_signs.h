// SPDX-License-Identifier: GPL-3.0-or-later
// The program writes sharps and flats as "#" and "b" where its design fonts show them so; speech
// needs the signs: a voice reads "#" as "hash" but "♯" as "sharp" and "♭" as "flat".
#pragma once

#include <string>
#include <string_view>

namespace tonalis::theory {

// `text` with every "#" written "♯" and every "b" that follows a note letter or an opening
// parenthesis written "♭": "C#/Db" gives "C♯/D♭", "Cm7(b5)" gives "Cm7(♭5)". Other letters stay.
std::string withAccidentalSigns(std::string_view text);

}  // namespace tonalis::theory
