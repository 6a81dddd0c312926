// SPDX-License-Identifier: GPL-3.0-or-later
// The window on any desktop: the design follows the window's size as one, at any scale, and its
// texts stay readable under a light and a dark palette.
#include <QGroupBox>
#include <QStyleOptionGroupBox>
#include <cmath>
#include <map>

#include "main_window/layout.h"
#include "main_window/scaled_client.h"
#include "support/window_harness.h"
#include "theory/keyboard.h"

using namespace tonalis;
using namespace tonalis::testing;

namespace {

ScaledClient* clientOf(const WindowHarness& h) {
  return h.find<ScaledClient>("client");
}

QImage printedPage(WindowHarness& h) {
  h.click("cmdPrint");
  return h.printer.printed().back();
}

// Resizes the window so that its client area is `size`.
void resizeClient(WindowHarness& h, QSize size) {
  h.window.resize(size + (h.window.size() - clientOf(h)->size()));
  QCoreApplication::processEvents();
}

// A point of the design in twips, in the client's pixels at its scale.
QPoint onClient(const ScaledClient& client, QPoint twips) {
  const QSize used = ScaledClient::designSize(client.scale());
  const QPoint offset((client.width() - used.width()) / 2, (client.height() - used.height()) / 2);
  return offset + QPoint(qRound(twips.x() * client.scale() / layout::kTwipsPerPixel),
                         qRound(twips.y() * client.scale() / layout::kTwipsPerPixel));
}

// The number of black runs along the row `y` of `image`.
int blackRuns(const QImage& image, int y) {
  int runs = 0;
  bool inRun = false;
  for (int x = 0; x < image.width(); ++x) {
    const bool black = qGray(image.pixel(x, y)) < 64;
    if (black && !inRun) ++runs;
    inRun = black;
  }
  return runs;
}

double luminance(QRgb rgb) {
  const auto channel = [](int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b) {
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// As a reader sees it: the commonest colour of the area is the background, the colour that
// stands out from it most is the text's.
double textContrast(const QImage& image, const QRect& area) {
  std::map<QRgb, int> counts;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y) | 0xff000000];
  }
  const QRgb background =
      std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
        return a.second < b.second;
      })->first;
  double best = 1;
  for (const auto& [colour, count] : counts) best = std::max(best, contrast(colour, background));
  return best;
}

QPalette darkPalette() {
  QPalette dark;
  dark.setColor(QPalette::Window, QColor(53, 53, 53));
  dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
  dark.setColor(QPalette::Base, QColor(35, 35, 35));
  dark.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
  dark.setColor(QPalette::Text, QColor(230, 230, 230));
  dark.setColor(QPalette::Button, QColor(53, 53, 53));
  dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
  dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
  dark.setColor(QPalette::HighlightedText, Qt::black);
  return dark;
}

}  // namespace

class TstFrmMainFit : public QObject {
  Q_OBJECT

 private slots:
  void designFollowsTheWindowSize_data() {
    QTest::addColumn<QSize>("clientSize");
    QTest::addColumn<qreal>("scale");
    QTest::newRow("small") << QSize(615, 579) << 0.6;
    QTest::newRow("smallest, wider than needed") << QSize(900, 531) << 531.0 / 965;
    QTest::newRow("twice") << QSize(2050, 1930) << 2.0;
    QTest::newRow("taller than needed") << QSize(1230, 1500) << 1.2;
  }
  void designFollowsTheWindowSize() {
    QFETCH(QSize, clientSize);
    QFETCH(qreal, scale);
    WindowHarness h;
    h.start();
    h.select({1});
    h.click("cmdBuildChord");
    const QImage designPage = printedPage(h);
    resizeClient(h, clientSize);
    ScaledClient& client = *clientOf(h);
    QCOMPARE(client.size(), clientSize);
    QVERIFY(qAbs(client.scale() - scale) < 1e-9);

    // Every key is hit where it shows: the lower part of a white key, the upper of a black one.
    h.clickKey(1);  // clears the selection
    for (int k = 1; k <= theory::kKeyCount; ++k) {
      const layout::TwipRect key = layout::keyRect(k);
      const int y = theory::isBlackKey(k) ? key.height / 2 : layout::kWhiteKeyHeight - 200;
      const QPoint point = onClient(client, {key.left + key.width / 2, y});
      QWidget* target = client.childAt(point);
      QVERIFY(target != nullptr);
      QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&client, point));
      QCOMPARE(h.selectedKeys().back(), k);
    }
    QCOMPARE(h.selectedKeys().size(), std::size_t{24});

    // The texts grow and shrink with the design.
    QCOMPARE(h.label("lblChordDisplay(0)")->font().pointSizeF(), 12 * scale);
    QCOMPARE(h.button("cmdBuildChord")->font().pointSizeF(), 8.25 * scale);

    // Each chart picture keeps its eleven key borders, however small.
    for (const int p : {101, 102, 310}) {
      const QPixmap picture = h.picture(p)->pixmap();
      // Drawn at the size it shows, or the label would blur it.
      QCOMPARE(picture.size(), h.picture(p)->size());
      QVERIFY(qAbs(picture.width() - 321 * scale) <= 1);
      const QImage image = picture.toImage();
      QCOMPARE(blackRuns(image, image.height() - 1 - qRound(10 * scale)), 11);
    }

    // The page printed is the one printed at the design's own size.
    h.select({1});
    h.click("cmdBuildChord");
    QCOMPARE(printedPage(h), designPage);
    QCOMPARE(client.size(), clientSize);
    QVERIFY(qAbs(client.scale() - scale) < 1e-9);
  }

  void textsAreReadable_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<bool>("changedWhileOpen");
    QTest::newRow("light") << QApplication::style()->standardPalette() << false;
    QTest::newRow("dark") << darkPalette() << false;
    QTest::newRow("dark chosen while open") << darkPalette() << true;
  }
  void textsAreReadable() {
    QFETCH(QPalette, palette);
    QFETCH(bool, changedWhileOpen);
    const QPalette before = QApplication::palette();
    if (!changedWhileOpen) QApplication::setPalette(palette);
    {
      WindowHarness h;
      h.start();
      h.select({1});
      h.click("cmdBuildChord");
      h.select({5, 8});  // with key 1: C E G
      h.click("cmdDetChord");
      if (changedWhileOpen) QApplication::setPalette(palette);
      QCoreApplication::processEvents();
      const QImage shot = h.window.grab().toImage();

      QStringList checked;
      for (QLabel* label : h.window.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty()) continue;
        const QRect area =
            QRect(label->mapTo(&h.window, QPoint()), label->size()).intersected(shot.rect());
        const double ratio = textContrast(shot, area);
        QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1 \"%2\": %3 : 1")
                                              .arg(label->objectName(), label->text())
                                              .arg(ratio)));
        checked.append(label->objectName());
      }
      for (QGroupBox* frame : h.window.findChildren<QGroupBox*>()) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect title = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                           QStyle::SC_GroupBoxLabel, frame);
        const double ratio =
            textContrast(shot, title.translated(frame->mapTo(&h.window, QPoint())));
        QVERIFY2(ratio >= 4.5, qPrintable(frame->title()));
        checked.append(frame->objectName());
      }
      // Result labels, captions, root letter, volume texts, readout and the five frame titles.
      QVERIFY2(checked.size() >= 40, qPrintable(checked.join(QLatin1Char(' '))));

      // The piano keys stay white and black.
      const auto keyColour = [&](int k) {
        QWidget* key = h.key(k);
        return shot.pixelColor(key->mapTo(&h.window, QPoint(key->width() / 2, 5)));
      };
      QCOMPARE(keyColour(3), QColor(Qt::white));
      QCOMPARE(keyColour(4), QColor(Qt::black));
    }
    QApplication::setPalette(before);
  }
};

QTEST_MAIN(TstFrmMainFit)
#include "tst_frm_main_fit.moc"
