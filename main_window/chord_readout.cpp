// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/chord_readout.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>

#include "design/design_fonts.h"
#include "main_window/announcer.h"
#include "main_window/layout.h"
#include "main_window/placement.h"
#include "theory/chord_reader.h"
#include "theory/reading_text.h"

namespace tonalis {

namespace {

constexpr qreal kReadoutPoints = 12;
// More readings than this are rare and would only repeat the same notes in rarer words; with
// their numerals fewer fit the strip.
constexpr std::size_t kShownReadings = 5;
constexpr std::size_t kShownReadingsInKey = 3;
constexpr std::string_view kSeparator = " · ";

// ♭ and ♯ where the label's font has them, b and # where it does not.
theory::Accidentals accidentalsFor(const QLabel& label) {
  const QFontMetrics metrics(label.font());
  const bool hasSigns = metrics.inFontUcs4(U'\u266D') && metrics.inFontUcs4(U'\u266F');
  return hasSigns ? theory::Accidentals::Modern : theory::Accidentals::Plain;
}

}  // namespace

QLabel* makeChordReadout(QWidget* client) {
  auto* readout =
      place(new QLabel(client), QStringLiteral("lblChordReading"), layout::kChordReading);
  readout->setFont(fonts::timesNewRoman(kReadoutPoints));
  readout->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  readout->setToolTip(QCoreApplication::translate(
      "tonalis::frmMain", "Names of the chord the selected keys form, the best first"));
  // A screen reader reads the readings it shows, in words; what it is for is its description.
  readout->setAccessibleDescription(
      QCoreApplication::translate("tonalis::frmMain", "Chord reading"));
  return readout;
}

void showChordReading(QLabel& readout, const std::vector<theory::ChordReading>& readings,
                      const theory::ReadingOptions& options, Announcer& announcer, bool guessed) {
  const theory::Accidentals accidentals = accidentalsFor(readout);
  const std::size_t shown = options.key ? kShownReadingsInKey : kShownReadings;
  readout.setText(QString::fromStdString(
      theory::answerText(readings, kSeparator, {accidentals, {}, options.key, guessed}, shown)));
  QStringList names;
  theory::NoteSpeller speller({}, options.key);
  for (std::size_t i = 0; i < readings.size() && i < shown; ++i) {
    names.append(QString::fromStdString(theory::nameOf(readings[i], speller, accidentals)));
  }
  readout.setAccessibleName(names.join(QStringLiteral("; ")));
  announcer.sayWhenSettled(names.value(0));
}

}  // namespace tonalis
