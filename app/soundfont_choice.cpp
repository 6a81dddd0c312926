#include "app/soundfont_choice.h"

#include <QByteArray>
#include <QFile>
#include <QSettings>
#include <QString>

namespace tonalis {

midi::SoundFontSearch chosenSoundFontSearch() {
  midi::SoundFontSearch search;
  const QByteArray variable = qgetenv(kSoundFontVariable);
  if (!variable.isEmpty()) search.emplace_back(variable.toStdString());
  // Named explicitly: this runs before the application object that would carry the names.
  const QSettings settings(QStringLiteral("Tonalis"), QStringLiteral("Tonalis"));
  const QString setting = settings.value(QLatin1String(kSoundFontSetting)).toString();
  if (!setting.isEmpty()) search.emplace_back(QFile::encodeName(setting).toStdString());
  for (std::filesystem::path& place : midi::defaultSoundFontSearch()) {
    search.push_back(std::move(place));
  }
  return search;
}

}  // namespace tonalis
