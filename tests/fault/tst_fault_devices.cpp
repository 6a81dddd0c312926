// SPDX-License-Identifier: GPL-3.0-or-later
// Outputs that do not open: a device that refuses, and the built-in synthesizer without a
// soundfont. The user is told the code once, and the window keeps working without sound.
#include <QAction>
#include <QFile>
#include <QTemporaryDir>

#include "midi/system_midi_output.h"
#include "support/window_harness.h"

using namespace tonalis;
using namespace tonalis::testing;

namespace {

constexpr std::uint32_t kKey1On = 8338576;
constexpr std::uint32_t kKey1Off = 15488;

// Selects key 8 alone and shows its chart; true when the chart of G is complete.
bool showChartOfG(frmMain& window) {
  QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("cmdClear")), Qt::LeftButton);
  QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("lblKey(8)")), Qt::LeftButton);
  QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("cmdBuildChord")), Qt::LeftButton);
  return window.visibleChartMarkerCount() == 124 &&
         window.findChild<QLabel*>(QStringLiteral("lblChord"))->text() == QStringLiteral("G");
}

}  // namespace

class TstFaultDevices : public QObject {
  Q_OBJECT

 private slots:
  void deviceThatDoesNotOpen() {
    WindowHarness h({"Busy synth"}, {{"Busy synth", midi::kAllocated}});
    h.start();
    h.choose(1);
    QCOMPARE(h.messages.texts(),
             QStringList{QStringLiteral(
                 "Couldn't open midi out, rc = 4\n\nThe device is in use by another program. Close "
                 "that program, or choose another device.")});
    QVERIFY(h.device(1)->isChecked());
    QVERIFY(!h.output.isOpen());

    // Notes still go to the output, which refuses them; nothing else is reported.
    h.output.forget();
    QTest::mousePress(h.key(1), Qt::LeftButton);
    QTest::mouseRelease(h.key(1), Qt::LeftButton);
    QCOMPARE(h.output.messages(), (std::vector<std::uint32_t>{kKey1On, kKey1Off}));
    QCOMPARE(h.messages.texts().size(), 1);
    QVERIFY(showChartOfG(h.window));

    // Once the device is free, choosing it again plays there.
    h.output.setOpenResult("Busy synth", midi::kOk);
    h.messages.forget();
    h.choose(1);
    QVERIFY(h.messages.texts().isEmpty());
    QVERIFY(h.output.isOpen());
    QVERIFY(showChartOfG(h.window));
  }

  // No soundfont anywhere, or only a damaged one: "MIDI Mapper" fails at load with its code and
  // what went wrong, and the window works.
  void builtInSynthesizerWithoutSoundFont_data() {
    QTest::addColumn<bool>("damaged");
    QTest::addColumn<QString>("meaning");
    QTest::newRow("none") << false
                          << QStringLiteral(
                                 "rc = 8\n\nNo General MIDI soundfont was found in "
                                 "/usr/share/sounds/sf2 or /usr/share/soundfonts: keys and chords "
                                 "stay silent until a device opens. Install one (the package "
                                 "timgm6mb-soundfont or fluid-soundfont-gm) or choose a soundfont "
                                 "in Edit > Preferences; a MIDI port can still be chosen in "
                                 "Devices.");
    QTest::newRow("damaged") << true
                             << QStringLiteral(
                                    "rc = 9\n\nThe soundfont could not be loaded: the file is "
                                    "damaged or is not a SoundFont file. Keys and chords stay "
                                    "silent until a device opens. Choose another soundfont in "
                                    "Edit > Preferences; a MIDI port can still be chosen in "
                                    "Devices.\n\n%1: SoundFont file size mismatch");
  }
  void builtInSynthesizerWithoutSoundFont() {
    QFETCH(bool, damaged);
    QFETCH(QString, meaning);
    QTemporaryDir folder;
    const QString truncated = folder.filePath(QStringLiteral("truncated.sf2"));
    midi::SoundFontSearch search;
    if (damaged) {
      QVERIFY(QFile::copy(QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"), truncated));
      QFile file(truncated);
      QVERIFY(file.resize(file.size() / 2));
      search.push_back(truncated.toStdString());
      meaning = meaning.arg(truncated);
    }
    midi::SystemMidiOutput output{search};
    RecordingMessageBox messages;
    RecordingPagePrinter printer;
    frmMain window(output, messages, printer);
    window.load();
    window.show();
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("Couldn't open midi out, ") + meaning});
    QVERIFY(window.findChild<QAction*>(QStringLiteral("device(0)"))->isChecked());

    auto* key = window.findChild<QWidget*>(QStringLiteral("lblKey(1)"));
    QTest::mousePress(key, Qt::LeftButton);
    QTest::mouseRelease(key, Qt::LeftButton);
    QVERIFY(showChartOfG(window));
    auto* picture = window.findChild<QWidget*>(QStringLiteral("imgChordDisp(101)"));
    QTest::mousePress(picture, Qt::LeftButton);
    QTest::mouseRelease(picture, Qt::LeftButton);
    QCOMPARE(messages.texts().size(), 1);
    QCOMPARE(window.state().midiRc, damaged ? int(midi::kBadSoundFont) : int(midi::kNoSoundFont));
    window.close();
  }
};

QTEST_MAIN(TstFaultDevices)
#include "tst_fault_devices.moc"
