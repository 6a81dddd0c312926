// SPDX-License-Identifier: GPL-3.0-or-later
// A loaded main window with a recording MIDI output, message box and printer, and the lookups the
// window tests share. Everything is driven through real mouse and key events.
#pragma once

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <initializer_list>
#include <string>
#include <vector>

#include "main_window/frm_main.h"
#include "main_window/placement.h"
#include "main_window/pressable_label.h"
#include "support/recording_message_box.h"
#include "support/recording_midi_output.h"
#include "support/recording_page_printer.h"
#include "theory/chord_chart.h"

namespace tonalis::testing {

// The sounding flags as the tags of keys and pictures show them.
inline const QString kSounding = QString::fromLatin1(kSoundingFlag);
inline const QString kReleased = QString::fromLatin1(kReleasedFlag);

struct WindowHarness {
  explicit WindowHarness(std::vector<std::string> deviceNames = {},
                         std::initializer_list<std::pair<std::string, int>> openResults = {})
      : output(std::move(deviceNames)), window(output, messages, printer) {
    for (const auto& [device, code] : openResults) output.setOpenResult(device, code);
  }

  // Loads and shows the window, then forgets what the load step sent.
  void start() {
    window.load();
    window.show();
    output.forget();
    messages.forget();
  }

  // Chooses a "Devices" entry and lets the window handle what the output reports about it.
  void choose(int entry) {
    device(entry)->trigger();
    settle();
  }
  // Delivers the output's reports to the window; each round also delivers what the reports
  // of the round before led to (a lost device opens "MIDI Mapper", which reports again).
  static void settle() {
    for (int round = 0; round < 4; ++round) QCoreApplication::sendPostedEvents();
  }

  template <typename Widget = QWidget>
  Widget* find(const QString& name) const {
    auto* widget = window.findChild<Widget*>(name);
    if (widget == nullptr) qFatal("no control %s", qPrintable(name));
    return widget;
  }
  PressableLabel* key(int k) const { return find<PressableLabel>(elementName("lblKey", k)); }
  PressableLabel* picture(int p) const {
    return find<PressableLabel>(elementName("imgChordDisp", p));
  }
  QLabel* label(const QString& name) const { return find<QLabel>(name); }
  QPushButton* button(const QString& name) const { return find<QPushButton>(name); }
  QAction* device(int entry) const {
    return window.findChild<QAction*>(elementName("device", entry));
  }

  bool selected(int k) const { return !find(elementName("shpKeyPress", k))->isHidden(); }
  std::vector<int> selectedKeys() const {
    std::vector<int> keys;
    for (int k = 1; k <= 24; ++k) {
      if (selected(k)) keys.push_back(k);
    }
    return keys;
  }
  // Chart keys marked on picture p, ascending.
  std::vector<int> markedKeys(int p) const {
    const auto [column, row] = theory::picturePlace(p);
    std::vector<int> keys;
    for (int k = 1; k <= 17; ++k) {
      if (window.chartMarkerVisible(theory::markerIndex(column, row, k))) keys.push_back(k);
    }
    return keys;
  }

  void clickKey(int k) { QTest::mouseClick(key(k), Qt::LeftButton); }
  void select(std::initializer_list<int> keys) {
    for (const int k : keys) clickKey(k);
  }
  void click(const char* buttonName) { QTest::mouseClick(button(buttonName), Qt::LeftButton); }

  RecordingMidiOutput output;
  RecordingMessageBox messages;
  RecordingPagePrinter printer;
  frmMain window;
};

}  // namespace tonalis::testing
