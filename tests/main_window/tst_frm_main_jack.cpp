// SPDX-License-Identifier: GPL-3.0-or-later
// The whole path from the window to a real MIDI server: a private JACK server on the dummy
// driver, an input port of the test's own chosen in the "Devices" menu, and the bytes that
// arrive there when a key and a chart picture are pressed; and a MIDI keyboard, a JACK client
// of the test's own, played into the window's input and heard through the thru.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <optional>

#include "main_window/keyboard_widget.h"
#include "midi/system_midi_input.h"
#include "support/jack_window.h"

using namespace tonalis;
using namespace std::chrono_literals;
using Message = test::JackMidiRecorder::Message;

class TstFrmMainJack : public QObject {
  Q_OBJECT

 private slots:
  void keyAndChartChordArriveAtTheChosenPort() {
    testing::JackWindowSetup jack("tonalis-window-test");
    QVERIFY2(jack.failure.isEmpty(), jack.failure.constData());
    test::JackMidiRecorder& recorder = *jack.recorder;
    QAction* port = jack.openWindow(recorder.portName());
    QVERIFY2(port != nullptr, "the test's port is not in the Devices menu");
    frmMain& window = *jack.window;
    testing::RecordingMessageBox& messages = jack.messages;
    messages.forget();
    port->trigger();
    QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join('\n')));
    QVERIFY(port->isChecked());
    QVERIFY(recorder.waitForConnections(1, 30s));

    // Key 1 sounds and is selected; "Show Chords" then marks C major on the first picture.
    QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("lblKey(1)")), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("cmdBuildChord")), Qt::LeftButton);
    QWidget* picture = window.findChild<QWidget*>(QStringLiteral("imgChordDisp(101)"));
    QTest::mousePress(picture, Qt::LeftButton);
    QTest::mouseRelease(picture, Qt::LeftButton);

    const std::vector<Message> expected{
        {0x90, 0x3C, 0x7F}, {0x80, 0x3C, 0x00}, {0x91, 0x3C, 0x7F}, {0x92, 0x40, 0x7F},
        {0x93, 0x43, 0x7F}, {0x81, 0x3C, 0x00}, {0x82, 0x40, 0x00}, {0x83, 0x43, 0x00},
    };
    const std::vector<Message> received = recorder.waitForMessages(expected.size(), 30s);
    if (received != expected) qWarning("jackd said:\n%s", jack.server.serverOutput().c_str());
    QCOMPARE(received, expected);
    window.close();
    jack.stop();
  }

  // A chord played on the keyboard port: held and named at once, heard at the chosen output
  // on channel 7, and the selection once it is let go.
  void chordPlayedOnAMidiKeyboard() {
    // Made after the server starts and ended after the window that uses it.
    std::optional<midi::SystemMidiInput> input;
    testing::JackWindowSetup jack("tonalis-thru-test");
    QVERIFY2(jack.failure.isEmpty(), jack.failure.constData());
    test::JackMidiSender keyboard("tonalis-test-keyboard");
    QVERIFY2(!keyboard.error(), keyboard.error() ? keyboard.error()->c_str() : "");
    input.emplace();
    QAction* port = jack.openWindow(jack.recorder->portName());
    QVERIFY2(port != nullptr, "the test's output port is not in the Devices menu");
    frmMain& window = *jack.window;
    window.useMidiInput(*input, {});
    port->trigger();
    QVERIFY(jack.recorder->waitForConnections(1, 30s));

    auto* inputMenu = window.findChild<QMenu*>(QStringLiteral("mnuInput"));
    QVERIFY(inputMenu != nullptr);
    const QString keyboardPort = QString::fromStdString(keyboard.portName());
    QAction* entry = nullptr;
    emit inputMenu->aboutToShow();
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
          for (QAction* action : inputMenu->actions()) {
            if (action->data().toString() == keyboardPort) entry = action;
          }
          return entry != nullptr;
        }(),
        30000);
    entry->trigger();
    QVERIFY(keyboard.waitForConnections(1, 30s));
    QVERIFY2(jack.messages.texts().isEmpty(), qPrintable(jack.messages.texts().join('\n')));

    // C E G on channel 3; the second and third by running status.
    keyboard.send({0x92, 0x30, 0x64});
    keyboard.send({0x40, 0x50});
    keyboard.send({0x43, 0x46});
    const auto* keys = window.findChild<KeyboardWidget*>();
    QTRY_COMPARE_WITH_TIMEOUT(keys->heldKeys(), (std::set<int>{1, 5, 8}), 30000);
    const auto* reading = window.findChild<QLabel*>(QStringLiteral("lblChordReading"));
    QVERIFY2(reading->text().startsWith(QStringLiteral("C")), qPrintable(reading->text()));
    const std::vector<Message> on{{0x96, 0x30, 0x64}, {0x96, 0x40, 0x50}, {0x96, 0x43, 0x46}};
    QCOMPARE(jack.recorder->waitForMessages(on.size(), 30s), on);

    keyboard.send({0x82, 0x30, 0x00});
    keyboard.send({0x92, 0x40, 0x00});
    keyboard.send({0x82, 0x43, 0x00});
    const auto* marker = window.findChild<QWidget*>(QStringLiteral("shpKeyPress(8)"));
    QTRY_VERIFY_WITH_TIMEOUT(!marker->isHidden(), 30000);
    QVERIFY(keys->heldKeys().empty());
    QCOMPARE(jack.recorder->waitForMessages(6, 30s).size(), 6u);

    window.close();
    jack.stop();
  }
};

QTEST_MAIN(TstFrmMainJack)
#include "tst_frm_main_jack.moc"
