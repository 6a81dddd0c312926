// SPDX-License-Identifier: GPL-3.0-or-later
// The real program ended by a signal: under a private X server (Xvfb, driven with xdotool) and a
// private JACK server, a computer key is held on a JACK port of the test's own, then SIGINT,
// SIGTERM or SIGHUP arrives. The port must receive the note-off and the program must end with
// status 0, as when its window is closed. A signal during the splash ends it cleanly too.
#include <signal.h>
#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>

#include "midi/system_midi_output.h"
#include "support/jack_server.h"
#include "support/output_reports.h"

using namespace tonalis;
using namespace std::chrono_literals;
using Message = test::JackMidiRecorder::Message;

namespace {

constexpr const char* kRecorderClient = "tonalis-signal-test";
constexpr int kStartTimeoutMs = 20000;
constexpr int kQuitTimeoutMs = 10000;
const Message kNoteOnOfZ{0x90, 0x3C, 0x7F};  // Z plays key 1, middle C, at full volume
const Message kNoteOffOfZ{0x80, 0x3C, 0x00};

// An X server of its own on a display it picks itself, for as long as the object lives.
class PrivateXServer {
 public:
  PrivateXServer() {
    // -displayfd: the server takes the first free display and prints its number when ready.
    m_server.start(QStringLiteral("Xvfb"),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                    QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                    QStringLiteral("1280x1024x24")});
    if (!m_server.waitForStarted(kStartTimeoutMs)) return;
    QByteArray number;
    while (!number.contains('\n') && m_server.waitForReadyRead(kStartTimeoutMs)) {
      number += m_server.readAllStandardOutput();
    }
    if (number.contains('\n')) m_display = QStringLiteral(":") + QString(number).trimmed();
  }
  ~PrivateXServer() {
    m_server.terminate();
    if (!m_server.waitForFinished(5000)) m_server.kill();
    m_server.waitForFinished(5000);
  }

  // Empty when the server did not start.
  const QString& display() const { return m_display; }

  // Runs xdotool on this display; its output, or nothing when it failed or timed out.
  std::optional<QString> xdotool(const QStringList& arguments, int timeoutMs = 5000) const {
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForFinished(timeoutMs) || tool.exitCode() != 0) {
      tool.kill();
      tool.waitForFinished();
      return std::nullopt;
    }
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
  }

 private:
  QProcess m_server;
  QString m_display;
};

// The program on `display`, with the JACK server this process made its default. What it keeps
// between starts (the splash's picture) goes to a folder of its own, not the user's cache.
// `cacheFolder` and `settingsFolder`, when given, stand for the user's cache and settings folders.
void startProgram(QProcess& program, const QString& display, const QString& cacheFolder = {},
                  const QString& settingsFolder = {}) {
  static const QTemporaryDir cache;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("XDG_CACHE_HOME"),
                     cacheFolder.isEmpty() ? cache.path() : cacheFolder);
  if (!settingsFolder.isEmpty())
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settingsFolder);
  environment.insert(QStringLiteral("DISPLAY"), display);
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  program.setProcessEnvironment(environment);
  program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  program.start(QStringLiteral(TONALIS_PROGRAM), QStringList{});
}

// The "Devices" entry of the port named `portName`, as the program will list it.
int deviceEntryOf(const std::string& portName) {
  midi::SystemMidiOutput output{midi::SoundFontSearch{}};
  test::Reports reports(output);
  const std::vector<std::string> names = reports.listed();
  const auto found = std::ranges::find(names, portName);
  return found == names.end() ? -1 : static_cast<int>(found - names.begin()) + 1;
}

}  // namespace

class TstQuitOnSignals : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY2(!m_x.display().isEmpty(), "Xvfb (package xvfb) did not start");
    QVERIFY2(m_x.xdotool({QStringLiteral("version")}), "xdotool (package xdotool) did not run");
  }

  void heldNoteEndsWhenTheSignalArrives_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
  }
  void heldNoteEndsWhenTheSignalArrives() {
    QFETCH(int, signal);
    test::JackServer server;
    const std::optional<std::string> failure = server.start();
    QVERIFY2(!failure, failure ? failure->c_str() : "");
    test::JackMidiRecorder recorder(kRecorderClient);
    QVERIFY2(!recorder.error(), recorder.error() ? recorder.error()->c_str() : "");
    const int entry = deviceEntryOf(recorder.portName());
    QVERIFY2(entry > 0, "the test's port is not among the MIDI outputs");

    QProcess program;
    startProgram(program, m_x.display());
    QVERIFY(program.waitForStarted(kStartTimeoutMs));
    // The main window is the one with the program's title that is wider than any message box.
    const std::optional<QString> window = m_x.xdotool(
        {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
         QStringLiteral("--name"), QStringLiteral("^Tonalis$")},
        kStartTimeoutMs);
    QVERIFY2(window && !window->contains('\n'), "the main window did not appear alone");
    const std::optional<QString> geometry =
        m_x.xdotool({QStringLiteral("getwindowgeometry"), *window});
    QVERIFY2(
        geometry && geometry->contains(QRegularExpression(QStringLiteral("Geometry: 1\\d\\d\\dx"))),
        geometry ? qPrintable(*geometry) : "no geometry");

    // The "Devices" menu, opened with the mouse and walked with the arrow keys to the port.
    QVERIFY(m_x.xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), *window}));
    QVERIFY(m_x.xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), *window,
                         QStringLiteral("20"), QStringLiteral("10"), QStringLiteral("click"),
                         QStringLiteral("1")}));
    QStringList walk{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("50")};
    for (int step = 0; step <= entry; ++step) walk << QStringLiteral("Down");
    walk << QStringLiteral("Return");
    // The menu opens on the event loop's next turn, as a window of its own beside the main one.
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
          const std::optional<QString> shown =
              m_x.xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                           QStringLiteral("--pid"), QString::number(program.processId())});
          return shown && shown->count('\n') >= 1;
        }(),
        kStartTimeoutMs);
    QVERIFY(m_x.xdotool(walk));
    QVERIFY2(recorder.waitForConnections(1, 30s), "the program did not open the test's port");

    QVERIFY(m_x.xdotool({QStringLiteral("keydown"), QStringLiteral("z")}));
    QCOMPARE(recorder.waitForMessages(1, 30s), std::vector<Message>{kNoteOnOfZ});

    QCOMPARE(::kill(static_cast<pid_t>(program.processId()), signal), 0);
    QVERIFY2(program.waitForFinished(kQuitTimeoutMs), "the program did not end on the signal");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(recorder.waitForMessages(2, 30s), (std::vector<Message>{kNoteOnOfZ, kNoteOffOfZ}));
    m_x.xdotool({QStringLiteral("keyup"), QStringLiteral("z")});
    server.stop();
  }

  void signalDuringTheSplashEndsTheProgram() {
    test::JackServer server;
    const std::optional<std::string> failure = server.start();
    QVERIFY2(!failure, failure ? failure->c_str() : "");
    QProcess program;
    startProgram(program, m_x.display());
    QVERIFY(program.waitForStarted(kStartTimeoutMs));
    QVERIFY2(splashAppears(program), "the splash window did not appear");
    QCOMPARE(::kill(static_cast<pid_t>(program.processId()), SIGTERM), 0);
    QVERIFY2(program.waitForFinished(kQuitTimeoutMs), "the program did not end on the signal");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    server.stop();
  }

  // A named pipe where the program keeps its splash's picture is passed over; one in place of
  // its settings file holds the window's thread up when it reads the remembered input, and
  // the signal still ends the program, as it ends a program that does not catch it.
  void signalEndsTheProgramWhateverItWaitsFor_data() {
    QTest::addColumn<QString>("pipe");
    QTest::addColumn<bool>("stuck");
    QTest::newRow("splash picture") << QStringLiteral("cache/Tonalis/splash.png") << false;
    QTest::newRow("settings file") << QStringLiteral("config/Tonalis/Tonalis.conf") << true;
  }
  void signalEndsTheProgramWhateverItWaitsFor() {
    QFETCH(QString, pipe);
    QFETCH(bool, stuck);
    const QTemporaryDir home;
    const QString pipeFile = home.filePath(pipe);
    QVERIFY(QDir().mkpath(QFileInfo(pipeFile).absolutePath()));
    QCOMPARE(mkfifo(QFile::encodeName(pipeFile).constData(), 0600), 0);
    QProcess program;
    startProgram(program, m_x.display(), home.filePath(QStringLiteral("cache")),
                 home.filePath(QStringLiteral("config")));
    QVERIFY(program.waitForStarted(kStartTimeoutMs));
    QVERIFY2(splashAppears(program), "the splash window did not appear");
    QCOMPARE(::kill(static_cast<pid_t>(program.processId()), SIGTERM), 0);
    QVERIFY2(program.waitForFinished(kQuitTimeoutMs), "the program did not end on the signal");
    if (stuck) {
      QCOMPARE(program.exitStatus(), QProcess::CrashExit);
    } else {
      QCOMPARE(program.exitStatus(), QProcess::NormalExit);
      QCOMPARE(program.exitCode(), 0);
    }
  }

 private:
  // Whether the program's first window, the splash, comes up; it has no title.
  bool splashAppears(const QProcess& program) {
    return m_x
        .xdotool(
            {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
             QStringLiteral("--pid"), QString::number(program.processId())},
            kStartTimeoutMs)
        .has_value();
  }

  PrivateXServer m_x;
};

QTEST_GUILESS_MAIN(TstQuitOnSignals)
#include "tst_quit_on_signals.moc"
