// SPDX-License-Identifier: GPL-3.0-or-later
// The Print command: the page it hands to the printer, the window put back afterwards, and the
// PDF offered when printing fails.
#include <QProcess>
#include <QTemporaryDir>

#include "main_window/pdf_save_path.h"
#include "main_window/qt_page_printer.h"
#include "support/window_harness.h"

using namespace tonalis;
using namespace tonalis::testing;

namespace {

bool isMarkerGreen(QRgb pixel) {
  return qGreen(pixel) > 200 && qRed(pixel) < 90 && qBlue(pixel) < 90;
}

int greenPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += isMarkerGreen(image.pixel(x, y)) ? 1 : 0;
  }
  return count;
}

// Where the window keeps what Print rearranges.
struct Arrangement {
  QSize clientSize;
  QPoint chartPos;
  int chartStackIndex;
  bool operator==(const Arrangement&) const = default;
};

Arrangement arrangementOf(const WindowHarness& h) {
  QWidget* chart = h.find("picChordDisplay");
  const QObjectList siblings = chart->parentWidget()->children();
  return {h.window.centralWidget()->size(), chart->pos(),
          static_cast<int>(siblings.indexOf(chart))};
}

void showChartOfC(WindowHarness& h) {
  h.start();
  h.select({1});
  h.click("cmdBuildChord");
}

}  // namespace

class TstFrmMainPrint : public QObject {
  Q_OBJECT

 private slots:
  void pageIsTheChartAreaWithItsMarkers() {
    WindowHarness h;
    showChartOfC(h);
    h.click("cmdPrint");

    QCOMPARE(h.printer.printed().size(), std::size_t{1});
    const QImage& page = h.printer.printed().front();
    // The client area shrinks to the chart area, which is wider than tall: a landscape page.
    QCOMPARE(page.deviceIndependentSize().toSize(),
             QSize(h.window.centralWidget()->width(), h.find("picChordDisplay")->height()));
    // At the top of the page the chart area covers the keyboard and buttons. Marker 10101 (C of
    // the first picture) sits at (240, 960) in the chart frame, the chart area at the page's top.
    const auto pagePixel = [&](int xTwips, int yTwips) {
      const double scale = page.devicePixelRatio() / 15.0;
      return page.pixel(int((120 + xTwips + 127) * scale), int((yTwips + 127) * scale));
    };
    QVERIFY(isMarkerGreen(pagePixel(240, 960)));   // C of C major, shown
    QVERIFY(!isMarkerGreen(pagePixel(480, 630)));  // C#, not in the chord
    QVERIFY(isMarkerGreen(pagePixel(2160, 960)));  // G
    // 124 markers of 255 x 255 twips, about 17 x 17 pixels each at the screen's resolution.
    const double markerArea =
        124 * 3.14 * 8.5 * 8.5 * page.devicePixelRatio() * page.devicePixelRatio();
    QVERIFY(greenPixels(page) > 0.8 * markerArea);
    QVERIFY(greenPixels(page) < 1.2 * markerArea);
  }

  void windowIsPutBack_data() {
    QTest::addColumn<bool>("printerWorks");
    QTest::newRow("printed") << true;
    QTest::newRow("printing failed") << false;
  }
  void windowIsPutBack() {
    QFETCH(bool, printerWorks);
    WindowHarness h;
    showChartOfC(h);
    if (!printerWorks) h.printer.setPrintFailure(QStringLiteral("No printer is available."));
    const Arrangement before = arrangementOf(h);
    const QSize windowBefore = h.window.size();

    h.click("cmdPrint");
    h.click("cmdPrint");

    QCOMPARE(arrangementOf(h), before);
    QCOMPARE(h.find("picChordDisplay")->pos(), QPoint(8, 136));
    QApplication::processEvents();
    QCOMPARE(h.window.size(), windowBefore);
    // Nothing else changed: the chart is still shown and can be printed again.
    QCOMPARE(h.window.visibleChartMarkerCount(), 124);
    QVERIFY(h.button("cmdPrint")->isEnabled());
    QCOMPARE(h.selectedKeys(), std::vector<int>{1});
  }

  void printingTwiceGivesTheSamePage() {
    WindowHarness h;
    showChartOfC(h);
    h.click("cmdPrint");
    h.click("cmdPrint");
    QCOMPARE(h.printer.printed().size(), std::size_t{2});
    QCOMPARE(h.printer.printed()[0], h.printer.printed()[1]);
  }

  void failedPrintOffersAPdf_data() {
    QTest::addColumn<bool>("userWantsPdf");
    QTest::addColumn<QString>("chosenFile");
    QTest::addColumn<int>("fileQuestions");
    QTest::addColumn<int>("pdfsSaved");
    QTest::newRow("saved") << true << QStringLiteral("/tmp/chart.pdf") << 1 << 1;
    QTest::newRow("declined") << false << QStringLiteral("/tmp/chart.pdf") << 0 << 0;
    QTest::newRow("file dialog cancelled") << true << QString() << 1 << 0;
  }
  void failedPrintOffersAPdf() {
    QFETCH(bool, userWantsPdf);
    QFETCH(QString, chosenFile);
    QFETCH(int, fileQuestions);
    QFETCH(int, pdfsSaved);
    WindowHarness h;
    showChartOfC(h);
    h.messages.forget();
    h.printer.setPrintFailure(QStringLiteral("No printer is available."));
    h.messages.setReply(userWantsPdf);
    h.printer.setPdfFile(chosenFile);

    h.click("cmdPrint");

    QCOMPARE(h.messages.texts().size(), 1);
    QVERIFY(h.messages.texts().front().contains(QStringLiteral("No printer is available.")));
    QVERIFY(h.messages.texts().front().contains(QStringLiteral("PDF")));
    QCOMPARE(h.printer.fileQuestions(), fileQuestions);
    QCOMPARE(int(h.printer.saved().size()), pdfsSaved);
    if (pdfsSaved > 0) {
      QCOMPARE(h.printer.saved().front().first, chosenFile);
      QCOMPARE(h.printer.saved().front().second.size(), QSize(2050, 1598));
    }
  }

  void aPdfThatCannotBeWrittenIsReported() {
    WindowHarness h;
    showChartOfC(h);
    h.messages.forget();
    h.printer.setPrintFailure(QStringLiteral("No printer is available."));
    h.messages.setReply(true);
    h.printer.setPdfFile(QStringLiteral("/tmp/chart.pdf"));
    h.printer.setSaveFailure(QStringLiteral("The file could not be written."));

    h.click("cmdPrint");

    QCOMPARE(h.messages.texts().size(), 2);
    QCOMPARE(h.messages.texts().back(), QStringLiteral("The file could not be written."));
  }

  // The real PDF path: one landscape page showing the markers.
  void pdfFileIsOneLandscapePageWithTheChart() {
    WindowHarness h;
    showChartOfC(h);
    h.click("cmdPrint");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
    QtPagePrinter printer;
    QCOMPARE(printer.savePdf(h.printer.printed().front(), pdf), std::nullopt);

    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"), pdf,
                    dir.filePath(QStringLiteral("page"))});
    QVERIFY2(pdftoppm.waitForFinished(30000), "pdftoppm (poppler-utils) did not finish");
    QCOMPARE(pdftoppm.exitCode(), 0);
    QVERIFY2(!QFile::exists(dir.filePath(QStringLiteral("page-2.png"))), "more than one page");
    const QImage page(dir.filePath(QStringLiteral("page-1.png")));
    QVERIFY(!page.isNull());
    QVERIFY(page.width() > page.height());
    QVERIFY(greenPixels(page) > 100);
  }

  void pdfIsProposedInAFolderOfTheUser_data() {
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("documents");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("home") << "/home/ann"
                          << "/home/ann/Documents"
                          << "/home/ann/Chord chart.pdf";
    QTest::newRow("no home") << ""
                             << "/srv/docs"
                             << "/srv/docs/Chord chart.pdf";
    QTest::newRow("no home, no documents") << ""
                                           << ""
                                           << "/work/here/Chord chart.pdf";
  }
  void pdfIsProposedInAFolderOfTheUser() {
    QFETCH(QString, home);
    QFETCH(QString, documents);
    QFETCH(QString, proposed);
    QCOMPARE(proposedPdfPath({home, documents, QStringLiteral("/work/here")}), proposed);
  }

  // Without HOME, Qt's home folder is the root folder; the proposal must not land there.
  void pdfIsNotProposedInTheRootFolderWithoutHome() {
    const QByteArray home = qgetenv("HOME");
    qunsetenv("HOME");
    const QString proposed = proposedPdfPath(pdfFoldersHere());
    qputenv("HOME", home);
    QVERIFY2(QFileInfo(proposed).absolutePath() != QStringLiteral("/"), qPrintable(proposed));
    QCOMPARE(QFileInfo(proposed).fileName(), QStringLiteral("Chord chart.pdf"));
  }

  void pdfInAMissingFolderIsAFailure() {
    QtPagePrinter printer;
    QVERIFY(printer.savePdf(whitePage(100, 50), QStringLiteral("/nonexistent-folder/chart.pdf"))
                .has_value());
  }
};

QTEST_MAIN(TstFrmMainPrint)
#include "tst_frm_main_print.moc"
