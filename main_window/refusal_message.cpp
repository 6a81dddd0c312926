// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/refusal_message.h"

#include <QCoreApplication>
#include <array>

#include "theory/chart_root.h"
#include "theory/identification.h"

namespace tonalis {

namespace {

struct Refusal {
  std::string_view refusal;
  const char* message;  // the same words, marked for translation
  const char* help;
};

// Context "Refusal" in the translations.
constexpr std::array kRefusals{
    Refusal{theory::kOnlyOneKey, QT_TRANSLATE_NOOP("Refusal", "Only one key may be pressed"),
            QT_TRANSLATE_NOOP("Refusal",
                              "Show Chords draws the chords built on a single key: click the "
                              "other selected keys again to deselect them, or click Clear and "
                              "pick one key.")},
    Refusal{theory::kNeedOneKey, QT_TRANSLATE_NOOP("Refusal", "You must have one key pressed"),
            QT_TRANSLATE_NOOP("Refusal",
                              "Select the root of the chords, one key from the lowest C up to "
                              "the E of the upper octave, then click Show Chords.")},
    Refusal{theory::kCountRefusal, QT_TRANSLATE_NOOP("Refusal", "Only 3 to 5 keys may be pressed"),
            QT_TRANSLATE_NOOP("Refusal",
                              "Determine Root names a chord of three, four or five keys: select "
                              "that many keys, then click Determine Root again.")},
};

}  // namespace

QString refusalMessage(std::string_view refusal) {
  for (const Refusal& row : kRefusals) {
    if (row.refusal == refusal) {
      return QCoreApplication::translate("Refusal", row.message) + QStringLiteral("\n\n") +
             QCoreApplication::translate("Refusal", row.help);
    }
  }
  return QString::fromUtf8(refusal.data(), static_cast<qsizetype>(refusal.size()));
}

}  // namespace tonalis
