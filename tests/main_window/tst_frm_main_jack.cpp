// The whole path from the window to a real MIDI server: a private JACK server on the dummy
// driver, an input port of the test's own chosen in the "Devices" menu, and the bytes that
// arrive there when a key and a chart picture are pressed.
#include <QAction>
#include <QTest>

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
    QVERIFY(recorder.waitForConnections(1, 5s));

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
    const std::vector<Message> received = recorder.waitForMessages(expected.size(), 5s);
    if (received != expected) qWarning("jackd said:\n%s", jack.server.serverOutput().c_str());
    QCOMPARE(received, expected);
    window.close();
    jack.stop();
  }
};

QTEST_MAIN(TstFrmMainJack)
#include "tst_frm_main_jack.moc"
