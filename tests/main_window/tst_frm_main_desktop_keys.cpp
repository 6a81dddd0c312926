// SPDX-License-Identifier: GPL-3.0-or-later
// The keys a desktop user expects: the computer keyboard plays by key position on any layout,
// the Help menu comes last, F1 lists the keys, Ctrl+P prints, Ctrl+Q and Ctrl+W close.
#include <QDialog>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>

#include "support/recording_midi_input.h"
#include "support/window_harness.h"

using namespace tonalis;
using namespace tonalis::testing;

namespace {

// X11 keycodes of the keys that play positions 1..17: the bottom letter row and the row above.
const QList<quint32> kScanCodes{52, 39, 53, 40, 54, 55, 42, 56, 43, 57, 44, 58, 59, 46, 60, 47, 61};

void sendKey(QWidget& window, QEvent::Type type, int qtKey, quint32 scanCode) {
  QKeyEvent event(type, qtKey, Qt::NoModifier, scanCode, 0, 0);
  QApplication::sendEvent(&window, &event);
}

void activate(QWidget& window) {
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
}

}  // namespace

class TstFrmMainDesktopKeys : public QObject {
  Q_OBJECT

 private slots:
  void keysPlayByPosition_data() {
    QTest::addColumn<QList<int>>("characters");  // what each key writes on the layout
    QTest::addColumn<bool>("withScanCodes");
    using Q = Qt::Key;
    QTest::newRow("QWERTY") << QList<int>{Q::Key_Z,     Q::Key_S, Q::Key_X,      Q::Key_D,
                                          Q::Key_C,     Q::Key_V, Q::Key_G,      Q::Key_B,
                                          Q::Key_H,     Q::Key_N, Q::Key_J,      Q::Key_M,
                                          Q::Key_Comma, Q::Key_L, Q::Key_Period, Q::Key_Semicolon,
                                          Q::Key_Slash}
                            << true;
    QTest::newRow("QWERTZ") << QList<int>{Q::Key_Y,     Q::Key_S, Q::Key_X,      Q::Key_D,
                                          Q::Key_C,     Q::Key_V, Q::Key_G,      Q::Key_B,
                                          Q::Key_H,     Q::Key_N, Q::Key_J,      Q::Key_M,
                                          Q::Key_Comma, Q::Key_L, Q::Key_Period, Q::Key_Odiaeresis,
                                          Q::Key_Minus}
                            << true;
    QTest::newRow("AZERTY") << QList<int>{Q::Key_W,         Q::Key_S, Q::Key_X,     Q::Key_D,
                                          Q::Key_C,         Q::Key_V, Q::Key_G,     Q::Key_B,
                                          Q::Key_H,         Q::Key_N, Q::Key_J,     Q::Key_Comma,
                                          Q::Key_Semicolon, Q::Key_L, Q::Key_Colon, Q::Key_M,
                                          Q::Key_Exclam}
                            << true;
    QTest::newRow("Dvorak") << QList<int>{Q::Key_Semicolon, Q::Key_O, Q::Key_Q, Q::Key_E, Q::Key_J,
                                          Q::Key_K,         Q::Key_I, Q::Key_X, Q::Key_D, Q::Key_B,
                                          Q::Key_H,         Q::Key_M, Q::Key_W, Q::Key_N, Q::Key_V,
                                          Q::Key_S,         Q::Key_Z}
                            << true;
    // A platform without scan codes: the characters of a US keyboard.
    QTest::newRow("no scan codes")
        << QList<int>{Q::Key_Z,         Q::Key_S,    Q::Key_X,     Q::Key_D, Q::Key_C,
                      Q::Key_V,         Q::Key_G,    Q::Key_B,     Q::Key_H, Q::Key_N,
                      Q::Key_J,         Q::Key_M,    Q::Key_Comma, Q::Key_L, Q::Key_Period,
                      Q::Key_Semicolon, Q::Key_Slash}
        << false;
  }
  void keysPlayByPosition() {
    QFETCH(QList<int>, characters);
    QFETCH(bool, withScanCodes);
    WindowHarness h;
    h.start();
    h.window.setKeyRepeatWindow(std::chrono::milliseconds(0));
    std::vector<int> expected;
    for (int position = 0; position < characters.size(); ++position) {
      const quint32 scanCode = withScanCodes ? kScanCodes[position] : 0;
      const std::size_t before = h.output.messages().size();
      sendKey(h.window, QEvent::KeyPress, characters[position], scanCode);
      // The key's note: key 1 is middle C.
      QCOMPARE(h.output.messages().size(), before + 1);
      QCOMPARE((h.output.messages().back() >> 8) & 0x7f, 60u + position);
      sendKey(h.window, QEvent::KeyRelease, characters[position], scanCode);
      expected.push_back(position + 1);
      QTRY_COMPARE(h.selectedKeys(), expected);
    }
    // Keys beside the rows play nothing, whatever they write: Q on QWERTY, A on AZERTY.
    const std::size_t before = h.output.messages().size();
    sendKey(h.window, QEvent::KeyPress, Qt::Key_Q, withScanCodes ? 24 : 0);
    sendKey(h.window, QEvent::KeyPress, Qt::Key_A, withScanCodes ? 38 : 0);
    QCOMPARE(h.output.messages().size(), before);
  }

  void helpMenuComesLast() {
    RecordingMidiInput input;  // outlives the window, which closes it
    WindowHarness h;
    h.window.useMidiInput(input, {});
    h.start();
    QStringList titles;
    for (QAction* menu : h.window.menuBar()->actions()) titles.append(menu->iconText());
    QCOMPARE(titles, (QStringList{"Devices", "Input", "Help"}));
    auto* help = h.find<QMenu>("mnuHelp");
    QStringList entries;
    for (QAction* entry : help->actions()) {
      if (!entry->isSeparator()) entries.append(entry->iconText());
    }
    QCOMPARE(entries, (QStringList{"Keyboard Shortcuts", "About Tonalis", "About Qt"}));

    help->actions().at(2)->trigger();  // About Tonalis
    auto* about = h.find<QMessageBox>("aboutWindow");
    QVERIFY(about->text().contains(QStringLiteral("GPL-3.0-or-later")));
    QVERIFY(about->text().contains(QString::fromLatin1(qVersion())));
    about->close();
  }

  void shortcutsListOpensWithF1AndClosesWithEsc() {
    WindowHarness h;
    h.start();
    activate(h.window);
    QTest::keyClick(&h.window, Qt::Key_F1);
    auto* list = h.window.findChild<QDialog*>(QStringLiteral("shortcutsWindow"));
    QVERIFY(list != nullptr);
    QTRY_VERIFY(list->isVisible());
    activate(*list);
    QTest::keyClick(list, Qt::Key_Escape);
    QTRY_VERIFY(h.window.findChild<QDialog*>(QStringLiteral("shortcutsWindow")) == nullptr);
    QVERIFY(h.window.isVisible());
  }

  void ctrlPPrintsOnlyAChart() {
    WindowHarness h;
    h.start();
    activate(h.window);
    QTest::keyClick(&h.window, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(h.printer.printed().size(), std::size_t{0});  // no chart, Print is disabled
    h.select({1});
    h.click("cmdBuildChord");
    QTest::keyClick(&h.window, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(h.printer.printed().size(), std::size_t{1});
  }

  void closingKeysCloseTheWindow_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Ctrl+Q") << int(Qt::Key_Q);
    QTest::newRow("Ctrl+W") << int(Qt::Key_W);
  }
  void closingKeysCloseTheWindow() {
    QFETCH(int, key);
    WindowHarness h;
    h.start();
    activate(h.window);
    QTest::keyClick(&h.window, Qt::Key(key), Qt::ControlModifier);
    QTRY_VERIFY(!h.window.isVisible());
  }
};

QTEST_MAIN(TstFrmMainDesktopKeys)
#include "tst_frm_main_desktop_keys.moc"
