// SPDX-License-Identifier: GPL-3.0-or-later
// Edit > Preferences and what the window keeps for the next start: the output device and the
// volume restored by the load step, falling back to "MIDI Mapper" when the device is gone or
// will not open; the soundfont chosen in the dialog, kept only when it loads; a soundfont that
// does not load, reported once with the file, the reason and what plays instead.
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>

#include "main_window/dial/dial.h"
#include "main_window/preferences_dialog.h"
#include "main_window/user_settings.h"
#include "support/window_harness.h"
#include "theory/musical_key.h"

using namespace tonalis;
using namespace tonalis::testing;

using Names = std::vector<std::string>;

class TstFrmMainPreferences : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_settings = std::make_unique<UserSettings>(m_folder->filePath(QStringLiteral("t.conf")));
  }

  void loadRestoresTheOutputDevice_data() {
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<int>("openResult");
    QTest::addColumn<QStringList>("opens");
    QTest::addColumn<int>("checked");
    QTest::addColumn<int>("messages");
    QTest::newRow("never chosen") << QString() << 0 << QStringList{"open(MIDI Mapper)"} << 0 << 0;
    QTest::newRow("MIDI Mapper") << "" << 0 << QStringList{"open(MIDI Mapper)"} << 0 << 0;
    QTest::newRow("listed") << "Synth B" << 0 << QStringList{"open(Synth B)"} << 2 << 0;
    // Gone since the last run: the load step opens the mapper, as it always did.
    QTest::newRow("gone") << "Synth C" << 0 << QStringList{"open(MIDI Mapper)"} << 0 << 0;
    // There but busy: its failure is said, then the mapper plays.
    QTest::newRow("will not open")
        << "Synth B" << 4 << QStringList{"open(Synth B)", "open(MIDI Mapper)"} << 0 << 1;
  }
  void loadRestoresTheOutputDevice() {
    QFETCH(QString, remembered);
    QFETCH(int, openResult);
    QFETCH(QStringList, opens);
    QFETCH(int, checked);
    QFETCH(int, messages);
    if (!remembered.isNull()) m_settings->setOutputDevice(remembered);
    WindowHarness h(Names{"Synth A", "Synth B"}, {{"Synth B", openResult}});
    h.window.usePreferences(*m_settings);
    h.window.load();
    QStringList opened;
    for (const std::string& call : h.output.calls()) {
      if (call.starts_with("open(")) opened << QString::fromStdString(call);
    }
    QCOMPARE(opened, opens);
    QVERIFY(h.device(checked)->isChecked());
    QCOMPARE(h.messages.texts().size(), messages);
    // Falling back is not a choice of the user's: the device stays remembered.
    QCOMPARE(m_settings->outputDevice().value_or(QStringLiteral("(unset)")),
             remembered.isNull() ? QStringLiteral("(unset)") : remembered);
  }

  void loadRestoresTheVolume() {
    m_settings->setVolume(40);
    WindowHarness h;
    h.window.usePreferences(*m_settings);
    h.window.load();
    QCOMPARE(h.find<Dial>("Dial1")->value(), 40);
    QCOMPARE(h.window.player().velocity(), 40);
    QCOMPARE(h.label("lblVol(1)")->text(), QStringLiteral("40"));
  }

  void choicesAreRemembered() {
    WindowHarness h(Names{"Synth A", "Synth B"});
    h.window.usePreferences(*m_settings);
    h.start();
    h.choose(2);
    QCOMPARE(m_settings->outputDevice(), std::optional<QString>(QStringLiteral("Synth B")));
    h.choose(0);
    QCOMPARE(m_settings->outputDevice(), std::optional<QString>(QString()));
    h.find<Dial>("Dial1")->setFocus();
    QTest::keyClick(h.find<Dial>("Dial1"), Qt::Key_Down);
    QCOMPARE(m_settings->volume(), h.find<Dial>("Dial1")->value());
    QVERIFY(m_settings->volume() < 127);
  }

  // A device lost while in use falls back for this run only.
  void aLostDeviceStaysRemembered() {
    WindowHarness h(Names{"Synth A"});
    h.window.usePreferences(*m_settings);
    h.start();
    h.choose(1);
    h.output.loseDevice("Synth A");
    h.settle();
    QVERIFY(h.device(0)->isChecked());
    QCOMPARE(m_settings->outputDevice(), std::optional<QString>(QStringLiteral("Synth A")));
  }

  void ctrlCommaOpensThePreferences() {
    WindowHarness h(Names{"Synth A", "Synth B"});
    h.window.usePreferences(*m_settings);
    h.start();
    auto* action = h.window.findChild<QAction*>(QStringLiteral("mnuPreferences"));
    QVERIFY(action != nullptr);
    QCOMPARE(action->shortcut(), QKeySequence(QStringLiteral("Ctrl+,")));
    action->trigger();
    auto* dialog = h.window.findChild<PreferencesDialog*>();
    QVERIFY(dialog != nullptr && dialog->isVisible());
    h.settle();
    auto* output = dialog->findChild<QComboBox*>(QStringLiteral("cboOutput"));
    QCOMPARE(output->count(), 3);
    QCOMPARE(output->itemText(0), QStringLiteral("MIDI Mapper"));
    QCOMPARE(output->itemText(2), QStringLiteral("Synth B"));
    QCOMPARE(output->currentIndex(), 0);

    // Choosing in the dialog does what the menu does, and is remembered the same way.
    emit output->activated(2);
    h.settle();
    QVERIFY(h.device(2)->isChecked());
    QCOMPARE(h.window.state().curDevice, 1);
    QCOMPARE(m_settings->outputDevice(), std::optional<QString>(QStringLiteral("Synth B")));

    dialog->findChild<QSpinBox*>(QStringLiteral("spnVelocity"))->setValue(64);
    QCOMPARE(h.find<Dial>("Dial1")->value(), 64);
    QCOMPARE(h.label("lblVol(1)")->text(), QStringLiteral("1/2"));
    QCOMPARE(m_settings->volume(), 64);
    // The menu's choice shows in the open dialog.
    h.choose(1);
    QCOMPARE(output->currentIndex(), 1);
  }

  // The readout's key and style are the "Chord" menu's choices, shown and chosen here too.
  void theReadoutsChoicesFollowTheChordMenu() {
    std::vector<frmMain::ReadoutSettings> kept;
    WindowHarness h;
    h.window.useChordChoice({{}, [&](const frmMain::ReadoutSettings& o) { kept.push_back(o); }});
    h.window.usePreferences(*m_settings);
    h.start();
    h.window.findChild<QAction*>(QStringLiteral("mnuPreferences"))->trigger();
    auto* dialog = h.window.findChild<PreferencesDialog*>();
    QVERIFY(dialog != nullptr);
    auto* key = dialog->findChild<QComboBox*>(QStringLiteral("cboChordKey"));
    auto* style = dialog->findChild<QComboBox*>(QStringLiteral("cboChordStyle"));
    QVERIFY(key != nullptr && style != nullptr);
    QCOMPARE(key->currentText(), QStringLiteral("None"));
    QCOMPARE(style->currentText(), QStringLiteral("Analysis: F A C D is Dm7/F"));

    emit style->activated(style->findText(QStringLiteral("Lead sheet: F A C D is F6")));
    QVERIFY(h.window.findChild<QAction*>(QStringLiteral("style(lead-sheet)"))->isChecked());
    QCOMPARE(kept.size(), std::size_t(1));
    QVERIFY(kept.back().options.style == theory::ReadingStyle::LeadSheet);

    h.window.findChild<QAction*>(QStringLiteral("key(G minor)"))->trigger();
    QCOMPARE(key->currentText(), QStringLiteral("G minor"));
    QVERIFY(kept.back().options.key == theory::parseKey("g minor"));
  }

  void aSoundFontThatLoadsIsKept() {
    WindowHarness h;
    h.window.usePreferences(*m_settings);
    h.start();
    h.window.findChild<QAction*>(QStringLiteral("mnuPreferences"))->trigger();
    auto* dialog = h.window.findChild<PreferencesDialog*>();
    emit dialog->soundFontChosen(QStringLiteral("/music/Piano.sf2"));
    h.settle();
    QVERIFY(std::ranges::count(h.output.calls(), "soundFont(/music/Piano.sf2)") == 1);
    QCOMPARE(m_settings->soundFont(), QStringLiteral("/music/Piano.sf2"));
    QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("txtSoundFont"))->text(),
             QStringLiteral("/music/Piano.sf2"));
    QVERIFY(h.messages.texts().isEmpty());
  }

  // The one that played goes on playing, the user is told why, and nothing is remembered.
  void aSoundFontThatFailsKeepsTheOneThatPlays() {
    m_settings->setSoundFont(QStringLiteral("/music/Good.sf2"));
    WindowHarness h;
    h.output.setSoundFontFailure("/music/Broken.sf2", "SoundFont file size mismatch");
    h.window.usePreferences(*m_settings);
    h.start();
    h.window.findChild<QAction*>(QStringLiteral("mnuPreferences"))->trigger();
    auto* dialog = h.window.findChild<PreferencesDialog*>();
    emit dialog->soundFontChosen(QStringLiteral("/music/Good.sf2"));
    h.settle();
    emit dialog->soundFontChosen(QStringLiteral("/music/Broken.sf2"));
    h.settle();
    const QString expected = QStringLiteral(
        "The soundfont \u201C/music/Broken.sf2\u201D could not be loaded: SoundFont file size "
        "mismatch.\n\nThe built-in synthesizer plays \u201C/music/Good.sf2\u201D instead.\n\n"
        "Choose another soundfont in Edit > Preferences.");
    QCOMPARE(h.messages.texts(), QStringList{expected});
    QCOMPARE(m_settings->soundFont(), QStringLiteral("/music/Good.sf2"));
    QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("txtSoundFont"))->text(),
             QStringLiteral("/music/Good.sf2"));
    QVERIFY(dialog->findChild<QLabel*>(QStringLiteral("lblSoundFontOutcome"))
                ->text()
                .startsWith(QStringLiteral("The soundfont \u201C/music/Broken.sf2\u201D")));
  }

  // The variable's or the settings file's soundfont that did not load as the synthesizer
  // started: said over the splash, naming what plays instead.
  void aSkippedSoundFontIsReportedAtStart() {
    WindowHarness h;
    h.output.skipSoundFont("/home/me/Mine.sf2", "not a SoundFont file",
                           "/usr/share/sounds/sf2/default-GM.sf2");
    h.window.usePreferences(*m_settings);
    h.window.load();
    h.settle();
    QCOMPARE(h.messages.texts().size(), 1);
    QVERIFY(h.messages.texts().front().contains(QStringLiteral(
        "\u201C/home/me/Mine.sf2\u201D could not be loaded: not a SoundFont file.")));
    QVERIFY(h.messages.texts().front().contains(
        QStringLiteral("plays \u201C/usr/share/sounds/sf2/default-GM.sf2\u201D instead")));
  }

 private:
  std::unique_ptr<QTemporaryDir> m_folder;
  std::unique_ptr<UserSettings> m_settings;
};

QTEST_MAIN(TstFrmMainPreferences)
#include "tst_frm_main_preferences.moc"
