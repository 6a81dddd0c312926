#include "app/chord_choice.h"

#include <QSettings>
#include <QString>

#include "theory/musical_key.h"

namespace tonalis {

namespace {
constexpr const char* kKeySetting = "chordKey";
constexpr const char* kStyleSetting = "chordStyle";
constexpr const char* kLeadSheet = "lead-sheet";

QSettings userSettings() {
  return QSettings(QStringLiteral("Tonalis"), QStringLiteral("Tonalis"));
}
}  // namespace

frmMain::ChordChoice rememberedChordChoice() {
  const QSettings settings = userSettings();
  theory::ReadingOptions remembered;
  // An unknown or empty entry leaves the analysis style and no key.
  remembered.key =
      theory::parseKey(settings.value(QLatin1String(kKeySetting)).toString().toStdString());
  if (settings.value(QLatin1String(kStyleSetting)).toString() == QLatin1String(kLeadSheet)) {
    remembered.style = theory::ReadingStyle::LeadSheet;
  }
  return {remembered, [](const theory::ReadingOptions& options) {
            QSettings kept = userSettings();
            kept.setValue(
                QLatin1String(kKeySetting),
                options.key ? QString::fromStdString(theory::keyName(*options.key)) : QString());
            kept.setValue(QLatin1String(kStyleSetting),
                          options.style == theory::ReadingStyle::LeadSheet
                              ? QLatin1String(kLeadSheet)
                              : QLatin1String("analysis"));
          }};
}

}  // namespace tonalis
