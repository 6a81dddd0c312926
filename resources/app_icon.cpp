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
  icon.addFile(QStringLiteral(":/icons/tonalis-32.xpm"), QSize(32, 32));
  icon.addFile(QStringLiteral(":/icons/tonalis-16.xpm"), QSize(16, 16));
  return icon;
}

}  // namespace tonalis
