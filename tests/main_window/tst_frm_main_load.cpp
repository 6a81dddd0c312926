// SPDX-License-Identifier: GPL-3.0-or-later
// The load step and the "Devices" menu.
#include <QMenu>
#include <QProgressBar>

#include "main_window/dial/dial.h"
#include "main_window/disc.h"
#include "main_window/layout.h"
#include "support/window_harness.h"

using namespace tonalis;
using namespace tonalis::testing;

using Names = std::vector<std::string>;
Q_DECLARE_METATYPE(Names)

class TstFrmMainLoad : public QObject {
  Q_OBJECT

 private slots:
  void stateBeforeLoadIsEmpty() {
    WindowHarness h;
    QCOMPARE(h.window.player().velocity(), 0);
    QCOMPARE(h.window.state().curDevice, 0);
    QVERIFY(h.window.state().noteNames[1].isEmpty());
    QVERIFY(h.output.calls().empty());
    QVERIFY(h.device(0) == nullptr);
  }

  void windowOpensEmpty() {
    WindowHarness h;
    h.window.load();
    h.window.show();
    QVERIFY(h.selectedKeys().empty());
    QCOMPARE(h.window.visibleChartMarkerCount(), 0);
    QVERIFY(h.window.chartMarkerVisible(10101) == false);
    QVERIFY(!h.button("cmdPrint")->isEnabled());
    for (const char* name : {"lblChord", "lblChordSymbol", "lblNotes", "lblChordName"}) {
      QVERIFY2(h.label(name)->text().isEmpty(), name);
    }
    // The captions keep their design texts.
    QCOMPARE(h.label("lblChordDisplay(17)")->text(), QStringLiteral("M7"));
    QCOMPARE(h.label("lblVol(1)")->text(), QStringLiteral("Full"));
    QCOMPARE(h.find<QProgressBar>("pgbVolume")->value(), 127);
    QCOMPARE(h.find<Dial>("Dial1")->value(), 127);
    QVERIFY(h.device(0)->isChecked());
    for (int k = 1; k <= 24; ++k) {
      QCOMPARE(h.find<Disc>(elementName("shpKeyPress", k))->color(), QColor(0, 255, 0));
      QVERIFY(h.key(k)->tag().isEmpty());
    }
  }

  void stateRecord() {
    WindowHarness h;
    h.window.load();
    const WindowState& s = h.window.state();
    QCOMPARE(s.noteNames[1], QStringLiteral("C"));
    QCOMPARE(s.noteNames[13], QStringLiteral("C"));
    QCOMPARE(s.noteNames[2], QStringLiteral("C#"));
    QCOMPARE(s.noteNames[24], QStringLiteral("B"));
    QVERIFY(s.noteNames[0].isEmpty());
    QCOMPARE(layout::dotX(1, 1), 240);
    QCOMPARE(layout::dotX(17, 3), 14400);
    QCOMPARE(layout::dotX(7, 2), 6840);
    QCOMPARE(layout::dotY(1, 1), 960);
    QCOMPARE(layout::dotY(2, 1), 630);
    QCOMPARE(layout::dotY(17, 10), 10680);
    QCOMPARE(h.window.player().velocity(), 127);
    QCOMPARE(h.window.player().baseNote(), 60);
    QCOMPARE(s.curDevice, -1);
    QCOMPARE(s.midiRc, 0);
    QCOMPARE(s.hMidiOut, &h.output);
    // Key notes go out on channel 0.
    h.window.show();
    QTest::mousePress(h.key(1), Qt::LeftButton);
    QCOMPARE(h.window.player().lastMessage() & 0x0F, 0u);
  }

  void loadOpensTheMapper() {
    WindowHarness h({"Synth A"});
    h.window.load();
    const std::vector<std::string> expected{"close", "open(MIDI Mapper)"};
    QCOMPARE(h.output.calls(), expected);
    QVERIFY(h.messages.texts().isEmpty());
  }

  void deviceMenu_data() {
    QTest::addColumn<Names>("names");
    QTest::newRow("no device") << Names{};
    QTest::newRow("three devices") << Names{"Midi Through:Port-0 14:0", "Synth B", "USB Keys"};
    QTest::newRow("eleven devices, more than the design's ten")
        << Names{"d0", "d1", "d2", "d3", "d4", "d5", "d6", "d7", "d8", "d9", "d10"};
  }
  void deviceMenu() {
    QFETCH(Names, names);
    WindowHarness h(names);
    h.start();
    const auto actions = h.find<QMenu>("mnuDevice")->actions();
    QCOMPARE(actions.size(), qsizetype(names.size() + 1));
    QCOMPARE(h.device(0)->text(), QStringLiteral("MIDI Mapper"));
    for (std::size_t i = 0; i < names.size(); ++i) {
      QAction* entry = h.device(static_cast<int>(i) + 1);
      QCOMPARE(entry->text(), QString::fromStdString(names[i]));
      QVERIFY(entry->isCheckable() && entry->isEnabled() && entry->isVisible());
      QVERIFY(!entry->isChecked());
    }
    QCOMPARE(h.window.state().deviceCount, int(names.size()));
    QVERIFY(h.device(0)->isChecked());
  }

  void choosingADeviceMovesTheCheckMark() {
    WindowHarness h({"A", "B", "C"});
    h.start();
    h.device(2)->trigger();
    QVERIFY(!h.device(0)->isChecked());
    QVERIFY(h.device(2)->isChecked());
    QCOMPARE(h.window.state().curDevice, 1);
    const std::vector<std::string> expected{"close", "open(B)"};
    QCOMPARE(h.output.calls(), expected);
    // The last of eleven devices works like any other.
    WindowHarness many({"d0", "d1", "d2", "d3", "d4", "d5", "d6", "d7", "d8", "d9", "d10"});
    many.start();
    many.device(11)->trigger();
    QCOMPARE(many.window.state().curDevice, 10);
    QVERIFY(many.output.isOpen());
  }

  void choosingTheCheckedEntryAgainReopensIt() {
    WindowHarness h({"A"});
    h.start();
    h.device(0)->trigger();
    QVERIFY(h.device(0)->isChecked());
    const std::vector<std::string> expected{"close", "open(MIDI Mapper)"};
    QCOMPARE(h.output.calls(), expected);
  }

  void failedOpenIsReportedAndKeepsTheChoice() {
    WindowHarness h({"A", "Busy"}, {{"Busy", midi::kAllocated}});
    h.start();
    h.choose(2);
    QCOMPARE(h.messages.texts(),
             QStringList{QStringLiteral(
                 "Couldn't open midi out, rc = 4\n\nThe device is in use by another program. Close "
                 "that program, or choose another device.")});
    QVERIFY(h.device(2)->isChecked());
    QVERIFY(!h.device(0)->isChecked());
    QCOMPARE(h.window.state().midiRc, 4);
    QVERIFY(h.window.state().hMidiOut == nullptr);
    // Choosing it again retries.
    h.output.setOpenResult("Busy", midi::kOk);
    h.choose(2);
    QCOMPARE(h.messages.texts().size(), 1);
    QCOMPARE(h.window.state().midiRc, 0);
  }

  void failedMapperAtLoadStillOpensTheWindow() {
    WindowHarness h({}, {{midi::kMidiMapper, midi::kNoDriver}});
    h.window.load();
    QCOMPARE(h.messages.texts(),
             QStringList{QStringLiteral(
                 "Couldn't open midi out, rc = 6\n\nNo sound server (PulseAudio, PipeWire or "
                 "JACK) is running, and the sound card could not be used directly, so the "
                 "built-in synthesizer cannot play. Start one (desktops start it at login; in a "
                 "terminal: systemctl --user start pipewire-pulse, or pulseaudio --start), then "
                 "choose MIDI Mapper in Devices again. A MIDI port can still be chosen in "
                 "Devices meanwhile.")});
    QCOMPARE(h.window.player().velocity(), 127);
    QCOMPARE(h.label("lblVol(1)")->text(), QStringLiteral("Full"));
    QVERIFY(h.device(0)->isChecked());
  }

  void closingTheWindowClosesTheOutput() {
    WindowHarness h;
    h.start();
    h.window.close();
    const std::vector<std::string> expected{"close"};
    QCOMPARE(h.output.calls(), expected);
    QVERIFY(!h.output.isOpen());
  }
};

QTEST_MAIN(TstFrmMainLoad)
#include "tst_frm_main_load.moc"
