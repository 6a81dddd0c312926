// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main window opens: the largest scale up to 1 at which it fits the screen with its
// frame, centred; the place the user left it, when that is still on a connected screen.
#include <QTest>

#include "app/window_place.h"
#include "main_window/scaled_client.h"

using namespace tonalis;

namespace {
// The menu bar and the frame kept free for the window manager, as the program counts them.
const QSize kMenuBar(0, 22);
const QSize kFrame(2 * kFrameSide, kFrameTop + kFrameSide);
}  // namespace

class TstWindowPlace : public QObject {
  Q_OBJECT

 private slots:
  void fitsTheScreen_data() {
    QTest::addColumn<QRect>("available");
    QTest::addColumn<qreal>("scale");
    // Wide enough for the design at its own size: it opens at scale 1, never larger.
    QTest::newRow("1920x1080") << QRect(0, 0, 1920, 1080) << 1.0;
    // A laptop with a panel at the top: the height decides.
    QTest::newRow("1366x768 panel")
        << QRect(0, 27, 1366, 741) << (741.0 - 22 - kFrameTop - kFrameSide) / 965;
    QTest::newRow("1280x720") << QRect(0, 0, 1280, 720)
                              << (720.0 - 22 - kFrameTop - kFrameSide) / 965;
    // Too small even for the smallest scale: it stays readable and the user moves it.
    QTest::newRow("800x480") << QRect(0, 0, 800, 480) << kSmallestScale;
  }
  void fitsTheScreen() {
    QFETCH(QRect, available);
    QFETCH(qreal, scale);
    QCOMPARE(fittingScale(available.size(), kMenuBar + kFrame), scale);

    const QRect window = startGeometry(std::nullopt, {available}, available, kMenuBar);
    QCOMPARE(window.size(), ScaledClient::designSize(scale) + kMenuBar);
    if (scale > kSmallestScale) {
      // The whole window with its frame is on the screen, centred across it.
      const QRect framed = window.adjusted(-kFrameSide, -kFrameTop, kFrameSide, kFrameSide);
      QVERIFY2(available.contains(framed), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                          .arg(framed.x())
                                                          .arg(framed.y())
                                                          .arg(framed.width())
                                                          .arg(framed.height())));
      QVERIFY(qAbs(framed.center().x() - available.center().x()) <= 1);
    }
  }

  void remembersOnlyWhatIsOnAConnectedScreen_data() {
    QTest::addColumn<QRect>("remembered");
    QTest::addColumn<bool>("restored");
    QTest::newRow("on the first screen") << QRect(100, 80, 700, 680) << true;
    QTest::newRow("on the second screen") << QRect(2000, 100, 1500, 1300) << true;
    QTest::newRow("larger than it was") << QRect(10, 10, 1900, 1040) << true;
    // The second screen is unplugged: the window is not put where no one can see it.
    QTest::newRow("screen gone") << QRect(4000, 100, 700, 680) << false;
    QTest::newRow("across two screens") << QRect(1800, 100, 700, 680) << false;
    QTest::newRow("empty") << QRect() << false;
  }
  void remembersOnlyWhatIsOnAConnectedScreen() {
    QFETCH(QRect, remembered);
    QFETCH(bool, restored);
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 2560, 1440)};
    const QRect window = startGeometry(remembered, screens, screens.front(), kMenuBar);
    QCOMPARE(window == remembered, restored);
  }
};

QTEST_MAIN(TstWindowPlace)
#include "tst_window_place.moc"
