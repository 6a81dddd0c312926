// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program finds the files built with it: beside it in the build tree, in the folders
// of its install once installed.
#pragma once

#include <QString>
#include <QStringList>

namespace tonalis {

// The folders that may hold the printing module, in the order to try them.
QStringList printingModuleFolders();

// The splash's picture made at build time; empty when it is in neither place.
QString shippedSplashPicture();

}  // namespace tonalis
