// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks of the main window on the offscreen platform: "Show Chords" with the repaint of the
// chart it causes, a key press up to the short message reaching the output, and a full repaint
// of the window with its design at a small and a large scale.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <cstdlib>

#include "main_window/frm_main.h"
#include "main_window/placement.h"
#include "main_window/pressable_label.h"
#include "main_window/scaled_client.h"
#include "midi/silent_midi_output.h"
#include "support/recording_message_box.h"
#include "support/recording_page_printer.h"

namespace {

using namespace tonalis;

// An output that only counts what it is handed: what is measured is the window's own work.
class CountingOutput : public midi::SilentMidiOutput {
 public:
  int shortMessage(std::uint32_t message) override {
    ++m_count;
    m_last = message;
    return midi::kOk;
  }

  int count() const { return m_count; }

 private:
  int m_count = 0;
  std::uint32_t m_last = 0;
};

// A loaded, shown and painted main window.
struct LoadedWindow {
  LoadedWindow() : window(output, messages, printer) {
    window.load();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) qFatal("the window was never exposed");
    QCoreApplication::processEvents();
  }

  PressableLabel* key(int k) const {
    return window.findChild<PressableLabel*>(elementName("lblKey", k));
  }

  CountingOutput output;
  testing::RecordingMessageBox messages;
  testing::RecordingPagePrinter printer;
  frmMain window;
};

// Each iteration shows the chart of the next root, so that every marker set really changes;
// the key clicks that choose the root, and their repaint, are left out of the timing.
void BM_ShowChordsWithRepaint(benchmark::State& state) {
  LoadedWindow w;
  auto* showChords = w.window.findChild<QPushButton*>(QStringLiteral("cmdBuildChord"));
  int root = 1;
  QTest::mouseClick(w.key(root), Qt::LeftButton);
  for (auto _ : state) {
    state.PauseTiming();
    const int next = root % 12 + 1;
    QTest::mouseClick(w.key(next), Qt::LeftButton);
    QTest::mouseClick(w.key(root), Qt::LeftButton);
    root = next;
    QCoreApplication::processEvents();
    state.ResumeTiming();

    QTest::mouseClick(showChords, Qt::LeftButton);
    QCoreApplication::processEvents();  // the repaint of every changed marker and caption
  }
  if (w.window.visibleChartMarkerCount() == 0) state.SkipWithError("no chart was shown");
}
BENCHMARK(BM_ShowChordsWithRepaint)->Unit(benchmark::kMillisecond);

// From the mouse press on a key to the note-on handed to the output; the release is not timed.
void BM_KeyPressToMessage(benchmark::State& state) {
  LoadedWindow w;
  PressableLabel* key = w.key(1);
  for (auto _ : state) {
    const int before = w.output.count();
    const auto start = std::chrono::steady_clock::now();
    QTest::mousePress(key, Qt::LeftButton);
    const auto end = std::chrono::steady_clock::now();
    if (w.output.count() != before + 1) state.SkipWithError("the press sent no message");
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    QTest::mouseRelease(key, Qt::LeftButton);
  }
}
BENCHMARK(BM_KeyPressToMessage)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The whole window painted again, every control of it, with a chart and a selection shown and
// its design at state.range(0) / 100 times its size. It is painted into a picture of the
// window's size: the offscreen platform's own repaint skips what it need not show.
void BM_FullRepaintAtScale(benchmark::State& state) {
  LoadedWindow w;
  QTest::mouseClick(w.key(1), Qt::LeftButton);
  QTest::mouseClick(w.window.findChild<QPushButton*>(QStringLiteral("cmdBuildChord")),
                    Qt::LeftButton);
  QTest::mouseClick(w.key(5), Qt::LeftButton);
  const qreal scale = static_cast<qreal>(state.range(0)) / 100;
  auto* client = w.window.findChild<ScaledClient*>(QStringLiteral("client"));
  w.window.resize(ScaledClient::designSize(scale) + (w.window.size() - client->size()));
  QCoreApplication::processEvents();
  if (qAbs(client->scale() - scale) > 1e-6)
    state.SkipWithError("the design did not take the scale");
  QPixmap target(w.window.size() * w.window.devicePixelRatio());
  target.setDevicePixelRatio(w.window.devicePixelRatio());
  for (auto _ : state) w.window.render(&target);
}
BENCHMARK(BM_FullRepaintAtScale)->Arg(60)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // No display is needed, nor wanted: the figures must not depend on a desktop.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
