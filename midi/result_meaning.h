// What a result code of the MIDI output means, in words for the user.
#pragma once

#include <string_view>

#include "midi/midi_output.h"

namespace tonalis::midi {

// Empty for kOk and for codes this program does not give.
constexpr std::string_view resultMeaning(int code) {
  switch (code) {
    case kError:
      return "The MIDI system reported an error.";
    case kBadDeviceId:
      return "The device is no longer there.";
    case kAllocated:
      return "The device is in use by another program.";
    case kInvalidHandle:
      return "No MIDI output is open.";
    case kNoDriver:
      return "The sound system it needs could not be started (for the built-in synthesizer: "
             "PulseAudio, PipeWire, ALSA or JACK): keys and chords stay silent until a device "
             "opens.";
    case kNoMemory:
      return "There is not enough memory.";
    case kNoSoundFont:
      return "No General MIDI soundfont was found in /usr/share/sounds/sf2 or "
             "/usr/share/soundfonts: keys and chords stay silent until a device opens.";
    case kBadSoundFont:
      return "The soundfont could not be loaded: the file is damaged or is not a SoundFont "
             "file. Keys and chords stay silent until a device opens.";
    case kInvalidParameter:
      return "The message was not a valid MIDI message.";
    default:
      return {};
  }
}

}  // namespace tonalis::midi
