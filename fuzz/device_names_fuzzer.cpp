// SPDX-License-Identifier: GPL-3.0-or-later
// Device names as a MIDI system gives them, any bytes at all: the menu entry shows every
// character of a short name, none of them as a mnemonic or a tab, and the tooltip, read as a
// tooltip reads it (rich text when it might be), shows the name literally.
#include <stdlib.h>

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeySequence>
#include <QTextDocument>
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "main_window/device_entry_text.h"

namespace {

// Never destroyed: Qt's own statics may be gone by the time the fuzzer's exit runs ours.
QGuiApplication* g_application = nullptr;

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  g_application = new QGuiApplication(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString name =
      QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const QFontMetrics metrics{QFont()};
  const QString entry = tonalis::deviceEntryText(name, metrics);
  check(!entry.contains(u'\t'));
  check(QKeySequence::mnemonic(entry).isEmpty());

  const QString toolTip = tonalis::deviceToolTip(name);
  QTextDocument shown;
  if (Qt::mightBeRichText(toolTip)) {
    shown.setHtml(toolTip);
  } else {
    shown.setPlainText(toolTip);
  }
  // A document keeps no control characters and writes line breaks and non-breaking spaces its
  // own way, as any text shown on screen does; every other character must show as it is.
  const bool plainCharacters = std::none_of(name.begin(), name.end(), [](QChar character) {
    return character.category() == QChar::Other_Control ||
           character.category() == QChar::Separator_Line ||
           character.category() == QChar::Separator_Paragraph || character == u'\u00A0';
  });
  if (plainCharacters) check(shown.toPlainText() == name);
  return 0;
}
