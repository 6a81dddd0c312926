// The MIDI output service the window talks to: a list of devices, one open output,
// short messages. Failures are integer result codes, never exceptions.
#pragma once

#include <cstdint>
#include <string>

namespace tonalis::midi {

// Device id of the system's default output, "MIDI Mapper": the built-in synthesizer.
inline constexpr int kMidiMapper = -1;

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

class MidiOutput {
 public:
  virtual ~MidiOutput() = default;

  virtual int deviceCount() = 0;
  // Product name of device id 0..deviceCount()-1.
  virtual std::string deviceName(int id) = 0;
  // Opens device `id` (kMidiMapper for the default output); closes any output open before.
  virtual int open(int id) = 0;
  virtual int close() = 0;
  // What the last open that failed knows beyond its code, in words for the user (the file
  // that did not load and why, say); empty when there is nothing more to say.
  virtual std::string failureDetail() const { return {}; }
  // Sends a packed short message: status in the low byte, then note, then velocity.
  virtual int shortMessage(std::uint32_t message) = 0;
};

}  // namespace tonalis::midi
