// SPDX-License-Identifier: GPL-3.0-or-later
// How a "Devices" entry shows a device name exactly as the system gives it.
#pragma once

#include <QString>
#include <string_view>

class QFontMetrics;

namespace tonalis {

// The widest a device name is shown in the menu, in pixels; a longer one is elided.
inline constexpr int kDeviceEntryMaxWidth = 400;

// The entry caption for `name`: every character shown as it is ("&" is not a mnemonic, a tab does
// not start a shortcut column), and a name wider than `maxWidth` elided in the middle, so that
// both its client and its port part stay readable. The whole name belongs in the tooltip.
QString deviceEntryText(const QString& name, const QFontMetrics& metrics,
                        int maxWidth = kDeviceEntryMaxWidth);

// The tooltip for `name`, which a tooltip shows literally: a tooltip takes text that looks like
// markup as rich text, so such a name is escaped and marked as rich text, kept on one line.
QString deviceToolTip(const QString& name);

// A name or message of the MIDI library, which speaks UTF-8.
inline QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tonalis
