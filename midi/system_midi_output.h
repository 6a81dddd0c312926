// The MIDI output of a Linux desktop: "MIDI Mapper" (kMidiMapper) is the built-in
// synthesizer, devices 0..n-1 are the ALSA sequencer's and the JACK server's output ports.
#pragma once

#include <memory>
#include <vector>

#include "midi/message_sink.h"
#include "midi/midi_output.h"
#include "midi/rtmidi_ports.h"
#include "midi/soundfont_search.h"
#include "midi/sounding_notes.h"

namespace tonalis::midi {

class SystemMidiOutput final : public MidiOutput {
 public:
  // Reads the device list, once: ports that appear later are not offered.
  explicit SystemMidiOutput(SoundFontSearch soundFonts = defaultSoundFontSearch());
  ~SystemMidiOutput() override;

  int deviceCount() override;
  // Empty for an id outside 0..deviceCount()-1.
  std::string deviceName(int id) override;
  int open(int id) override;
  // Stops the notes still sounding on the output, then closes it.
  int close() override;
  int shortMessage(std::uint32_t message) override;
  std::string failureDetail() const override { return m_failureDetail; }

 private:
  std::vector<OutputPortInfo> m_ports;
  SoundFontSearch m_soundFonts;
  std::unique_ptr<MessageSink> m_output;
  SoundingNotes m_sounding;
  std::string m_failureDetail;
};

}  // namespace tonalis::midi
