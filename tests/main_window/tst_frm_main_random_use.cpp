// SPDX-License-Identifier: GPL-3.0-or-later
// Random use of the whole window: tens of thousands of mouse, key, dial and device events from
// a fixed seed, each followed by a check of what the window shows and sends against a model
// built on the music logic. Set TONALIS_RANDOM_SEED to replay or explore another sequence.
#include <QProgressBar>
#include <cstdlib>
#include <deque>
#include <functional>
#include <random>
#include <set>

#include "main_window/dial/dial.h"
#include "random_use_model.h"
#include "support/window_harness.h"
#include "theory/chord_chart.h"

using namespace tonalis;
using namespace tonalis::testing;

namespace {

constexpr int kEvents = 20000;
constexpr std::uint32_t kDefaultSeed = 20130729;
constexpr std::size_t kEventsShownOnFailure = 25;

// The computer keys of keys 1..17: the bottom letter row plays the white keys.
constexpr std::array<Qt::Key, 17> kComputerKeys{
    Qt::Key_Z,     Qt::Key_S, Qt::Key_X,      Qt::Key_D,         Qt::Key_C,    Qt::Key_V,
    Qt::Key_G,     Qt::Key_B, Qt::Key_H,      Qt::Key_N,         Qt::Key_J,    Qt::Key_M,
    Qt::Key_Comma, Qt::Key_L, Qt::Key_Period, Qt::Key_Semicolon, Qt::Key_Slash};
constexpr std::array<Qt::Key, 6> kDialKeys{Qt::Key_Up,       Qt::Key_Down, Qt::Key_PageUp,
                                           Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
constexpr std::array<int, 4> kOpenFailures{midi::kError, midi::kBadDeviceId, midi::kAllocated,
                                           midi::kNoDriver};
constexpr int kDeviceEntries = 3;  // "MIDI Mapper" and two devices

std::uint32_t seedFromEnvironment() {
  const char* text = std::getenv("TONALIS_RANDOM_SEED");
  return text != nullptr ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10))
                         : kDefaultSeed;
}

// Plays the user: picks an event that a person could cause with one mouse and a computer
// keyboard, performs it on the real widgets and checks the window against the model.
class RandomUser {
 public:
  RandomUser(WindowHarness& h, std::uint32_t seed) : m_h(h), m_random(seed) {
    for (int k = 1; k <= 24; ++k) {
      m_keys[static_cast<std::size_t>(k)] = h.key(k);
      m_discs[static_cast<std::size_t>(k)] = h.find(elementName("shpKeyPress", k));
    }
    for (int slot = 0; slot < theory::kChartSlotCount; ++slot) {
      const int p = theory::pictureIndex(theory::chartColumn(slot), theory::chartRow(slot));
      m_pictures[static_cast<std::size_t>(slot)] = {p, h.picture(p)};
    }
    for (int entry = 0; entry < kDeviceEntries; ++entry) {
      m_devices[static_cast<std::size_t>(entry)] = h.device(entry);
    }
    m_printButton = h.button("cmdPrint");
    m_dial = h.find<Dial>("Dial1");
    m_volumeBar = h.find<QProgressBar>("pgbVolume");
    for (auto& [name, label] : m_labels) label = h.label(name);
  }

  std::optional<std::string> act() {
    Expected expected;
    if (m_mouse) {
      pick({{50, [&] { releaseMouse(expected); }},
            {22, [&] { computerKey(expected); }},
            {14, [&] { turnDial(); }},
            {14, [&] { chooseDevice(expected); }}});
    } else {
      pick({{30, [&] { clickKey(expected); }},
            {8, [&] { pressKey(expected); }},
            {14, [&] { pressPicture(expected); }},
            {10, [&] { button("cmdBuildChord", expected.message = m_model.showChords()); }},
            {3, [&] { button("cmdClear", expected.message = m_model.clear()); }},
            {6, [&] { button("cmdDetChord", expected.message = m_model.determineRoot()); }},
            {2, [&] { print(expected); }},
            {13, [&] { computerKey(expected); }},
            {6, [&] { turnDial(); }},
            {6, [&] { chooseDevice(expected); }}});
    }
    QCoreApplication::processEvents();
    return check(expected);
  }

  // Lets go of the mouse and every computer key, as a user finally does.
  std::optional<std::string> releaseEverything() {
    Expected expected;
    if (m_mouse) releaseMouse(expected, true);
    if (auto failure = check(expected)) return failure;
    while (!m_keysDown.empty()) {
      const int key = *m_keysDown.begin();
      Expected up;
      m_keysDown.erase(key);
      up.message = m_model.computerKeyUp(key);
      QTest::keyRelease(&m_h.window, kComputerKeys[static_cast<std::size_t>(key - 1)]);
      QCoreApplication::processEvents();  // the release waits for a repeat press, without delay
                                          // here
      log("computer key up " + std::to_string(key));
      if (auto failure = check(up)) return failure;
    }
    return std::nullopt;
  }

  std::string recentEvents() const {
    std::string text;
    for (const std::string& event : m_recent) text += "  " + event + "\n";
    return text;
  }

 private:
  struct Expected {
    std::optional<QString> message;
    Messages noteOns;
    std::size_t pagesPrinted = 0;
  };
  struct Held {
    PressableLabel* label;
    int index;
    bool picture;
    Qt::MouseButton button;
  };
  struct Choice {
    int weight;
    std::function<void()> action;
  };

  void pick(std::initializer_list<Choice> choices) {
    int total = 0;
    for (const Choice& choice : choices) total += choice.weight;
    int roll = uniform(0, total - 1);
    for (const Choice& choice : choices) {
      if (roll < choice.weight) return choice.action();
      roll -= choice.weight;
    }
  }

  int uniform(int low, int high) { return std::uniform_int_distribution(low, high)(m_random); }
  bool chance(int percent) { return uniform(0, 99) < percent; }

  // Half the time a selected key, so that selections stay small enough for the commands.
  int pickKey() {
    const std::vector<int> selected = m_model.selection().ascending();
    if (!selected.empty() && chance(50)) {
      return selected[static_cast<std::size_t>(uniform(0, static_cast<int>(selected.size()) - 1))];
    }
    return uniform(1, 24);
  }

  void clickKey(Expected& expected) {
    const int key = pickKey();
    expected.noteOns = m_model.pressKey(key);
    m_model.releaseKey(key);
    expected.message = m_model.clickKey(key);
    QTest::mouseClick(m_keys[static_cast<std::size_t>(key)], Qt::LeftButton);
    log("click key " + std::to_string(key));
  }

  void pressKey(Expected& expected) {
    const int key = pickKey();
    const Qt::MouseButton button = chance(80) ? Qt::LeftButton : Qt::RightButton;
    m_mouse = Held{m_keys[static_cast<std::size_t>(key)], key, false, button};
    expected.noteOns = m_model.pressKey(key);
    QTest::mousePress(m_mouse->label, button);
    log("press key " + std::to_string(key) + (button == Qt::LeftButton ? "" : " (right)"));
  }

  void pressPicture(Expected& expected) {
    const auto& [index, label] = m_pictures[static_cast<std::size_t>(uniform(0, 29))];
    const Qt::MouseButton button = chance(80) ? Qt::LeftButton : Qt::RightButton;
    m_mouse = Held{label, index, true, button};
    expected.noteOns = m_model.pressPicture(index);
    QTest::mousePress(label, button);
    log("press picture " + std::to_string(index));
  }

  // Qt sends the release to the control that got the press, wherever the pointer is; a left
  // release over a key clicks it.
  void releaseMouse(Expected& expected, bool inside = false) {
    const Held held = *m_mouse;
    m_mouse.reset();
    inside = inside || chance(80);
    if (held.picture) {
      m_model.releasePicture(held.index);
    } else {
      m_model.releaseKey(held.index);
      if (inside && held.button == Qt::LeftButton) expected.message = m_model.clickKey(held.index);
    }
    const QPoint where = inside ? held.label->rect().center() : QPoint(-4, -4);
    QTest::mouseRelease(held.label, held.button, {}, where);
    log(std::string("release ") + (held.picture ? "picture " : "key ") +
        std::to_string(held.index) + (inside ? "" : " outside"));
  }

  void button(const char* name, const std::optional<QString>&) {
    QTest::mouseClick(m_h.button(name), Qt::LeftButton);
    log(std::string("click ") + name);
  }

  // Most prints fail and the offer of a PDF is declined: a printed page is kept by the
  // recording printer, and thousands of them would fill the memory.
  void print(Expected& expected) {
    const bool fails = chance(75);
    m_h.printer.setPrintFailure(fails ? std::optional(QStringLiteral("No printer."))
                                      : std::nullopt);
    if (m_model.printEnabled()) {
      if (fails) {
        expected.message = QStringLiteral(
            "The chart could not be printed. No printer.\n\nSave it as a PDF file instead?");
      } else {
        ++expected.pagesPrinted;
      }
    }
    QTest::mouseClick(m_printButton, Qt::LeftButton);
    log(fails ? "click cmdPrint (failing)" : "click cmdPrint");
  }

  void computerKey(Expected& expected) {
    const bool release = !m_keysDown.empty() && chance(60);
    const int key = release ? *std::next(m_keysDown.begin(),
                                         uniform(0, static_cast<int>(m_keysDown.size()) - 1))
                            : uniform(1, 17);
    const Qt::Key qtKey = kComputerKeys[static_cast<std::size_t>(key - 1)];
    if (m_keysDown.erase(key) > 0) {
      expected.message = m_model.computerKeyUp(key);
      QTest::keyRelease(&m_h.window, qtKey);
      log("computer key up " + std::to_string(key));
    } else {
      m_keysDown.insert(key);
      expected.noteOns = m_model.computerKeyDown(key);
      QTest::keyPress(&m_h.window, qtKey);
      log("computer key down " + std::to_string(key));
    }
  }

  void turnDial() {
    QTest::keyClick(m_dial, kDialKeys[static_cast<std::size_t>(uniform(0, 5))]);
    m_model.setVelocity(m_dial->value());
    log("dial to " + std::to_string(m_dial->value()));
  }

  void chooseDevice(Expected& expected) {
    const int entry = uniform(0, kDeviceEntries - 1);
    const int code =
        chance(60) ? midi::kOk : kOpenFailures[static_cast<std::size_t>(uniform(0, 3))];
    m_h.output.setOpenResult(
        entry == 0 ? midi::kMidiMapper
                   : m_devices[static_cast<std::size_t>(entry)]->data().toString().toStdString(),
        code);
    expected.message = m_model.chooseDevice(entry, code);
    m_devices[static_cast<std::size_t>(entry)]->trigger();
    m_h.settle();
    log("device entry " + std::to_string(entry) + " opening with " + std::to_string(code));
  }

  void log(std::string event) {
    m_recent.push_back(std::move(event));
    if (m_recent.size() > kEventsShownOnFailure) m_recent.pop_front();
  }

  std::optional<std::string> check(const Expected& expected);

  WindowHarness& m_h;
  std::mt19937 m_random;
  WindowModel m_model;
  NoteLedger m_ledger;
  std::array<PressableLabel*, 25> m_keys{};
  std::array<QWidget*, 25> m_discs{};
  std::array<std::pair<int, PressableLabel*>, theory::kChartSlotCount> m_pictures{};
  std::array<QAction*, kDeviceEntries> m_devices{};
  QPushButton* m_printButton = nullptr;
  Dial* m_dial = nullptr;
  QProgressBar* m_volumeBar = nullptr;
  std::array<std::pair<QString, QLabel*>, 4> m_labels{{{QStringLiteral("lblChord"), nullptr},
                                                       {QStringLiteral("lblNotes"), nullptr},
                                                       {QStringLiteral("lblChordSymbol"), nullptr},
                                                       {QStringLiteral("lblChordName"), nullptr}}};
  std::optional<Held> m_mouse;
  std::set<int> m_keysDown;  // computer keys held down, by key index
  qsizetype m_messagesSeen = 0;
  std::size_t m_pagesPrinted = 0;
  std::deque<std::string> m_recent;
};

std::string text(const QString& string) {
  return string.toStdString();
}

std::optional<std::string> RandomUser::check(const Expected& expected) {
  const QStringList& texts = m_h.messages.texts();
  const QStringList shown = texts.mid(m_messagesSeen);
  m_messagesSeen = texts.size();
  const QStringList wanted = expected.message ? QStringList{*expected.message} : QStringList{};
  if (shown != wanted) {
    return "message boxes [" + text(shown.join("|")) + "], expected [" + text(wanted.join("|")) +
           "]";
  }

  Messages noteOns;
  if (auto failure = m_ledger.read(m_h.output.calls(), noteOns)) return failure;
  if (noteOns != expected.noteOns) return "the note-ons sent are not those of the event";
  if (!m_mouse && m_keysDown.empty() && !m_ledger.silent()) {
    return "nothing is held, yet " + m_ledger.sounding() + "still sound";
  }

  for (int k = 1; k <= 24; ++k) {
    if (m_discs[static_cast<std::size_t>(k)]->isHidden() == m_model.selection().selected(k)) {
      return "the marker of key " + std::to_string(k) + " does not show the selection";
    }
  }
  for (const auto& [index, label] : m_pictures) {
    const std::vector<int> marked = m_h.markedKeys(index);
    if (marked.size() > 5) return "picture " + std::to_string(index) + " shows over five markers";
    if (marked != m_model.markedKeys(index)) {
      return "picture " + std::to_string(index) + " does not show its chord";
    }
  }
  if (m_printButton->isEnabled() != m_model.printEnabled()) {
    return m_model.printEnabled() ? "Print is disabled with a chart shown"
                                  : "Print is enabled without a chart";
  }
  if (m_h.printer.printed().size() != m_pagesPrinted + expected.pagesPrinted) {
    return "pages printed: " + std::to_string(m_h.printer.printed().size()) + ", expected " +
           std::to_string(m_pagesPrinted + expected.pagesPrinted);
  }
  m_pagesPrinted = m_h.printer.printed().size();
  const std::array<const QString*, 4> wantedTexts{&m_model.rootLabel(), &m_model.notesLabel(),
                                                  &m_model.symbolLabel(), &m_model.nameLabel()};
  for (std::size_t i = 0; i < m_labels.size(); ++i) {
    const auto& [name, label] = m_labels[i];
    if (label->text() != *wantedTexts[i]) {
      return text(name) + " shows \"" + text(label->text()) + "\", expected \"" +
             text(*wantedTexts[i]) + "\"";
    }
  }
  if (m_volumeBar->value() != m_dial->value()) return "the volume bar does not follow the dial";
  return std::nullopt;
}

QString report(std::uint32_t seed, const std::string& when, const std::string& failure,
               const RandomUser& user) {
  return QString::fromStdString("seed " + std::to_string(seed) + " (TONALIS_RANDOM_SEED), " + when +
                                ": " + failure + "\nlast events:\n" + user.recentEvents());
}

}  // namespace

class TstFrmMainRandomUse : public QObject {
  Q_OBJECT

 private slots:
  void randomEventsKeepEveryInvariant() {
    const std::uint32_t seed = seedFromEnvironment();
    WindowHarness h({"Synth A", "Synth B"});
    h.start();
    // Computer-key releases are played on the next turn of the event loop, which act() gives
    // them; the test sends no platform repeats.
    h.window.setKeyRepeatWindow(std::chrono::milliseconds(0));
    RandomUser user(h, seed);
    for (int event = 1; event <= kEvents; ++event) {
      if (const std::optional<std::string> failure = user.act()) {
        QFAIL(qPrintable(report(seed, "event " + std::to_string(event), *failure, user)));
      }
    }
    if (const std::optional<std::string> failure = user.releaseEverything()) {
      QFAIL(qPrintable(report(seed, "the final release", *failure, user)));
    }
  }
};

QTEST_MAIN(TstFrmMainRandomUse)
#include "tst_frm_main_random_use.moc"
