// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: what is written is read back at the next start, and entries missing or
// edited by hand into nonsense give the defaults instead of a broken start.
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "main_window/user_settings.h"

using namespace tonalis;

class TstUserSettings : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(m_folder.isValid()); }

  void choicesSurviveARestart() {
    const QString file = m_folder.filePath(QStringLiteral("round-trip.conf"));
    {
      UserSettings settings(file);
      settings.setSoundFont(QStringLiteral("/home/me/Piano \u00E9t\u00E9.sf2"));
      settings.setOutputDevice(QStringLiteral("Synth: Port & Co 128:0"));
      settings.setVolume(33);
      settings.setInput("Keyboard MIDI 1");
      settings.setChordKey(QStringLiteral("G minor"));
      settings.setChordStyle(QStringLiteral("lead-sheet"));
      settings.setWindowPlace(QRect(-700, 40, 694, 672));  // a screen left of the first
    }
    const UserSettings again(file);
    QCOMPARE(again.soundFont(), QStringLiteral("/home/me/Piano \u00E9t\u00E9.sf2"));
    QCOMPARE(again.outputDevice(),
             std::optional<QString>(QStringLiteral("Synth: Port & Co 128:0")));
    QCOMPARE(again.volume(), 33);
    QCOMPARE(again.input(), std::string("Keyboard MIDI 1"));
    QCOMPARE(again.chordKey(), QStringLiteral("G minor"));
    QCOMPARE(again.chordStyle(), QStringLiteral("lead-sheet"));
    QCOMPARE(again.windowPlace(), std::optional<QRect>(QRect(-700, 40, 694, 672)));
    QCOMPARE(UserSettings(m_folder.filePath(QStringLiteral("new.conf"))).windowPlace(),
             std::nullopt);
  }

  // "MIDI Mapper" is a choice of its own, unlike no choice at all.
  void theMapperIsAChoice() {
    const QString file = m_folder.filePath(QStringLiteral("mapper.conf"));
    QCOMPARE(UserSettings(file).outputDevice(), std::nullopt);
    UserSettings(file).setOutputDevice(QString());
    QCOMPARE(UserSettings(file).outputDevice(), std::optional<QString>(QString()));
  }

  void volumeFallsBackToFull_data() {
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("volume");
    QTest::newRow("missing") << QString() << 127;
    QTest::newRow("silent") << "0" << 0;
    QTest::newRow("words") << "loud" << 127;
    QTest::newRow("above") << "300" << 127;
    QTest::newRow("below") << "-4" << 0;
  }
  void volumeFallsBackToFull() {
    QFETCH(QString, written);
    QFETCH(int, volume);
    const QString file = m_folder.filePath(QStringLiteral("volume.conf"));
    QFile::remove(file);
    if (!written.isNull()) QSettings(file, QSettings::IniFormat).setValue("volume", written);
    QCOMPARE(UserSettings(file).volume(), volume);
  }

 private:
  QTemporaryDir m_folder;
};

QTEST_GUILESS_MAIN(TstUserSettings)
#include "tst_user_settings.moc"
