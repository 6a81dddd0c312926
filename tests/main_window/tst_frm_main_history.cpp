// SPDX-License-Identifier: GPL-3.0-or-later
// Chord symbols typed in "Enter Chord Symbol…", and the "History" window: what enters it, what
// choosing an entry does, and the files it saves.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "main_window/chord_symbol_dialog.h"
#include "support/recording_file_chooser.h"
#include "support/recording_midi_input.h"
#include "support/window_harness.h"

using namespace tonalis;
using namespace tonalis::testing;

using Keys = std::vector<int>;

namespace {

midi::NoteEvent note(midi::NoteEvent::Kind kind, int number, int velocity) {
  midi::NoteEvent event;
  event.kind = kind;
  event.note = number;
  event.velocity = velocity;
  return event;
}

struct HistoryHarness {
  HistoryHarness() : input({"Keys A"}) {
    h.window.useMidiInput(input, {});
    h.window.useChordChoice({});
    h.window.useHistory(files);
    h.start();
    WindowHarness::settle();
  }
  void trigger(const char* name) { h.window.findChild<QAction*>(QLatin1String(name))->trigger(); }
  // Types `symbol` in the dialog and presses Enter; the dialog's answer.
  QString enter(const QString& symbol) {
    trigger("mnuEnterChordSymbol");
    auto* text = h.find<QLineEdit>(QStringLiteral("txtChordSymbol"));
    text->setText(symbol);
    QTest::keyClick(text, Qt::Key_Return);
    return h.label(QStringLiteral("lblChordSymbolAnswer"))->text();
  }
  QListWidget* list() const { return h.find<QListWidget>(QStringLiteral("lstHistory")); }
  QStringList lines() const {
    QStringList lines;
    for (int row = 0; row < list()->count(); ++row) lines << list()->item(row)->text();
    return lines;
  }

  RecordingMidiInput input;  // outlives the window
  RecordingFileChooser files;
  WindowHarness h;
};

}  // namespace

class TstFrmMainHistory : public QObject {
  Q_OBJECT

 private slots:
  // A symbol takes its keys, sounds them a moment and enters the history; a bad one is
  // answered with the nearest symbols and changes nothing.
  void symbolsSelectSoundAndEnterTheHistory() {
    HistoryHarness t;
    t.h.select({2, 3});
    const QString refused = t.enter(QStringLiteral("Cmaj8"));
    QVERIFY2(refused.contains(QStringLiteral("Cmaj7")), qPrintable(refused));
    QCOMPARE(t.h.selectedKeys(), (Keys{2, 3}));
    QVERIFY(t.lines().isEmpty());

    t.h.output.forget();
    QCOMPARE(t.enter(QStringLiteral("Cmaj7/E")), QStringLiteral("Cmaj7/E: E G B C"));
    QCOMPARE(t.h.selectedKeys(), (Keys{5, 8, 12, 13}));
    for (const int k : {5, 8, 12, 13}) QCOMPARE(t.h.key(k)->tag(), kSounding);
    QCOMPARE(t.h.output.messages().size(), std::size_t(4));
    QTRY_COMPARE_WITH_TIMEOUT(t.h.key(5)->tag(), kReleased, 20'000);
    QCOMPARE(t.h.output.messages().size(), std::size_t(8));
    QCOMPARE(t.lines().size(), 1);
    QVERIFY2(t.lines()[0].endsWith(QStringLiteral("  E4 G4 B4 C5")), qPrintable(t.lines()[0]));
  }

  // "Determine Root" and a chord played on the MIDI keyboard enter it too; choosing an entry
  // gives its keys back.
  void determineRootAndPlayedChordsEnterIt() {
    HistoryHarness t;
    t.h.select({1, 5, 8});
    t.h.click("cmdDetChord");
    t.trigger("input(1)");
    WindowHarness::settle();
    using Kind = midi::NoteEvent::Kind;
    for (const int n : {57, 60, 64}) t.input.play(note(Kind::kNoteOn, n, 80));
    for (const int n : {57, 60, 64}) t.input.play(note(Kind::kNoteOff, n, 0));
    QTRY_COMPARE(t.lines().size(), 2);
    QVERIFY2(t.lines()[0].contains(QStringLiteral("  C  C4 E4 G4")), qPrintable(t.lines()[0]));
    QVERIFY2(t.lines()[1].contains(QStringLiteral("  Am  A3 C4 E4")), qPrintable(t.lines()[1]));
    QTRY_COMPARE(t.h.selectedKeys(), (Keys{1, 5, 10}));  // the played chord, folded

    t.list()->setCurrentRow(0);
    QCOMPARE(t.h.selectedKeys(), (Keys{1, 5, 8}));
    t.h.find<QPushButton>(QStringLiteral("cmdHistoryClear"))->click();
    QVERIFY(t.lines().isEmpty());
    QVERIFY(!t.h.find<QPushButton>(QStringLiteral("cmdHistoryMidi"))->isEnabled());
  }

  // The files saved and the text copied are what the history holds; a place that cannot be
  // written is said.
  void savesMidiAndChordSheet() {
    HistoryHarness t;
    t.enter(QStringLiteral("Dm7"));
    QTemporaryDir dir;
    const QString sheet = dir.filePath(QStringLiteral("chords.txt"));
    const QString song = dir.filePath(QStringLiteral("chords.mid"));
    t.files.setAnswer(sheet);
    t.h.find<QPushButton>(QStringLiteral("cmdHistorySheet"))->click();
    t.files.setAnswer(song);
    t.h.find<QPushButton>(QStringLiteral("cmdHistoryMidi"))->click();
    QFile text(sheet);
    QVERIFY(text.open(QIODevice::ReadOnly));
    const QByteArray saved = text.readAll();
    QVERIFY(saved.contains("  Dm7  D4 F4 A4 C5\n"));
    t.h.find<QPushButton>(QStringLiteral("cmdHistoryCopy"))->click();
    QCOMPARE(QApplication::clipboard()->text().toUtf8(), saved);
    QFile midiFile(song);
    QVERIFY(midiFile.open(QIODevice::ReadOnly));
    QVERIFY(midiFile.readAll().startsWith("MThd"));
    QVERIFY(t.h.messages.texts().isEmpty());

    t.files.setAnswer(dir.filePath(QStringLiteral("no/such/folder/chords.mid")));
    t.h.find<QPushButton>(QStringLiteral("cmdHistoryMidi"))->click();
    QCOMPARE(t.h.messages.texts().size(), 1);
  }
};

QTEST_MAIN(TstFrmMainHistory)
#include "tst_frm_main_history.moc"
