#include "app/input_choice.h"

#include <QSettings>
#include <QString>

namespace tonalis {

namespace {
constexpr const char* kInputSetting = "input";

QSettings userSettings() {
  return QSettings(QStringLiteral("Tonalis"), QStringLiteral("Tonalis"));
}
}  // namespace

frmMain::InputChoice rememberedInputChoice() {
  return {userSettings().value(QLatin1String(kInputSetting)).toString().toStdString(),
          [](const std::string& port) {
            userSettings().setValue(QLatin1String(kInputSetting), QString::fromStdString(port));
          }};
}

}  // namespace tonalis
