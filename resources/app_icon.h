// The program's icon, a two-octave keyboard with a chord selected, in 32 x 32 and 16 x 16.
#pragma once

#include <QIcon>

namespace tonalis {

// Safe to call before or after QApplication exists, but pixmaps need a QGuiApplication.
QIcon appIcon();

}  // namespace tonalis
