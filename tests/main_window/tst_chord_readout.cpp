// The chord readout below the chart follows every change of the selection.
#include "main_window/layout.h"
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
    QCOMPARE(readout(h), QStringLiteral("C6 · Am7/C"));
    // Screen readers read the readings shown, in words.
    QVERIFY(h.label("lblChordReading")
                ->accessibleName()
                .startsWith(QStringLiteral("C major sixth; A minor seventh over C")));
    h.clickKey(8);
    QCOMPARE(readout(h), QStringLiteral("Am/C"));
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
