// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts both windows were designed with. Where a face is missing, fontconfig's
// metric-compatible substitutes (the Liberation fonts) take its place.
#pragma once

#include <QFont>

namespace tonalis::fonts {

QFont arial(qreal points);
QFont timesNewRoman(qreal points);
// The chart captions ask for the music variant first and fall back to the plain face.
QFont timesNewRomanMusic(qreal points);

}  // namespace tonalis::fonts
