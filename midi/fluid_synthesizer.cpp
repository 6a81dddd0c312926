// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/fluid_synthesizer.h"

#include <system_error>
#include <utility>

#include "midi/fluid_log.h"

namespace tonalis::midi {
namespace {

constexpr int kStereo = 2;

// Each voice the synthesizer can sound holds about 8 KiB from the start, so its default of 256
// would keep 2 MiB more than 64 do. 64 voices sound 32 stereo notes at once with their
// release tails, far beyond a five-note chord, and hold up under a pianist's sustain pedal;
// General MIDI asks for 24. Past them the synthesizer ends the oldest, quietest voice first.
constexpr int kVoices = 64;

int pitchBendValue(const ChannelMessage& message) {
  return message.data1() | message.data2() << 7;
}

int play(fluid_synth_t* synth, const ChannelMessage& message) {
  const int channel = message.channel();
  switch (message.kind()) {
    case status::kNoteOn:
      if (message.data2() > 0)
        return fluid().fluid_synth_noteon(synth, channel, message.data1(), message.data2());
      [[fallthrough]];  // a note-on with velocity 0 is a note-off
    case status::kNoteOff:
      // FluidSynth fails a note-off when the note no longer sounds, which is no error here.
      fluid().fluid_synth_noteoff(synth, channel, message.data1());
      return FLUID_OK;
    case status::kPolyPressure:
      return fluid().fluid_synth_key_pressure(synth, channel, message.data1(), message.data2());
    case status::kControlChange:
      return fluid().fluid_synth_cc(synth, channel, message.data1(), message.data2());
    case status::kProgramChange:
      return fluid().fluid_synth_program_change(synth, channel, message.data1());
    case status::kChannelPressure:
      return fluid().fluid_synth_channel_pressure(synth, channel, message.data1());
    case status::kPitchBend:
      return fluid().fluid_synth_pitch_bend(synth, channel, pitchBendValue(message));
    default:
      return FLUID_FAILED;
  }
}

struct Loaded {
  int id = FLUID_FAILED;
  std::optional<SoundFontFailure> failure;
};

// Loads `file` into `synth`, its presets taking over the channels.
Loaded loadSoundFont(fluid_synth_t* synth, const std::filesystem::path& file,
                     FluidErrorCapture& errors) {
  // Checked first: handing FluidSynth a file of another kind makes its loaders print.
  if (!fluid().fluid_is_soundfont(file.c_str())) {
    errors.keep("not a SoundFont file: " + file.string());
    return {FLUID_FAILED, SoundFontFailure{file, "not a SoundFont file"}};
  }
  const std::size_t mark = errors.errorCount();
  const int id = fluid().fluid_synth_sfload(synth, file.c_str(), 1);
  if (id != FLUID_FAILED) return {id, std::nullopt};
  // FluidSynth's first complaint says what is wrong with the file; the ones after it come
  // from the other loaders it tries and from giving up.
  const std::string reason = errors.firstErrorSince(mark);
  return {FLUID_FAILED, SoundFontFailure{file, reason.empty() ? "it did not load" : reason}};
}

}  // namespace

FluidSynthesizer::FluidSynthesizer(FluidSettingsPtr settings, FluidSynthPtr synth,
                                   std::filesystem::path font, int fontId,
                                   std::optional<SoundFontFailure> skipped)
    : m_settings(std::move(settings)),
      m_synth(std::move(synth)),
      m_soundFont(std::move(font)),
      m_soundFontId(fontId),
      m_skipped(std::move(skipped)) {}

Opened<FluidSynthesizer> FluidSynthesizer::create(const SoundFontSearch& search) {
  const std::vector<std::filesystem::path> candidates = soundFontCandidates(search);
  if (candidates.empty()) return Opened<FluidSynthesizer>::failure(kNoSoundFont);
  const LoadedFluidLibrary& library = loadFluidLibrary();
  if (!library.loaded()) return Opened<FluidSynthesizer>::failure(kNoDriver, library.error);

  FluidErrorCapture errors;
  FluidSettingsPtr settings(fluid().new_fluid_settings());
  if (!settings) return Opened<FluidSynthesizer>::failure(kNoMemory);
  // Only the samples of the instruments in use are kept in memory, not the whole soundfont.
  fluid().fluid_settings_setint(settings.get(), "synth.dynamic-sample-loading", 1);
  fluid().fluid_settings_setint(settings.get(), "synth.polyphony", kVoices);
  FluidSynthPtr synth(fluid().new_fluid_synth(settings.get()));
  if (!synth) {
    errors.reportKept();
    return Opened<FluidSynthesizer>::failure(kNoDriver);
  }
  // The first file that did not load is the one to name: the user's own choice comes first.
  std::optional<SoundFontFailure> firstFailure;
  for (const std::filesystem::path& candidate : candidates) {
    Loaded loaded = loadSoundFont(synth.get(), candidate, errors);
    if (loaded.id != FLUID_FAILED) {
      return {std::unique_ptr<FluidSynthesizer>(new FluidSynthesizer(
          std::move(settings), std::move(synth), candidate, loaded.id, std::move(firstFailure)))};
    }
    if (!firstFailure) firstFailure = std::move(loaded.failure);
  }
  errors.reportKept();
  return Opened<FluidSynthesizer>::failure(
      kBadSoundFont, firstFailure->file.string() + ": " + firstFailure->reason);
}

std::optional<SoundFontFailure> FluidSynthesizer::replaceSoundFont(
    const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) {
    return SoundFontFailure{file, "there is no such file"};
  }
  FluidErrorCapture errors;
  Loaded loaded = loadSoundFont(m_synth.get(), file, errors);
  if (loaded.id == FLUID_FAILED) return std::move(loaded.failure);
  fluid().fluid_synth_sfunload(m_synth.get(), m_soundFontId, 1);
  m_soundFont = file;
  m_soundFontId = loaded.id;
  return std::nullopt;
}

int FluidSynthesizer::send(const ChannelMessage& message) {
  return play(m_synth.get(), message) == FLUID_FAILED ? kError : kOk;
}

std::vector<float> FluidSynthesizer::render(int frames) {
  std::vector<float> sound(static_cast<std::size_t>(frames) * kStereo);
  fluid().fluid_synth_write_float(m_synth.get(), frames, sound.data(), 0, kStereo, sound.data(), 1,
                                  kStereo);
  return sound;
}

double FluidSynthesizer::sampleRate() const {
  double rate = 0;
  fluid().fluid_settings_getnum(m_settings.get(), "synth.sample-rate", &rate);
  return rate;
}

bool FluidSynthesizer::sounding() const {
  return fluid().fluid_synth_get_active_voice_count(m_synth.get()) > 0;
}

}  // namespace tonalis::midi
