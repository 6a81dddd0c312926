// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/chord_symbol_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "theory/line_of_fifths.h"

namespace tonalis {

ChordSymbolDialog::ChordSymbolDialog(std::function<void(const theory::ChordSymbol&)> enter,
                                     QWidget* parent)
    : QDialog(parent), m_enter(std::move(enter)) {
  setObjectName(QStringLiteral("dlgChordSymbol"));
  setWindowTitle(tr("Enter Chord Symbol"));
  auto* layout = new QVBoxLayout(this);
  auto* prompt = new QLabel(tr("Chord &symbol, such as Cmaj7, F#m7b5, Bb7/D or C6/9:"), this);
  layout->addWidget(prompt);
  m_symbol = new QLineEdit(this);
  m_symbol->setObjectName(QStringLiteral("txtChordSymbol"));
  prompt->setBuddy(m_symbol);
  layout->addWidget(m_symbol);
  m_answer = new QLabel(this);
  m_answer->setObjectName(QStringLiteral("lblChordSymbolAnswer"));
  m_answer->setWordWrap(true);
  m_answer->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(m_answer);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* select = buttons->addButton(tr("&Select Keys"), QDialogButtonBox::ActionRole);
  select->setObjectName(QStringLiteral("cmdSelectSymbol"));
  select->setDefault(true);
  connect(select, &QPushButton::clicked, this, &ChordSymbolDialog::enterTyped);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void ChordSymbolDialog::enterTyped() {
  const theory::SymbolReading reading = theory::readChordSymbol(m_symbol->text().toStdString());
  if (!reading.chord) {
    m_answer->setText(
        QString::fromStdString(theory::refusalText(reading, theory::Accidentals::Modern)));
    m_symbol->selectAll();
    return;
  }
  QStringList notes;
  for (const theory::VoicedNote& note : theory::voicing(*reading.chord)) {
    notes << QString::fromStdString(theory::nameOfFifths(note.fifths));
  }
  m_answer->setText(QStringLiteral("%1: %2").arg(
      QString::fromStdString(theory::symbolText(*reading.chord)), notes.join(QLatin1Char(' '))));
  m_symbol->selectAll();
  m_enter(*reading.chord);
}

}  // namespace tonalis
