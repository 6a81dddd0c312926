// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI output service the window talks to: a list of devices, one open output, short
// messages. Every call returns at once: the service does the work on a thread of its own, in
// the order of the calls, and reports what the window must know as events. Failures are
// integer result codes, never exceptions.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "midi/event_source.h"

namespace tonalis::midi {

// The name of the system's default output, the built-in synthesizer. No port of the system is
// called so: their names join the client's and the port's with a colon.
inline const std::string kMidiMapper = "MIDI Mapper";

// Result codes. 0 is success; the window shows any other code to the user.
enum ResultCode : int {
  kOk = 0,
  kError = 1,          // unspecified failure of the library underneath
  kBadDeviceId = 2,    // no device with that id
  kAllocated = 4,      // the device is in use
  kInvalidHandle = 5,  // no output is open
  kNoDriver = 6,       // the sound system or synthesizer could not start
  kNoMemory = 7,
  kNoSoundFont = 8,        // no General MIDI soundfont was found
  kBadSoundFont = 9,       // soundfonts were found but none loaded: damaged or of another kind
  kInvalidParameter = 11,  // not a well-formed short message
};

struct MidiEvent {
  enum class Kind {
    kDevicesListed,  // a fresh list of the devices' names is in `devices`
    kClosed,         // a close() has been done; `code` says how it went
    kOpened,         // an open() has been done; `code` says how it went
    kDeviceLost,     // the open `device` stopped working; nothing is open any more
    // The soundfont `file` plays from now on (kOk: chosen with chooseSoundFont(), or the
    // synthesizer started with another than before), or did not load (kBadSoundFont, why in
    // `detail`: chosen, or passed over once as the synthesizer started). `soundFont` is the
    // one that plays now, empty when none does yet.
    kSoundFont,
  };
  Kind kind{};
  int code = kOk;
  std::string device;  // kDeviceLost
  // kOpened that failed: what the output knows beyond the code, in words for the user (the
  // file that did not load and why, say); empty when there is nothing more to say.
  std::string detail;
  std::vector<std::string> devices;  // kDevicesListed: the names, in the system's order
  std::string file;                  // kSoundFont
  std::string soundFont;             // kSoundFont

  static MidiEvent listed(std::vector<std::string> names) {
    return {Kind::kDevicesListed, kOk, {}, {}, std::move(names), {}, {}};
  }
  static MidiEvent closed(int result) { return {Kind::kClosed, result, {}, {}, {}, {}, {}}; }
  static MidiEvent opened(int result, std::string detail = {}) {
    return {Kind::kOpened, result, {}, std::move(detail), {}, {}, {}};
  }
  static MidiEvent lost(std::string name) {
    return {Kind::kDeviceLost, kBadDeviceId, std::move(name), {}, {}, {}, {}};
  }
  static MidiEvent soundFontLoaded(std::string file) {
    std::string playing = file;
    return {Kind::kSoundFont, kOk, {}, {}, {}, std::move(file), std::move(playing)};
  }
  static MidiEvent soundFontFailed(std::string file, std::string reason, std::string playing) {
    return {Kind::kSoundFont, kBadSoundFont,     {}, std::move(reason), {},
            std::move(file),  std::move(playing)};
  }
};

class MidiOutput : public EventSource<MidiEvent> {
 public:
  // Reads the device list again; kDevicesListed follows. The service also reads it once when
  // it starts.
  virtual void listDevices() = 0;

  // Opens the device of that name, one listed or kMidiMapper; kOpened follows, with
  // kBadDeviceId when there is no such device.
  virtual void open(const std::string& device) = 0;
  // Stops the notes still sounding on the open output, then closes it; kClosed follows.
  virtual void close() = 0;
  // Makes the built-in synthesizer play the soundfont `file` from now on, and on later
  // starts of it; kSoundFont follows. When it does not load, the one that played goes on.
  virtual void chooseSoundFont(const std::string& file) = 0;
  // Sends a packed short message (status in the low byte, then note, then velocity) to the
  // output open by then. kInvalidParameter for a value that is no channel message, else kOk:
  // the message is on its way.
  virtual int shortMessage(std::uint32_t message) = 0;
};

}  // namespace tonalis::midi
