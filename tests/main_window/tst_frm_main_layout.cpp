// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls: names, places, texts, fonts, order and accessible names.
#include <QAccessible>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>

#include "main_window/dial/dial.h"
#include "main_window/keyboard_widget.h"
#include "main_window/layout.h"
#include "support/window_harness.h"

using namespace tonalis;
using namespace tonalis::testing;

Q_DECLARE_METATYPE(layout::TwipRect)

namespace {

// Position of `widget` among its siblings, counted from the front.
int depth(QWidget* widget) {
  const QObjectList& siblings = widget->parentWidget()->children();
  return static_cast<int>(siblings.size()) - 1 - static_cast<int>(siblings.indexOf(widget));
}

// The place of `widget` in its designed container: the window, a frame or the chart box. The
// keyboard holds its keys and markers at their places on the window.
QRect designedPlace(const QWidget* widget) {
  const QWidget* parent = widget->parentWidget();
  if (qobject_cast<const KeyboardWidget*>(parent) != nullptr) {
    return widget->geometry().translated(parent->pos());
  }
  return widget->geometry();
}

}  // namespace

class TstFrmMainLayout : public QObject {
  Q_OBJECT

 private slots:
  void windowFrame() {
    WindowHarness h;
    h.start();
    QCOMPARE(h.window.windowTitle(), QStringLiteral("Tonalis"));
    QCOMPARE(h.window.centralWidget()->size(), QSize(1025, 965));
    QCOMPARE(h.window.centralWidget()->palette().color(QPalette::Window), QColor(Qt::white));
    // Resizable, down to the design at 55 % of its size.
    QCOMPARE(h.window.centralWidget()->minimumSize(), QSize(564, 531));
    QCOMPARE(h.window.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    auto* menu = h.window.findChild<QMenu*>(QStringLiteral("mnuDevice"));
    QVERIFY(menu != nullptr);
    QCOMPARE(menu->title(), QStringLiteral("&Devices"));  // opened with Alt+D
    QCOMPARE(menu->menuAction()->iconText(), QStringLiteral("Devices"));
    QCOMPARE(h.window.menuBar()->actions().size(), 2);  // and Help
  }

  void placedControls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<layout::TwipRect>("rect");
    QTest::newRow("cmdDetChord") << "cmdDetChord" << layout::TwipRect{10320, 960, 2055, 1095};
    QTest::newRow("cmdBuildChord") << "cmdBuildChord" << layout::TwipRect{12480, 960, 2055, 1095};
    QTest::newRow("cmdPrint") << "cmdPrint" << layout::TwipRect{14640, 960, 615, 1095};
    QTest::newRow("cmdClear") << "cmdClear" << layout::TwipRect{3480, 1695, 6735, 360};
    QTest::newRow("Frame4") << "Frame4" << layout::TwipRect{10320, 120, 4935, 735};
    QTest::newRow("Frame3") << "Frame3" << layout::TwipRect{120, 1320, 2655, 735};
    QTest::newRow("Frame2") << "Frame2" << layout::TwipRect{120, 120, 2655, 1095};
    QTest::newRow("lblChordName in its frame")
        << "lblChordName" << layout::TwipRect{0, 240, 4935, 495};
    QTest::newRow("lblNotes in its frame") << "lblNotes" << layout::TwipRect{0, 240, 2535, 495};
    QTest::newRow("lblChordSymbol") << "lblChordSymbol" << layout::TwipRect{0, 240, 2655, 855};
    QTest::newRow("picChordDisplay")
        << "picChordDisplay" << layout::TwipRect{120, 2040, 15135, 11985};
    QTest::newRow("Frame5 in the chart box") << "Frame5" << layout::TwipRect{0, 0, 15135, 11775};
    QTest::newRow("lblChord") << "lblChord" << layout::TwipRect{13410, 10920, 1395, 810};
    QTest::newRow("Dial1") << "Dial1" << layout::TwipRect{2820, 240, 615, 615};
    QTest::newRow("pgbVolume") << "pgbVolume" << layout::TwipRect{3000, 1050, 255, 990};
    QTest::newRow("lblVol(0)") << "lblVol(0)" << layout::TwipRect{2880, 0, 495, 255};
    QTest::newRow("lblVol(1)") << "lblVol(1)" << layout::TwipRect{2760, 840, 735, 255};
    QTest::newRow("Line1(0)") << "Line1(0)" << layout::TwipRect{2880, 1080, 480, 15};
    QTest::newRow("Line1(4)") << "Line1(4)" << layout::TwipRect{2880, 2010, 480, 15};
    QTest::newRow("lblKey(24)") << "lblKey(24)" << layout::TwipRect{9720, 0, 495, 1695};
    QTest::newRow("lblKey(23)") << "lblKey(23)" << layout::TwipRect{9600, 0, 255, 1095};
    QTest::newRow("shpKeyPress(1)") << "shpKeyPress(1)" << layout::TwipRect{3600, 1320, 255, 255};
    QTest::newRow("shpKeyPress(2)") << "shpKeyPress(2)" << layout::TwipRect{3840, 720, 255, 255};
    QTest::newRow("imgChordDisp(101)")
        << "imgChordDisp(101)" << layout::TwipRect{240, 360, 4815, 840};
    QTest::newRow("imgChordDisp(310)")
        << "imgChordDisp(310)" << layout::TwipRect{10080, 10080, 4815, 840};
    QTest::newRow("lblChordDisplay(1) above 201")
        << "lblChordDisplay(1)" << layout::TwipRect{5160, 120, 4815, 240};
    QTest::newRow("lblChordDisplay(3) above 102")
        << "lblChordDisplay(3)" << layout::TwipRect{240, 1200, 4815, 240};
  }
  void placedControls() {
    QFETCH(QString, name);
    QFETCH(layout::TwipRect, rect);
    WindowHarness h;
    QCOMPARE(designedPlace(h.find(name)), layout::toPixels(rect));
  }

  void chartPicturesAreExactlyThirty() {
    WindowHarness h;
    const auto pictures = h.window.findChildren<PressableLabel*>(
        QRegularExpression(QStringLiteral("^imgChordDisp\\(\\d+\\)$")));
    QCOMPARE(pictures.size(), 30);
    QVERIFY(h.window.findChild<QWidget*>(QStringLiteral("imgChordDisp(0)")) == nullptr);
    for (int column = 1; column <= 3; ++column) {
      for (int row = 1; row <= 10; ++row) {
        auto* picture = h.picture(100 * column + row);
        QVERIFY(picture->hasScaledContents());
        QCOMPARE(picture->pixmap().size(), QSize(321, 113));
      }
    }
  }

  void textsAndTooltips_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("cmdDetChord")
        << "cmdDetChord"
        << "Determine Root"
        << "Select the desired notes of a chord and click here to determine the root and chord";
    QTest::newRow("cmdBuildChord") << "cmdBuildChord"
                                   << "Show Chords"
                                   << "Select a Root key/note and click here to display the chords";
    QTest::newRow("cmdPrint") << "cmdPrint"
                              << "Print"
                              << "";
    QTest::newRow("cmdClear") << "cmdClear"
                              << "Clear"
                              << "Clears all selected notes and displayed chords";
    QTest::newRow("lblNotes") << "lblNotes"
                              << "Played Notes"
                              << "Displays the selected notes";
    QTest::newRow("lblChordSymbol") << "lblChordSymbol"
                                    << "Chord Symbol"
                                    << "Displays the typical chord symbols";
    QTest::newRow("lblChordName") << "lblChordName"
                                  << ""
                                  << "Displays the name of the chord";
    QTest::newRow("lblChord") << "lblChord"
                              << "Root"
                              << "";
    QTest::newRow("lblVol(0)") << "lblVol(0)"
                               << "VOL"
                               << "";
    QTest::newRow("lblKey(7)") << "lblKey(7)"
                               << ""
                               << "Click here to select notes";
    QTest::newRow("lblChordDisplay(0)") << "lblChordDisplay(0)"
                                        << "M"
                                        << "";
    QTest::newRow("lblChordDisplay(24)") << "lblChordDisplay(24)"
                                         << "m7(b5) / O7"
                                         << "";
    QTest::newRow("lblChordDisplay(29)") << "lblChordDisplay(29)"
                                         << "m9"
                                         << "";
  }
  // The design texts, before the load step rewrites some of them.
  void textsAndTooltips() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    WindowHarness h;
    QWidget* widget = h.find(name);
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
      QCOMPARE(button->text(), text);
    } else {
      QCOMPARE(qobject_cast<QLabel*>(widget)->text(), text);
    }
    QCOMPARE(widget->toolTip(), toolTip);
  }

  void frames() {
    WindowHarness h;
    QCOMPARE(h.find<QGroupBox>("Frame4")->title(), QStringLiteral("Chord Name"));
    QCOMPARE(h.find<QGroupBox>("Frame3")->title(), QStringLiteral("Played Notes"));
    QCOMPARE(h.find<QGroupBox>("Frame2")->title(), QStringLiteral("Chord Symbol"));
    QCOMPARE(h.find<QGroupBox>("Frame5")->title(), QStringLiteral("Chords Display"));
    for (const char* name : {"Frame2", "Frame3", "Frame4", "Frame5", "picChordDisplay"}) {
      QWidget* frame = h.find(name);
      QVERIFY(frame->autoFillBackground());
      QCOMPARE(frame->palette().color(QPalette::Window), QColor(Qt::white));
    }
    QCOMPARE(h.find("lblNotes")->parentWidget(), h.find("Frame3"));
    QCOMPARE(h.find("Frame5")->parentWidget(), h.find("picChordDisplay"));
  }

  void fonts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::newRow("button") << "cmdClear"
                            << "Arial" << 8.25 << false;
    QTest::newRow("frame") << "Frame5"
                           << "Arial" << 8.25 << false;
    QTest::newRow("result label") << "lblChordName"
                                  << "Times New Roman" << 12.0 << false;
    QTest::newRow("root label") << "lblChord"
                                << "Times New Roman" << 36.0 << true;
    QTest::newRow("chart caption") << "lblChordDisplay(5)"
                                   << "Times New Roman Music" << 12.0 << false;
  }
  void fonts() {
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    const QFont font = WindowHarness().find(name)->font();
    QCOMPARE(font.families().value(0), family);
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
  }

  // Missing faces fall back to a serif face rather than the default sans.
  void captionFontFallsBackToSerif() {
    WindowHarness h;
    const QFontInfo info(h.find("lblChordDisplay(0)")->font());
    QVERIFY2(info.family().contains(QStringLiteral("Serif")) ||
                 info.family().contains(QStringLiteral("Times")),
             qPrintable(info.family()));
  }

  void frontToBack() {
    WindowHarness h;
    // Black keys in front of the white keys, markers in front of all keys.
    QVERIFY(depth(h.key(23)) < depth(h.key(22)));
    QVERIFY(depth(h.key(23)) < depth(h.key(24)));
    QVERIFY(depth(h.find("shpKeyPress(24)")) < depth(h.key(23)));
    QVERIFY(depth(h.find("shpKeyPress(1)")) < depth(h.key(2)));
    // The buttons lie in front; cmdClear overlaps the chart box by one pixel.
    QVERIFY(depth(h.button("cmdClear")) < depth(h.find("picChordDisplay")));
    // In the chart frame: markers over the pictures and captions.
    QWidget* markers = h.find("shpChordDisp");
    QCOMPARE(depth(markers), 0);
    QVERIFY(markers->testAttribute(Qt::WA_TransparentForMouseEvents));
    QVERIFY(depth(h.label("lblChord")) < depth(h.picture(310)));
    QVERIFY(depth(h.label("lblChordDisplay(0)")) < depth(h.picture(101)));
    QVERIFY(h.find("shpKeyPress(5)")->testAttribute(Qt::WA_TransparentForMouseEvents));
  }

  void volumeGroup() {
    WindowHarness h;
    auto* dial = h.find<Dial>("Dial1");
    QCOMPARE(dial->max(), 127);
    QCOMPARE(dial->depth(), 30);
    QCOMPARE(dial->colorLed(), QColor(128, 128, 128));
    QCOMPARE(dial->toolTip(), QStringLiteral("Adjusts the overall Midi Volume"));
    auto* bar = h.find<QProgressBar>("pgbVolume");
    QCOMPARE(bar->orientation(), Qt::Vertical);
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 127);
    QVERIFY(!bar->isTextVisible());
  }

  void focusOrder() {
    WindowHarness h;
    h.start();
    h.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&h.window));
    h.clickKey(1);
    h.click("cmdBuildChord");  // enables "Print", which Tab skips while disabled
    h.button("cmdClear")->setFocus();
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 4; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, (QStringList{"cmdClear", "cmdBuildChord", "cmdDetChord", "cmdPrint", "Dial1"}));
  }

  void accessibleNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessible");
    QTest::newRow("key 1") << "lblKey(1)"
                           << "C4";
    QTest::newRow("key 2") << "lblKey(2)"
                           << "C♯4";
    QTest::newRow("key 13") << "lblKey(13)"
                            << "C5";
    QTest::newRow("key 24") << "lblKey(24)"
                            << "B5";
    QTest::newRow("picture before a chart") << "imgChordDisp(301)"
                                            << "dim7 / o7";
    QTest::newRow("button") << "cmdBuildChord"
                            << "Show Chords";
    QTest::newRow("dial") << "Dial1"
                          << "Volume";
    // A result label is read as the text it shows.
    QTest::newRow("result label") << "lblNotes"
                                  << "Played Notes";
    QTest::newRow("level label") << "lblVol(1)"
                                 << "VOL";
  }
  void accessibleNames() {
    QFETCH(QString, name);
    QFETCH(QString, accessible);
    WindowHarness h;
    QCOMPARE(QAccessible::queryAccessibleInterface(h.find(name))->text(QAccessible::Name),
             accessible);
  }

  void everyControlHasAnAccessibleName() {
    WindowHarness h;
    for (QWidget* widget : h.window.findChildren<QWidget*>()) {
      if (!(qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
            qobject_cast<Dial*>(widget))) {
        continue;
      }
      if (!h.window.centralWidget()->isAncestorOf(widget)) continue;
      const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
      QVERIFY2(!accessible->text(QAccessible::Name).isEmpty() ||
                   !accessible->text(QAccessible::Description).isEmpty(),
               qPrintable(widget->objectName()));
    }
  }
};

QTEST_MAIN(TstFrmMainLayout)
#include "tst_frm_main_layout.moc"
