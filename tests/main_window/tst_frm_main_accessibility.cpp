// SPDX-License-Identifier: GPL-3.0-or-later
// The window through the accessibility interface, as a screen reader sees and drives it: keys,
// chart pictures, result labels, the volume dial, the menu and the keyboard focus.
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "main_window/announcer.h"
#include "main_window/dial/dial.h"
#include "support/window_harness.h"

using namespace tonalis;
using namespace tonalis::testing;

namespace {

struct Announcement {
  QObject* object;
  QAccessible::Event type;
  bool checkedChanged;
  QString name;  // the object's accessible name when it was shown
};
std::vector<Announcement> g_announcements;

void record(QAccessibleEvent* event) {
  bool checked = false;
  if (event->type() == QAccessible::StateChanged) {
    checked = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().checked;
  }
  QString name;
  if (event->type() == QAccessible::ObjectShow) {
    name = event->accessibleInterface()->text(QAccessible::Name);
  }
  g_announcements.push_back({event->object(), event->type(), checked, name});
}

bool announced(QObject* object, QAccessible::Event type) {
  return std::ranges::any_of(g_announcements, [&](const Announcement& announcement) {
    return announcement.object == object && announcement.type == type &&
           (type != QAccessible::StateChanged || announcement.checkedChanged);
  });
}

QAccessibleInterface* accessible(QObject* object) {
  return QAccessible::queryAccessibleInterface(object);
}

QString nameOf(QObject* object) {
  return accessible(object)->text(QAccessible::Name);
}

// What the announcer spoke: its message at each showing.
QStringList spoken(const Announcer* announcer) {
  QStringList messages;
  for (const Announcement& announcement : g_announcements) {
    if (announcement.object == announcer && announcement.type == QAccessible::ObjectShow) {
      messages << announcement.name;
    }
  }
  return messages;
}

QString lastSpoken(const Announcer* announcer) {
  const QStringList messages = spoken(announcer);
  return messages.isEmpty() ? QString() : messages.last();
}

}  // namespace

class TstFrmMainAccessibility : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // Without a screen reader on the desktop bus Qt announces nothing; switched on here, the
    // announcements reach the recording handler instead.
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform != nullptr);
    platform->setActive(true);
    QAccessible::installUpdateHandler(&record);
  }
  void init() { g_announcements.clear(); }

  // Check boxes: Orca speaks the state of a check box, not of a checkable push button.
  void keysAreCheckBoxesCheckedWhileSelected() {
    WindowHarness h;
    h.start();
    QAccessibleInterface* key = accessible(h.key(2));
    QCOMPARE(key->role(), QAccessible::CheckBox);
    QCOMPARE(key->text(QAccessible::Name), QStringLiteral("C♯4"));
    // The keyboard's own words, not the tooltip's clicking.
    QVERIFY(key->text(QAccessible::Description).contains(QStringLiteral("Space")));
    QCOMPARE(h.key(2)->toolTip(), QStringLiteral("Click here to select notes"));
    QVERIFY(key->state().checkable);
    QVERIFY(!key->state().checked);
    h.clickKey(2);
    QVERIFY(key->state().checked);
    QVERIFY(announced(h.key(2), QAccessible::StateChanged));
    h.click("cmdClear");
    QVERIFY(!key->state().checked);
    h.output.forget();

    // The press action sounds the note briefly and toggles the key as a click does.
    key->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(h.output.messages().size(), std::size_t(1));
    QTRY_VERIFY(key->state().checked);
    QCOMPARE(h.output.messages().size(), std::size_t(2));
    QCOMPARE(h.selectedKeys(), std::vector<int>{2});
  }

  void chartPicturesAreButtonsNamedByTheirChord() {
    WindowHarness h;
    h.start();
    QCOMPARE(nameOf(h.picture(306)), QStringLiteral("M7"));
    h.clickKey(1);
    h.click("cmdBuildChord");
    QAccessibleInterface* picture = accessible(h.picture(306));
    QCOMPARE(picture->role(), QAccessible::Button);
    QCOMPARE(picture->text(QAccessible::Name), QStringLiteral("C major seventh: C E G B"));
    QCOMPARE(picture->text(QAccessible::Description), QStringLiteral("C M7"));
    QVERIFY(!picture->state().checkable);
    h.output.forget();
    picture->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(h.output.messages().size(), std::size_t(4));
    QTRY_COMPARE(h.output.messages().size(), std::size_t(8));
    QCOMPARE(h.selectedKeys(), std::vector<int>{1});  // a picture selects nothing
    h.click("cmdClear");
    QCOMPARE(nameOf(h.picture(306)), QStringLiteral("M7"));
    QVERIFY(accessible(h.picture(306))->text(QAccessible::Description).isEmpty());
  }

  // Results are spoken without the user going to them: the announcer, a notification to Orca,
  // is shown with each message.
  void resultsAreAnnounced() {
    WindowHarness h;
    h.start();
    auto* announcer = h.find<Announcer>("announcer");
    announcer->setDelays(std::chrono::milliseconds(50), std::chrono::milliseconds(10));
    QCOMPARE(accessible(announcer)->role(), QAccessible::Notification);
    g_announcements.clear();
    h.select({5, 8, 13});  // E G C: "Determine Root" moves the upper C down
    h.click("cmdDetChord");
    QTRY_COMPARE(spoken(announcer), QStringList{"C, C Major"});
    h.click("cmdClear");
    h.select({2});
    h.click("cmdBuildChord");
    QTRY_COMPARE(lastSpoken(announcer), QStringLiteral("Chords of C♯ or D♭ shown in the chart"));
    QCOMPARE(nameOf(h.label("lblChord")), QStringLiteral("C♯ or D♭"));
    // Drawing the same chart again changes no picture's name.
    g_announcements.clear();
    h.click("cmdBuildChord");
    QVERIFY(!announced(h.picture(101), QAccessible::NameChanged));
    h.click("cmdClear");
    h.select({2, 6, 9, 13});
    h.click("cmdDetChord");
    QTRY_COMPARE(lastSpoken(announcer), QStringLiteral("C♯M7 / C♯maj7, C♯ Major Seventh"));
    QCOMPARE(nameOf(h.label("lblChordSymbol")), QStringLiteral("C♯M7 / C♯maj7"));
    h.click("cmdClear");
    QCOMPARE(nameOf(h.label("lblChordSymbol")), QStringLiteral("Chord Symbol"));
  }

  // The readout speaks its best reading once the keys have settled: nothing while a chord is
  // picked key by key, nothing again for the same reading, nothing right after a result.
  void readoutSpeaksOncePerSettledChange() {
    WindowHarness h;
    h.start();
    auto* announcer = h.find<Announcer>("announcer");
    announcer->setDelays(std::chrono::milliseconds(50), std::chrono::milliseconds(10));
    g_announcements.clear();
    h.select({1, 5, 8});
    QVERIFY(spoken(announcer).isEmpty());
    QTRY_COMPARE(spoken(announcer), QStringList{"C major"});
    QVERIFY(nameOf(h.label("lblChordReading")).startsWith(QStringLiteral("C major")));
    h.clickKey(8);
    h.clickKey(8);  // back to the same chord before it settled
    QTest::qWait(200);
    QCOMPARE(spoken(announcer).size(), 1);
    h.clickKey(10);  // C E G A
    QTRY_COMPARE(spoken(announcer).size(), 2);
    QCOMPARE(lastSpoken(announcer), QStringLiteral("A minor seventh over C"));
    h.click("cmdClear");
    h.select({5, 8, 13});
    h.click("cmdDetChord");  // the result, not the reading, is spoken
    QTRY_COMPARE(lastSpoken(announcer), QStringLiteral("C, C Major"));
    QTest::qWait(200);
    QCOMPARE(lastSpoken(announcer), QStringLiteral("C, C Major"));
  }

  void resultLabelsAreReadAsTheirText_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("purpose");
    QTest::newRow("symbol") << "lblChordSymbol"
                            << "C"
                            << "Chord symbol";
    QTest::newRow("name") << "lblChordName"
                          << "C Major"
                          << "Chord name";
    QTest::newRow("notes") << "lblNotes"
                           << " C  E  G "
                           << "Played notes";
    QTest::newRow("chart root") << "lblChord"
                                << "C"
                                << "Chart root";
    QTest::newRow("volume level") << "lblVol(1)"
                                  << "Full"
                                  << "Volume level";
  }
  void resultLabelsAreReadAsTheirText() {
    QFETCH(QString, label);
    QFETCH(QString, shown);
    QFETCH(QString, purpose);
    WindowHarness h;
    h.start();
    g_announcements.clear();
    h.select({5, 8, 13});
    h.click("cmdDetChord");
    h.click("cmdBuildChord");  // moves nothing: key 1 alone is not the selection
    h.click("cmdClear");
    h.select({1});
    h.click("cmdBuildChord");
    h.select({5, 8});
    h.click("cmdDetChord");
    QCOMPARE(nameOf(h.label(label)), shown);
    QCOMPARE(accessible(h.label(label))->text(QAccessible::Description), purpose);
    if (label != "lblVol(1)") QVERIFY(announced(h.label(label), QAccessible::NameChanged));
  }

  void dialExposesAValueThatActsAsTheUser() {
    WindowHarness h;
    h.start();
    auto* dial = h.find<Dial>("Dial1");
    QAccessibleInterface* interface = accessible(dial);
    QCOMPARE(interface->role(), QAccessible::Dial);
    QAccessibleValueInterface* value = interface->valueInterface();
    QVERIFY(value != nullptr);
    QCOMPARE(value->minimumValue().toInt(), 0);
    QCOMPARE(value->maximumValue().toInt(), 127);
    QCOMPARE(value->currentValue().toInt(), 127);
    value->setCurrentValue(64);
    QCOMPARE(h.label("lblVol(1)")->text(), QStringLiteral("1/2"));
    QCOMPARE(h.window.player().velocity(), 64);
    QVERIFY(announced(dial, QAccessible::ValueChanged));
    QTest::keyClick(dial, Qt::Key_PageDown);
    QCOMPARE(value->currentValue().toInt(), 64 - 127 / 8);
  }

  void devicesMenuFromTheKeyboard_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Alt+D") << int(Qt::Key_D) << int(Qt::AltModifier);
    QTest::newRow("F10") << int(Qt::Key_F10) << int(Qt::NoModifier);
  }
  void devicesMenuFromTheKeyboard() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    WindowHarness h({"Synth"});
    h.start();
    h.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&h.window));
    auto* menu = h.find<QMenu>("mnuDevice");
    QTest::keyClick(&h.window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTRY_VERIFY(menu->isVisible());
    // A screen reader follows the menus only when the menu bar has the focus.
    QCOMPARE(QApplication::focusWidget(), h.window.menuBar());
    menu->close();
    QVERIFY(h.output.messages().empty());  // D plays no note when it opens the menu

    QVERIFY(h.device(0)->actionGroup() != nullptr && h.device(0)->actionGroup()->isExclusive());
    QCOMPARE(h.device(1)->actionGroup(), h.device(0)->actionGroup());
    QVERIFY(h.device(0)->isChecked());
    h.device(1)->trigger();
    QVERIFY(!h.device(0)->isChecked());
    QVERIFY(h.device(1)->isChecked());
  }

  // After the dial, Tab reaches the keyboard; the arrows move between keys and Space plays and
  // toggles the focused key.
  void keyboardReachedByTab() {
    WindowHarness h;
    h.start();
    h.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&h.window));
    h.find("Dial1")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), h.key(1));
    QTest::keyClick(h.key(1), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), h.key(2));
    QTest::keyPress(h.key(2), Qt::Key_Space);
    QCOMPARE(h.output.messages().size(), std::size_t(1));
    QTest::keyRelease(h.key(2), Qt::Key_Space);
    QCOMPARE(h.output.messages().size(), std::size_t(2));
    QCOMPARE(h.selectedKeys(), std::vector<int>{2});
    // Leaving and coming back lands on the key last used.
    QTest::keyClick(h.key(2), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), h.find("Dial1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), h.key(2));
  }

  // One Tab from the keyboard leads into the chart, where the arrows move through the rows and
  // Space or Enter sounds the picture as a mouse press and release do; Tab leaves and comes
  // back to the picture last used.
  void chartReachedByTab() {
    WindowHarness h;
    h.start();
    h.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&h.window));
    h.clickKey(1);
    h.click("cmdBuildChord");
    h.key(1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(h.key(1), Qt::Key_Right);
    QTest::keyClick(h.key(2), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), h.picture(101));
    QTest::keyClick(h.picture(101), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), h.picture(201));
    // The focused picture shows a focus mark: it looks unlike the same picture without focus.
    QCOMPARE(h.picture(201)->pixmap().toImage(), h.picture(101)->pixmap().toImage());
    QVERIFY(h.picture(201)->grab().toImage() != h.picture(101)->grab().toImage());
    QTest::keyClick(h.picture(201), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), h.picture(202));
    h.output.forget();
    QTest::keyPress(h.picture(202), Qt::Key_Return);
    QCOMPARE(h.output.messages().size(), std::size_t(4));  // C aug7: C E G♯ B♭
    QTest::keyRelease(h.picture(202), Qt::Key_Return);
    QCOMPARE(h.output.messages().size(), std::size_t(8));
    QTest::keyClick(h.picture(202), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), h.key(2));
    QTest::keyClick(h.key(2), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), h.picture(202));
  }
};

QTEST_MAIN(TstFrmMainAccessibility)
#include "tst_frm_main_accessibility.moc"
