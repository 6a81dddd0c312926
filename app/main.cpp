// Tonalis: opens the main window on the system's MIDI output.
#include <QApplication>
#include <QScreen>
#include <QStyle>

#include "main_window/frm_main.h"
#include "main_window/qt_message_box.h"
#include "midi/system_midi_output.h"
#include "resources/app_icon.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tonalis"));
  QApplication::setWindowIcon(tonalis::appIcon());

  // Declared before the window, so that it outlives the window that closes it.
  tonalis::midi::SystemMidiOutput output;
  tonalis::QtMessageBox messages;
  tonalis::frmMain window(output, messages);
  messages.setParent(&window);
  window.load();
  window.show();
  window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                         window.screen()->availableGeometry()));
  return QApplication::exec();
}
