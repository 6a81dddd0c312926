// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/help_menu.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "tonalis/version.h"

namespace tonalis {

namespace {

QAction* addShortcut(QWidget& window, const QKeySequence& keys) {
  auto* action = new QAction(&window);
  action->setShortcut(keys);
  window.addAction(action);
  return action;
}

}  // namespace

QString shortcutsText() {
  return QStringLiteral(
      "<h3>Keys</h3><table cellspacing='4'>"
      "<tr><td><b>F1</b></td><td>this list</td></tr>"
      "<tr><td><b>Ctrl+P</b></td><td>print the chart (while Print is enabled)</td></tr>"
      "<tr><td><b>Ctrl+Shift+P</b></td><td>print the chart, choosing printer, copies and "
      "paper</td></tr>"
      "<tr><td><b>Ctrl+E</b></td><td>export the chart as PDF, SVG or PNG</td></tr>"
      "<tr><td><b>Ctrl+L</b></td><td>enter a chord symbol</td></tr>"
      "<tr><td><b>Ctrl+H</b></td><td>the history of chords played</td></tr>"
      "<tr><td><b>Ctrl+Q</b>, <b>Ctrl+W</b></td><td>close the window and end the program</td></tr>"
      "<tr><td><b>Esc</b></td><td>close a dialog or this list</td></tr>"
      "<tr><td><b>F10</b>, <b>Alt+D</b></td><td>open the menus, the Devices menu</td></tr>"
      "</table>"
      "<h3>The computer keyboard as a piano</h3>"
      "<p>The keys play by their place, whatever the layout (QWERTY, QWERTZ, AZERTY, Dvorak). "
      "Named here as on a US keyboard:</p><pre>"
      "row above:     S   D       G   H   J       L   ;\n"
      "               C&#9839;  D&#9839;      F&#9839;  G&#9839;  A&#9839;      C&#9839;  "
      "D&#9839;\n"
      "bottom row:  Z   X   C   V   B   N   M   ,   .   /\n"
      "             C   D   E   F   G   A   B   C   D   E</pre>"
      "<h3>Without a mouse</h3><table cellspacing='4'>"
      "<tr><td><b>Tab</b>, <b>Shift+Tab</b></td><td>Clear, Show Chords, Determine Root, Print, "
      "the volume dial, the keyboard</td></tr>"
      "<tr><td><b>Left</b>, <b>Right</b></td><td>the next key on the keyboard; the volume on "
      "the dial</td></tr>"
      "<tr><td><b>Space</b></td><td>play and select the focused key; press the focused "
      "button</td></tr>"
      "</table><p>Screen readers name the keys C4 to B5, the chart pictures by their chord and "
      "the dial by its value.</p>");
}

HelpMenu::HelpMenu(QMainWindow& window, QPushButton& print) : QObject(&window), m_window(window) {
  m_menu = window.menuBar()->addMenu(QStringLiteral("&Help"));
  m_menu->setObjectName(QStringLiteral("mnuHelp"));
  QAction* shortcuts = m_menu->addAction(QStringLiteral("&Keyboard Shortcuts"));
  shortcuts->setShortcut(QKeySequence::HelpContents);
  connect(shortcuts, &QAction::triggered, this, &HelpMenu::showShortcuts);
  m_menu->addSeparator();
  connect(m_menu->addAction(QStringLiteral("&About Tonalis")), &QAction::triggered, this,
          &HelpMenu::showAbout);
  connect(m_menu->addAction(QStringLiteral("About &Qt")), &QAction::triggered, qApp,
          &QApplication::aboutQt);
  window.menuBar()->installEventFilter(this);

  // Closing the window ends the program; these keys close it as its close button does.
  // Named outright: not every desktop's key scheme binds the standard Quit and Close to them.
  for (const QKeySequence& keys :
       {QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
    connect(addShortcut(window, keys), &QAction::triggered, &window, &QWidget::close);
  }
  // A disabled button ignores click(), so the key prints only while "Print" is enabled.
  connect(addShortcut(window, QKeySequence::Print), &QAction::triggered, &print,
          &QPushButton::click);
}

bool HelpMenu::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ActionAdded) {
    QMenuBar* bar = m_window.menuBar();
    const QList<QAction*> actions = bar->actions();
    if (!actions.isEmpty() && actions.last() != m_menu->menuAction()) {
      bar->removeAction(m_menu->menuAction());
      bar->addAction(m_menu->menuAction());
    }
  }
  return QObject::eventFilter(watched, event);
}

void HelpMenu::showShortcuts() {
  if (m_shortcuts) {
    m_shortcuts->raise();
    m_shortcuts->activateWindow();
    return;
  }
  // A dialog of its own: Esc closes it, and it can stay open beside the window.
  auto* dialog = new QDialog(&m_window);
  dialog->setObjectName(QStringLiteral("shortcutsWindow"));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(QStringLiteral("Keyboard Shortcuts"));
  auto* layout = new QVBoxLayout(dialog);
  auto* text = new QLabel(shortcutsText(), dialog);
  text->setTextFormat(Qt::RichText);
  layout->addWidget(text);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
  connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  layout->addWidget(buttons);
  m_shortcuts = dialog;
  dialog->show();
}

void HelpMenu::showAbout() {
  QString details = QStringLiteral("Qt %1").arg(QString::fromLatin1(qVersion()));
  const QString sound = m_soundDetails ? m_soundDetails() : QString();
  if (!sound.isEmpty()) {
    details += QStringLiteral("<br>") +
               sound.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
  }
  auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("About Tonalis"),
                              QStringLiteral("<h3>Tonalis %1</h3>"
                                             "<p>Generates and reconstructs chords.</p>"
                                             "<p>Licence: GPL-3.0-or-later</p><p>%2</p>")
                                  .arg(QString::fromLatin1(version::text), details),
                              QMessageBox::Close, &m_window);
  box->setObjectName(QStringLiteral("aboutWindow"));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

}  // namespace tonalis
