// SPDX-License-Identifier: GPL-3.0-or-later
// Sounding keys and chart chords, the volume dial, the computer keyboard, and the guards that
// keep notes from hanging.
#include <QMenu>
#include <QProgressBar>

#include "main_window/dial/dial.h"
#include "support/window_harness.h"

using namespace tonalis;
using namespace tonalis::testing;

using Messages = std::vector<std::uint32_t>;
using Calls = std::vector<std::string>;
Q_DECLARE_METATYPE(Messages)

namespace {

constexpr std::uint32_t noteOn(int channel, int note, int velocity) {
  return static_cast<std::uint32_t>(0x90 + channel + 256 * note + 65536 * velocity);
}
constexpr std::uint32_t noteOff(int channel, int note) {
  return static_cast<std::uint32_t>(0x80 + channel + 256 * note);
}

void turnDial(WindowHarness& h, int value) {
  auto* dial = h.find<Dial>("Dial1");
  dial->setValue(value);
  emit dial->changed();
}

// Shows a chart of root C and forgets the notes of the key click.
void showChartOfC(WindowHarness& h) {
  h.clickKey(1);
  h.click("cmdBuildChord");
  h.output.forget();
}

}  // namespace

class TstFrmMainSound : public QObject {
  Q_OBJECT

 private slots:
  void keyNotes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Messages>("expected");
    QTest::newRow("key 1") << 1 << Messages{8338576, 15488};
    QTest::newRow("key 13, an octave up") << 13 << Messages{noteOn(0, 72, 127), noteOff(0, 72)};
    QTest::newRow("key 24") << 24 << Messages{noteOn(0, 0x53, 127), noteOff(0, 0x53)};
  }
  void keyNotes() {
    QFETCH(int, key);
    QFETCH(Messages, expected);
    WindowHarness h;
    h.start();
    QTest::mousePress(h.key(key), Qt::LeftButton);
    QCOMPARE(h.key(key)->tag(), kSounding);
    QTest::mouseRelease(h.key(key), Qt::LeftButton);
    QCOMPARE(h.output.messages(), expected);
    QCOMPARE(h.key(key)->tag(), kReleased);
    QCOMPARE(h.window.player().lastMessage(), expected.back());
  }

  void secondPressWhileSoundingSendsNothing() {
    WindowHarness h;
    h.start();
    QTest::mousePress(h.key(3), Qt::LeftButton);
    QTest::mousePress(h.key(3), Qt::RightButton);
    QCOMPARE(h.output.messages().size(), std::size_t(1));
  }

  void chordOfAPicture() {
    WindowHarness h;
    h.start();
    showChartOfC(h);
    QTest::mousePress(h.picture(101), Qt::LeftButton);
    QCOMPARE(h.picture(101)->tag(), kSounding);
    QTest::mouseRelease(h.picture(101), Qt::LeftButton);
    const Messages expected{noteOn(1, 60, 127), noteOn(2, 64, 127), noteOn(3, 67, 127),
                            noteOff(1, 60),     noteOff(2, 64),     noteOff(3, 67)};
    QCOMPARE(h.output.messages(), expected);
    QCOMPARE(h.window.player().lastMessage(), noteOff(3, 67));
    QCOMPARE(h.picture(101)->tag(), kReleased);
  }

  // A five-note chord uses channels 1 to 5 in ascending key order, even when its top note
  // folded below the root: 6(9) on A is A, B, C#, E, F#, marked as keys 7, 10, 12, 14, 17.
  void fiveNoteChordUsesChannelsOneToFive() {
    WindowHarness h;
    h.start();
    h.clickKey(10);
    h.click("cmdBuildChord");
    h.output.forget();
    QTest::mousePress(h.picture(303), Qt::LeftButton);  // slot 8
    const Messages expected{noteOn(1, 66, 127), noteOn(2, 69, 127), noteOn(3, 71, 127),
                            noteOn(4, 73, 127), noteOn(5, 76, 127)};
    QCOMPARE(h.output.messages(), expected);
  }

  void pictureWithoutChartOnlyFlipsItsFlag() {
    WindowHarness h;
    h.start();
    QTest::mousePress(h.picture(205), Qt::LeftButton);
    QCOMPARE(h.picture(205)->tag(), kSounding);
    QTest::mouseRelease(h.picture(205), Qt::LeftButton);
    QCOMPARE(h.picture(205)->tag(), kReleased);
    QVERIFY(h.output.messages().empty());
  }

  void volume_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("off") << 0 << "Off";
    QTest::newRow("31") << 31 << "31";
    QTest::newRow("quarter") << 32 << "1/4";
    QTest::newRow("33") << 33 << "33";
    QTest::newRow("half") << 64 << "1/2";
    QTest::newRow("95") << 95 << "95";
    QTest::newRow("three quarters") << 96 << "3/4";
    QTest::newRow("full") << 127 << "Full";
  }
  void volume() {
    QFETCH(int, value);
    QFETCH(QString, text);
    WindowHarness h;
    h.start();
    turnDial(h, value);
    QCOMPARE(h.label("lblVol(1)")->text(), text);
    QCOMPARE(h.find<QProgressBar>("pgbVolume")->value(), value);
    QCOMPARE(h.window.player().velocity(), value);
    QTest::mousePress(h.key(1), Qt::LeftButton);
    QCOMPARE(h.output.messages(), Messages{noteOn(0, 60, value)});
  }

  void turningTheDialDoesNotTouchAHeldNote() {
    WindowHarness h;
    h.start();
    QTest::mousePress(h.key(1), Qt::LeftButton);
    turnDial(h, 64);
    QTest::mouseRelease(h.key(1), Qt::LeftButton);
    QTest::mousePress(h.key(1), Qt::LeftButton);
    const Messages expected{noteOn(0, 60, 127), noteOff(0, 60), noteOn(0, 60, 64)};
    QCOMPARE(h.output.messages(), expected);
  }

  void computerKeyPlaysAndClicks() {
    WindowHarness h;
    h.start();
    QTest::keyPress(&h.window, Qt::Key_Comma);
    QCOMPARE(h.output.messages(), Messages{noteOn(0, 72, 127)});
    QVERIFY(h.selectedKeys().empty());
    QTest::keyRelease(&h.window, Qt::Key_Comma);
    QTRY_COMPARE(h.output.messages(), (Messages{noteOn(0, 72, 127), noteOff(0, 72)}));
    QCOMPARE(h.selectedKeys(), std::vector<int>{13});
    // Keys reach the window while a button has the focus.
    QTest::keyClick(h.button("cmdClear"), Qt::Key_M);
    QTRY_COMPARE(h.output.messages().size(), std::size_t(4));
    QCOMPARE(h.selectedKeys(), (std::vector<int>{12, 13}));
    // Unmapped keys play nothing.
    QTest::keyClick(&h.window, Qt::Key_A);
    QCOMPARE(h.output.messages().size(), std::size_t(4));
  }

  void autoRepeatSendsNothingMore() {
    WindowHarness h;
    h.start();
    QTest::keyPress(&h.window, Qt::Key_Z);
    for (int i = 0; i < 3; ++i) {
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_Z, Qt::NoModifier, QStringLiteral("z"), true);
      QApplication::sendEvent(&h.window, &release);
      QKeyEvent press(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, QStringLiteral("z"), true);
      QApplication::sendEvent(&h.window, &press);
    }
    QCOMPARE(h.output.messages(), Messages{noteOn(0, 60, 127)});
    QTest::keyRelease(&h.window, Qt::Key_Z);
    QTRY_COMPARE(h.output.messages().size(), std::size_t(2));
    QCOMPARE(h.selectedKeys(), std::vector<int>{1});
  }

  void focusLossSilencesAHeldComputerKey() {
    WindowHarness h;
    h.start();
    h.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&h.window));
    QTest::keyPress(&h.window, Qt::Key_X);
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(h.output.messages(), (Messages{noteOn(0, 62, 127), noteOff(0, 62)}));
    QCOMPARE(h.key(3)->tag(), kReleased);
    // The key-up that finally arrives is forgotten: no second note-off, no click.
    QTest::keyRelease(&h.window, Qt::Key_X);
    QCOMPARE(h.output.messages().size(), std::size_t(2));
    QVERIFY(h.selectedKeys().empty());
  }

  // The open menu takes the keyboard, so the key-up of a key held when it opens never reaches
  // the window.
  void openingTheDevicesMenuSilencesAHeldComputerKey() {
    WindowHarness h;
    h.start();
    QTest::keyPress(&h.window, Qt::Key_X);
    auto* menu = h.find<QMenu>("mnuDevice");
    menu->popup(h.window.mapToGlobal(QPoint(0, 0)));
    QTest::keyRelease(menu, Qt::Key_X);
    menu->close();
    QCOMPARE(h.output.messages(), (Messages{noteOn(0, 62, 127), noteOff(0, 62)}));
    QCOMPARE(h.key(3)->tag(), kReleased);
    QTest::keyRelease(&h.window, Qt::Key_X);
    QCOMPARE(h.output.messages().size(), std::size_t(2));
  }

  void switchingDeviceEndsNotesBeforeTheClose() {
    WindowHarness h({"Synth"});
    h.start();
    showChartOfC(h);
    QTest::mousePress(h.key(24), Qt::LeftButton);
    QTest::mousePress(h.picture(101), Qt::LeftButton);
    h.output.forget();
    h.device(1)->trigger();
    const Calls expected{"short(" + std::to_string(noteOff(0, 83)) + ")",
                         "short(" + std::to_string(noteOff(1, 60)) + ")",
                         "short(" + std::to_string(noteOff(2, 64)) + ")",
                         "short(" + std::to_string(noteOff(3, 67)) + ")",
                         "close",
                         "open(Synth)"};
    QCOMPARE(h.output.calls(), expected);
    QCOMPARE(h.key(24)->tag(), kReleased);
    QCOMPARE(h.picture(101)->tag(), kReleased);
  }

  void closingTheWindowEndsNotesFirst() {
    WindowHarness h;
    h.start();
    QTest::keyPress(&h.window, Qt::Key_Slash);
    h.window.close();
    const Calls expected{"short(" + std::to_string(noteOn(0, 76, 127)) + ")",
                         "short(" + std::to_string(noteOff(0, 76)) + ")", "close"};
    QCOMPARE(h.output.calls(), expected);
  }

  // A computer key can clear the chart while the mouse holds a picture; the release must still
  // stop the notes that the press started.
  void chartClearedWhileAPictureIsHeld() {
    WindowHarness h;
    h.start();
    showChartOfC(h);
    QTest::mousePress(h.picture(101), Qt::LeftButton);
    QTest::keyClick(&h.window, Qt::Key_Z);  // deselects key 1: Clear hides the chart
    QTRY_COMPARE(h.window.visibleChartMarkerCount(), 0);
    h.output.forget();
    QTest::mouseRelease(h.picture(101), Qt::LeftButton);
    const Messages expected{noteOff(1, 60), noteOff(2, 64), noteOff(3, 67)};
    QCOMPARE(h.output.messages(), expected);
  }
};

QTEST_MAIN(TstFrmMainSound)
#include "tst_frm_main_sound.moc"
