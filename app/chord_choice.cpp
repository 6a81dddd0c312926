#include "app/chord_choice.h"

#include <QSettings>
#include <QString>

#include "theory/musical_key.h"

namespace tonalis {

namespace {
constexpr const char* kKeySetting = "chordKey";
constexpr const char* kStyleSetting = "chordStyle";
constexpr const char* kLeadSheet = "lead-sheet";
constexpr const char* kAutomatic = "automatic";

QSettings userSettings() {
  return QSettings(QStringLiteral("Tonalis"), QStringLiteral("Tonalis"));
}
}  // namespace

frmMain::ChordChoice rememberedChordChoice() {
  const QSettings settings = userSettings();
  frmMain::ReadoutSettings remembered;
  // An unknown or empty entry leaves the analysis style and no key.
  const QString keyEntry = settings.value(QLatin1String(kKeySetting)).toString();
  remembered.automaticKey = keyEntry == QLatin1String(kAutomatic);
  remembered.options.key = theory::parseKey(keyEntry.toStdString());
  if (settings.value(QLatin1String(kStyleSetting)).toString() == QLatin1String(kLeadSheet)) {
    remembered.options.style = theory::ReadingStyle::LeadSheet;
  }
  return {remembered, [](const frmMain::ReadoutSettings& chosen) {
            const std::optional<theory::MusicalKey>& key = chosen.options.key;
            QSettings kept = userSettings();
            kept.setValue(QLatin1String(kKeySetting),
                          chosen.automaticKey ? QLatin1String(kAutomatic)
                          : key               ? QString::fromStdString(theory::keyName(*key))
                                              : QString());
            kept.setValue(QLatin1String(kStyleSetting),
                          chosen.options.style == theory::ReadingStyle::LeadSheet
                              ? QLatin1String(kLeadSheet)
                              : QLatin1String("analysis"));
          }};
}

}  // namespace tonalis
