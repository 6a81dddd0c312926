// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the window as data: checked against the designed numbers without a window.
#include <QTest>

#include "main_window/chart_keyboard_image.h"
#include "main_window/layout.h"
#include "main_window/virtual_key.h"

using namespace tonalis;
using layout::TwipRect;

Q_DECLARE_METATYPE(TwipRect)

class TstLayout : public QObject {
  Q_OBJECT

 private slots:
  void keyRects_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<TwipRect>("expected");
    QTest::newRow("lowest C") << 1 << TwipRect{3480, 0, 495, 1695};
    QTest::newRow("C#") << 2 << TwipRect{3840, 0, 255, 1095};
    QTest::newRow("F after E, no black key between") << 6 << TwipRect{4920, 0, 495, 1695};
    QTest::newRow("upper C") << 13 << TwipRect{6840, 0, 495, 1695};
    QTest::newRow("A# top black key") << 23 << TwipRect{9600, 0, 255, 1095};
    QTest::newRow("rightmost B") << 24 << TwipRect{9720, 0, 495, 1695};
  }
  void keyRects() {
    QFETCH(int, key);
    QFETCH(TwipRect, expected);
    QCOMPARE(layout::keyRect(key), expected);
  }

  void blackKeyLeftsInKeyOrder() {
    const std::vector<int> expected{3840, 4320, 5280, 5760, 6240, 7200, 7680, 8640, 9120, 9600};
    std::vector<int> lefts;
    for (const int key : {2, 4, 7, 9, 11, 14, 16, 19, 21, 23})
      lefts.push_back(layout::keyRect(key).left);
    QCOMPARE(lefts, expected);
  }

  void keyboardEndsWhereClearEnds() {
    QCOMPARE(layout::keyRect(24).right(), 10215);
    QCOMPARE(layout::kClear.right(), 10215);
    QCOMPARE(layout::kClear.top, layout::keyRect(1).bottom());
  }

  void keyAtPoint_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("expected");
    QTest::newRow("left edge of key 1") << 3480 << 0 << 1;
    QTest::newRow("left of the keyboard") << 3479 << 100 << -1;
    QTest::newRow("below the keyboard") << 3600 << 1695 << -1;
    QTest::newRow("black key over white key 1") << 3840 << 1094 << 2;
    QTest::newRow("white key 1 below the black key") << 3840 << 1095 << 1;
    QTest::newRow("border of keys 1 and 3 is key 1's") << 3960 << 1500 << 1;
    QTest::newRow("just past the border is key 3") << 3975 << 1500 << 3;
    QTest::newRow("E and F share a border, no black key") << 4920 << 500 << 5;
    QTest::newRow("last pixel of key 24") << 10214 << 1694 << 24;
    QTest::newRow("right of the keyboard") << 10215 << 100 << -1;
  }
  void keyAtPoint() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, expected);
    QCOMPARE(layout::keyAt(x, y), expected);
  }

  void keyboardRectHoldsEveryKey() {
    const TwipRect keyboard = layout::keyboardRect();
    QCOMPARE(keyboard, (TwipRect{3480, 0, 6735, 1695}));
  }

  void keyMarkers_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<TwipRect>("expected");
    QTest::newRow("white key 1") << 1 << TwipRect{3600, 1320, 255, 255};
    QTest::newRow("black key 2") << 2 << TwipRect{3840, 720, 255, 255};
    QTest::newRow("white key 24") << 24 << TwipRect{9840, 1320, 255, 255};
  }
  void keyMarkers() {
    QFETCH(int, key);
    QFETCH(TwipRect, expected);
    QCOMPARE(layout::keyMarkerRect(key), expected);
  }

  void markerSitsCentredAboveKeyBottom() {
    for (int key = 1; key <= 24; ++key) {
      const TwipRect k = layout::keyRect(key);
      const TwipRect m = layout::keyMarkerRect(key);
      QCOMPARE(2 * m.left + m.width, 2 * k.left + k.width);
      QCOMPARE(k.bottom() - m.bottom(), 120);
    }
  }

  void chartPlaces() {
    QCOMPARE(layout::pictureRect(1, 1), (TwipRect{240, 360, 4815, 840}));
    QCOMPARE(layout::pictureRect(3, 10), (TwipRect{10080, 10080, 4815, 840}));
    // Slot 1 is column 2, row 1; slot 3 is column 1, row 2: captions run across the rows.
    QCOMPARE(layout::captionRect(1).left, layout::pictureRect(2, 1).left);
    QCOMPARE(layout::captionRect(1).bottom(), layout::pictureRect(2, 1).top);
    QCOMPARE(layout::captionRect(3).left, layout::pictureRect(1, 2).left);
    QCOMPARE(layout::captionRect(3).bottom(), layout::pictureRect(1, 2).top);
  }

  void chartFitsTheWindow() {
    const int chartBottom = layout::kChartBox.bottom();
    QCOMPARE(chartBottom, 14025);
    QCOMPARE(layout::kClientHeight - chartBottom, 450);
    QCOMPARE(layout::kClientWidth - layout::kChartBox.width, 240);
    QVERIFY(layout::pictureRect(3, 10).bottom() <= layout::kChartFrame.bottom());
  }

  void markerPlaces_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::newRow("10101 C, column 1, row 1") << 10101 << 240 << 960;
    QTest::newRow("10102 C#, column 1, row 1") << 10102 << 480 << 630;
    QTest::newRow("20306 F, column 2, row 3") << 20306 << 6600 << 3120;
    QTest::newRow("31017 upper E, column 3, row 10") << 31017 << 14400 << 10680;
    QTest::newRow("31016 D#, column 3, row 10") << 31016 << 14160 << 10350;
  }
  void markerPlaces() {
    QFETCH(int, index);
    QFETCH(int, left);
    QFETCH(int, top);
    QCOMPARE(layout::markerRect(index), (TwipRect{left, top, 255, 255}));
  }

  // A white-key marker sits 600 twips, a black-key one 270 below its picture's top; the C
  // marker's left edge is the picture's left edge.
  void markersSitOnTheirPicture() {
    for (int column = 1; column <= 3; ++column) {
      for (int row = 1; row <= 10; ++row) {
        const TwipRect picture = layout::pictureRect(column, row);
        QCOMPARE(layout::dotX(1, column), picture.left);
        QCOMPARE(layout::dotY(1, row) - picture.top, 600);
        QCOMPARE(layout::dotY(2, row) - picture.top, 270);
        QVERIFY(layout::dotX(17, column) + 255 <= picture.right());
      }
    }
  }

  void twipsToPixels() {
    QCOMPARE(layout::toPixels(15375), 1025);
    QCOMPARE(layout::toPixels(14475), 965);
    QCOMPARE(layout::toPixels(-120), -8);
    QCOMPARE(layout::toPixels(TwipRect{9720, 0, 495, 1695}), QRect(648, 0, 33, 113));
  }

  void chartImage() {
    const QImage image = chartKeyboardImage();
    QCOMPARE(image.size(), QSize(321, 113));
    QCOMPARE(image.depth(), 24);
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    QCOMPARE(image.pixel(0, 60), black);     // left edge
    QCOMPARE(image.pixel(320, 60), black);   // right edge
    QCOMPARE(image.pixel(100, 0), black);    // top line
    QCOMPARE(image.pixel(100, 112), black);  // bottom line
    QCOMPARE(image.pixel(16, 90), white);    // C below the black keys
    QCOMPARE(image.pixel(32, 90), black);    // line between C and D
    QCOMPARE(image.pixel(24, 72), black);    // C# reaches down 73 rows...
    QCOMPARE(image.pixel(24, 73), white);    // ...and no further
    QCOMPARE(image.pixel(40, 10), black);    // C# is 17 pixels wide
    QCOMPARE(image.pixel(41, 10), white);
    QCOMPARE(image.pixel(90, 10), white);   // no black key between E and F
    QCOMPARE(image.pixel(288, 40), black);  // D# of the upper octave
    QCOMPARE(image.pixel(310, 40), white);  // upper E
  }

  void computerKeys_data() {
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("key");
    QTest::newRow("Z plays the lowest C") << int(Qt::Key_Z) << 90 << 1;
    QTest::newRow("S plays C#") << int(Qt::Key_S) << 83 << 2;
    QTest::newRow("M plays B") << int(Qt::Key_M) << 77 << 12;
    QTest::newRow("comma plays the upper C") << int(Qt::Key_Comma) << 188 << 13;
    QTest::newRow("full stop") << int(Qt::Key_Period) << 190 << 15;
    QTest::newRow("semicolon") << int(Qt::Key_Semicolon) << 186 << 16;
    QTest::newRow("slash plays the upper E") << int(Qt::Key_Slash) << 191 << 17;
    QTest::newRow("shifted slash is the same key") << int(Qt::Key_Question) << 191 << 17;
    QTest::newRow("A is not mapped") << int(Qt::Key_A) << 65 << -1;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << -1;
  }
  void computerKeys() {
    QFETCH(int, qtKey);
    QFETCH(int, code);
    QFETCH(int, key);
    QCOMPARE(int(virtualKeyCode(qtKey)), code);
    QCOMPARE(keyIndexForQtKey(qtKey), key);
  }
};

QTEST_MAIN(TstLayout)
#include "tst_layout.moc"
