// SPDX-License-Identifier: GPL-3.0-or-later
// The "Chart" menu: the chart saved as a file to take away; its pictures dragged out as MIDI.
#include <QAction>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "main_window/chart_drag.h"
#include "main_window/chart_export.h"
#include "main_window/file_chooser.h"
#include "main_window/frm_main.h"
#include "main_window/pressable_label.h"
#include "theory/held_keys.h"

namespace tonalis {

void frmMain::useChartExport(FileChooser& files) {
  QMenu* chart = menuBar()->addMenu(tr("C&hart"));
  chart->setObjectName(QStringLiteral("mnuChart"));
  QAction* exportChart = chart->addAction(tr("&Export Chart…"));
  exportChart->setObjectName(QStringLiteral("mnuExportChart"));
  exportChart->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  connect(exportChart, &QAction::triggered, this, [this, &files] { this->exportChart(files); });
  // The Print button prints at once on the default printer; this asks first.
  QAction* print = chart->addAction(tr("&Print…"));
  print->setObjectName(QStringLiteral("mnuPrintChart"));
  print->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
  connect(print, &QAction::triggered, this, [this] {
    if (const auto failure = m_printer.printWithChoices(chartPage())) m_messages.show(*failure);
  });

  // A picture dragged out carries its chord.
  auto* drag = new ChartDrag(
      [this](int picture) {
        std::vector<int> notes;
        for (const int key : m_session.chordKeys(picture)) notes.push_back(theory::noteOfKey(key));
        return notes;
      },
      this);
  for (const auto& [index, picture] : m_ui.imgChordDisp) picture->installEventFilter(drag);
}

void frmMain::exportChart(FileChooser& files) {
  QString filter;
  const QString path = files.chooseSaveFile(tr("Export Chart"), chartExportFilters(),
                                            QStringLiteral("chart.pdf"), &filter);
  if (path.isEmpty()) return;
  const std::optional<ChartExport> how = chartExportFor(path, filter);
  if (!how) {
    m_messages.show(tr("The chart is exported as SVG, PNG or PDF: %1 is none of these.")
                        .arg(QFileInfo(path).fileName()));
    return;
  }
  std::optional<QString> failure;
  drawChartPage([&](QWidget& page) { failure = writeChart(page, *how); });
  if (failure) {
    m_messages.show(tr("The chart could not be exported as %1:\n%2").arg(how->path, *failure));
  }
}

}  // namespace tonalis
