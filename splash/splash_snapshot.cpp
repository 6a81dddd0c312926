// SPDX-License-Identifier: GPL-3.0-or-later
#include "splash/splash_snapshot.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <utility>

#include "splash/version_text.h"
#include "tonalis/version.h"

namespace tonalis {
namespace {
const QString kKeyTag = QStringLiteral("tonalis-splash");
// The picture's device pixels per window pixel, which the file itself does not keep.
const QString kScaleTag = QStringLiteral("tonalis-scale");
}  // namespace

SplashSnapshot::SplashSnapshot(QString file, QString key, QString shipped)
    : m_file(std::move(file)), m_key(std::move(key)), m_shipped(std::move(shipped)) {}

QPixmap SplashSnapshot::load() const {
  const QPixmap kept = loadFrom(m_file);
  if (!kept.isNull() || m_shipped.isEmpty()) return kept;
  return loadFrom(m_shipped);
}

QPixmap SplashSnapshot::loadFrom(const QString& file) const {
  // Missing, as the user's own picture is while the shipped one matches: a reader would look
  // for the name with a dozen image suffixes added before giving up. Anything but a regular
  // file (a named pipe, a device) could keep the window's thread waiting for ever.
  if (!QFileInfo(file).isFile()) return {};
  QImageReader reader(file, "png");
  // The tag sits before the pixels, so a picture of another key is not decoded.
  if (reader.text(kKeyTag) != m_key) return {};
  const double scale = reader.text(kScaleTag).toDouble();
  const QImage image = reader.read();
  if (image.isNull() || scale <= 0) return {};
  QPixmap picture = QPixmap::fromImage(image);
  picture.setDevicePixelRatio(scale);
  return picture;
}

bool SplashSnapshot::save(const QPixmap& picture) const {
  QImage image = picture.toImage();
  image.setText(kKeyTag, m_key);
  image.setText(kScaleTag, QString::number(picture.devicePixelRatio()));
  if (!QDir().mkpath(QFileInfo(m_file).absolutePath())) return false;
  QSaveFile file(m_file);
  return file.open(QIODevice::WriteOnly) && image.save(&file, "png") && file.commit();
}

QString splashSnapshotKey() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return QStringLiteral("%1; Qt %2; scale %3; %4 dpi")
      .arg(versionText(version::major, version::minor, version::revision),
           QString::fromLatin1(qVersion()),
           QString::number(screen != nullptr ? screen->devicePixelRatio() : 1.0),
           QString::number(screen != nullptr ? screen->logicalDotsPerInchY() : 96.0));
}

QString splashSnapshotFile() {
  return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
         QStringLiteral("/splash.png");
}

}  // namespace tonalis
