// SPDX-License-Identifier: GPL-3.0-or-later
// The page printer of the running program against a real print service: a private CUPS
// scheduler with one printer that writes to /dev/null. A job the printer takes is no failure;
// a job it refuses is reported with the scheduler's reason, then the PDF is offered.
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "main_window/frm_main.h"
#include "main_window/qt_page_printer.h"
#include "support/recording_message_box.h"
#include "support/recording_midi_output.h"
#include "support/recording_page_printer.h"

using namespace tonalis;

namespace {

constexpr const char* kPrinter = "tonalis-test";
constexpr int kTimeoutMs = 10000;

// cupsd with its configuration, spool and socket in a folder of its own, for as long as the
// object lives. It becomes this process's print service (CUPS_SERVER), so create it before
// anything in the process talks to one.
class PrivateCupsServer {
 public:
  PrivateCupsServer() {
    const QDir root(m_folder.path());
    for (const char* sub : {"spool", "cache", "state", "log"}) root.mkpath(QLatin1String(sub));
    m_socket = root.filePath(QStringLiteral("cups.sock"));
    writeFile(QStringLiteral("cupsd.conf"),
              QStringLiteral("Listen %1\nBrowsing No\nWebInterface No\nDefaultAuthType None\n"
                             "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                             "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                             "</Policy>\n")
                  .arg(m_socket));
    writeFile(QStringLiteral("cups-files.conf"),
              QStringLiteral("FileDevice Yes\nServerRoot %1\nRequestRoot %1/spool\n"
                             "TempDir %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                             "ErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                             "PageLog %1/log/page_log\n")
                  .arg(root.path()));
    qputenv("CUPS_SERVER", QFile::encodeName(m_socket));
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    m_scheduler.setProcessChannelMode(QProcess::MergedChannels);
    m_scheduler.start(QStringLiteral("cupsd"),
                      {QStringLiteral("-f"), QStringLiteral("-c"), root.filePath("cupsd.conf"),
                       QStringLiteral("-s"), root.filePath("cups-files.conf")});
  }
  ~PrivateCupsServer() {
    m_scheduler.terminate();
    if (!m_scheduler.waitForFinished(kTimeoutMs)) m_scheduler.kill();
    m_scheduler.waitForFinished(kTimeoutMs);
  }

  // Waits until the scheduler answers, then adds the printer as the default; why not, if not.
  std::optional<QString> start() {
    if (!m_scheduler.waitForStarted(kTimeoutMs)) return QStringLiteral("cupsd did not start");
    for (int waited = 0; !QFileInfo::exists(m_socket); waited += 50) {
      if (waited > kTimeoutMs || m_scheduler.state() != QProcess::Running) {
        return QStringLiteral("cupsd did not open its socket: ") +
               QString::fromLocal8Bit(m_scheduler.readAll());
      }
      QTest::qWait(50);
    }
    // A queue without a driver: the test only needs the scheduler to take or refuse jobs.
    if (auto failure = run(
            QStringLiteral("lpadmin"),
            {QStringLiteral("-p"), kPrinter, QStringLiteral("-E"), QStringLiteral("-v"),
             QStringLiteral("file:///dev/null"), QStringLiteral("-m"), QStringLiteral("raw")})) {
      return failure;
    }
    return run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), kPrinter});
  }

  // Runs one of the CUPS administration tools against this scheduler.
  std::optional<QString> run(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(tool, arguments);
    if (!process.waitForFinished(kTimeoutMs) || process.exitCode() != 0) {
      return tool + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAll());
    }
    return std::nullopt;
  }

 private:
  void writeFile(const QString& name, const QString& text) {
    QFile file(QDir(m_folder.path()).filePath(name));
    if (file.open(QIODevice::WriteOnly)) file.write(text.toUtf8());
  }

  QTemporaryDir m_folder;
  QString m_socket;
  QProcess m_scheduler;
};

}  // namespace

class TstQtPagePrinterCups : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    const std::optional<QString> failure = m_cups.start();
    QVERIFY2(!failure, failure ? qPrintable(*failure) : "");
  }

  void aJobThePrinterTakesIsNoFailure() {
    QtPagePrinter printer;
    QCOMPARE(printer.print(testing::whitePage(400, 300)), std::nullopt);
  }

  void aRefusedJobIsReportedThenThePdfOffered() {
    QVERIFY(!m_cups.run(QStringLiteral("cupsreject"), {kPrinter}));
    testing::RecordingMidiOutput output;
    testing::RecordingMessageBox messages;
    QtPagePrinter printer;
    frmMain window(output, messages, printer);
    window.load();
    window.show();
    QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("lblKey(1)")), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("cmdBuildChord")), Qt::LeftButton);
    messages.forget();
    messages.setReply(false);

    QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
    QVERIFY(!m_cups.run(QStringLiteral("cupsaccept"), {kPrinter}));

    QCOMPARE(messages.texts(),
             QStringList{QStringLiteral(
                 "The chart could not be printed. The printer \"tonalis-test\" did not take the "
                 "job: Destination \"tonalis-test\" is not accepting jobs.\n\nSave it as a PDF "
                 "file instead?")});
    window.close();
  }

  // Run last: it takes the printer away.
  void withoutADefaultPrinterThereIsNoPrinter() {
    QVERIFY(!m_cups.run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), kPrinter}));
    QtPagePrinter printer;
    QCOMPARE(printer.print(testing::whitePage(400, 300)),
             std::optional<QString>(QStringLiteral("No printer is available.")));
  }

 private:
  PrivateCupsServer m_cups;
};

QTEST_MAIN(TstQtPagePrinterCups)
#include "tst_qt_page_printer_cups.moc"
