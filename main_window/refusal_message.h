// SPDX-License-Identifier: GPL-3.0-or-later
// What "Show Chords" and "Determine Root" say when they refuse a selection: their own short
// message, then a plain line on what to do about it.
#pragma once

#include <QString>
#include <string_view>

namespace tonalis {

// `refusal` is one of the music logic's refusals (theory/chart_root.h, theory/identification.h);
// another text is shown as it is.
QString refusalMessage(std::string_view refusal);

}  // namespace tonalis
