// SPDX-License-Identifier: GPL-3.0-or-later
// The load step, run once before the window is first shown.
#include "main_window/chart_markers.h"
#include "main_window/dial/dial.h"
#include "main_window/disc.h"
#include "main_window/frm_main.h"
#include "main_window/keyboard_widget.h"
#include "main_window/layout.h"
#include "theory/chord_chart.h"
#include "theory/keyboard.h"
#include "theory/note_names.h"

namespace tonalis {

namespace {
constexpr int kMiddleC = 60;
}  // namespace

void frmMain::load() {
  buildTables();
  m_ui.keyboard->prepareMarkers();
  createChartMarkers();
  cmdClear_Click();
  fillDeviceMenu();
  // The device of the last run when it is still there, else the mapper.
  const int remembered = rememberedDeviceEntry();
  device_Click(remembered);
  // The window opens with the result known, and any failure shown over the splash.
  waitForOutput([this] { return m_pendingOpens == 0; });
  if (remembered != 0 && m_state.midiRc != midi::kOk) {
    device_Click(0);
    waitForOutput([this] { return m_pendingOpens == 0; });
  }
  m_session.player().setVelocity(kFullVolume);
  m_session.player().setBaseNote(kMiddleC);
  m_ui.dial1->setValue(rememberedVolume());
  Dial1_Change();
}

void frmMain::buildTables() {
  for (int key = 1; key <= theory::kKeyCount; ++key) {
    m_state.noteNames[static_cast<std::size_t>(key)] = QString::fromLatin1(theory::noteName(key));
  }
}

void frmMain::createChartMarkers() {
  m_ui.shpChordDisp->setColor(kMarkerGreen);
  for (int column = 1; column <= theory::kChartColumns; ++column) {
    for (int row = 1; row <= theory::kChartRows; ++row) {
      for (int chartKey = 1; chartKey <= theory::kChartKeyCount; ++chartKey) {
        const int index = theory::markerIndex(column, row, chartKey);
        m_ui.shpChordDisp->create(index, layout::markerRect(index));
      }
    }
  }
}

}  // namespace tonalis
