// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/shown_state.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QEvent>
#include <QTimer>
#include <QVariantMap>
#include <QWidget>

namespace tonalis {

namespace {

// Qt keeps its connection to the accessibility bus under this name and gives each accessible
// object this path; a state change sent there comes from the program as Qt's own do.
const QString kAccessibilityBus = QStringLiteral("a11y");
const QString kObjectPathPrefix = QStringLiteral("/org/a11y/atspi/accessible/");

void tellVisible(const QDBusConnection& bus, QWidget& widget) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
  if (accessible == nullptr) return;
  QDBusMessage changed = QDBusMessage::createSignal(
      kObjectPathPrefix + QString::number(QAccessible::uniqueId(accessible)),
      QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"));
  changed << QStringLiteral("visible") << 1 << 0 << QVariant::fromValue(QDBusVariant(0))
          << QVariantMap();
  bus.send(changed);
}

class FirstShowWatcher : public QObject {
 public:
  explicit FirstShowWatcher(QWidget& window) : QObject(&window), m_window(window) {
    window.installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &m_window && event->type() == QEvent::Show) {
      m_window.removeEventFilter(this);
      // After the show has reached the controls.
      QTimer::singleShot(0, this, [this] {
        tellShownControlsVisible();
        deleteLater();
      });
    }
    return false;
  }

 private:
  void tellShownControlsVisible() {
    const QDBusConnection bus(kAccessibilityBus);
    if (!QAccessible::isActive() || !bus.isConnected()) return;
    for (QWidget* widget : m_window.findChildren<QWidget*>()) {
      if (widget->isVisible()) tellVisible(bus, *widget);
    }
  }

  QWidget& m_window;
};

}  // namespace

void announceControlsWhenShown(QWidget& window) {
  new FirstShowWatcher(window);
}

}  // namespace tonalis
