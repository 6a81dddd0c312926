// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon, a piano keyboard with a chord marked, at every size it carries.
#pragma once

#include <QIcon>

namespace tonalis {

// Safe to call before or after QApplication exists, but pixmaps need a QGuiApplication.
QIcon appIcon();

}  // namespace tonalis
