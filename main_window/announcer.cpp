#include "main_window/announcer.h"

#include <QAccessibleWidget>
#include <QTimer>
#include <mutex>

namespace tonalis {

namespace {

// Longer than the gaps between the keys of a rolled chord or of keys picked one after another,
// short enough to follow the last of them as an answer.
constexpr std::chrono::milliseconds kSettleTime{700};

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

Announcer::Announcer(QWidget* parent) : QWidget(parent), m_settleTimer(new QTimer(this)) {
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
}

void Announcer::say(const QString& message) {
  m_settleTimer->stop();
  m_settled = m_settling;
  m_message = message;
  // Shown again even when it was showing: the screen reader speaks at the showing.
  hide();
  QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&nameChanged);
  show();
}

void Announcer::sayWhenSettled(const QString& reading) {
  m_settling = reading;
  m_settleTimer->start();
}

void Announcer::setSettleTime(std::chrono::milliseconds time) {
  m_settleTimer->setInterval(time);
}

void Announcer::settle() {
  if (m_settling == m_settled) return;
  const QString reading = m_settling;
  if (!reading.isEmpty()) say(reading);
  m_settled = reading;
}

void installAnnouncerAccessibility() {
  static std::once_flag once;
  std::call_once(once, [] { QAccessible::installFactory(&announcerFactory); });
}

}  // namespace tonalis
