// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/app_icon.h"

#include <QString>

// Q_INIT_RESOURCE must be called outside any namespace: it declares a function of the
// global namespace. A static library's resources are not registered until it runs.
static void registerIconResources() {
  Q_INIT_RESOURCE(tonalis);
}

namespace tonalis {

QIcon appIcon() {
  static const bool registered = (registerIconResources(), true);
  Q_UNUSED(registered);
  QIcon icon;
  // Rendered from the one drawing at build time (resources/CMakeLists.txt); a size in between
  // is scaled down from the next larger one.
  for (const int side : {TONALIS_COMPILED_ICON_SIZES}) {
    icon.addFile(QStringLiteral(":/icons/tonalis-%1.png").arg(side), QSize(side, side));
  }
  return icon;
}

}  // namespace tonalis
