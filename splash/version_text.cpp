// SPDX-License-Identifier: GPL-3.0-or-later
#include "splash/version_text.h"

#include <QCoreApplication>

namespace tonalis {

namespace {
constexpr int kMinimumDigits = 4;

QString padded(int number) {
  return QString::number(number).rightJustified(kMinimumDigits, u'0');
}
}  // namespace

QString versionText(int major, int minor, int revision) {
  return QCoreApplication::translate("frmSplash", "Version %1.%2.%3")
      .arg(padded(major), padded(minor), padded(revision));
}

}  // namespace tonalis
