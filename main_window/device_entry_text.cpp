// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/device_entry_text.h"

#include <QFontMetrics>
#include <QTextDocument>

namespace tonalis {

QString deviceEntryText(const QString& name, const QFontMetrics& metrics, int maxWidth) {
  // Control characters, a tab among them, have no glyph; a menu would cut the text at a tab.
  QString shown = name;
  for (QChar& character : shown) {
    if (character.category() == QChar::Other_Control) character = u' ';
  }
  shown = metrics.elidedText(shown, Qt::ElideMiddle, maxWidth);
  return shown.replace(u'&', QStringLiteral("&&"));
}

QString deviceToolTip(const QString& name) {
  if (!Qt::mightBeRichText(name)) return name;
  return QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(name.toHtmlEscaped());
}

}  // namespace tonalis
