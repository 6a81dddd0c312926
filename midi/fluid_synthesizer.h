// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in General MIDI synthesizer: FluidSynth with a soundfont, without any audio
// device. It plays channel messages and renders what it plays into a buffer on demand;
// FluidSynthOutput feeds it to the sound card.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "midi/fluid_handles.h"
#include "midi/message_sink.h"
#include "midi/soundfont_search.h"

namespace tonalis::midi {

// A soundfont file that did not load, and FluidSynth's reason.
struct SoundFontFailure {
  std::filesystem::path file;
  std::string reason;
};

class FluidSynthesizer final : public MessageSink {
 public:
  // Loads the first candidate of `search` that FluidSynth accepts: kNoSoundFont when there is
  // no candidate, kBadSoundFont naming the first file that failed and why when none loads.
  static Opened<FluidSynthesizer> create(const SoundFontSearch& search);

  int send(const ChannelMessage& message) override;

  // The next `frames` frames of sound, interleaved stereo.
  std::vector<float> render(int frames);
  double sampleRate() const;
  // Whether any voice still sounds, a released note's fading tail included.
  bool sounding() const;

  const std::filesystem::path& soundFont() const { return m_soundFont; }
  // The first candidate that did not load before soundFont() did: the user's own choice,
  // usually, which the user must hear about.
  const std::optional<SoundFontFailure>& skipped() const { return m_skipped; }
  // Plays `file` from now on, in place of the soundfont loaded so far; when it does not load,
  // the old one keeps playing and the failure says why.
  std::optional<SoundFontFailure> replaceSoundFont(const std::filesystem::path& file);
  fluid_settings_t* settings() const { return m_settings.get(); }
  fluid_synth_t* synth() const { return m_synth.get(); }

 private:
  FluidSynthesizer(FluidSettingsPtr settings, FluidSynthPtr synth, std::filesystem::path font,
                   int fontId, std::optional<SoundFontFailure> skipped);

  FluidSettingsPtr m_settings;
  FluidSynthPtr m_synth;
  std::filesystem::path m_soundFont;
  int m_soundFontId;
  std::optional<SoundFontFailure> m_skipped;
};

}  // namespace tonalis::midi
