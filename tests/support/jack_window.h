// SPDX-License-Identifier: GPL-3.0-or-later
// The setup of the end-to-end MIDI tests: a private JACK server, optionally a recording client
// on it, and a main window over the real MIDI output. The window is opened after the clients
// exist, so that its load step lists their ports; it goes before them and the server.
#pragma once

#include <QAction>
#include <QByteArray>
#include <memory>
#include <optional>
#include <string>

#include "main_window/frm_main.h"
#include "midi/system_midi_output.h"
#include "support/device_entry.h"
#include "support/jack_server.h"
#include "support/recording_message_box.h"
#include "support/recording_page_printer.h"

namespace tonalis::testing {

struct JackWindowSetup {
  // Starts the server and, unless `recorderClient` is empty, a recorder of that client name.
  explicit JackWindowSetup(const std::string& recorderClient = {}) {
    if (const std::optional<std::string> failed = server.start()) {
      failure = QByteArray::fromStdString(*failed);
      return;
    }
    if (recorderClient.empty()) return;
    recorder = std::make_unique<test::JackMidiRecorder>(recorderClient);
    if (recorder->error()) failure = QByteArray::fromStdString(*recorder->error());
  }

  // Creates, loads and shows the window; the "Devices" entry of `portName`, or null.
  QAction* openWindow(const std::string& portName) {
    output.emplace();
    window.emplace(*output, messages, printer);
    window->load();
    window->show();
    return deviceEntry(*window, portName);
  }

  // Ends the window and then its output.
  void closeWindow() {
    window.reset();
    output.reset();
  }
  // Ends the window and its output, then the recorder, then the server.
  void stop() {
    closeWindow();
    recorder.reset();
    server.stop();
  }

  test::JackServer server;
  std::unique_ptr<test::JackMidiRecorder> recorder;
  QByteArray failure;  // empty while the server and the recorder run
  std::optional<midi::SystemMidiOutput> output;
  RecordingMessageBox messages;
  RecordingPagePrinter printer;
  std::optional<frmMain> window;
};

}  // namespace tonalis::testing
