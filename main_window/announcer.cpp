// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/announcer.h"

#include <QAccessibleWidget>
#include <QTimer>
#include <mutex>

namespace tonalis {

namespace {

// Longer than the gaps between the keys of a rolled chord or of keys picked one after another,
// short enough to follow the last of them as an answer.
constexpr std::chrono::milliseconds kSettleTime{700};
// A command that redraws the chart changes the names of dozens of controls at once. Orca drops
// a notification that reaches it behind more than 50 waiting events, so a result is shown once
// it has worked through them.
constexpr std::chrono::milliseconds kAfterBurst{400};

class AnnouncerAccessible : public QAccessibleWidget {
 public:
  explicit AnnouncerAccessible(Announcer* announcer)
      : QAccessibleWidget(announcer, QAccessible::Notification) {}

  QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Name) return static_cast<Announcer*>(widget())->message();
    return {};
  }
};

QAccessibleInterface* announcerFactory(const QString&, QObject* object) {
  auto* announcer = qobject_cast<Announcer*>(object);
  return announcer != nullptr ? new AnnouncerAccessible(announcer) : nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* parent)
    : QWidget(parent), m_settleTimer(new QTimer(this)), m_showTimer(new QTimer(this)) {
  installAnnouncerAccessibility();
  setObjectName(QStringLiteral("announcer"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  // Nothing is drawn; the smallest size keeps it a shown object for assistive technology.
  setGeometry(0, 0, 1, 1);
  hide();
  m_settleTimer->setSingleShot(true);
  m_settleTimer->setInterval(kSettleTime);
  connect(m_settleTimer, &QTimer::timeout, this, &Announcer::settle);
  m_showTimer->setSingleShot(true);
  m_showTimer->setInterval(kAfterBurst);
  connect(m_showTimer, &QTimer::timeout, this, &Announcer::showMessage);
}

void Announcer::say(const QString& message) {
  m_settleTimer->stop();
  m_settled = m_settling;
  m_pending = message;
  m_showTimer->start();
}

// Shown again even when it was showing: the screen reader speaks at the showing.
void Announcer::showMessage() {
  m_message = m_pending;
  hide();
  QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&nameChanged);
  show();
}

void Announcer::sayWhenSettled(const QString& reading) {
  m_settling = reading;
  m_settleTimer->start();
}

void Announcer::setDelays(std::chrono::milliseconds settle, std::chrono::milliseconds afterBurst) {
  m_settleTimer->setInterval(settle);
  m_showTimer->setInterval(afterBurst);
}

void Announcer::settle() {
  if (m_settling == m_settled) return;
  m_settled = m_settling;
  if (m_settled.isEmpty()) return;
  // Keys picked one at a time change few names: the reading needs no wait behind them.
  m_pending = m_settled;
  showMessage();
}

void installAnnouncerAccessibility() {
  static std::once_flag once;
  std::call_once(once, [] { QAccessible::installFactory(&announcerFactory); });
}

}  // namespace tonalis
