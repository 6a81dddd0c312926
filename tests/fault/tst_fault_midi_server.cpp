// The MIDI server going away under a sounding note: a private JACK server is stopped while a key
// of a real window is held on one of its ports. The window must not crash or hang, must report
// the device as unusable when it is chosen again, and must play again once the server is back.
#include <QAction>
#include <QPushButton>
#include <QTest>

#include "main_window/frm_main.h"
#include "midi/system_midi_output.h"
#include "support/device_entry.h"
#include "support/jack_server.h"
#include "support/recording_message_box.h"
#include "support/recording_page_printer.h"

using namespace tonalis;
using namespace std::chrono_literals;
using Message = test::JackMidiRecorder::Message;

namespace {

constexpr const char* kRecorderClient = "tonalis-fault-test";
constexpr auto kDeliveryTimeout = 5s;

void click(const frmMain& window, const QString& name) {
  QTest::mouseClick(window.findChild<QWidget*>(name), Qt::LeftButton);
}

}  // namespace

class TstFaultMidiServer : public QObject {
  Q_OBJECT

 private slots:
  void serverStoppedWhileAKeySounds() {
    test::JackServer server;
    const std::optional<std::string> failure = server.start();
    QVERIFY2(!failure, failure ? failure->c_str() : "");
    auto recorder = std::make_unique<test::JackMidiRecorder>(kRecorderClient);
    QVERIFY2(!recorder->error(), recorder->error() ? recorder->error()->c_str() : "");
    const std::string portName = recorder->portName();

    midi::SystemMidiOutput output;
    testing::RecordingMessageBox messages;
    testing::RecordingPagePrinter printer;
    frmMain window(output, messages, printer);
    window.load();
    window.show();
    QAction* port = testing::deviceEntry(window, portName);
    QVERIFY2(port != nullptr, "the test's port is not in the Devices menu");
    messages.forget();
    port->trigger();
    QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join('\n')));
    QVERIFY(recorder->waitForConnections(1, kDeliveryTimeout));

    auto* key = window.findChild<QWidget*>(QStringLiteral("lblKey(1)"));
    QTest::mousePress(key, Qt::LeftButton);
    QCOMPARE(recorder->waitForMessages(1, kDeliveryTimeout),
             std::vector<Message>{Message({0x90, 0x3C, 0x7F})});

    // The server goes while the key is held.
    recorder.reset();
    server.stop();
    QTest::mouseRelease(key, Qt::LeftButton);
    QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("lblKey(5)")), Qt::LeftButton);
    QVERIFY(messages.texts().isEmpty());

    // Choosing the port again tells the user that it cannot be opened.
    port->trigger();
    QCOMPARE(messages.texts().size(), 1);
    QVERIFY2(messages.texts().front().startsWith(QStringLiteral("Couldn't open midi out, rc = ")),
             qPrintable(messages.texts().front()));
    QVERIFY(!messages.texts().front().endsWith(QStringLiteral("= 0")));
    QVERIFY(port->isChecked());

    // The window still works: the clicks selected keys 1 and 5; with key 5 alone "Show Chords"
    // shows the chart of E.
    QTest::mouseClick(key, Qt::LeftButton);
    messages.forget();
    click(window, QStringLiteral("cmdBuildChord"));
    QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join('\n')));
    QCOMPARE(window.visibleChartMarkerCount(), 124);

    // Once the server is back with the same port, choosing it again plays there.
    const std::optional<std::string> restart = server.start();
    QVERIFY2(!restart, restart ? restart->c_str() : "");
    recorder = std::make_unique<test::JackMidiRecorder>(kRecorderClient);
    QVERIFY2(!recorder->error(), recorder->error() ? recorder->error()->c_str() : "");
    port->trigger();
    QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join('\n')));
    QVERIFY(recorder->waitForConnections(1, kDeliveryTimeout));
    QTest::mouseClick(key, Qt::LeftButton);
    const std::vector<Message> expected{{0x90, 0x3C, 0x7F}, {0x80, 0x3C, 0x00}};
    QCOMPARE(recorder->waitForMessages(expected.size(), kDeliveryTimeout), expected);

    window.close();
    recorder.reset();
    server.stop();
  }
};

QTEST_MAIN(TstFaultMidiServer)
#include "tst_fault_midi_server.moc"
