// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the keyboard, the chord chart, the result labels, the volume dial and the
// "Devices" menu. The class only wires events to its handlers, which live in separate files:
// construction (frm_main.cpp), load step, keyboard and selection, commands, devices, sounding.
// The keys are the keyboard widget's; what sounds is the note player's.
#pragma once

#include <QMainWindow>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "main_window/computer_keys.h"
#include "main_window/frm_main_controls.h"
#include "main_window/message_box.h"
#include "main_window/page_printer.h"
#include "main_window/report_queue.h"
#include "main_window/window_state.h"
#include "midi/midi_input.h"
#include "midi/midi_output.h"
#include "player/chord_history.h"
#include "player/session.h"
#include "theory/chord_ranking.h"
#include "theory/chord_symbol.h"

class QAction;
class QLabel;
class QTimer;

namespace tonalis {

class ChordSymbolDialog;
class FileChooser;
class HistoryWindow;
class PreferencesDialog;
class UserSettings;
class HelpMenu;

class frmMain : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int kFullVolume = 127;

  // The MIDI keyboard's port remembered from an earlier run (empty for none), and where each
  // choice of the "Input" menu is kept for the next run.
  struct InputChoice {
    std::string remembered;
    std::function<void(const std::string&)> remember;
  };

  // How the readout names chords: the style and the key, or a key guessed from the notes
  // played on the MIDI keyboard.
  struct ReadoutSettings {
    theory::ReadingOptions options;
    bool automaticKey = false;
  };
  // The settings chosen in an earlier run, and where each choice of the "Chord" menu is kept
  // for the next run.
  struct ChordChoice {
    ReadoutSettings remembered;
    std::function<void(const ReadoutSettings&)> remember;
  };

  frmMain(midi::MidiOutput& output, MessageBox& messages, PagePrinter& printer,
          QWidget* parent = nullptr);
  ~frmMain() override;

  // The load step: tables, markers, Clear, the "Devices" menu and the MIDI mapper, the volume.
  void load();

  // Adds the "Input" menu and plays what comes from `input`, which must outlive the window.
  // Without it the window has no input.
  void useMidiInput(midi::MidiInput& input, InputChoice choice);

  // Adds Edit > Preferences (Ctrl+,) and keeps the output device, the volume and the
  // soundfont chosen in `settings`, which must outlive the window; called before load(), it
  // makes the load step restore the device and the volume. Without it nothing is kept.
  void usePreferences(UserSettings& settings);

  // What the window says when a soundfont does not load.
  static QString soundFontFailureMessage(const QString& file, const QString& reason,
                                         const QString& playing);
  // Adds the "Chord" menu, after the others: the key the readout reads in and its style.
  // Without it the readout reads in the analysis style and no key.
  void useChordChoice(ChordChoice choice);

  // Adds "Enter Chord Symbol…" (Ctrl+L) and "History" (Ctrl+H) to the "Chord" menu, which
  // useChordChoice() made before, and keeps the chords played, read and entered. `files` asks
  // where the history is saved and must outlive the window.
  void useHistory(FileChooser& files);
  // Adds the "Chart" menu: "Export Chart…" (Ctrl+E) saves the chart as SVG, PNG or PDF where
  // `files` says, which must outlive the window; "Print…" (Ctrl+Shift+P) asks for the printer,
  // copies and paper first. And lets the chart's pictures be dragged out as MIDI.
  void useChartExport(FileChooser& files);

  // For tests and tools.
  const WindowState& state() const { return m_state; }
  const NotePlayer& player() const { return m_session.player(); }
  const Session& session() const { return m_session; }
  bool chartMarkerVisible(int markerIndex) const;
  int visibleChartMarkerCount() const;
  // How long a computer key's release waits for the platform's repeat press of the same key.
  void setKeyRepeatWindow(std::chrono::milliseconds window);
  // What "About Tonalis" says of the sound in use.
  void setSoundDetails(std::function<QString()> details);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void connectControls();

  // Load step (frm_main_load.cpp).
  void buildTables();
  void createChartMarkers();

  // Keyboard and selection (frm_main_keyboard.cpp).
  void lblKey_MouseDown(int key);
  void lblKey_MouseUp(int key);
  void lblKey_Click(int key);
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
  void drawChartPage(const std::function<void(QWidget& client)>& draw);
  void offerPdf(const QImage& page, const QString& reason);

  // The "Devices" menu and the output's reports (frm_main_devices.cpp).
  void fillDeviceMenu();
  void mnuDevice_Show();
  void device_Click(int entry);
  void takeMidiEvents();
  void handleMidiEvent(const midi::MidiEvent& event);
  void showDeviceList();
  void outputOpened(int code, const std::string& failureDetail);
  void chosenDeviceLost();
  void waitForOutput(const std::function<bool()>& done);
  QString chosenDevice() const;

  // Sounding through the note player, and volume (frm_main_midi.cpp).
  void imgChordDisp_MouseDown(int picture);
  void imgChordDisp_MouseUp(int picture);
  void showSoundingFlags();
  void silenceAll();
  void closeOutput();
  void Dial1_Change();

  // Preferences and the choices kept for the next start (frm_main_preferences.cpp).
  void showPreferences();
  void showPreferenceValues();
  void chooseDevice(int entry);
  int rememberedDeviceEntry() const;
  int rememberedVolume() const;
  void rememberVolume(int value);
  void soundFontReported(const midi::MidiEvent& event);

  // The "Input" menu and what is played into it (frm_main_input.cpp).
  void takeInputEvents();
  void handleInputEvent(const midi::InputEvent& event);
  void openRememberedInput(const std::vector<std::string>& ports);
  void showInputList(const std::vector<std::string>& ports);
  void checkInputEntry();
  void input_Click(int entry);
  void inputOpened(int code, const std::string& port);
  void playIncoming(const midi::NoteEvent& note);
  void showPlaying();
  void endPlaying();
  void closeInput();

  // The "Chord" menu (frm_main_chord.cpp).
  void chooseReading(const ReadoutSettings& settings);
  void addChordPreferences(PreferencesDialog& dialog);
  void showReading();

  // Chord symbols and the history (frm_main_history.cpp).
  void enterChordSymbol(const theory::ChordSymbol& chord);
  void restoreKeys(const theory::Selection& keys);
  void keepInHistory(const std::vector<int>& notes);
  void keepPlayed(const midi::NoteEvent& note);

  // Export Chart (frm_main_export.cpp).
  void exportChart(FileChooser& files);

  midi::MidiOutput& m_output;
  MessageBox& m_messages;
  PagePrinter& m_printer;
  WindowState m_state;
  FrmMainControls m_ui;
  // What is selected, charted, held and sounding, and the devices chosen.
  Session m_session;
  ComputerKeys m_computerKeys;
  QTimer* m_keyRepeatTimer = nullptr;  // settles the computer-key releases held back
  bool m_outputClosed = true;          // nothing is open before the load step
  // The output answers later; its reports are handled one at a time, in order.
  ReportQueue<midi::MidiEvent> m_outputReports;
  // The names of the devices as the output last listed them; none before its first list.
  std::optional<std::vector<std::string>> m_devices;
  bool m_deviceMenuFilled = false;
  // Opens asked for whose result has not come yet; the cursor shows it meanwhile.
  int m_pendingOpens = 0;

  HelpMenu* m_help = nullptr;

  midi::MidiInput* m_input = nullptr;
  ReportQueue<midi::InputEvent> m_inputReports;
  InputChoice m_inputChoice;
  QTimer* m_heldDisplayTimer = nullptr;
  bool m_inputListed = false;
  // The remembered port opening at start: failing, it says nothing.
  bool m_inputOpenQuietly = false;

  UserSettings* m_settings = nullptr;
  PreferencesDialog* m_preferences = nullptr;  // made when first asked for
  QString m_playingSoundFont;                  // as the output last reported it
  QString m_askedSoundFont;                    // chosen in the preferences, not yet reported on
  QString m_soundFontOutcome;                  // what became of the last one chosen
  ChordChoice m_chordChoice;
  ReadoutSettings m_readout;
  HistoryWindow* m_history = nullptr;  // only with useHistory()
  ChordSymbolDialog* m_symbolDialog = nullptr;
  ChordCapture m_capture;
  QTimer* m_symbolTimer = nullptr;  // ends the sound of an entered symbol
  std::vector<int> m_symbolKeys;    // the keys it sounds
};

}  // namespace tonalis
