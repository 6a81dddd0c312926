// SPDX-License-Identifier: GPL-3.0-or-later
// The "Help" menu, always last on the menu bar, and the keys every desktop program answers to:
// F1 lists the keys, Ctrl+Q and Ctrl+W close the window (which ends the program, as closing it
// does), Ctrl+P prints while "Print" is enabled. Esc closes the windows the menu opens.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QMainWindow;
class QMenu;
class QPushButton;
class QWidget;

namespace tonalis {

class HelpMenu : public QObject {
  Q_OBJECT

 public:
  HelpMenu(QMainWindow& window, QPushButton& print);

  // What "About Tonalis" says of the sound: the FluidSynth and the soundfont in use. Asked each
  // time the window opens.
  void setSoundDetails(std::function<QString()> details) { m_soundDetails = std::move(details); }

 protected:
  // Menus added after this one (the "Input" menu, say) go before it.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showShortcuts();
  void showAbout();

  QMainWindow& m_window;
  QMenu* m_menu = nullptr;
  QPointer<QWidget> m_shortcuts;
  std::function<QString()> m_soundDetails;
};

// The text of the "Keyboard Shortcuts" window.
QString shortcutsText();

}  // namespace tonalis
