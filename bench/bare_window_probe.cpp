// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for the splash: a bare Qt window with one line of text, started the way the
// program starts, with the same start-up trace. scripts/desktop_bench.sh runs it beside the
// program, so that the program's time to its first paint can be read against what Qt itself
// needs on the same machine at the same moment.
#include <QApplication>
#include <QLabel>
#include <QTimer>

#include "splash/startup_trace.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  tonalis::traceStartupIfAsked();
  QLabel label(QStringLiteral("Tonalis"));
  label.setFont(QFont(QStringLiteral("Liberation Sans"), 24));
  label.show();
  QTimer::singleShot(500, &app, &QApplication::quit);
  return QApplication::exec();
}
