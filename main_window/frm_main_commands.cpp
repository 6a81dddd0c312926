// The commands: Clear, "Show Chords" and "Determine Root". The music is decided in theory/;
// these handlers apply the outcome to the window.
#include <QLabel>
#include <QPushButton>

#include "main_window/chart_area.h"
#include "main_window/chart_markers.h"
#include "main_window/frm_main.h"
#include "main_window/pressable_label.h"
#include "main_window/refusal_message.h"
#include "theory/chart_root.h"
#include "theory/chord_chart.h"
#include "theory/identification.h"

namespace tonalis {

namespace {

QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void setText(QLabel* label, const std::optional<std::string>& text) {
  if (text) label->setText(toQString(*text));
}

}  // namespace

void frmMain::cmdClear_Click() {
  m_ui.cmdPrint->setEnabled(false);
  setSelection({});
  m_ui.shpChordDisp->hideAll();
  nameChartPictures(0);
  for (QLabel* label : {m_ui.lblChord, m_ui.lblChordSymbol, m_ui.lblNotes, m_ui.lblChordName}) {
    label->clear();
  }
}

void frmMain::cmdBuildChord_Click() {
  // A refused chart must not leave the old chord's markers behind.
  m_ui.shpChordDisp->hideAll();
  nameChartPictures(0);
  const theory::ChartRoot root = theory::chooseChartRoot(m_selection);
  if (root.refusal) {
    m_messages.show(refusalMessage(*root.refusal));
    return;
  }
  m_ui.cmdPrint->setEnabled(true);
  setSelection(root.selection);
  setChartRoot(*m_ui.lblChord, toQString(theory::rootName(root.rootKey)));
  for (int slot = 0; slot < theory::kChartSlotCount; ++slot) {
    setChartCaption(slot, QString::fromStdString(theory::chartCaption(slot, root.rootKey)));
    const int column = theory::chartColumn(slot);
    const int row = theory::chartRow(slot);
    for (const int chartKey : theory::chartKeys(slot, root.rootKey)) {
      m_ui.shpChordDisp->setMarkerVisible(theory::markerIndex(column, row, chartKey), true);
    }
  }
  nameChartPictures(root.rootKey);
}

void frmMain::setChartCaption(int slot, const QString& caption) {
  QLabel* label = m_ui.lblChordDisplay[static_cast<std::size_t>(slot)];
  label->setText(caption);
  label->setAccessibleName(caption);
}

// Screen readers name each picture by the chord it shows ("C M7: C E G B"); a picture showing no
// chord (root key 0) by its plain design name.
void frmMain::nameChartPictures(int rootKey) {
  for (int slot = 0; slot < theory::kChartSlotCount; ++slot) {
    const int picture = theory::pictureIndex(theory::chartColumn(slot), theory::chartRow(slot));
    m_ui.imgChordDisp.at(picture)->setAccessibleName(
        rootKey == 0 ? designCaption(slot)
                     : QString::fromStdString(theory::chartPictureName(slot, rootKey)));
  }
}

void frmMain::cmdDetChord_Click() {
  const theory::Identification result = theory::identifyChord(m_selection);
  setText(m_ui.lblNotes, result.notes);
  setText(m_ui.lblChordSymbol, result.symbol);
  setText(m_ui.lblChordName, result.name);
  setSelection(result.selection);
  if (result.message) m_messages.show(refusalMessage(*result.message));
}

}  // namespace tonalis
