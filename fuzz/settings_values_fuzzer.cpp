// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user settings file as anything may have left it: the program reads its soundfont
// and every other entry from it, whatever the file holds.
#include <stdlib.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "app/soundfont_choice.h"
#include "main_window/user_settings.h"

namespace {

std::unique_ptr<QTemporaryDir> g_home;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  g_home = std::make_unique<QTemporaryDir>();
  setenv("XDG_CONFIG_HOME", QFile::encodeName(g_home->path()).constData(), 1);
  unsetenv(tonalis::kSoundFontVariable);
  QDir().mkpath(g_home->filePath(QStringLiteral("Tonalis")));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  {
    QFile file(g_home->filePath(QStringLiteral("Tonalis/Tonalis.conf")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  const tonalis::midi::SoundFontSearch search = tonalis::chosenSoundFontSearch();
  if (search.empty()) std::abort();  // the usual places are always searched
  const tonalis::UserSettings settings;
  const int volume = settings.volume();
  if (volume < 0 || volume > 127) std::abort();
  (void)settings.outputDevice();
  (void)settings.input();
  (void)settings.chordKey();
  (void)settings.chordStyle();
  (void)settings.windowPlace();
  return 0;
}
