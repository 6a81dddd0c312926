// The load step, run once before the window is first shown.
#include <QColor>

#include "main_window/chart_markers.h"
#include "main_window/dial/dial.h"
#include "main_window/disc.h"
#include "main_window/frm_main.h"
#include "main_window/layout.h"
#include "theory/chord_chart.h"
#include "theory/keyboard.h"
#include "theory/note_names.h"

namespace tonalis {

namespace {
const QColor kMarkerGreen(0, 255, 0);
constexpr std::int16_t kFullVelocity = 127;
constexpr std::int16_t kMiddleC = 60;
}  // namespace

void frmMain::load() {
  buildTables();
  prepareKeyMarkers();
  createChartMarkers();
  cmdClear_Click();
  fillDeviceMenu();
  device_Click(0);
  // The window opens with the mapper's result known, and any failure shown over the splash.
  waitForOutput([this] { return m_pendingOpens == 0; });
  m_state.noteVelocity = kFullVelocity;
  m_state.baseNote = kMiddleC;
  m_ui.dial1->setValue(kFullVelocity);
  Dial1_Change();
}

void frmMain::buildTables() {
  for (int key = 1; key <= theory::kKeyCount; ++key) {
    m_state.noteNames[static_cast<std::size_t>(key)] = QString::fromLatin1(theory::noteName(key));
  }
  for (int chartKey = 1; chartKey <= theory::kChartKeyCount; ++chartKey) {
    auto& xs = m_state.dotX[static_cast<std::size_t>(chartKey)];
    for (int column = 1; column <= theory::kChartColumns; ++column) {
      xs[static_cast<std::size_t>(column)] =
          static_cast<std::int16_t>(layout::dotX(chartKey, column));
    }
    auto& ys = m_state.dotY[static_cast<std::size_t>(chartKey)];
    for (int row = 1; row <= theory::kChartRows; ++row) {
      ys[static_cast<std::size_t>(row)] = static_cast<std::int16_t>(layout::dotY(chartKey, row));
    }
  }
}

void frmMain::prepareKeyMarkers() {
  for (int key = 1; key <= theory::kKeyCount; ++key) {
    m_ui.shpKeyPress[static_cast<std::size_t>(key)]->setColor(kMarkerGreen);
    m_ui.shpKeyPress[static_cast<std::size_t>(key)]->hide();
  }
}

void frmMain::createChartMarkers() {
  m_ui.shpChordDisp->setColor(kMarkerGreen);
  for (int column = 1; column <= theory::kChartColumns; ++column) {
    for (int row = 1; row <= theory::kChartRows; ++row) {
      for (int chartKey = 1; chartKey <= theory::kChartKeyCount; ++chartKey) {
        const auto k = static_cast<std::size_t>(chartKey);
        const layout::TwipRect place{m_state.dotX[k][static_cast<std::size_t>(column)],
                                     m_state.dotY[k][static_cast<std::size_t>(row)],
                                     layout::kMarkerSize, layout::kMarkerSize};
        m_ui.shpChordDisp->create(theory::markerIndex(column, row, chartKey), place);
      }
    }
  }
}

}  // namespace tonalis
