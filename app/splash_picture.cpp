// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the splash as a start would show it and keeps it as the picture that the program
// shows first at a start with no picture of its own yet:
//   QT_QPA_PLATFORM=offscreen tonalis-splash-picture OUT.png
#include <QApplication>
#include <cstdio>

#include "splash/frm_splash.h"
#include "splash/splash_snapshot.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUT.png\n", argv[0]);
    return 2;
  }
  QApplication app(argc, argv);
  tonalis::frmSplash splash({}, {});
  const tonalis::SplashSnapshot picture(QString::fromLocal8Bit(argv[1]),
                                        tonalis::splashSnapshotKey());
  if (!picture.save(splash.grab())) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
    return 1;
  }
  return 0;
}
