// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/port_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <string_view>

#include "main_window/device_entry_text.h"
#include "main_window/placement.h"
#include "midi/result_meaning.h"

namespace tonalis {

void keepEntries(std::vector<QAction*>& entries, int count, QMenu& menu, QActionGroup& group,
                 const char* name, const std::function<void(int)>& clicked) {
  for (int entry = static_cast<int>(entries.size()); entry < count; ++entry) {
    QAction* action = menu.addAction(QString());
    action->setObjectName(elementName(name, entry));
    action->setCheckable(true);
    action->setActionGroup(&group);
    QObject::connect(action, &QAction::triggered, action, [clicked, entry] { clicked(entry); });
    entries.push_back(action);
  }
  while (static_cast<int>(entries.size()) > count) {
    delete entries.back();
    entries.pop_back();
  }
}

void showPortEntry(QAction& entry, const QString& name, const QMenu& menu) {
  entry.setText(deviceEntryText(name, menu.fontMetrics()));
  entry.setToolTip(deviceToolTip(name));
  entry.setData(name);
}

QString withMeaning(QString message, int code) {
  const std::string_view meaning = midi::resultMeaning(code);
  // A text of its own, not a view into a longer one: its data ends where it does.
  if (!meaning.empty()) {
    message +=
        QStringLiteral("\n\n") + QCoreApplication::translate("ResultMeaning", meaning.data());
  }
  return message;
}

}  // namespace tonalis
