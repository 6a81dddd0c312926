// SPDX-License-Identifier: GPL-3.0-or-later
// A MIDI keyboard played into the window through a recording input: the "Input" menu, the
// remembered port, held keys shown and read, the thru, the selection left on release, and
// nothing left sounding when the input or the output changes.
#include <QMenu>
#include <QTest>

#include "main_window/keyboard_widget.h"
#include "support/recording_midi_input.h"
#include "support/window_harness.h"

using namespace tonalis;
using namespace tonalis::testing;
using Kind = midi::NoteEvent::Kind;

namespace {

midi::NoteEvent note(Kind kind, int number, int velocity = 100, int channel = 3) {
  midi::NoteEvent event;
  event.kind = kind;
  event.note = number;
  event.velocity = velocity;
  event.channel = channel;
  return event;
}

struct InputHarness {
  explicit InputHarness(std::string rememberedPort = {}) : input({"Keys A", "Keys B"}) {
    h.window.useMidiInput(input, {std::move(rememberedPort),
                                  [this](const std::string& port) { choices.push_back(port); }});
    h.start();
    WindowHarness::settle();
  }
  QAction* entry(int e) const {
    return h.window.findChild<QAction*>(QStringLiteral("input(%1)").arg(e));
  }
  std::set<int> held() const { return h.window.findChild<KeyboardWidget*>()->heldKeys(); }
  QString reading() const { return h.label(QStringLiteral("lblChordReading"))->text(); }

  // The input outlives the window that uses it.
  RecordingMidiInput input;
  std::vector<std::string> choices;
  WindowHarness h;
};

}  // namespace

class TstFrmMainInput : public QObject {
  Q_OBJECT

 private slots:
  // "None" at first start; a remembered port opens by itself; a missing one says nothing.
  void menuAndRememberedPort() {
    InputHarness first;
    QCOMPARE(first.entry(0)->text(), QStringLiteral("None"));
    QVERIFY(first.entry(0)->isChecked());
    QCOMPARE(first.entry(2)->text(), QStringLiteral("Keys B"));
    QVERIFY(first.input.openPort().empty());

    InputHarness again("Keys B");
    QCOMPARE(again.input.openPort(), std::string("Keys B"));
    QVERIFY(again.entry(2)->isChecked());
    QVERIFY(again.h.messages.texts().isEmpty());

    InputHarness gone("Unplugged");
    QVERIFY(gone.entry(0)->isChecked());
    QVERIFY(gone.input.calls().empty());
    QVERIFY(gone.h.messages.texts().isEmpty());
  }

  // A chord played: tinted and named while held, sounded on channel 7 with its own velocity,
  // and the selection once everything is let go, the pedal included.
  void playedChordHeldNamedAndSelected() {
    InputHarness t;
    t.entry(1)->trigger();
    WindowHarness::settle();
    QCOMPARE(t.choices, std::vector<std::string>{"Keys A"});
    t.h.output.forget();
    for (const int n : {48, 64, 67}) t.input.play(note(Kind::kNoteOn, n, 90));
    QTRY_COMPARE(t.held(), (std::set<int>{1, 5, 8}));
    QVERIFY2(t.reading().startsWith(QStringLiteral("C")), qPrintable(t.reading()));
    QCOMPARE(t.h.output.messages(), (std::vector<std::uint32_t>{0x5A3096, 0x5A4096, 0x5A4396}));
    QVERIFY(t.h.selectedKeys().empty());

    t.input.play(note(Kind::kPedalDown, 0));
    for (const int n : {48, 64, 67}) t.input.play(note(Kind::kNoteOff, n, 0));
    WindowHarness::settle();
    QCOMPARE(t.held(), (std::set<int>{1, 5, 8}));
    QVERIFY(t.h.selectedKeys().empty());
    t.input.play(note(Kind::kPedalUp, 0));
    QTRY_COMPARE(t.h.selectedKeys(), (std::vector<int>{1, 5, 8}));
    QVERIFY(t.held().empty());
  }

  // The input's reports are taken in the order they came even when a message box, which runs
  // the event loop, lets newer reports in: the port list shown is the newest.
  void reportsInOrderThroughAMessageBox() {
    InputHarness t;
    t.entry(1)->trigger();
    WindowHarness::settle();
    t.input.losePort();
    t.input.listPorts();
    t.h.messages.setWhileShown([&] {
      t.input.setPorts({"Keys C"});
      t.input.listPorts();
      QCoreApplication::sendPostedEvents();
    });
    WindowHarness::settle();
    QCOMPARE(t.h.messages.texts().size(), 1);
    QCOMPARE(t.entry(1)->text(), QStringLiteral("Keys C"));
    QCOMPARE(t.entry(2), nullptr);
  }

  // Nothing the thru started goes on sounding when the port goes, the input or the output is
  // changed; a lost port is reported once and "None" is checked.
  void nothingHangs() {
    InputHarness t;
    t.entry(1)->trigger();
    WindowHarness::settle();
    const auto sounding = [&] {
      int on = 0;
      for (const std::uint32_t m : t.h.output.messages()) on += (m & 0xF0) == 0x90 ? 1 : -1;
      return on;
    };
    t.input.play(note(Kind::kNoteOn, 60));
    QTRY_COMPARE(t.held().size(), std::size_t{1});
    t.h.choose(0);
    QCOMPARE(sounding(), 0);

    t.input.play(note(Kind::kNoteOn, 62));
    QTRY_COMPARE(t.held().size(), std::size_t{1});
    t.entry(2)->trigger();
    WindowHarness::settle();
    QCOMPARE(sounding(), 0);
    QVERIFY(t.held().empty());

    t.input.play(note(Kind::kNoteOn, 64));
    QTRY_COMPARE(t.held().size(), std::size_t{1});
    t.input.losePort();
    WindowHarness::settle();
    QCOMPARE(sounding(), 0);
    QCOMPARE(t.h.messages.texts().size(), 1);
    QVERIFY(t.h.messages.texts().front().contains(QStringLiteral("\u201CKeys B\u201D")));
    QVERIFY(t.entry(0)->isChecked());
  }
};

QTEST_MAIN(TstFrmMainInput)
#include "tst_frm_main_input.moc"
