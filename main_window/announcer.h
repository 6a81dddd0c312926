// SPDX-License-Identifier: GPL-3.0-or-later
// Speaks results the user did not move the focus to: what "Determine Root" found, the chart that
// "Show Chords" drew, the chord the readout settles on. A screen reader speaks a notification
// when it is shown, so the announcer is an unpainted widget that assistive technology sees as a
// notification carrying the message, shown anew for each message.
#pragma once

#include <QString>
#include <QWidget>
#include <chrono>

class QTimer;

namespace tonalis {

class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* parent);

  // The message last spoken, empty before the first.
  const QString& message() const { return m_message; }

  // Speaks `message` once the changes the command made have reached the screen reader. A
  // reading still settling is dropped: the result already tells what the keys are.
  void say(const QString& message);

  // Speaks `reading` once it has stood unchanged for the settle time and differs from the last
  // reading that settled, so a chord being played or rolled key by key is spoken once, when it
  // is complete. An empty reading settles silently.
  void sayWhenSettled(const QString& reading);
  // For tests: the settle time and the wait of a result.
  void setDelays(std::chrono::milliseconds settle, std::chrono::milliseconds afterBurst);

 private:
  void settle();
  void showMessage();

  QString m_message;
  QString m_pending;  // the message waiting to be shown
  QTimer* m_settleTimer;
  QTimer* m_showTimer;
  QString m_settling;  // the reading waiting for the timer
  QString m_settled;   // the reading that settled last
};

// Makes every Announcer appear to assistive technology as a notification; safe to call any
// number of times.
void installAnnouncerAccessibility();

}  // namespace tonalis
