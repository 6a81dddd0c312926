// SPDX-License-Identifier: GPL-3.0-or-later
// Tonalis: the splash window names the program while the main window loads on the system's MIDI
// output, then hands over to it.
#include <malloc.h>

#include <QApplication>
#include <memory>

#include "app/chord_choice.h"
#include "app/command_line.h"
#include "app/input_choice.h"
#include "app/loaded_page_printer.h"
#include "app/program_files.h"
#include "app/quit_on_signals.h"
#include "app/soundfont_choice.h"
#include "app/window_place.h"
#include "main_window/frm_main.h"
#include "main_window/qt_file_chooser.h"
#include "main_window/qt_message_box.h"
#include "main_window/user_settings.h"
#include "midi/sound_servers.h"
#include "midi/synth_in_use.h"
#include "midi/system_midi_input.h"
#include "midi/system_midi_output.h"
#include "resources/app_icon.h"
#include "splash/frm_splash.h"
#include "splash/splash_snapshot.h"

int main(int argc, char* argv[]) {
  // One heap for all threads: the output's thread, the synthesizer's and the sound server's
  // would each get a heap of their own, about 2 MiB of memory held for a handful of small
  // allocations made while the program starts.
  mallopt(M_ARENA_MAX, 1);
  // Before any other thread runs: it sets an environment variable that keeps a JACK server
  // from being started behind the user's back.
  tonalis::midi::quietSoundServers();
  // --help and --version are answered without a display.
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
  if (const auto status = tonalis::answerCommandLine(arguments)) return *status;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tonalis"));
  QApplication::setWindowIcon(tonalis::appIcon());

  tonalis::QtMessageBox messages;
  tonalis::QtFileChooser files;
  tonalis::LoadedPagePrinter printer(tonalis::printingModuleFolders());
  // Declared before the window: they outlive the window that uses them. The settings file is
  // first read once the splash shows, so that a file that cannot be read holds up no window.
  std::unique_ptr<tonalis::UserSettings> settings;
  std::unique_ptr<tonalis::midi::SystemMidiOutput> output;
  std::unique_ptr<tonalis::midi::SystemMidiInput> input;
  std::unique_ptr<tonalis::frmMain> window;
  bool windowShown = false;
  // Ctrl+C, kill or a closed terminal end the program as a closed window does, splash or not.
  const tonalis::QuitOnSignals quitOnSignals([&] {
    if (window) window->close();
    QApplication::quit();
  });

  // The output's thread reads the devices and starts the built-in synthesizer while the
  // splash shows, so that the load step finds them ready. Started once the splash is painted:
  // loading the synthesizer would otherwise take the processor from the first paint.
  const auto startMidi = [&] {
    output = std::make_unique<tonalis::midi::SystemMidiOutput>(tonalis::chosenSoundFontSearch());
    input = std::make_unique<tonalis::midi::SystemMidiInput>();
  };
  // The main window's controls, placed before it is shown so that it opens in its place instead
  // of jumping there. Built while the splash shows, so that its 1.5 s end with only the load step.
  const auto buildWindow = [&] {
    if (window) return;
    startMidi();
    settings = std::make_unique<tonalis::UserSettings>();
    window = std::make_unique<tonalis::frmMain>(*output, messages, printer);
    window->useMidiInput(*input, tonalis::rememberedInputChoice());
    window->usePreferences(*settings);
    window->useChordChoice(tonalis::rememberedChordChoice());
    files.setParent(window.get());
    window->useHistory(files);
    window->useChartExport(files);
    window->setSoundDetails([] { return QString::fromStdString(tonalis::midi::synthInUse()); });
    tonalis::placeMainWindow(*window);
  };
  // What the splash looked like at the last start, or the picture made with the program:
  // shown before its fonts are loaded.
  const tonalis::SplashSnapshot snapshot(
      tonalis::splashSnapshotFile(), tonalis::splashSnapshotKey(), tonalis::shippedSplashPicture());
  std::unique_ptr<tonalis::frmSplash> splash;
  splash = std::make_unique<tonalis::frmSplash>(
      [&] {
        buildWindow();
        // A box shown by the load step (a device that will not open) stands over the splash.
        window->load();
        messages.setParent(window.get());
      },
      [&] {
        window->show();
        windowShown = true;
        // Its window buffer and fonts are not needed again; it is still handing over.
        splash.release()->deleteLater();
      },
      &snapshot);
  QObject::connect(splash.get(), &tonalis::frmSplash::shownOnScreen, buildWindow);
  splash->show();
  const int status = QApplication::exec();
  if (windowShown) tonalis::rememberMainWindowPlace(*window);
  return status;
}
