// SPDX-License-Identifier: GPL-3.0-or-later
// The commands: Clear, "Show Chords" and "Determine Root". The music is decided in theory/;
// these handlers apply the outcome to the window.
#include <QLabel>
#include <QPushButton>

#include "main_window/announcer.h"
#include "main_window/chart_area.h"
#include "main_window/chart_markers.h"
#include "main_window/frm_main.h"
#include "main_window/pressable_label.h"
#include "main_window/refusal_message.h"
#include "theory/accidental_signs.h"
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

// The symbols are written with "#" and "b"; a screen reader reads them with the signs.
void setSymbolText(QLabel* label, const std::optional<std::string>& text) {
  if (!text) return;
  label->setText(toQString(*text));
  label->setAccessibleName(QString::fromStdString(theory::withAccidentalSigns(*text)));
}

}  // namespace

void frmMain::cmdClear_Click() {
  m_ui.cmdPrint->setEnabled(false);
  m_session.showChart(0);
  setSelection({});
  m_ui.shpChordDisp->hideAll();
  nameChartPictures(0);
  for (QLabel* label : {m_ui.lblChord, m_ui.lblChordSymbol, m_ui.lblNotes, m_ui.lblChordName}) {
    label->clear();
    label->setAccessibleName({});
  }
}

void frmMain::cmdBuildChord_Click() {
  m_ui.shpChordDisp->hideAll();
  const theory::ChartRoot root = theory::chooseChartRoot(m_session.selection());
  if (root.refusal) {
    // A refused chart must not leave the old chord's markers behind.
    m_session.showChart(0);
    nameChartPictures(0);
    m_messages.show(refusalMessage(*root.refusal));
    return;
  }
  m_ui.cmdPrint->setEnabled(true);
  m_session.showChart(root.rootKey);
  setSelection(root.selection);
  setChartRoot(*m_ui.lblChord, toQString(theory::rootName(root.rootKey)));
  const QString spokenRoot = QString::fromStdString(theory::spokenRootName(root.rootKey));
  m_ui.lblChord->setAccessibleName(spokenRoot);
  for (int slot = 0; slot < theory::kChartSlotCount; ++slot) {
    setChartCaption(slot, QString::fromStdString(theory::chartCaption(slot, root.rootKey)));
    const int column = theory::chartColumn(slot);
    const int row = theory::chartRow(slot);
    for (const int chartKey : theory::chartKeys(slot, root.rootKey)) {
      m_ui.shpChordDisp->setMarkerVisible(theory::markerIndex(column, row, chartKey), true);
    }
  }
  nameChartPictures(root.rootKey);
  m_ui.announcer->say(QStringLiteral("Chords of %1 shown in the chart").arg(spokenRoot));
}

void frmMain::setChartCaption(int slot, const QString& caption) {
  QLabel* label = m_ui.lblChordDisplay[static_cast<std::size_t>(slot)];
  label->setText(caption);
  label->setAccessibleName(caption);
}

// Screen readers name each picture by the chord it shows, in words ("C major seventh: C E G B"),
// its symbol ("C M7") the description; a picture showing no chord (root key 0) by its plain
// design name. Only what changes is told: every change is an event a screen reader works through.
void frmMain::nameChartPictures(int rootKey) {
  for (int slot = 0; slot < theory::kChartSlotCount; ++slot) {
    PressableLabel* picture = m_ui.imgChordDisp.at(
        theory::pictureIndex(theory::chartColumn(slot), theory::chartRow(slot)));
    const QString name = rootKey == 0
                             ? designCaption(slot)
                             : QString::fromStdString(theory::chartPictureName(slot, rootKey));
    const QString symbol = rootKey == 0
                               ? QString()
                               : QString::fromStdString(theory::chartPictureSymbol(slot, rootKey));
    if (picture->accessibleName() != name) picture->setAccessibleName(name);
    if (picture->accessibleDescription() != symbol) picture->setAccessibleDescription(symbol);
  }
}

void frmMain::cmdDetChord_Click() {
  const std::vector<int> asked = notesOfKeys(m_session.selection());
  const theory::Identification result = theory::identifyChord(m_session.selection());
  setText(m_ui.lblNotes, result.notes);
  setSymbolText(m_ui.lblChordSymbol, result.symbol);
  setSymbolText(m_ui.lblChordName, result.name);
  setSelection(result.selection);
  if (result.message) {
    m_messages.show(refusalMessage(*result.message));
  } else {
    // The symbol, then the name when a chord was found ("C, C Major"), else "No root".
    QStringList found{m_ui.lblChordSymbol->accessibleName()};
    if (result.name) found << m_ui.lblChordName->accessibleName();
    m_ui.announcer->say(found.join(QStringLiteral(", ")));
    keepInHistory(asked);
  }
}

}  // namespace tonalis
