#include "main_window/shown_state.h"

#include <QAccessible>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace tonalis {

namespace {

class FirstShowWatcher : public QObject {
 public:
  explicit FirstShowWatcher(QWidget& window) : QObject(&window), m_window(window) {
    window.installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &m_window && event->type() == QEvent::Show) {
      m_window.removeEventFilter(this);
      // After the show has reached the children too.
      QTimer::singleShot(0, this, [this] {
        announceShown();
        deleteLater();
      });
    }
    return false;
  }

 private:
  void announceShown() {
    for (QWidget* widget : m_window.findChildren<QWidget*>()) {
      if (!widget->isVisible()) continue;
      QAccessibleEvent shown(widget, QAccessible::ObjectShow);
      QAccessible::updateAccessibility(&shown);
    }
  }

  QWidget& m_window;
};

}  // namespace

void announceControlsWhenShown(QWidget& window) {
  new FirstShowWatcher(window);
}

}  // namespace tonalis
