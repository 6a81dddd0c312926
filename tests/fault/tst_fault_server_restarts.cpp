// SPDX-License-Identifier: GPL-3.0-or-later
// The JACK server stopped and started again, again and again, under the program: its window
// listens to a remembered JACK input while a MIDI flood comes in (notes, running status, SysEx,
// stray bytes), another program's client is on the server, and the program's own output has
// its JACK client and the built-in synthesizer (whose sound goes to JACK where nothing else
// takes it). Nothing may crash, hang or be reported by a sanitizer, the lost input is reported
// each time, and every note the input started through the thru gets its note-off.
#include <QAction>
#include <QMenu>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <map>
#include <thread>

#include "main_window/frm_main.h"
#include "midi/system_midi_input.h"
#include "midi/system_midi_output.h"
#include "support/jack_server.h"
#include "support/output_reports.h"
#include "support/recording_message_box.h"
#include "support/recording_midi_output.h"
#include "support/recording_page_printer.h"

using namespace tonalis;
using namespace std::chrono_literals;

namespace {

constexpr int kRounds = 20;
constexpr const char* kKeyboardClient = "tonalis-flood-keyboard";
constexpr const char* kOtherClient = "tonalis-bystander";
// Generous: the machine may be busy with other builds.
constexpr auto kTimeout = 30s;
constexpr int kTimeoutMs = 30000;

// Sends what a keyboard gone wild would, until stopped: a burst each few milliseconds.
class Flood {
 public:
  explicit Flood(test::JackMidiSender& keyboard)
      : m_thread([this, &keyboard](const std::stop_token& stop) {
          for (int note = 0; !stop.stop_requested(); note = (note + 7) % 128) {
            const auto key = static_cast<std::uint8_t>(note);
            keyboard.send({0x90, key, 0x50});
            keyboard.send({static_cast<std::uint8_t>((key + 12) % 128), 0x40});  // running status
            keyboard.send({0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7});
            keyboard.send({0x3C});  // a data byte without status
            keyboard.send({0xF8});
            keyboard.send({0x80, key, 0x00});
            keyboard.send({0x90, static_cast<std::uint8_t>((key + 12) % 128), 0x00});
            m_bursts.fetch_add(1);
            std::this_thread::sleep_for(3ms);
          }
        }) {}

  int bursts() const { return m_bursts.load(); }

 private:
  std::atomic<int> m_bursts{0};
  std::jthread m_thread;  // last: it uses the count
};

// Notes that got a note-on on the output and no note-off after it, by channel and key.
std::map<int, int> soundingNotes(const std::vector<std::uint32_t>& messages) {
  std::map<int, int> sounding;
  for (const std::uint32_t message : messages) {
    const std::uint32_t status = message & 0xF0;
    const int note = static_cast<int>(message & 0x7F0F);
    const bool on = status == 0x90 && ((message >> 16) & 0x7F) > 0;
    if (on) {
      ++sounding[note];
    } else if ((status == 0x80 || status == 0x90) && sounding[note] > 0) {
      --sounding[note];
    }
  }
  std::erase_if(sounding, [](const auto& entry) { return entry.second == 0; });
  return sounding;
}

QAction* inputEntry(frmMain& window, const std::string& port) {
  auto* menu = window.findChild<QMenu*>(QStringLiteral("mnuInput"));
  emit menu->aboutToShow();
  QAction* entry = nullptr;
  const bool found = QTest::qWaitFor(
      [&] {
        for (QAction* action : menu->actions()) {
          if (action->data().toString() == QString::fromStdString(port)) entry = action;
        }
        return entry != nullptr;
      },
      kTimeoutMs);
  return found ? entry : nullptr;
}

}  // namespace

class TstFaultServerRestarts : public QObject {
  Q_OBJECT

 private slots:
  void serverStopsAndStartsUnderAFlood() {
    test::JackServer server;
    std::optional<std::string> failure = server.start();
    QVERIFY2(!failure, failure ? failure->c_str() : "");
    auto keyboard = std::make_unique<test::JackMidiSender>(kKeyboardClient);
    QVERIFY2(!keyboard->error(), keyboard->error() ? keyboard->error()->c_str() : "");
    const std::string keyboardPort = keyboard->portName();

    // The program's own output, beside the window's recorded one: its JACK client lists the
    // ports, and "MIDI Mapper" starts the synthesizer, each round.
    midi::SystemMidiOutput programOutput;
    test::Reports outputReports(programOutput);
    outputReports.listed();  // the list it reads when it starts
    midi::SystemMidiInput input;
    testing::RecordingMidiOutput output;
    testing::RecordingMessageBox messages;
    testing::RecordingPagePrinter printer;
    frmMain window(output, messages, printer);
    window.load();
    window.useMidiInput(input, {keyboardPort, [](const std::string&) {}});
    window.show();

    for (int round = 1; round <= kRounds; ++round) {
      const QByteArray where = "round " + QByteArray::number(round);
      test::JackMidiSinkProcess other(kOtherClient);
      failure = other.start();
      QVERIFY2(!failure, (where + ": " + (failure ? failure->c_str() : "")).constData());
      if (round > 1) {
        QAction* entry = inputEntry(window, keyboardPort);
        QVERIFY2(entry != nullptr, where.constData());
        entry->trigger();
      }
      // The window opens the input on its event loop's turns.
      QTRY_VERIFY2_WITH_TIMEOUT(keyboard->waitForConnections(1, 0ms), where.constData(),
                                kTimeoutMs);
      programOutput.listDevices();
      const std::vector<std::string> outputs = outputReports.listed();
      QVERIFY2(std::ranges::find(outputs, other.portName()) != outputs.end(), where.constData());
      programOutput.open(midi::kMidiMapper);
      QVERIFY2(outputReports.next(midi::MidiEvent::Kind::kOpened, kTimeout), where.constData());

      const std::size_t before = output.messages().size();
      {
        const Flood flood(*keyboard);
        QTRY_VERIFY2_WITH_TIMEOUT(output.messages().size() > before + 20, where.constData(),
                                  kTimeoutMs);
        messages.forget();
        server.stop();
        QTRY_VERIFY2_WITH_TIMEOUT(!messages.texts().isEmpty(), where.constData(), kTimeoutMs);
      }
      QVERIFY2(messages.texts().front().contains(QString::fromStdString(keyboardPort)),
               qPrintable(messages.texts().join('\n')));
      QTRY_VERIFY2_WITH_TIMEOUT(soundingNotes(output.messages()).empty(), where.constData(),
                                kTimeoutMs);

      failure = server.start();
      QVERIFY2(!failure, (where + ": " + (failure ? failure->c_str() : "")).constData());
      keyboard = std::make_unique<test::JackMidiSender>(kKeyboardClient);
      QVERIFY2(!keyboard->error(), where.constData());
    }
    window.close();
  }
};

QTEST_MAIN(TstFaultServerRestarts)
#include "tst_fault_server_restarts.moc"
