// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "resources/app_icon.h"
#include "splash/frm_splash.h"
#include "splash/splash_snapshot.h"

using tonalis::frmSplash;
using tonalis::SplashSnapshot;

namespace {
QRect geometryOf(const frmSplash& splash, const QString& name) {
  const auto* widget = splash.findChild<QWidget*>(name);
  return widget != nullptr ? widget->geometry() : QRect();
}

QImage pixelsOf(const QPixmap& picture) {
  return picture.toImage().convertToFormat(QImage::Format_RGB32);
}

ino_t fileNumber(const QString& file) {
  struct stat status {};
  return stat(QFile::encodeName(file).constData(), &status) == 0 ? status.st_ino : 0;
}

// Shows `splash` until it has been painted and has dealt with its stored picture.
bool showUntilOnScreen(frmSplash& splash) {
  QSignalSpy onScreen(&splash, &frmSplash::shownOnScreen);
  splash.show();
  return onScreen.wait(5000);
}
}  // namespace

class SplashTest : public QObject {
  Q_OBJECT

 private slots:
  void fixedGeometry_data();
  void fixedGeometry();
  void labelsShowTheirWholeText_data();
  void labelsShowTheirWholeText();
  void windowIsFramelessAndCentred();
  void logoShowsTheIcon();
  void handsOverOnceAfterTheTimer();
  void storesWhatItLooksLikeOnceOnScreen();
  void showsTheStoredPictureFirstThenBuildsItsControls();
  void renewsAStoredPictureThatNoLongerMatches();
  void aFirstStartShowsThePictureMadeWithTheProgram();
  void aStoredPictureThatIsNoRegularFileIsPassedOver();
};

void SplashTest::fixedGeometry_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("expected");
  // Pixels of the design's twips, 15 to a pixel, relative to Frame1 inside it.
  QTest::newRow("Frame1") << "Frame1" << QRect(10, 4, 472, 270);
  QTest::newRow("imgLogo") << "imgLogo" << QRect(24, 53, 80, 80);
  QTest::newRow("lblProductName") << "lblProductName" << QRect(168, 72, 247, 99);
}

void SplashTest::fixedGeometry() {
  QFETCH(QString, name);
  QFETCH(QRect, expected);
  const frmSplash splash({}, {});
  QCOMPARE(splash.size(), QSize(492, 283));
  QCOMPARE(geometryOf(splash, name), expected);
}

void SplashTest::labelsShowTheirWholeText_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("text");
  // A label either keeps its left edge or, when right-aligned, its right edge.
  QTest::addColumn<QPoint>("anchor");
  QTest::addColumn<bool>("rightAligned");
  QTest::newRow("product") << "lblProductName"
                           << "Tonalis" << QPoint(168, 72) << false;
  QTest::newRow("maker, decorated") << "lblCompanyProduct"
                                    << "Tonalis Project" << QPoint(157, 47) << false;
  QTest::newRow("version") << "lblVersion"
                           << "Version 2013.0729.0841" << QPoint(374, 164) << true;
  QTest::newRow("platform") << "lblPlatform"
                            << "Linux" << QPoint(461, 240) << true;
  QTest::newRow("copyright") << "lblCopyright"
                             << "Copyright \u00A9 2013 Tonalis Project" << QPoint(8, 232) << false;
  QTest::newRow("maker") << "lblCompany"
                         << "Tonalis Project" << QPoint(8, 248) << false;
}

void SplashTest::labelsShowTheirWholeText() {
  QFETCH(QString, name);
  QFETCH(QString, text);
  QFETCH(QPoint, anchor);
  QFETCH(bool, rightAligned);
  const frmSplash splash({}, {});
  const auto* label = splash.findChild<QLabel*>(name);
  QVERIFY(label != nullptr);
  QCOMPARE(label->text(), text);
  const QRect box = label->geometry();
  QCOMPARE(rightAligned ? box.topRight() : box.topLeft(), anchor);
  QCOMPARE(bool(label->alignment() & Qt::AlignRight), rightAligned);
  QVERIFY2(box.width() >= QFontMetrics(label->font()).horizontalAdvance(text), "text cut off");
  QVERIFY(label->parentWidget()->rect().contains(box));
}

void SplashTest::windowIsFramelessAndCentred() {
  const frmSplash splash({}, {});
  QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  QVERIFY((splash.geometry().center() - screen.center()).manhattanLength() <= 1);
}

// The icon is compiled into a static library, whose resources only load once registered.
void SplashTest::logoShowsTheIcon() {
  const QIcon icon = tonalis::appIcon();
  for (const int side : {16, 32}) {
    const QPixmap pixmap = icon.pixmap(side, side);
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.size(), QSize(side, side));
  }
  const frmSplash splash({}, {});
  const auto* logo = splash.findChild<QLabel*>("imgLogo");
  QVERIFY(logo != nullptr);
  QCOMPARE(logo->pixmap().size(), QSize(80, 80));
}

void SplashTest::handsOverOnceAfterTheTimer() {
  // Each step notes whether the splash was still on screen when it ran.
  QStringList steps;
  frmSplash* splashSeen = nullptr;
  const auto record = [&](const QString& what) {
    steps << what + (splashSeen->isVisible() ? " while splash shown" : " after splash gone");
  };
  frmSplash splash([&] { record("load"); }, [&] { record("show"); });
  splashSeen = &splash;
  QSignalSpy onScreen(&splash, &frmSplash::shownOnScreen);
  auto* timer = splash.findChild<QTimer*>("Timer1");
  QVERIFY(timer != nullptr);
  QVERIFY(timer->isSingleShot());
  QCOMPARE(timer->interval(), frmSplash::kShowMilliseconds);
  QCOMPARE(frmSplash::kShowMilliseconds, 1500);
  // The 1.5 s are counted from the splash appearing, on a timer that does not drift by 5 %.
  QCOMPARE(timer->timerType(), Qt::PreciseTimer);
  QVERIFY(!timer->isActive());
  splash.show();

  QCoreApplication::processEvents();
  QVERIFY(steps.empty());
  QVERIFY(timer->isActive());
  // Told once that it is on screen, however often it paints.
  QTRY_COMPARE(onScreen.size(), 1);
  splash.repaint();
  QCoreApplication::processEvents();
  QCOMPARE(onScreen.size(), 1);

  QTRY_COMPARE_WITH_TIMEOUT(steps.size(), 2, 10000);
  QCOMPARE(steps, QStringList({"load while splash shown", "show after splash gone"}));
  QVERIFY(!timer->isActive());

  // A further tick, however it came about, must not hand over again.
  QSignalSpy ticks(timer, &QTimer::timeout);
  timer->start(0);
  QVERIFY(ticks.wait(5000));
  QCOMPARE(steps.size(), 2);
}

void SplashTest::storesWhatItLooksLikeOnceOnScreen() {
  const QTemporaryDir directory;
  const QString file = directory.filePath(QStringLiteral("cache/Tonalis/splash.png"));
  const SplashSnapshot snapshot(file, QStringLiteral("this screen"));
  QVERIFY(snapshot.load().isNull());

  frmSplash splash({}, {}, &snapshot);
  // Nothing stored: the controls are there from the start.
  QVERIFY(splash.findChild<QLabel*>("lblProductName") != nullptr);
  QVERIFY(splash.findChild<QLabel*>("imgSnapshot") == nullptr);
  QVERIFY(showUntilOnScreen(splash));

  const QPixmap stored = snapshot.load();
  QVERIFY(!stored.isNull());
  QCOMPARE(pixelsOf(stored), pixelsOf(splash.grab()));
  // Another version or screen scale never sees it.
  QVERIFY(SplashSnapshot(file, QStringLiteral("another screen")).load().isNull());
}

void SplashTest::showsTheStoredPictureFirstThenBuildsItsControls() {
  const QTemporaryDir directory;
  const QString file = directory.filePath(QStringLiteral("splash.png"));
  const SplashSnapshot snapshot(file, QStringLiteral("this screen"));
  QPixmap drawn;
  {
    frmSplash first({}, {}, &snapshot);
    QVERIFY(showUntilOnScreen(first));
    drawn = first.grab();
  }
  // A stored picture is replaced by a new file, never written over.
  const ino_t storedFile = fileNumber(file);
  QVERIFY(storedFile != 0);

  frmSplash splash({}, {}, &snapshot);
  QCOMPARE(splash.size(), QSize(492, 283));
  QVERIFY(splash.findChild<QLabel*>("lblProductName") == nullptr);
  const auto* picture = splash.findChild<QLabel*>("imgSnapshot");
  QVERIFY(picture != nullptr);
  QCOMPARE(picture->geometry(), QRect(0, 0, 492, 283));
  QCOMPARE(pixelsOf(picture->pixmap()), pixelsOf(drawn));

  QVERIFY(showUntilOnScreen(splash));
  QVERIFY(splash.findChild<QLabel*>("imgSnapshot") == nullptr);
  const auto* name = splash.findChild<QLabel*>("lblProductName");
  QVERIFY(name != nullptr);
  QVERIFY(name->isVisible());
  QCOMPARE(name->text(), QStringLiteral("Tonalis"));
  QCOMPARE(geometryOf(splash, "lblProductName"), QRect(168, 72, 247, 99));
  QCOMPARE(pixelsOf(splash.grab()), pixelsOf(drawn));
  // The picture still matched, so it was not written again.
  QCOMPARE(fileNumber(file), storedFile);
}

void SplashTest::renewsAStoredPictureThatNoLongerMatches() {
  const QTemporaryDir directory;
  const SplashSnapshot snapshot(directory.filePath(QStringLiteral("splash.png")),
                                QStringLiteral("this screen"));
  // As if the fonts had changed since it was taken.
  QPixmap stale(492, 283);
  stale.fill(Qt::red);
  QVERIFY(snapshot.save(stale));

  frmSplash splash({}, {}, &snapshot);
  QVERIFY(splash.findChild<QLabel*>("imgSnapshot") != nullptr);
  QVERIFY(showUntilOnScreen(splash));
  QVERIFY(splash.findChild<QLabel*>("imgSnapshot") == nullptr);
  QCOMPARE(pixelsOf(snapshot.load()), pixelsOf(splash.grab()));

  // A picture of another size (the layout changed) is not shown at all.
  QVERIFY(snapshot.save(QPixmap(100, 50)));
  const frmSplash resized({}, {}, &snapshot);
  QVERIFY(resized.findChild<QLabel*>("imgSnapshot") == nullptr);
  QVERIFY(resized.findChild<QLabel*>("lblProductName") != nullptr);
}

void SplashTest::aFirstStartShowsThePictureMadeWithTheProgram() {
  const QString shipped = QStringLiteral(TONALIS_BUILT_SPLASH_PICTURE);
  const ino_t shippedFile = fileNumber(shipped);
  QVERIFY2(shippedFile != 0, qPrintable(shipped));
  const QTemporaryDir directory;
  const QString file = directory.filePath(QStringLiteral("cache/Tonalis/splash.png"));
  const SplashSnapshot snapshot(file, tonalis::splashSnapshotKey(), shipped);

  frmSplash splash({}, {}, &snapshot);
  QVERIFY(splash.findChild<QLabel*>("imgSnapshot") != nullptr);
  QVERIFY(showUntilOnScreen(splash));
  // Made as the splash draws itself, so there is nothing to keep for the next start.
  QCOMPARE(pixelsOf(snapshot.load()), pixelsOf(splash.grab()));
  QVERIFY(!QFile::exists(file));

  // Once the user's own picture differs, it is shown instead; the shipped one stays as it was.
  QPixmap own(492, 283);
  own.fill(Qt::red);
  QVERIFY(snapshot.save(own));
  QCOMPARE(pixelsOf(snapshot.load()), pixelsOf(own));
  QCOMPARE(fileNumber(shipped), shippedFile);
}

// A named pipe in the picture's place would keep the window's thread waiting for a writer for
// ever; a folder is no picture either. The shipped picture shows instead, and saving replaces
// the pipe.
void SplashTest::aStoredPictureThatIsNoRegularFileIsPassedOver() {
  const QString shipped = QStringLiteral(TONALIS_BUILT_SPLASH_PICTURE);
  const QTemporaryDir directory;
  const QString pipe = directory.filePath(QStringLiteral("splash.png"));
  QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  const SplashSnapshot fromPipe(pipe, tonalis::splashSnapshotKey(), shipped);
  const SplashSnapshot fromFolder(directory.path(), tonalis::splashSnapshotKey());
  const SplashSnapshot onlyShipped(directory.filePath(QStringLiteral("none.png")),
                                   tonalis::splashSnapshotKey(), shipped);

  QCOMPARE(pixelsOf(fromPipe.load()), pixelsOf(onlyShipped.load()));
  QVERIFY(!onlyShipped.load().isNull());
  QVERIFY(fromFolder.load().isNull());
  QPixmap own(492, 283);
  own.fill(Qt::blue);
  QVERIFY(fromPipe.save(own));
  QCOMPARE(pixelsOf(fromPipe.load()), pixelsOf(own));
}

QTEST_MAIN(SplashTest)
#include "splash_test.moc"
