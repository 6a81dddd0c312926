// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "app/loaded_page_printer.h"
#include "support/recording_page_printer.h"

using tonalis::LoadedPagePrinter;
using tonalis::testing::whitePage;

namespace {

// Whether Qt's printing library is mapped into this process.
bool printingLoaded() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6PrintSupport");
}

}  // namespace

class TstLoadedPagePrinter : public QObject {
  Q_OBJECT

 private slots:
  // Qt's printing comes with the module at the first page, not with the program.
  void loadsPrintingAtTheFirstPage() {
    QVERIFY(!printingLoaded());
    LoadedPagePrinter printer({QStringLiteral("/nonexistent"), QStringLiteral(MODULE_FOLDER)});
    QVERIFY(!printingLoaded());

    const QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("chart.pdf"));
    QCOMPARE(printer.savePdf(whitePage(300, 200), pdf), std::nullopt);
    QVERIFY(printingLoaded());
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    // The same module serves every later page.
    const QString again = folder.filePath(QStringLiteral("again.pdf"));
    QCOMPARE(printer.savePdf(whitePage(300, 200), again), std::nullopt);
    QVERIFY(QFile::exists(again));
  }

  void aMissingModuleIsSaidForEachPage() {
    LoadedPagePrinter printer({QStringLiteral("/nonexistent")});
    const QString reason = QStringLiteral("libtonalis-printing.so is not in /nonexistent.");
    QCOMPARE(printer.print(whitePage(300, 200)),
             QStringLiteral("Printing is not available: ") + reason);
    const QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("chart.pdf"));
    QCOMPARE(printer.savePdf(whitePage(300, 200), pdf),
             QStringLiteral("Saving as PDF is not available: ") + reason);
    QVERIFY(!QFile::exists(pdf));
  }
};

QTEST_MAIN(TstLoadedPagePrinter)
#include "tst_loaded_page_printer.moc"
