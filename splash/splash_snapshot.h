// SPDX-License-Identifier: GPL-3.0-or-later
// What the splash looked like when it was last shown, kept between starts. Loading the four
// font faces of its labels takes longer than everything else before its first paint, so the
// next start shows this picture first and builds the labels right after it is on screen.
#pragma once

#include <QPixmap>
#include <QString>

namespace tonalis {

class SplashSnapshot {
 public:
  // The picture lives in `file`, tagged with `key`: a picture taken under another key (another
  // version of the program, of Qt, or another screen scale) is never shown. `shipped`, when
  // given, is the picture made with the program, shown while `file` holds none for this key.
  SplashSnapshot(QString file, QString key, QString shipped = {});

  // The picture taken under this key; null when there is none or it cannot be read.
  QPixmap load() const;
  // Replaces the stored picture as a whole: a start that reads it meanwhile sees the old one.
  // The shipped picture is never written. Returns false when it could not be written.
  bool save(const QPixmap& picture) const;

 private:
  QPixmap loadFrom(const QString& file) const;

  QString m_file;
  QString m_key;
  QString m_shipped;
};

// The key for this program on the primary screen: what decides how the splash is laid out in
// pixels. Fonts changed since are caught by comparing the labels with the picture.
QString splashSnapshotKey();

// Where the picture is kept: the user's cache folder for the program.
QString splashSnapshotFile();

}  // namespace tonalis
