// SPDX-License-Identifier: GPL-3.0-or-later
// "Export Chart…": each format written and checked by a tool that is not the program's: the
// PDF's captions found by pdftotext, the SVG drawn by rsvg-convert, the PNG's size and
// resolution read by Qt's image reader. And what a chart picture dragged out carries.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "main_window/chart_drag.h"
#include "support/recording_file_chooser.h"
#include "support/window_harness.h"

using namespace tonalis;
using namespace tonalis::testing;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

// What `program` prints for `arguments`; empty when it fails.
QString run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60'000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class TstFrmMainExport : public QObject {
  Q_OBJECT

 private slots:
  void writesEachFormat_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("filter");
    QTest::newRow("pdf") << "chart.pdf"
                         << "";
    QTest::newRow("svg") << "chart.svg"
                         << "";
    QTest::newRow("png at 300 dpi by its suffix") << "chart.png"
                                                  << "";
    QTest::newRow("png at 150 dpi, no suffix") << "chart"
                                               << "PNG picture at 150 dpi (*.png)";
  }
  void writesEachFormat() {
    QFETCH(QString, name);
    QFETCH(QString, filter);
    RecordingFileChooser files;
    WindowHarness h;
    h.window.useChartExport(files);
    h.start();
    h.clickKey(1);
    h.click("cmdBuildChord");
    const QString caption = h.label(QStringLiteral("lblChordDisplay(0)"))->text();
    QVERIFY(!caption.isEmpty());

    QTemporaryDir dir;
    files.setAnswer(dir.filePath(name), filter);
    h.window.findChild<QAction*>(QStringLiteral("mnuExportChart"))->trigger();
    QVERIFY2(h.messages.texts().isEmpty(), qPrintable(h.messages.texts().join('\n')));

    if (name.endsWith(QLatin1String(".pdf"))) {
      if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        QSKIP("pdftotext is missing");
      }
      const QString text =
          run(QStringLiteral("pdftotext"), {dir.filePath(name), QStringLiteral("-")});
      // The first chord's caption, as text; blanks may be laid out differently.
      QVERIFY2(text.simplified().contains(caption.section(QLatin1Char('|'), 0, 0).simplified()),
               qPrintable(text));
      const QString info = run(QStringLiteral("pdfinfo"), {dir.filePath(name)});
      // A4 landscape: wider than high.
      QVERIFY2(info.contains(QStringLiteral("Page size:       842 x 595 pts")), qPrintable(info));
    } else if (name.endsWith(QLatin1String(".svg"))) {
      if (QStandardPaths::findExecutable(QStringLiteral("rsvg-convert")).isEmpty()) {
        QSKIP("rsvg-convert is missing");
      }
      const QString drawn = dir.filePath(QStringLiteral("drawn.png"));
      run(QStringLiteral("rsvg-convert"), {dir.filePath(name), QStringLiteral("-o"), drawn});
      const QImage picture(drawn);
      QVERIFY(!picture.isNull());
      QVERIFY(picture.width() > picture.height());
    } else {
      const int dotsPerInch = filter.isEmpty() ? 300 : 150;
      const QImage picture(dir.filePath(QStringLiteral("chart.png")));
      QVERIFY(!picture.isNull());
      QCOMPARE(qRound(picture.dotsPerMeterX() / 39.3701), dotsPerInch);
      QVERIFY(picture.width() > picture.height());
    }
  }

  // A dragged picture's chord: a MIDI file a file manager can copy, the same bytes for a
  // sequencer, and the symbol as text; a symbol's slash and sharps make no folder or odd name.
  void dragCarriesTheChord_data() {
    QTest::addColumn<std::vector<int>>("notes");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("file");
    QTest::newRow("C") << std::vector<int>{60, 64, 67} << "C"
                       << "C.mid";
    QTest::newRow("F#/C#") << std::vector<int>{61, 66, 70} << "F♯/C♯"
                           << "Fsharp over Csharp.mid";
  }
  void dragCarriesTheChord() {
    QFETCH(std::vector<int>, notes);
    QFETCH(QString, symbol);
    QFETCH(QString, file);
    QTemporaryDir dir;
    const std::unique_ptr<QMimeData> data(ChartDrag::chordData(notes, dir.path()));
    QCOMPARE(data->text(), symbol);
    QCOMPARE(data->urls().size(), 1);
    QCOMPARE(data->urls().front().toLocalFile(), dir.filePath(file));
    QFile written(dir.filePath(file));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QVERIFY(bytes.startsWith("MThd"));
    QCOMPARE(data->data(QStringLiteral("audio/midi")), bytes);
  }

  // "Print…" prints the page the Print button prints, after the printer's dialog; a failure
  // is said.
  void printAsksFirst() {
    RecordingFileChooser files;
    WindowHarness h;
    h.window.useChartExport(files);
    h.start();
    h.clickKey(1);
    h.click("cmdBuildChord");
    h.window.findChild<QAction*>(QStringLiteral("mnuPrintChart"))->trigger();
    QCOMPARE(h.printer.choicesAsked(), 1);
    QCOMPARE(h.printer.printed().size(), std::size_t(1));
    h.click("cmdPrint");
    QCOMPARE(h.printer.printed().size(), std::size_t(2));
    QCOMPARE(h.printer.choicesAsked(), 1);
    QCOMPARE(h.printer.printed()[0], h.printer.printed()[1]);
    h.printer.setPrintFailure(QStringLiteral("out of paper"));
    h.window.findChild<QAction*>(QStringLiteral("mnuPrintChart"))->trigger();
    QCOMPARE(h.messages.texts(), QStringList{QStringLiteral("out of paper")});
  }

  void refusesAnUnknownSuffix() {
    RecordingFileChooser files;
    WindowHarness h;
    h.window.useChartExport(files);
    h.start();
    QTemporaryDir dir;
    files.setAnswer(dir.filePath(QStringLiteral("chart.doc")));
    h.window.findChild<QAction*>(QStringLiteral("mnuExportChart"))->trigger();
    QCOMPARE(h.messages.texts().size(), 1);
    QVERIFY(QDir(dir.path()).isEmpty());
  }
};

QTEST_MAIN(TstFrmMainExport)
#include "tst_frm_main_export.moc"
