// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tonalis {
namespace {

// The program's own folder, then the install's folder `installed`, named relative to it.
QStringList programFolders(const char* installed) {
  const QString here = QCoreApplication::applicationDirPath();
  return {here, QDir(here).filePath(QString::fromUtf8(installed))};
}

}  // namespace

QStringList printingModuleFolders() {
  return programFolders(TONALIS_INSTALLED_MODULE_FOLDER);
}

QString shippedSplashPicture() {
  for (const QString& folder : programFolders(TONALIS_INSTALLED_DATA_FOLDER)) {
    const QString file = QDir(folder).filePath(QStringLiteral(TONALIS_SPLASH_PICTURE));
    if (QFileInfo::exists(file)) return file;
  }
  return {};
}

}  // namespace tonalis
