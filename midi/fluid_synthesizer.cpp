#include "midi/fluid_synthesizer.h"

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

}  // namespace

FluidSynthesizer::FluidSynthesizer(FluidSettingsPtr settings, FluidSynthPtr synth,
                                   std::filesystem::path font)
    : m_settings(std::move(settings)), m_synth(std::move(synth)), m_soundFont(std::move(font)) {}

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
  std::string firstFailure;
  for (const std::filesystem::path& candidate : candidates) {
    // Checked first: handing FluidSynth a file of another kind makes its loaders print.
    if (!fluid().fluid_is_soundfont(candidate.c_str())) {
      errors.keep("not a SoundFont file: " + candidate.string());
      if (firstFailure.empty()) firstFailure = candidate.string() + ": not a SoundFont file";
      continue;
    }
    const std::size_t mark = errors.errorCount();
    if (fluid().fluid_synth_sfload(synth.get(), candidate.c_str(), 1) != FLUID_FAILED) {
      return {std::unique_ptr<FluidSynthesizer>(
          new FluidSynthesizer(std::move(settings), std::move(synth), candidate))};
    }
    // FluidSynth's first complaint says what is wrong with the file; the ones after it come
    // from the other loaders it tries and from giving up.
    if (firstFailure.empty()) {
      const std::string reason = errors.firstErrorSince(mark);
      firstFailure = candidate.string() + ": " + (reason.empty() ? "it did not load" : reason);
    }
  }
  errors.reportKept();
  return Opened<FluidSynthesizer>::failure(kBadSoundFont, firstFailure);
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
