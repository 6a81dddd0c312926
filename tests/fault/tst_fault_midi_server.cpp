// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI server going away under a sounding note, and a receiving client that is stuck: a
// private JACK server is stopped while a key of a real window is held on one of its ports, and
// another program's client is stopped while the window plays to it. The window must not crash
// or hang, must say once that the device is gone and sound through "MIDI Mapper", and must play
// there again once the server is back.
#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "support/jack_window.h"

using namespace tonalis;
using namespace std::chrono_literals;
using Message = test::JackMidiRecorder::Message;

namespace {

constexpr const char* kRecorderClient = "tonalis-fault-test";
constexpr auto kDeliveryTimeout = 30s;

void click(const frmMain& window, const QString& name) {
  QTest::mouseClick(window.findChild<QWidget*>(name), Qt::LeftButton);
}

// The menu re-reads the device list each time it opens; the entries change when it comes.
QAction* entryAfterReading(frmMain& window, const std::string& name) {
  auto* menu = window.findChild<QMenu*>(QStringLiteral("mnuDevice"));
  emit menu->aboutToShow();
  QAction* entry = nullptr;
  const bool found =
      QTest::qWaitFor([&] { return (entry = testing::deviceEntry(window, name)) != nullptr; });
  return found ? entry : nullptr;
}

bool midiMapperChecked(const frmMain& window) {
  const auto* mapper = window.findChild<QAction*>(QStringLiteral("device(0)"));
  return mapper != nullptr && mapper->isChecked();
}

}  // namespace

class TstFaultMidiServer : public QObject {
  Q_OBJECT

 private slots:
  void serverStoppedWhileAKeySounds() {
    testing::JackWindowSetup jack(kRecorderClient);
    QVERIFY2(jack.failure.isEmpty(), jack.failure.constData());
    test::JackServer& server = jack.server;
    std::unique_ptr<test::JackMidiRecorder>& recorder = jack.recorder;
    const std::string portName = recorder->portName();
    QAction* port = jack.openWindow(portName);
    QVERIFY2(port != nullptr, "the test's port is not in the Devices menu");
    frmMain& window = *jack.window;
    testing::RecordingMessageBox& messages = jack.messages;
    messages.forget();
    port->trigger();
    QVERIFY(recorder->waitForConnections(1, kDeliveryTimeout));
    QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join('\n')));

    auto* key = window.findChild<QWidget*>(QStringLiteral("lblKey(1)"));
    QTest::mousePress(key, Qt::LeftButton);
    QCOMPARE(recorder->waitForMessages(1, kDeliveryTimeout),
             std::vector<Message>{Message({0x90, 0x3C, 0x7F})});

    // The server goes while the key is held: the window says so once, naming the device, and
    // the keys sound through "MIDI Mapper" from then on (or its own failure is reported).
    recorder.reset();
    server.stop();
    const QString lost = QStringLiteral("The MIDI device \u201C%1\u201D has stopped working")
                             .arg(QString::fromStdString(portName));
    QTRY_VERIFY_WITH_TIMEOUT(!messages.texts().isEmpty(), 30000);
    QVERIFY2(messages.texts().front().startsWith(lost), qPrintable(messages.texts().front()));
    QTRY_VERIFY_WITH_TIMEOUT(midiMapperChecked(window), 30000);
    QVERIFY(!port->isChecked());
    QTest::mouseRelease(key, Qt::LeftButton);
    QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("lblKey(5)")), Qt::LeftButton);
    // Re-read, the list no longer holds the port. The output reports in order, so by then
    // any second report of the loss would have come.
    auto* menu = window.findChild<QMenu*>(QStringLiteral("mnuDevice"));
    emit menu->aboutToShow();
    QTRY_VERIFY_WITH_TIMEOUT(testing::deviceEntry(window, portName) == nullptr, 30000);
    QCOMPARE(messages.texts().filter(lost).size(), 1);

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
    port = entryAfterReading(window, portName);
    QVERIFY2(port != nullptr, "the port that came back is not in the Devices menu");
    port->trigger();
    QVERIFY(recorder->waitForConnections(1, kDeliveryTimeout));
    QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join('\n')));
    QVERIFY(port->isChecked());
    QTest::mouseClick(key, Qt::LeftButton);
    const std::vector<Message> expected{{0x90, 0x3C, 0x7F}, {0x80, 0x3C, 0x00}};
    QCOMPARE(recorder->waitForMessages(expected.size(), kDeliveryTimeout), expected);

    window.close();
    recorder.reset();
    server.stop();
  }

  // Leaving a port whose client is stuck waits until the client goes on; the window answers
  // meanwhile, and the note-off of a held key still reaches the port before it is left.
  void stuckClientDoesNotHoldUpTheWindow() {
    testing::JackWindowSetup jack;
    QVERIFY2(jack.failure.isEmpty(), jack.failure.constData());
    test::JackMidiSinkProcess sink("tonalis-stuck-sink");
    const std::optional<std::string> sinkFailure = sink.start();
    QVERIFY2(!sinkFailure, sinkFailure ? sinkFailure->c_str() : "");
    QAction* port = jack.openWindow(sink.portName());
    QVERIFY2(port != nullptr, "the sink's port is not in the Devices menu");
    frmMain& window = *jack.window;
    port->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(QGuiApplication::overrideCursor() == nullptr, 30000);
    auto* key = window.findChild<QWidget*>(QStringLiteral("lblKey(1)"));
    QTest::mousePress(key, Qt::LeftButton);
    QCOMPARE(sink.waitForMessages(1, kDeliveryTimeout).size(), 1u);

    sink.pause();
    window.findChild<QAction*>(QStringLiteral("device(0)"))->trigger();
    // The change is under way (busy cursor) and the window still takes clicks.
    QVERIFY(QGuiApplication::overrideCursor() != nullptr);
    QTest::mouseRelease(key, Qt::LeftButton);
    const auto* marker = window.findChild<QWidget*>(QStringLiteral("shpKeyPress(5)"));
    QVERIFY(marker->isHidden());
    QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("lblKey(5)")), Qt::LeftButton);
    QVERIFY(!marker->isHidden());
    QVERIFY(QGuiApplication::overrideCursor() != nullptr);
    sink.resume();

    const std::vector<Message> expected{{0x90, 0x3C, 0x7F}, {0x80, 0x3C, 0x00}};
    QCOMPARE(sink.waitForMessages(expected.size(), kDeliveryTimeout), expected);
    QTRY_VERIFY_WITH_TIMEOUT(QGuiApplication::overrideCursor() == nullptr, 30000);
    QVERIFY(midiMapperChecked(window));
    window.close();
    jack.closeWindow();
  }
};

QTEST_MAIN(TstFaultMidiServer)
#include "tst_fault_midi_server.moc"
