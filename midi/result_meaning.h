// SPDX-License-Identifier: GPL-3.0-or-later
// What a result code of the MIDI output means, in words for the user.
#pragma once

#include <string_view>

#include "midi/midi_output.h"

// Marks a text for the translation template without needing Qt here: the window translates
// the meaning in the context "ResultMeaning".
#define TONALIS_TRANSLATE_NOOP(context, text) text

namespace tonalis::midi {

// Empty for kOk and for codes this program does not give.
constexpr std::string_view resultMeaning(int code) {
  switch (code) {
    case kError:
      return TONALIS_TRANSLATE_NOOP(
          "ResultMeaning",
          "The MIDI system reported an error. Choose the device again, or another one.");
    case kBadDeviceId:
      return TONALIS_TRANSLATE_NOOP(
          "ResultMeaning",
          "The device is no longer there. Plug it in or start its program again, then "
          "choose it again; or choose another device.");
    case kAllocated:
      return TONALIS_TRANSLATE_NOOP(
          "ResultMeaning",
          "The device is in use by another program. Close that program, or choose another "
          "device.");
    case kInvalidHandle:
      return TONALIS_TRANSLATE_NOOP("ResultMeaning",
                                    "No MIDI output is open. Choose a device in Devices.");
    case kNoDriver:
      return TONALIS_TRANSLATE_NOOP(
          "ResultMeaning",
          "No sound server (PulseAudio, PipeWire or JACK) is running, and the sound card "
          "could not be used directly, so the built-in synthesizer cannot play. Start one "
          "(desktops start it at login; in a terminal: systemctl --user start "
          "pipewire-pulse, or pulseaudio --start), then choose MIDI Mapper in Devices "
          "again. A MIDI port can still be chosen in Devices meanwhile.");
    case kNoMemory:
      return TONALIS_TRANSLATE_NOOP(
          "ResultMeaning",
          "There is not enough memory. Close other programs, then choose the device again.");
    case kNoSoundFont:
      return TONALIS_TRANSLATE_NOOP(
          "ResultMeaning",
          "No General MIDI soundfont was found in /usr/share/sounds/sf2 or "
          "/usr/share/soundfonts: keys and chords stay silent until a device opens. "
          "Install one (the package timgm6mb-soundfont or fluid-soundfont-gm) or choose "
          "a soundfont in Edit > Preferences; a MIDI port can still be chosen in Devices.");
    case kBadSoundFont:
      return TONALIS_TRANSLATE_NOOP(
          "ResultMeaning",
          "The soundfont could not be loaded: the file is damaged or is not a SoundFont "
          "file. Keys and chords stay silent until a device opens. Choose another "
          "soundfont in Edit > Preferences; a MIDI port can still be chosen in Devices.");
    case kInvalidParameter:
      return TONALIS_TRANSLATE_NOOP("ResultMeaning", "The message was not a valid MIDI message.");
    default:
      return {};
  }
}

}  // namespace tonalis::midi
