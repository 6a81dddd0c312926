// SPDX-License-Identifier: GPL-3.0-or-later
// The program's diagnostics: one line per problem on stderr, prefixed with the program's
// name and the part that reports it. Only for failures; nothing is written when all works.
#pragma once

#include <string_view>

namespace tonalis::midi {

void reportError(std::string_view source, std::string_view message);

}  // namespace tonalis::midi
