// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard on its own: what it forwards and how it shows held keys beside the selection.
#include <QSignalSpy>
#include <QTest>

#include "main_window/disc.h"
#include "main_window/keyboard_widget.h"
#include "main_window/pressable_label.h"

using namespace tonalis;

namespace {

QColor background(const QWidget* widget) {
  return widget->palette().color(QPalette::Window);
}

Disc* marker(const KeyboardWidget& keyboard, int key) {
  return keyboard.findChild<Disc*>(QStringLiteral("shpKeyPress(%1)").arg(key));
}

}  // namespace

class TstKeyboardWidget : public QObject {
  Q_OBJECT

 private slots:
  void forwardsTheKeyIndex() {
    QWidget window;
    KeyboardWidget keyboard(&window);
    window.show();
    QSignalSpy pressed(&keyboard, &KeyboardWidget::pressed);
    QSignalSpy released(&keyboard, &KeyboardWidget::released);
    QSignalSpy clicked(&keyboard, &KeyboardWidget::clicked);
    QTest::mouseClick(keyboard.key(14), Qt::LeftButton);
    QCOMPARE(pressed.size(), 1);
    QCOMPARE(pressed.at(0).at(0).toInt(), 14);
    QCOMPARE(released.at(0).at(0).toInt(), 14);
    QCOMPARE(clicked.at(0).at(0).toInt(), 14);
  }

  // Held keys are tinted, each in a colour unlike its own and unlike the selection's green;
  // the selection markers stay as they are, and a key let go gets its own colour back.
  void heldKeysShowApartFromTheSelection() {
    QWidget window;
    KeyboardWidget keyboard(&window);
    keyboard.prepareMarkers();
    theory::Selection selection;
    selection.toggle(1);
    keyboard.showSelection(selection);
    const QColor white = background(keyboard.key(1));
    const QColor black = background(keyboard.key(2));

    keyboard.setHeldKeys({1, 2});
    for (const int key : {1, 2}) {
      const QColor held = background(keyboard.key(key));
      QVERIFY(held != white && held != black && held != QColor(0, 255, 0));
    }
    QVERIFY(background(keyboard.key(1)) != background(keyboard.key(2)));
    QCOMPARE(background(keyboard.key(3)), white);
    QVERIFY(!marker(keyboard, 1)->isHidden());
    QVERIFY(marker(keyboard, 2)->isHidden());

    keyboard.setHeldKeys({2});
    QCOMPARE(background(keyboard.key(1)), white);
    QVERIFY(background(keyboard.key(2)) != black);
    keyboard.setHeldKeys({});
    QCOMPARE(background(keyboard.key(2)), black);
    QVERIFY(!marker(keyboard, 1)->isHidden());
  }
};

QTEST_MAIN(TstKeyboardWidget)
#include "tst_keyboard_widget.moc"
