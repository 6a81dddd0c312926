// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/soundfont_choice.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include "main_window/user_settings.h"

namespace tonalis {

midi::SoundFontSearch chosenSoundFontSearch() {
  midi::SoundFontSearch search;
  const QByteArray variable = qgetenv(kSoundFontVariable);
  if (!variable.isEmpty()) search.emplace_back(variable.toStdString());
  const QString setting = UserSettings().soundFont();
  if (!setting.isEmpty()) search.emplace_back(QFile::encodeName(setting).toStdString());
  for (std::filesystem::path& place : midi::defaultSoundFontSearch()) {
    search.push_back(std::move(place));
  }
  return search;
}

}  // namespace tonalis
