// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the main window offscreen with the chart of C shown and saves it as a PNG file:
//   QT_QPA_PLATFORM=offscreen tonalis-screenshot [--dark] docs/window.png [KEY...]
// Key 1 and "Show Chords" are clicked through the window's own event handling, then each KEY
// (key index 1..24) in turn, so that the chord readout names what they select. With --dark the
// window is drawn under a dark desktop palette. With
//   QT_QPA_PLATFORM=offscreen tonalis-screenshot --preferences docs/preferences.png
// it renders Edit > Preferences instead, with Debian's General MIDI soundfont just chosen.
//   QT_QPA_PLATFORM=offscreen tonalis-screenshot --history docs/history.png
// renders the History window after a few chord symbols are entered, and
//   QT_QPA_PLATFORM=offscreen tonalis-screenshot --export docs/chart.svg
// exports the chart of C as "Export Chart…" does, in the format of the name's suffix.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>

#include "main_window/file_chooser.h"
#include "main_window/frm_main.h"
#include "main_window/preferences_dialog.h"
#include "main_window/qt_page_printer.h"
#include "main_window/user_settings.h"
#include "midi/silent_midi_output.h"

namespace {

// No one is there to press OK: messages go to standard error.
class StderrMessages : public tonalis::MessageBox {
 public:
  void show(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
  bool ask(const QString& question) override {
    show(question);
    return false;
  }
};

void leftClick(QWidget* widget) {
  const QPointF centre = QRectF(widget->rect()).center();
  const QPointF global = widget->mapToGlobal(centre);
  QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
}

bool save(QWidget& widget, const char* file) {
  if (widget.grab().save(QString::fromLocal8Bit(file), "PNG")) return true;
  std::fprintf(stderr, "cannot write %s\n", file);
  return false;
}

// Every save goes to the file named on the command line.
class FixedFile : public tonalis::FileChooser {
 public:
  explicit FixedFile(const char* file) : m_file(QString::fromLocal8Bit(file)) {}
  QString chooseSaveFile(const QString&, const QString&, const QString&, QString*) override {
    return m_file;
  }

 private:
  QString m_file;
};

// The history after chord symbols typed in "Enter Chord Symbol…".
int saveHistory(tonalis::frmMain& window, const char* file) {
  FixedFile files(file);
  window.useChordChoice({});
  window.useHistory(files);
  window.load();
  window.findChild<QAction*>(QStringLiteral("mnuEnterChordSymbol"))->trigger();
  for (const char* symbol : {"Dm9", "G13", "Cmaj7/E", "A7b9", "Dm7b5/Ab", "C6/9"}) {
    window.findChild<QLineEdit*>(QStringLiteral("txtChordSymbol"))->setText(QLatin1String(symbol));
    leftClick(window.findChild<QPushButton*>(QStringLiteral("cmdSelectSymbol")));
  }
  window.findChild<QAction*>(QStringLiteral("mnuHistory"))->trigger();
  QApplication::processEvents();
  return save(*window.findChild<QWidget*>(QStringLiteral("frmHistory")), file) ? 0 : 1;
}

// The dialog over a window that keeps its choices in a file of its own, not the user's.
int savePreferences(tonalis::frmMain& window, tonalis::midi::MidiOutput& output, const char* file) {
  const QTemporaryDir folder;
  tonalis::UserSettings settings(folder.filePath(QStringLiteral("Tonalis.conf")));
  window.useChordChoice({});
  window.usePreferences(settings);
  window.load();
  window.findChild<QAction*>(QStringLiteral("mnuPreferences"))->trigger();
  auto* dialog = window.findChild<tonalis::PreferencesDialog*>();
  output.chooseSoundFont("/usr/share/sounds/sf2/default-GM.sf2");
  QApplication::processEvents();
  dialog->adjustSize();
  return save(*dialog, file) ? 0 : 1;
}

// A dark desktop theme's palette, as Fusion's dark variants have it.
QPalette darkPalette() {
  const QColor window(53, 53, 53);
  const QColor text(230, 230, 230);
  QPalette dark(text, window, window.lighter(130), window.darker(150), window.darker(120), text,
                text, QColor(35, 35, 35), window);
  dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
  return dark;
}

}  // namespace

int main(int argc, char* argv[]) {
  const bool dark = argc > 1 && std::strcmp(argv[1], "--dark") == 0;
  const int first = dark ? 2 : 1;  // the output file's argument
  if (argc <= first) {
    std::fprintf(stderr,
                 "usage: %s [--dark] OUT.png [KEY...] | --preferences OUT.png | --history OUT.png"
                 " | --export OUT.svg\n",
                 argv[0]);
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tonalis"));
  if (dark) QApplication::setPalette(darkPalette());

  tonalis::midi::SilentMidiOutput output;
  StderrMessages messages;
  tonalis::QtPagePrinter printer;
  tonalis::frmMain window(output, messages, printer);
  if (argc == 3 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--preferences")) {
    return savePreferences(window, output, argv[2]);
  }
  if (argc == 3 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--history")) {
    return saveHistory(window, argv[2]);
  }
  const bool exportChart =
      argc == 3 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--export");
  FixedFile exported(argv[argc - 1]);
  if (exportChart) window.useChartExport(exported);
  window.load();
  window.show();
  QApplication::processEvents();

  leftClick(window.findChild<QWidget*>(QStringLiteral("lblKey(1)")));
  leftClick(window.findChild<QPushButton*>(QStringLiteral("cmdBuildChord")));
  for (int i = first + 1; i < argc && !exportChart; ++i) {
    auto* key = window.findChild<QWidget*>(
        QStringLiteral("lblKey(%1)").arg(QString::fromLocal8Bit(argv[i])));
    if (key == nullptr) {
      std::fprintf(stderr, "no key %s\n", argv[i]);
      return 2;
    }
    leftClick(key);
  }
  QApplication::processEvents();

  if (exportChart) {
    window.findChild<QAction*>(QStringLiteral("mnuExportChart"))->trigger();
    return 0;
  }
  return save(window, argv[first]) ? 0 : 1;
}
