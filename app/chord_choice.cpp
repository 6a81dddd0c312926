// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/chord_choice.h"

#include <QString>

#include "main_window/user_settings.h"
#include "theory/musical_key.h"

namespace tonalis {

namespace {
constexpr const char* kLeadSheet = "lead-sheet";
constexpr const char* kAutomatic = "automatic";
}  // namespace

frmMain::ChordChoice rememberedChordChoice() {
  const UserSettings settings;
  frmMain::ReadoutSettings remembered;
  // An unknown or empty entry leaves the analysis style and no key.
  const QString keyEntry = settings.chordKey();
  remembered.automaticKey = keyEntry == QLatin1String(kAutomatic);
  remembered.options.key = theory::parseKey(keyEntry.toStdString());
  if (settings.chordStyle() == QLatin1String(kLeadSheet)) {
    remembered.options.style = theory::ReadingStyle::LeadSheet;
  }
  return {remembered, [](const frmMain::ReadoutSettings& chosen) {
            const std::optional<theory::MusicalKey>& key = chosen.options.key;
            UserSettings kept;
            kept.setChordKey(chosen.automaticKey ? QLatin1String(kAutomatic)
                             : key               ? QString::fromStdString(theory::keyName(*key))
                                                 : QString());
            kept.setChordStyle(chosen.options.style == theory::ReadingStyle::LeadSheet
                                   ? QLatin1String(kLeadSheet)
                                   : QLatin1String("analysis"));
          }};
}

}  // namespace tonalis
