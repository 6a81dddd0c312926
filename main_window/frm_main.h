// The main window: the keyboard, the chord chart, the result labels, the volume dial and the
// "Devices" menu. The class only wires events to its handlers, which live in separate files:
// construction (frm_main.cpp), load step, keyboard and selection, commands, MIDI.
#pragma once

#include <QMainWindow>
#include <chrono>
#include <map>
#include <vector>

#include "main_window/computer_keys.h"
#include "main_window/frm_main_controls.h"
#include "main_window/message_box.h"
#include "main_window/page_printer.h"
#include "main_window/window_state.h"
#include "midi/midi_output.h"
#include "theory/selection.h"

class QLabel;
class QTimer;

namespace tonalis {

class frmMain : public QMainWindow {
  Q_OBJECT

 public:
  frmMain(midi::MidiOutput& output, MessageBox& messages, PagePrinter& printer,
          QWidget* parent = nullptr);
  ~frmMain() override;

  // The load step: tables, markers, Clear, the "Devices" menu and the MIDI mapper, the volume.
  void load();

  // For tests and tools.
  const WindowState& state() const { return m_state; }
  bool chartMarkerVisible(int markerIndex) const;
  int visibleChartMarkerCount() const;
  // How long a computer key's release waits for the platform's repeat press of the same key.
  void setKeyRepeatWindow(std::chrono::milliseconds window);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void connectControls();

  // Load step (frm_main_load.cpp).
  void buildTables();
  void prepareKeyMarkers();
  void createChartMarkers();

  // Keyboard and selection (frm_main_keyboard.cpp).
  void lblKey_MouseDown(int key);
  void lblKey_MouseUp(int key);
  void lblKey_Click(int key);
  void moveKeyFocus(int key, int step);
  void playComputerKeys(const std::vector<ComputerKeys::Action>& actions);
  void setSelection(const theory::Selection& selection);

  // Commands (frm_main_commands.cpp).
  void cmdClear_Click();
  void cmdBuildChord_Click();
  void cmdDetChord_Click();
  void setChartCaption(int slot, const QString& caption);
  void nameChartPictures(int rootKey);

  // Print (frm_main_print.cpp).
  void cmdPrint_Click();
  QImage chartPage();
  void offerPdf(const QImage& page, const QString& reason);

  // MIDI output, sounding and volume (frm_main_midi.cpp).
  void fillDeviceMenu();
  void device_Click(int entry);
  void noteOn(int key);
  void noteOff(int key);
  void imgChordDisp_MouseDown(int picture);
  void imgChordDisp_MouseUp(int picture);
  std::vector<int> chartNotes(int picture) const;
  void send(std::uint32_t message);
  void silenceAll();
  void closeOutput();
  void Dial1_Change();

  midi::MidiOutput& m_output;
  MessageBox& m_messages;
  PagePrinter& m_printer;
  WindowState m_state;
  FrmMainControls m_ui;
  theory::Selection m_selection;
  ComputerKeys m_computerKeys;
  QTimer* m_keyRepeatTimer = nullptr;  // settles the computer-key releases held back
  // The chart keys each sounding picture started, so that its note-offs match its note-ons even
  // if the chart changed while it was held.
  std::map<int, std::vector<int>> m_soundingChords;
  bool m_outputClosed = true;  // nothing is open before the load step
};

}  // namespace tonalis
