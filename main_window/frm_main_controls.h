// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the main window, built from the layout tables. Elements of the control arrays
// are stored at their element index.
#pragma once

#include <array>
#include <map>
#include <vector>

class QAction;
class QActionGroup;
class QLabel;
class QMainWindow;
class QMenu;
class QProgressBar;
class QPushButton;
class QWidget;

namespace tonalis {

class Announcer;
class ChartMarkers;
class Dial;
class KeyboardWidget;
class PressableLabel;
class ScaledClient;

struct FrmMainControls {
  ScaledClient* client = nullptr;  // the central widget, holding everything below
  QPushButton* cmdDetChord = nullptr;
  QPushButton* cmdBuildChord = nullptr;
  QPushButton* cmdPrint = nullptr;
  QPushButton* cmdClear = nullptr;
  QLabel* lblChordName = nullptr;
  QLabel* lblNotes = nullptr;
  QLabel* lblChordSymbol = nullptr;
  QLabel* lblChordReading = nullptr;
  Announcer* announcer = nullptr;  // speaks results to screen readers
  Dial* dial1 = nullptr;
  QProgressBar* pgbVolume = nullptr;
  std::array<QLabel*, 2> lblVol{};
  KeyboardWidget* keyboard = nullptr;  // lblKey(1..24) and shpKeyPress(1..24)

  QWidget* picChordDisplay = nullptr;
  QLabel* lblChord = nullptr;
  std::array<QLabel*, 30> lblChordDisplay{};    // chart slot 0..29
  std::map<int, PressableLabel*> imgChordDisp;  // picture 100 * column + row
  ChartMarkers* shpChordDisp = nullptr;

  QMenu* mnuDevice = nullptr;
  QActionGroup* deviceGroup = nullptr;  // the entries are radio items: one device is in use
  // Only with a MIDI input: "None" and the input ports, one of them checked.
  QMenu* mnuInput = nullptr;
  QActionGroup* inputGroup = nullptr;
  std::vector<QAction*> input;
  std::vector<QAction*> device;  // entry 0 is the MIDI mapper
  // After "Devices" and "Input": how the readout names chords, the key and the style.
  QMenu* mnuChord = nullptr;
  QActionGroup* chordKeys = nullptr;
  QActionGroup* chordStyles = nullptr;
};

// Creates every control of `window` at its designed place, with its texts, fonts and colours,
// in its designed front-to-back order.
FrmMainControls buildControls(QMainWindow& window);

}  // namespace tonalis
