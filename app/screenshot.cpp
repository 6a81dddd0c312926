// Renders the main window offscreen with the chart of C shown and saves it as a PNG file:
//   QT_QPA_PLATFORM=offscreen tonalis-screenshot docs/window.png [KEY...]
// Key 1 and "Show Chords" are clicked through the window's own event handling, then each KEY
// (key index 1..24) in turn, so that the chord readout names what they select.
#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <cstdio>

#include "main_window/frm_main.h"
#include "main_window/qt_page_printer.h"
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

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUT.png [KEY...]\n", argv[0]);
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tonalis"));

  tonalis::midi::SilentMidiOutput output;
  StderrMessages messages;
  tonalis::QtPagePrinter printer;
  tonalis::frmMain window(output, messages, printer);
  window.load();
  window.show();
  QApplication::processEvents();

  leftClick(window.findChild<QWidget*>(QStringLiteral("lblKey(1)")));
  leftClick(window.findChild<QPushButton*>(QStringLiteral("cmdBuildChord")));
  for (int i = 2; i < argc; ++i) {
    auto* key = window.findChild<QWidget*>(
        QStringLiteral("lblKey(%1)").arg(QString::fromLocal8Bit(argv[i])));
    if (key == nullptr) {
      std::fprintf(stderr, "no key %s\n", argv[i]);
      return 2;
    }
    leftClick(key);
  }
  QApplication::processEvents();

  if (!window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
