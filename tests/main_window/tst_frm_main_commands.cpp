// SPDX-License-Identifier: GPL-3.0-or-later
// Key clicks, Clear, "Show Chords" and "Determine Root", driven by mouse clicks.
#include <algorithm>

#include "main_window/layout.h"
#include "support/window_harness.h"
#include "theory/chord_chart.h"

using namespace tonalis;
using namespace tonalis::testing;

using Keys = std::vector<int>;
Q_DECLARE_METATYPE(Keys)

namespace {

void selectKeys(WindowHarness& h, const Keys& keys) {
  for (const int k : keys) h.clickKey(k);
}

// The messages' own words, without the line on what to do that follows them.
QStringList firstParagraphs(const QStringList& messages) {
  QStringList first;
  for (const QString& message : messages) first << message.section(QStringLiteral("\n\n"), 0, 0);
  return first;
}

}  // namespace

class TstFrmMainCommands : public QObject {
  Q_OBJECT

 private slots:
  void clickTogglesTheKey() {
    WindowHarness h;
    h.start();
    h.clickKey(1);
    QCOMPARE(h.selectedKeys(), Keys{1});
    QVERIFY(h.find("shpKeyPress(1)")->isVisible());
    h.select({13, 24});
    QCOMPARE(h.selectedKeys(), (Keys{1, 13, 24}));
    h.clickKey(13);
    QCOMPARE(h.selectedKeys(), (Keys{1, 24}));
  }

  // Only a left-button release inside the key is a click; any button sounds the key.
  void onlyALeftClickInsideTheKeyToggles() {
    WindowHarness h;
    h.start();
    QTest::mouseClick(h.key(5), Qt::RightButton);
    QVERIFY(h.selectedKeys().empty());
    QTest::mousePress(h.key(5), Qt::LeftButton);
    QTest::mouseRelease(h.key(5), Qt::LeftButton, {}, QPoint(-5, -5));
    QVERIFY(h.selectedKeys().empty());
    QCOMPARE(h.output.messages().size(), std::size_t(4));
    QCOMPARE(h.key(5)->tag(), kReleased);
  }

  void deselectingTheLastKeyClears() {
    WindowHarness h;
    h.start();
    h.clickKey(1);
    h.click("cmdBuildChord");
    h.click("cmdDetChord");  // refused, one key
    h.messages.forget();
    QVERIFY(h.button("cmdPrint")->isEnabled());
    h.clickKey(1);
    QVERIFY(!h.button("cmdPrint")->isEnabled());
    QCOMPARE(h.window.visibleChartMarkerCount(), 0);
    QVERIFY(h.label("lblChord")->text().isEmpty());
    // The captions of the old chart stay.
    QVERIFY(h.label("lblChordDisplay(0)")->text().startsWith(QStringLiteral("C / CM")));
  }

  void deselectingAnotherKeyDoesNotClear() {
    WindowHarness h;
    h.start();
    h.clickKey(1);
    h.click("cmdBuildChord");
    h.clickKey(5);
    h.clickKey(5);
    QCOMPARE(h.window.visibleChartMarkerCount(), 124);
    QCOMPARE(h.label("lblChord")->text(), QStringLiteral("C"));
    QVERIFY(h.button("cmdPrint")->isEnabled());
  }

  void clearButton() {
    WindowHarness h;
    h.start();
    h.select({5, 8, 13});
    h.click("cmdDetChord");
    h.click("cmdClear");
    QVERIFY(h.selectedKeys().empty());
    for (const char* name : {"lblChord", "lblChordSymbol", "lblNotes", "lblChordName"}) {
      QVERIFY2(h.label(name)->text().isEmpty(), name);
    }
    QVERIFY(h.output.messages().size() == 6);  // the three clicks sounded, Clear did not
  }

  void showChords_data() {
    QTest::addColumn<Keys>("selection");
    QTest::addColumn<QString>("root");
    QTest::addColumn<Keys>("selectedAfter");
    QTest::newRow("key 1") << Keys{1} << "C" << Keys{1};
    QTest::newRow("key 13 moves down to 1") << Keys{13} << "C" << Keys{1};
    QTest::newRow("key 17 moves down to 5") << Keys{17} << "E" << Keys{5};
    QTest::newRow("key 2, key 20 ignored") << Keys{2, 20} << "C#/Db" << Keys{2, 20};
    QTest::newRow("key 12") << Keys{12} << "B" << Keys{12};
  }
  void showChords() {
    QFETCH(Keys, selection);
    QFETCH(QString, root);
    QFETCH(Keys, selectedAfter);
    WindowHarness h;
    h.start();
    selectKeys(h, selection);
    h.click("cmdBuildChord");
    QVERIFY(h.messages.texts().isEmpty());
    QCOMPARE(h.label("lblChord")->text(), root);
    QCOMPARE(h.selectedKeys(), selectedAfter);
    QVERIFY(h.button("cmdPrint")->isEnabled());
    QCOMPARE(h.window.visibleChartMarkerCount(), 124);
    QVERIFY(h.output.messages().size() == 2 * selection.size());  // only the key clicks sounded
  }

  void firstChartOfC() {
    WindowHarness h;
    h.start();
    h.clickKey(1);
    h.click("cmdBuildChord");
    QCOMPARE(h.label("lblChordDisplay(0)")->text(), QStringLiteral("C / CM / Cmaj  |  1-5-8"));
    QCOMPARE(h.label("lblChordDisplay(24)")->text(),
             QStringLiteral("Cm7(b5) / Cmin7(b5)  |  1-4-7-11"));
    QCOMPARE(h.markedKeys(101), (Keys{1, 5, 8}));
    QCOMPARE(h.picture(101)->accessibleName(), QStringLiteral("C major: C E G"));
    // Running it again moves nothing and gives the same chart.
    h.click("cmdBuildChord");
    QCOMPARE(h.window.visibleChartMarkerCount(), 124);
    QCOMPARE(h.selectedKeys(), Keys{1});
  }

  void majorSeventhOnFSharpFolds() {
    WindowHarness h;
    h.start();
    h.clickKey(7);
    h.click("cmdBuildChord");
    // Slot 17 is column 3, row 6.
    QCOMPARE(h.markedKeys(306), (Keys{6, 7, 11, 14}));
  }

  // Every root: each picture shows exactly its chord's keys, even after a previous chart.
  void everyRootMarksExactlyItsChords() {
    WindowHarness h;
    h.start();
    int previous = 0;
    for (int root = 1; root <= 12; ++root) {
      // Select the new root before dropping the old one, so that Clear never runs.
      h.clickKey(root);
      if (previous != 0) h.clickKey(previous);
      h.click("cmdBuildChord");
      QCOMPARE(h.selectedKeys(), Keys{root});
      QCOMPARE(h.window.visibleChartMarkerCount(), 124);
      for (int slot = 0; slot < 30; ++slot) {
        const int picture = 100 * theory::chartColumn(slot) + theory::chartRow(slot);
        Keys expected = theory::chartKeys(slot, root);
        std::sort(expected.begin(), expected.end());
        QCOMPARE(h.markedKeys(picture), expected);
        QCOMPARE(h.label(elementName("lblChordDisplay", slot))->text(),
                 QString::fromStdString(theory::chartCaption(slot, root)));
      }
      previous = root;
    }
  }

  void longRootNameIsNotCutOff() {
    WindowHarness h;
    h.start();
    h.clickKey(2);
    h.click("cmdBuildChord");
    QLabel* root = h.label("lblChord");
    QCOMPARE(root->text(), QStringLiteral("C#/Db"));
    QVERIFY(root->width() >= root->fontMetrics().horizontalAdvance(root->text()));
    QCOMPARE(root->geometry().right(), layout::toPixels(layout::kChartRoot).right());
    QVERIFY(root->geometry().left() >= 0);
  }

  // Each refusal keeps its own words and says below them what to do.
  void showChordsRefusals_data() {
    QTest::addColumn<Keys>("selection");
    QTest::addColumn<QString>("message");
    const QString needOne = QStringLiteral(
        "You must have one key pressed\n\nSelect the root of the chords, one key from the lowest "
        "C up to the E of the upper octave, then click Show Chords.");
    const QString onlyOne = QStringLiteral(
        "Only one key may be pressed\n\nShow Chords draws the chords built on a single key: "
        "click the other selected keys again to deselect them, or click Clear and pick one "
        "key.");
    QTest::newRow("nothing selected") << Keys{} << needOne;
    QTest::newRow("only key 20") << Keys{20} << needOne;
    QTest::newRow("keys 1 and 13") << Keys{1, 13} << onlyOne;
    QTest::newRow("keys 3 and 4") << Keys{3, 4} << onlyOne;
  }
  void showChordsRefusals() {
    QFETCH(Keys, selection);
    QFETCH(QString, message);
    WindowHarness h;
    h.start();
    selectKeys(h, selection);
    h.click("cmdBuildChord");
    QCOMPARE(h.messages.texts(), QStringList{message});
    QCOMPARE(h.selectedKeys(), selection);  // key 13 is not moved
    QVERIFY(!h.button("cmdPrint")->isEnabled());
    QCOMPARE(h.label("lblChordDisplay(0)")->text(), QStringLiteral("M"));
  }

  void refusalAfterAChartHidesItsMarkers() {
    WindowHarness h;
    h.start();
    h.clickKey(1);
    h.click("cmdBuildChord");
    h.clickKey(5);
    h.click("cmdBuildChord");
    QCOMPARE(firstParagraphs(h.messages.texts()),
             QStringList{QStringLiteral("Only one key may be pressed")});
    QCOMPARE(h.window.visibleChartMarkerCount(), 0);
    QCOMPARE(h.label("lblChord")->text(), QStringLiteral("C"));
    QVERIFY(h.label("lblChordDisplay(0)")->text().startsWith(QStringLiteral("C / ")));
    QVERIFY(h.button("cmdPrint")->isEnabled());
  }

  void determineRoot_data() {
    QTest::addColumn<Keys>("selection");
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("name");
    QTest::addColumn<Keys>("selectedAfter");
    QTest::newRow("C E G") << Keys{1, 5, 8} << " C  E  G "
                           << "C"
                           << "C Major" << Keys{1, 5, 8};
    QTest::newRow("E G C inverted") << Keys{5, 8, 13} << " C  E  G "
                                    << "C"
                                    << "C Major" << Keys{1, 5, 8};
    QTest::newRow("upper octave") << Keys{13, 17, 20} << " C  E  G "
                                  << "C"
                                  << "C Major" << Keys{13, 17, 20};
    QTest::newRow("no root, nothing to move") << Keys{1, 5, 10} << " C  E  A "
                                              << "No root"
                                              << "" << Keys{1, 5, 10};
    QTest::newRow("five upper keys all move") << Keys{13, 14, 15, 16, 17} << " C  C#  D  D#  E "
                                              << "No root"
                                              << "" << Keys{1, 2, 3, 4, 5};
  }
  void determineRoot() {
    QFETCH(Keys, selection);
    QFETCH(QString, notes);
    QFETCH(QString, symbol);
    QFETCH(QString, name);
    QFETCH(Keys, selectedAfter);
    WindowHarness h;
    h.start();
    selectKeys(h, selection);
    h.click("cmdDetChord");
    QVERIFY(h.messages.texts().isEmpty());
    QCOMPARE(h.label("lblNotes")->text(), notes);
    QCOMPARE(h.label("lblChordSymbol")->text(), symbol);
    QCOMPARE(h.label("lblChordName")->text(), name);
    QCOMPARE(h.selectedKeys(), selectedAfter);
  }

  void determineRootRefusals() {
    WindowHarness h;
    h.start();
    h.select({1, 5});
    h.click("cmdDetChord");
    QCOMPARE(h.messages.texts(),
             QStringList{QStringLiteral(
                 "Only 3 to 5 keys may be pressed\n\nDetermine Root names a chord of three, four "
                 "or five keys: select that many keys, then click Determine Root again.")});
    QVERIFY(h.label("lblChordSymbol")->text().isEmpty());
    QCOMPARE(h.selectedKeys(), (Keys{1, 5}));
    h.messages.forget();
    // A merge in a later attempt: the labels of attempt 1 stay, key 13 has moved.
    h.clickKey(13);
    h.click("cmdDetChord");
    QCOMPARE(firstParagraphs(h.messages.texts()),
             QStringList{QStringLiteral("Only 3 to 5 keys may be pressed")});
    QCOMPARE(h.label("lblNotes")->text(), QStringLiteral(" C  E  C "));
    QCOMPARE(h.label("lblChordSymbol")->text(), QStringLiteral("No root"));
    QCOMPARE(h.selectedKeys(), (Keys{1, 5}));
  }

  void noMatchKeepsTheEarlierName() {
    WindowHarness h;
    h.start();
    h.select({1, 5, 8});
    h.click("cmdDetChord");
    h.clickKey(8);
    h.clickKey(10);
    h.click("cmdDetChord");
    QCOMPARE(h.label("lblChordSymbol")->text(), QStringLiteral("No root"));
    QCOMPARE(h.label("lblChordName")->text(), QStringLiteral("C Major"));
  }
};

QTEST_MAIN(TstFrmMainCommands)
#include "tst_frm_main_commands.moc"
