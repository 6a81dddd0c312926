// SPDX-License-Identifier: GPL-3.0-or-later
// The chord readout below the chart follows every change of the selection.
#include <QMenuBar>

#include "main_window/layout.h"
#include "support/recording_midi_input.h"
#include "support/window_harness.h"

using namespace tonalis;
using namespace tonalis::testing;

class TstChordReadout : public QObject {
  Q_OBJECT

  static QString readout(const WindowHarness& h) { return h.label("lblChordReading")->text(); }

 private slots:
  // Left-aligned in the window's label font, in the strip below the chart and inside the window.
  void sitsInTheStripBelowTheChart() {
    WindowHarness h;
    h.start();
    QLabel* label = h.label("lblChordReading");
    const QRect chart = h.find("picChordDisplay")->geometry();
    const QRect client = h.window.centralWidget()->rect();
    QVERIFY(label->isVisible());
    QCOMPARE(label->parentWidget(), h.window.centralWidget());
    QVERIFY(label->geometry().top() >= chart.bottom() + 1);
    QVERIFY(client.contains(label->geometry()));
    QVERIFY(label->alignment() & Qt::AlignLeft);
    QCOMPARE(label->font(), h.label("lblChordSymbol")->font());
    QCOMPARE(label->accessibleDescription(), QStringLiteral("Chord reading"));
    QVERIFY(readout(h).isEmpty());
  }

  void followsMouseClicksAndClear() {
    WindowHarness h;
    h.start();
    h.clickKey(1);
    QVERIFY(readout(h).isEmpty());  // one key is no chord
    h.clickKey(8);
    QCOMPARE(readout(h), QStringLiteral("C5 · perfect fifth"));
    h.select({5, 10});
    QCOMPARE(readout(h), QStringLiteral("Am7/C · C6"));
    // Screen readers read the readings shown, in words.
    QVERIFY(h.label("lblChordReading")
                ->accessibleName()
                .startsWith(QStringLiteral("A minor seventh over C; C major sixth")));
    h.clickKey(8);
    QCOMPARE(readout(h), QStringLiteral("Am/C · C6"));  // C6 without its fifth
    h.clickKey(1);
    QCOMPARE(readout(h), QStringLiteral("A5/E · perfect fourth"));
    h.click("cmdClear");
    QVERIFY(readout(h).isEmpty());
    QVERIFY(h.label("lblChordReading")->accessibleName().isEmpty());
  }

  void followsComputerKeys() {
    WindowHarness h;
    h.start();
    for (const Qt::Key key : {Qt::Key_C, Qt::Key_B, Qt::Key_Comma}) {  // E, G and the upper C
      QTest::keyPress(&h.window, key);
      QTest::keyRelease(&h.window, key);
    }
    QTRY_COMPARE(readout(h), QStringLiteral("C/E"));  // each release waits for a repeat
  }

  // "Determine Root" moves the upper C down: the readout names the moved keys.
  void followsTheKeysDetermineRootMoves() {
    WindowHarness h;
    h.start();
    h.select({5, 8, 13});
    QCOMPARE(readout(h), QStringLiteral("C/E"));
    h.click("cmdDetChord");
    QCOMPARE(h.selectedKeys(), (std::vector<int>{1, 5, 8}));
    QCOMPARE(readout(h), QStringLiteral("C"));
    // A merge leaves two keys, which read as their interval.
    h.click("cmdClear");
    h.select({1, 5, 13});
    h.click("cmdDetChord");
    QCOMPARE(h.selectedKeys(), (std::vector<int>{1, 5}));
    QCOMPARE(readout(h), QStringLiteral("major third"));
  }

  // The "Chord" menu comes after "Devices" and "Input": a key adds each reading's numeral, the
  // style decides between Dm7/F and F6, every choice is kept, and a kept one is checked at start.
  void chordMenuChoosesKeyAndStyle() {
    RecordingMidiInput input({"Keys"});
    std::vector<frmMain::ReadoutSettings> kept;
    WindowHarness h;
    h.window.useMidiInput(input, {});
    h.window.useChordChoice({{}, [&](const frmMain::ReadoutSettings& o) { kept.push_back(o); }});
    h.start();
    QStringList titles;
    for (const QAction* menu : h.window.menuBar()->actions()) titles.append(menu->text());
    QVERIFY(titles.indexOf(QStringLiteral("&Chord")) > titles.indexOf(QStringLiteral("&Input")));
    QCOMPARE(titles.indexOf(QStringLiteral("&Devices")), 0);
    QCOMPARE(titles.indexOf(QStringLiteral("&Input")), 1);
    const auto choice = [&](const char* name) {
      return h.window.findChild<QAction*>(QString::fromLatin1(name));
    };
    QVERIFY(choice("key(none)")->isChecked());
    QVERIFY(choice("style(analysis)")->isChecked());

    h.select({6, 10, 13, 15});  // F A C D
    QCOMPARE(readout(h), QStringLiteral("Dm7/F · F6"));
    choice("key(C major)")->trigger();
    QCOMPARE(readout(h), QStringLiteral("Dm7/F — ii6/5 in C · F6 — IV(6) in C"));
    choice("style(lead-sheet)")->trigger();
    QCOMPARE(readout(h), QStringLiteral("F6 — IV(6) in C · Dm7/F — ii6/5 in C"));
    choice("key(none)")->trigger();
    QCOMPARE(readout(h), QStringLiteral("F6 · Dm7/F"));
    QCOMPARE(kept.size(), std::size_t(3));
    QVERIFY(kept[1].options.key == theory::MusicalKey{} &&
            kept[1].options.style == theory::ReadingStyle::LeadSheet);
    QVERIFY(!kept[2].options.key && !kept[2].automaticKey);

    RecordingMidiInput again;
    WindowHarness later;
    later.window.useMidiInput(again, {});
    later.window.useChordChoice(
        {{{theory::ReadingStyle::LeadSheet, theory::parseKey("g minor")}, false}, {}});
    later.start();
    QVERIFY(later.window.findChild<QAction*>(QStringLiteral("key(G minor)"))->isChecked());
    QVERIFY(later.window.findChild<QAction*>(QStringLiteral("style(lead-sheet)"))->isChecked());
    later.select({4, 8, 11});  // D♯ G A♯ are E♭ G B♭ in G minor
    QCOMPARE(readout(later), QStringLiteral("E♭ — VI in g"));
  }

  // The automatic key follows what the MIDI keyboard played, marked as a guess.
  void automaticKeyFollowsThePlaying() {
    RecordingMidiInput input({"Keys"});
    std::vector<frmMain::ReadoutSettings> kept;
    WindowHarness h;
    h.window.useMidiInput(input, {"Keys", {}});
    h.window.useChordChoice({{}, [&](const frmMain::ReadoutSettings& o) { kept.push_back(o); }});
    h.start();
    h.window.findChild<QAction*>(QStringLiteral("key(automatic)"))->trigger();
    QVERIFY(kept.back().automaticKey);
    h.select({3, 7, 10, 13});  // D F♯ A C: nothing played yet, so no key
    QCOMPARE(readout(h), QStringLiteral("D7 · F♯dim/D"));
    const auto play = [&](midi::NoteEvent::Kind kind, int number) {
      midi::NoteEvent event;
      event.kind = kind;
      event.note = number;
      event.velocity = 90;
      input.play(event);
    };
    for (const int n : {67, 69, 71, 72, 74, 76, 78, 79, 74, 71, 67}) {  // G major, up and down
      play(midi::NoteEvent::Kind::kNoteOn, n);
      play(midi::NoteEvent::Kind::kNoteOff, n);
    }
    for (const int n : {62, 66, 69, 72}) play(midi::NoteEvent::Kind::kNoteOn, n);
    QTRY_COMPARE(readout(h), QStringLiteral("D7 — V7 in G? · F♯dim/D — viio in G?"));
  }

  // The printed page holds the chart only: the readout lies below the chart's height.
  void isNotOnThePrintedPage() {
    WindowHarness h;
    h.start();
    h.clickKey(1);
    h.click("cmdBuildChord");
    h.select({5, 8});
    h.click("cmdPrint");
    QCOMPARE(h.printer.printed().size(), std::size_t(1));
    const QImage& page = h.printer.printed().front();
    QCOMPARE(qRound(page.deviceIndependentSize().height()),
             layout::toPixels(layout::kChartBox.height));
    QCOMPARE(h.label("lblChordReading")->geometry().topLeft(),
             layout::toPixels(layout::kChordReading).topLeft());
  }
};

QTEST_MAIN(TstChordReadout)
#include "tst_chord_readout.moc"
