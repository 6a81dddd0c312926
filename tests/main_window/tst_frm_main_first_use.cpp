// SPDX-License-Identifier: GPL-3.0-or-later
// Faults a new user meets on the first day: the volume bar that does not follow the dial, chord
// symbols cut off at both ends, and a held computer key that the platform repeats.
#include <QGuiApplication>
#include <QMenu>
#include <QProgressBar>
#include <QScreen>
#include <QTextDocument>
#include <QWindow>

#include "main_window/dial/dial.h"
#include "support/window_harness.h"
#include "theory/chord_patterns.h"

using namespace tonalis;
using namespace tonalis::testing;

namespace {

void sendKey(QWidget& window, QEvent::Type type, Qt::Key key, std::uint64_t timestamp) {
  QKeyEvent event(type, key, Qt::NoModifier, QKeySequence(key).toString().toLower());
  event.setTimestamp(timestamp);
  QApplication::sendEvent(&window, &event);
}

// Rows of an image of the bar whose middle pixel has the bar's fill colour.
int filledRows(const QImage& bar, const QColor& fill) {
  int rows = 0;
  for (int y = 0; y < bar.height(); ++y) {
    const QColor centre = bar.pixelColor(bar.width() / 2, y);
    if (qAbs(centre.hue() - fill.hue()) < 10 && centre.saturation() > 60) ++rows;
  }
  return rows;
}

}  // namespace

class TstFrmMainFirstUse : public QObject {
  Q_OBJECT

 private slots:
  // The bar on screen is compared with a fresh rendering of the bar at every step of the dial,
  // up from "Off" and back down from "Full".
  void volumeBarFollowsTheDialStepByStep() {
    WindowHarness h;
    h.start();
    QVERIFY(QTest::qWaitForWindowExposed(&h.window));
    auto* dial = h.find<Dial>("Dial1");
    auto* bar = h.find<QProgressBar>("pgbVolume");
    const QRect onWindow(bar->mapTo(&h.window, QPoint(0, 0)), bar->size());
    const QColor fill = bar->palette().color(QPalette::Highlight);
    const auto shown = [&] {
      QCoreApplication::processEvents();
      const QImage screen = h.window.screen()->grabWindow(h.window.winId()).toImage();
      return filledRows(screen.copy(onWindow), fill);
    };
    const auto rendered = [&] { return filledRows(bar->grab().toImage(), fill); };

    QTest::keyClick(dial, Qt::Key_Home);
    QCOMPARE(shown(), rendered());
    const int empty = rendered();
    for (int step = 1; step <= 127; ++step) {
      QTest::keyClick(dial, Qt::Key_Up);
      QVERIFY2(shown() == rendered(), qPrintable(QString("up at %1").arg(dial->value())));
    }
    const int full = rendered();
    for (int step = 1; step <= 63; ++step) {
      QTest::keyClick(dial, Qt::Key_Down);
      QVERIFY2(shown() == rendered(), qPrintable(QString("down at %1").arg(dial->value())));
    }
    QCOMPARE(h.label("lblVol(1)")->text(), QStringLiteral("1/2"));
    const double half = double(rendered() - empty) / (full - empty);
    QVERIFY2(half > 0.45 && half < 0.55, qPrintable(QString::number(half)));
  }

  // Every symbol and name "Determine Root" can give, on every root, lies whole inside its label.
  void everyChordResultFitsItsLabel_data() {
    QTest::addColumn<QString>("labelName");
    QTest::newRow("symbol") << "lblChordSymbol";
    QTest::newRow("name") << "lblChordName";
  }
  void everyChordResultFitsItsLabel() {
    QFETCH(QString, labelName);
    WindowHarness h;
    h.start();
    QLabel* label = h.label(labelName);
    const QRect box = label->contentsRect();
    for (int root = 1; root <= 12; ++root) {
      for (const theory::ChordPattern& pattern : theory::chordPatterns) {
        std::vector<int> keys;
        for (const int offset : pattern.offsets) keys.push_back(root + offset);
        const auto match = theory::matchChord(keys);
        QVERIFY(match);
        const QString text =
            QString::fromStdString(labelName == "lblChordSymbol" ? match->symbol : match->name);
        label->setText(text);
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed =
            label->fontMetrics().boundingRect(QRect(QPoint(0, 0), box.size()), flags, text);
        QVERIFY2(needed.width() <= box.width() && needed.height() <= box.height(),
                 qPrintable(QString("\"%1\" needs %2 x %3 of %4 x %5")
                                .arg(text)
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(box.width())
                                .arg(box.height())));
      }
    }
  }

  // X11 repeats a held key as a release and a press with the same timestamp, not always marked
  // as repeats: three seconds of them are one note and one click.
  void heldComputerKeyRepeatedWithoutTheFlag() {
    WindowHarness h;
    h.start();
    sendKey(h.window, QEvent::KeyPress, Qt::Key_Z, 1000);
    for (std::uint64_t t = 1500; t < 4000; t += 33) {
      sendKey(h.window, QEvent::KeyRelease, Qt::Key_Z, t);
      sendKey(h.window, QEvent::KeyPress, Qt::Key_Z, t);
      if (t % 5 == 0) QCoreApplication::processEvents();
    }
    QCOMPARE(h.output.messages().size(), std::size_t(1));
    sendKey(h.window, QEvent::KeyRelease, Qt::Key_Z, 4010);
    QTRY_COMPARE(h.output.messages().size(), std::size_t(2));
    QCOMPARE(h.output.messages()[1] & 0xF0, 0x80u);
    QCOMPARE(h.selectedKeys(), std::vector<int>{1});
    // Played again, it sounds again and toggles the selection back.
    sendKey(h.window, QEvent::KeyPress, Qt::Key_Z, 5000);
    sendKey(h.window, QEvent::KeyRelease, Qt::Key_Z, 5100);
    QTRY_COMPARE(h.output.messages().size(), std::size_t(4));
    QVERIFY(h.selectedKeys().empty());
  }

  // A chord lifted key by key, and a key pressed while another's release waits, keep their order.
  void releasesKeepTheirOrder() {
    WindowHarness h;
    h.start();
    sendKey(h.window, QEvent::KeyPress, Qt::Key_Z, 10);
    sendKey(h.window, QEvent::KeyPress, Qt::Key_C, 11);
    sendKey(h.window, QEvent::KeyRelease, Qt::Key_Z, 50);
    sendKey(h.window, QEvent::KeyRelease, Qt::Key_C, 51);
    sendKey(h.window, QEvent::KeyPress, Qt::Key_Z, 52);
    const std::vector<std::uint32_t> expected{0x7F3C90, 0x7F4090, 0x3C80, 0x4080, 0x7F3C90};
    QCOMPARE(h.output.messages(), expected);
    QCOMPARE(h.selectedKeys(), (std::vector<int>{1, 5}));
  }

  // Device names are shown as the system gives them; a very long one is elided in the middle
  // with the whole name in its tooltip. Tooltips show names that look like markup literally,
  // as a tooltip reads its text: rich text when it might be, else plain.
  void deviceNamesShownLiterally() {
    const QString longName =
        QStringLiteral("Client ") + QString(180, u'x') + QStringLiteral(":port end");
    const QStringList markup{QStringLiteral("Synth & <b>Bold</b> <img src=\"/tmp/x.png\">"),
                             QStringLiteral("a &lt; b"), QStringLiteral("<qt>Q</qt>"),
                             QStringLiteral("R&B &&& &")};
    WindowHarness h({"R&B &&& &", "&Mnemonic", "tab\there", longName.toStdString(),
                     markup[0].toStdString(), markup[1].toStdString(), markup[2].toStdString()});
    h.start();
    for (int entry = 5; entry <= 7; ++entry) {
      const QString toolTip = h.device(entry)->toolTip();
      QTextDocument shown;
      if (Qt::mightBeRichText(toolTip)) {
        shown.setHtml(toolTip);
      } else {
        shown.setPlainText(toolTip);
      }
      QCOMPARE(shown.toPlainText(), markup[entry - 5]);
      QCOMPARE(h.device(entry)->iconText(), markup[entry - 5]);
    }
    QCOMPARE(h.device(1)->toolTip(), markup[3]);
    const QStringList shown{"R&B &&& &", "&Mnemonic", "tab here"};
    for (int entry = 1; entry <= 3; ++entry) {
      QAction* action = h.device(entry);
      QCOMPARE(action->iconText(), shown[entry - 1]);
      QVERIFY(QKeySequence::mnemonic(action->text()).isEmpty());
      QVERIFY(!action->text().contains(u'\t'));
    }
    QAction* elided = h.device(4);
    QCOMPARE(elided->toolTip(), longName);
    QVERIFY(elided->text().startsWith(QStringLiteral("Client x")));
    QVERIFY(elided->text().endsWith(QStringLiteral(":port end")));
    QVERIFY(elided->text().contains(QChar(0x2026)));
    auto* menu = h.find<QMenu>("mnuDevice");
    QVERIFY(menu->toolTipsVisible());
    QVERIFY2(menu->sizeHint().width() < h.window.width() / 2,
             qPrintable(QString::number(menu->sizeHint().width())));
  }

  // Devices plugged in or out after start: each opening of the menu reads the list again, the
  // device in use stays checked by name, an entry opens the device it shows, and a device in
  // use that goes away is reported once and "MIDI Mapper" takes over.
  void deviceListReadAgainOnEachOpening() {
    WindowHarness h({"Synth A", "Synth B"});
    h.start();
    h.choose(2);
    auto* menu = h.find<QMenu>("mnuDevice");
    const auto reopenMenu = [&](std::vector<std::string> names) {
      h.output.setNextNames(std::move(names));
      emit menu->aboutToShow();
      WindowHarness::settle();
    };
    const auto entries = [&] {
      QStringList texts;
      for (const QAction* action : menu->actions()) {
        texts << action->text() + (action->isChecked() ? QStringLiteral(" *") : QString());
      }
      return texts;
    };

    reopenMenu({"Keyboard new", "Synth A", "Synth B"});
    QCOMPARE(entries(), (QStringList{"MIDI Mapper", "Keyboard new", "Synth A", "Synth B *"}));
    h.output.forget();
    h.choose(1);
    QCOMPARE(h.output.calls(), (std::vector<std::string>{"close", "open(Keyboard new)"}));
    QCOMPARE(entries(), (QStringList{"MIDI Mapper", "Keyboard new *", "Synth A", "Synth B"}));
    QVERIFY(h.messages.texts().isEmpty());

    reopenMenu({"Synth A"});
    QCOMPARE(h.messages.texts().size(), 1);
    QVERIFY2(h.messages.texts().front().startsWith(
                 QStringLiteral("The MIDI device \u201CKeyboard new\u201D has stopped working")),
             qPrintable(h.messages.texts().front()));
    QCOMPARE(entries(), (QStringList{"MIDI Mapper *", "Synth A"}));
    QVERIFY(h.output.isOpen());

    h.messages.forget();
    h.choose(1);
    h.output.forget();
    h.output.loseDevice("Synth A");
    WindowHarness::settle();
    QCOMPARE(h.messages.texts().size(), 1);
    QCOMPARE(entries(), (QStringList{"MIDI Mapper *", "Synth A"}));
    QCOMPARE(h.output.calls().back(), std::string("open(MIDI Mapper)"));
  }
};

QTEST_MAIN(TstFrmMainFirstUse)
#include "tst_frm_main_first_use.moc"
