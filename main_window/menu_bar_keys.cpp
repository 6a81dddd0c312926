// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/menu_bar_keys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

namespace tonalis {

namespace {

class MenuBarFocus : public QObject {
 public:
  MenuBarFocus(QMainWindow& window, QMenu& first)
      : QObject(&window), m_bar(*window.menuBar()), m_first(first) {
    auto* f10 = new QAction(&window);
    f10->setShortcut(Qt::Key_F10);
    connect(f10, &QAction::triggered, this, &MenuBarFocus::open);
    window.addAction(f10);
    m_bar.installEventFilter(this);
    connect(&m_bar, &QMenuBar::triggered, this, &MenuBarFocus::giveBackLater);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &m_bar && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel)) {
      giveBackLater();
    }
    return false;
  }

 private:
  void open() {
    QWidget* focused = QApplication::focusWidget();
    if (focused != &m_bar) m_previous = focused;
    m_bar.setFocus(Qt::MenuBarFocusReason);
    m_bar.setActiveAction(m_first.menuAction());
  }

  // Once the menu bar has handled the key or the entry.
  void giveBackLater() {
    QTimer::singleShot(0, this, [this] {
      if (m_previous == nullptr || m_bar.activeAction() != nullptr) return;
      if (QApplication::focusWidget() == &m_bar) m_previous->setFocus(Qt::MenuBarFocusReason);
      m_previous = nullptr;
    });
  }

  QMenuBar& m_bar;
  QMenu& m_first;
  QPointer<QWidget> m_previous;  // the control that had the focus before F10
};

}  // namespace

void openMenusWithF10(QMainWindow& window, QMenu& first) {
  new MenuBarFocus(window, first);
}

}  // namespace tonalis
