// SPDX-License-Identifier: GPL-3.0-or-later
// The version line of the splash window, made from the program's version numbers.
#pragma once

#include <QString>

namespace tonalis {

// "Version " and the three numbers joined by ".", each padded with zeros to at least four
// digits; longer numbers keep all their digits: (2013, 729, 841) gives "Version 2013.0729.0841".
QString versionText(int major, int minor, int revision);

}  // namespace tonalis
