// SPDX-License-Identifier: GPL-3.0-or-later
// The soundfont the user chose: the environment variable first, then the settings file, then the
// usual places; the variable's file is the one the synthesizer loads.
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "app/soundfont_choice.h"
#include "main_window/user_settings.h"
#include "midi/fluid_synthesizer.h"

using namespace tonalis;

class TstSoundFontChoice : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_folder.isValid());
  }
  void cleanup() {
    qunsetenv(kSoundFontVariable);
    QSettings(QStringLiteral("Tonalis"), QStringLiteral("Tonalis")).clear();
  }

  void choicesComeBeforeTheUsualPlaces_data() {
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QStringList>("first");
    QTest::newRow("none") << QString() << QString() << QStringList();
    QTest::newRow("variable") << "/music/a.sf2" << QString() << QStringList{"/music/a.sf2"};
    QTest::newRow("setting") << QString() << "/music/b.sf2" << QStringList{"/music/b.sf2"};
    QTest::newRow("both") << "/music/a.sf2"
                          << "/music/b.sf2" << QStringList{"/music/a.sf2", "/music/b.sf2"};
  }
  void choicesComeBeforeTheUsualPlaces() {
    QFETCH(QString, variable);
    QFETCH(QString, setting);
    QFETCH(QStringList, first);
    if (!variable.isEmpty()) qputenv(kSoundFontVariable, variable.toUtf8());
    if (!setting.isEmpty()) {
      UserSettings().setSoundFont(setting);
    }
    midi::SoundFontSearch expected;
    for (const QString& place : first) expected.emplace_back(place.toStdString());
    for (const auto& place : midi::defaultSoundFontSearch()) expected.push_back(place);
    QCOMPARE(chosenSoundFontSearch(), expected);
  }

  // Both the variable's file and the usual one load; the variable's wins.
  void theVariablesFileIsLoaded() {
    const std::filesystem::path mine = m_folder.filePath(QStringLiteral("mine.sf2")).toStdString();
    std::filesystem::copy_file(midi::defaultSoundFontSearch().front(), mine);
    qputenv(kSoundFontVariable, QByteArray::fromStdString(mine.string()));
    const midi::Opened<midi::FluidSynthesizer> opened =
        midi::FluidSynthesizer::create(chosenSoundFontSearch());
    QCOMPARE(opened.code, int(midi::kOk));
    QCOMPARE(opened.value->soundFont(), mine);
  }

 private:
  QTemporaryDir m_folder;
};

QTEST_GUILESS_MAIN(TstSoundFontChoice)
#include "tst_soundfont_choice.moc"
