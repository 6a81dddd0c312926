// SPDX-License-Identifier: GPL-3.0-or-later
// Names of the 24 keyboard keys, sharps only.
#pragma once

#include <string_view>

namespace tonalis::theory {

// Name of key index 1..24: "C", "C#", ... "B", then the same twelve again.
std::string_view noteName(int key);

}  // namespace tonalis::theory
