// SPDX-License-Identifier: GPL-3.0-or-later
#include "splash/version_text.h"

#include <QTest>

#include "tonalis/version.h"

class VersionTextTest : public QObject {
  Q_OBJECT

 private slots:
  void formats_data();
  void formats();
  void thisBuild();
};

void VersionTextTest::formats_data() {
  QTest::addColumn<int>("major");
  QTest::addColumn<int>("minor");
  QTest::addColumn<int>("revision");
  QTest::addColumn<QString>("expected");
  QTest::newRow("one digit padded") << 2013 << 729 << 5 << "Version 2013.0729.0005";
  QTest::newRow("three digits padded") << 2013 << 729 << 841 << "Version 2013.0729.0841";
  QTest::newRow("four digits as they are") << 2013 << 1231 << 2359 << "Version 2013.1231.2359";
  QTest::newRow("zeros") << 0 << 0 << 0 << "Version 0000.0000.0000";
  QTest::newRow("five digits kept whole") << 12345 << 1 << 100000 << "Version 12345.0001.100000";
}

void VersionTextTest::formats() {
  QFETCH(int, major);
  QFETCH(int, minor);
  QFETCH(int, revision);
  QFETCH(QString, expected);
  QCOMPARE(tonalis::versionText(major, minor, revision), expected);
}

// The numbers come from the build's one version setting.
void VersionTextTest::thisBuild() {
  using namespace tonalis::version;
  QCOMPARE(tonalis::versionText(major, minor, revision), QStringLiteral("Version 2013.0729.0841"));
}

QTEST_APPLESS_MAIN(VersionTextTest)
#include "version_text_test.moc"
