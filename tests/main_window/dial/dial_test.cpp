// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/dial/dial.h"

#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <vector>

#include "main_window/dial/dial_geometry.h"

using tonalis::Dial;

namespace {
constexpr int kMax = 127;

// Records the value the dial reports at each changed(), as a host's handler would read it.
class ChangeLog {
 public:
  explicit ChangeLog(Dial& dial) {
    QObject::connect(&dial, &Dial::changed, [this, &dial] { m_values.push_back(dial.value()); });
  }
  const std::vector<int>& values() const { return m_values; }

 private:
  std::vector<int> m_values;
};

void turnWheel(Dial& dial, int angleDeltaY) {
  const QPointF centre(dial.width() / 2.0, dial.height() / 2.0);
  QWheelEvent event(centre, dial.mapToGlobal(centre), QPoint(), QPoint(0, angleDeltaY),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&dial, &event);
}
}  // namespace

class DialTest : public QObject {
  Q_OBJECT

 private slots:
  void setValueClampsAndIsSilent_data();
  void setValueClampsAndIsSilent();
  void loweringMaxClampsValue();
  void keys_data();
  void keys();
  void wheel_data();
  void wheel();
  void dragUpRaisesOncePerNewValue();
  void dragAtTopEndIsSilent();
  void hoverAndRightDragDoNothing();
  void angleValueRoundTrip_data();
  void angleValueRoundTrip();
  void anglesBeyondTheEnds_data();
  void anglesBeyondTheEnds();
};

void DialTest::setValueClampsAndIsSilent_data() {
  QTest::addColumn<int>("requested");
  QTest::addColumn<int>("expected");
  QTest::newRow("below range") << -5 << 0;
  QTest::newRow("bottom") << 0 << 0;
  QTest::newRow("middle") << 64 << 64;
  QTest::newRow("top") << kMax << kMax;
  QTest::newRow("just above") << kMax + 1 << kMax;
  QTest::newRow("far above") << 100000 << kMax;
}

void DialTest::setValueClampsAndIsSilent() {
  QFETCH(int, requested);
  QFETCH(int, expected);
  Dial dial;
  dial.setMax(kMax);
  dial.setValue(10);
  QSignalSpy spy(&dial, &Dial::changed);
  dial.setValue(requested);
  QCOMPARE(dial.value(), expected);
  QCOMPARE(spy.count(), 0);
}

void DialTest::loweringMaxClampsValue() {
  Dial dial;
  dial.setMax(kMax);
  dial.setValue(100);
  dial.setMax(50);
  QCOMPARE(dial.value(), 50);
}

void DialTest::keys_data() {
  QTest::addColumn<int>("start");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("expected");
  QTest::newRow("up") << 64 << int(Qt::Key_Up) << 65;
  QTest::newRow("right") << 64 << int(Qt::Key_Right) << 65;
  QTest::newRow("down") << 64 << int(Qt::Key_Down) << 63;
  QTest::newRow("left") << 64 << int(Qt::Key_Left) << 63;
  QTest::newRow("up at top") << kMax << int(Qt::Key_Up) << kMax;
  QTest::newRow("down at bottom") << 0 << int(Qt::Key_Down) << 0;
  QTest::newRow("page up") << 64 << int(Qt::Key_PageUp) << 64 + kMax / 8;
  QTest::newRow("page up stops at top") << 120 << int(Qt::Key_PageUp) << kMax;
  QTest::newRow("page down stops at bottom") << 3 << int(Qt::Key_PageDown) << 0;
  QTest::newRow("home") << 64 << int(Qt::Key_Home) << 0;
  QTest::newRow("home at bottom") << 0 << int(Qt::Key_Home) << 0;
  QTest::newRow("end") << 64 << int(Qt::Key_End) << kMax;
  QTest::newRow("end at top") << kMax << int(Qt::Key_End) << kMax;
  QTest::newRow("other key") << 64 << int(Qt::Key_A) << 64;
}

void DialTest::keys() {
  QFETCH(int, start);
  QFETCH(int, key);
  QFETCH(int, expected);
  Dial dial;
  dial.setMax(kMax);
  dial.setValue(start);
  const ChangeLog log(dial);
  QTest::keyClick(&dial, Qt::Key(key));
  QCOMPARE(dial.value(), expected);
  const std::vector<int> expectedLog =
      expected == start ? std::vector<int>{} : std::vector<int>{expected};
  QCOMPARE(log.values(), expectedLog);
}

void DialTest::wheel_data() {
  QTest::addColumn<int>("start");
  QTest::addColumn<QList<int>>("deltas");
  QTest::addColumn<std::vector<int>>("reported");
  QTest::newRow("one notch up") << 64 << QList<int>{120} << std::vector<int>{66};
  QTest::newRow("one notch down") << 64 << QList<int>{-120} << std::vector<int>{62};
  QTest::newRow("two notches at once") << 64 << QList<int>{240} << std::vector<int>{68};
  QTest::newRow("half notches add up") << 64 << QList<int>{60, 60} << std::vector<int>{66};
  QTest::newRow("up at top") << kMax << QList<int>{120} << std::vector<int>{};
  QTest::newRow("down at bottom") << 0 << QList<int>{-120} << std::vector<int>{};
  QTest::newRow("up to the top, then past it")
      << 125 << QList<int>{120, 120} << std::vector<int>{kMax};
}

void DialTest::wheel() {
  QFETCH(int, start);
  QFETCH(QList<int>, deltas);
  QFETCH(std::vector<int>, reported);
  Dial dial;
  dial.resize(41, 41);
  dial.setMax(kMax);
  dial.setValue(start);
  const ChangeLog log(dial);
  for (const int delta : deltas) turnWheel(dial, delta);
  QCOMPARE(log.values(), reported);
}

void DialTest::dragUpRaisesOncePerNewValue() {
  Dial dial;
  dial.resize(41, 41);
  dial.setMax(kMax);
  dial.setValue(64);
  const ChangeLog log(dial);
  const QPoint start(20, 20);
  QTest::mousePress(&dial, Qt::LeftButton, Qt::NoModifier, start);
  QVERIFY(log.values().empty());
  QTest::mouseMove(&dial, start + QPoint(0, -10));
  QCOMPARE(log.values().size(), 1u);
  const int afterFirstMove = dial.value();
  QVERIFY(afterFirstMove > 64);
  QTest::mouseMove(&dial, start + QPoint(0, -10));  // no travel: no new value
  QCOMPARE(log.values().size(), 1u);
  QTest::mouseMove(&dial, start + QPoint(0, -30));  // dragging may leave the knob
  QCOMPARE(log.values().size(), 2u);
  QVERIFY(dial.value() > afterFirstMove);
  QTest::mouseMove(&dial, start + QPoint(0, 10));  // back below the start: lower than before
  QTest::mouseRelease(&dial, Qt::LeftButton, Qt::NoModifier, start + QPoint(0, 10));
  QCOMPARE(log.values().size(), 3u);
  QVERIFY(dial.value() < 64);
  QCOMPARE(log.values().back(), dial.value());
}

void DialTest::dragAtTopEndIsSilent() {
  Dial dial;
  dial.resize(41, 41);
  dial.setMax(kMax);
  dial.setValue(kMax);
  QSignalSpy spy(&dial, &Dial::changed);
  QTest::mousePress(&dial, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  QTest::mouseMove(&dial, QPoint(20, 0));
  QTest::mouseMove(&dial, QPoint(40, 0));
  QTest::mouseRelease(&dial, Qt::LeftButton, Qt::NoModifier, QPoint(40, 0));
  QCOMPARE(dial.value(), kMax);
  QCOMPARE(spy.count(), 0);
}

void DialTest::hoverAndRightDragDoNothing() {
  Dial dial;
  dial.resize(41, 41);
  dial.setMax(kMax);
  dial.setValue(64);
  QSignalSpy spy(&dial, &Dial::changed);
  QTest::mouseMove(&dial, QPoint(20, 20));
  QTest::mouseMove(&dial, QPoint(20, 0));
  QTest::mousePress(&dial, Qt::RightButton, Qt::NoModifier, QPoint(20, 20));
  QTest::mouseMove(&dial, QPoint(20, 0));
  QTest::mouseRelease(&dial, Qt::RightButton, Qt::NoModifier, QPoint(20, 0));
  QCOMPARE(dial.value(), 64);
  QCOMPARE(spy.count(), 0);
}

void DialTest::angleValueRoundTrip_data() {
  QTest::addColumn<int>("max");
  QTest::newRow("one step") << 1;
  QTest::newRow("odd range") << 7;
  QTest::newRow("MIDI velocity") << kMax;
  QTest::newRow("finer than a degree") << 1000;
}

void DialTest::angleValueRoundTrip() {
  QFETCH(int, max);
  using namespace tonalis::dial;
  QCOMPARE(angleForValue(0, max), kStartDegrees);
  QCOMPARE(angleForValue(max, max), kStartDegrees + kSweepDegrees);
  double previous = angleForValue(0, max);
  for (int value = 0; value <= max; ++value) {
    const double angle = angleForValue(value, max);
    QCOMPARE(valueForAngle(angle, max), value);
    if (value > 0) QVERIFY(angle > previous);
    previous = angle;
  }
}

void DialTest::anglesBeyondTheEnds_data() {
  QTest::addColumn<double>("degrees");
  QTest::addColumn<int>("expected");
  QTest::newRow("bottom, left of the gap") << -180.0 << 0;
  QTest::newRow("just before the start") << -136.0 << 0;
  QTest::newRow("straight up is the middle") << 0.0 << 64;
  QTest::newRow("just past the end") << 136.0 << kMax;
  QTest::newRow("bottom, right of the gap") << 180.0 << kMax;
}

void DialTest::anglesBeyondTheEnds() {
  QFETCH(double, degrees);
  QFETCH(int, expected);
  QCOMPARE(tonalis::dial::valueForAngle(degrees, kMax), expected);
}

QTEST_MAIN(DialTest)
#include "dial_test.moc"
