// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/fluid_synthesizer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>

#include "midi/fluid_synth_output.h"
#include "midi/system_midi_output.h"
#include "support/jack_server.h"
#include "support/output_reports.h"

namespace tonalis::midi {
namespace {

using ::testing::StartsWith;

constexpr double kMiddleCHz = 261.63;
constexpr double kWholeToneUp = 1.122462;  // 2^(2/12): the default pitch-bend range
// General MIDI's ocarina is nearly a sine, so its strongest partial is its pitch. (The
// soundfont's piano has a second partial as strong as the first.)
constexpr std::uint8_t kOcarina = 79;
// Below this, a rendered sample is silence (-100 dB); FluidSynth leaves tiny residues.
constexpr float kSilence = 1e-5f;

std::uint32_t pitchBendUp(int channel) {
  return packShortMessage(static_cast<std::uint8_t>(status::kPitchBend | channel), 0x7F, 0x7F);
}

void play(FluidSynthesizer& synth, std::uint32_t packed) {
  const std::optional<ChannelMessage> message = decodeShortMessage(packed);
  ASSERT_TRUE(message.has_value());
  ASSERT_EQ(synth.send(*message), kOk);
}

std::vector<float> leftChannel(const std::vector<float>& stereo) {
  std::vector<float> left;
  for (std::size_t i = 0; i < stereo.size(); i += 2) left.push_back(stereo[i]);
  return left;
}

double goertzelPower(const std::vector<float>& samples, double rate, double frequency) {
  const double coefficient = 2 * std::cos(2 * std::numbers::pi * frequency / rate);
  double previous = 0;
  double beforePrevious = 0;
  for (const float sample : samples) {
    const double current = sample + coefficient * previous - beforePrevious;
    beforePrevious = previous;
    previous = current;
  }
  return previous * previous + beforePrevious * beforePrevious -
         coefficient * previous * beforePrevious;
}

// The frequency with the most energy between 50 Hz and 2 kHz, to the nearest hertz.
double strongestPartial(const std::vector<float>& samples, double rate) {
  double best = 0;
  double bestPower = -1;
  for (double frequency = 50; frequency <= 2000; frequency += 1) {
    const double power = goertzelPower(samples, rate, frequency);
    if (power > bestPower) {
      bestPower = power;
      best = frequency;
    }
  }
  return best;
}

double peak(const std::vector<float>& samples) {
  float loudest = 0;
  for (const float sample : samples) loudest = std::max(loudest, std::abs(sample));
  return loudest;
}

class BuiltInSynthesizer : public ::testing::Test {
 protected:
  void SetUp() override {
    Opened<FluidSynthesizer> opened = FluidSynthesizer::create(defaultSoundFontSearch());
    ASSERT_EQ(opened.code, kOk) << "the General MIDI soundfont package must be installed";
    m_synth = std::move(opened.value);
  }

  std::vector<float> renderSeconds(double seconds) {
    return leftChannel(m_synth->render(static_cast<int>(seconds * m_synth->sampleRate())));
  }

  std::unique_ptr<FluidSynthesizer> m_synth;
};

TEST_F(BuiltInSynthesizer, MiddleCSoundsAtItsPitch) {
  play(*m_synth, packShortMessage(status::kProgramChange, kOcarina, 0));
  play(*m_synth, noteOn(0, 60, 127));
  const std::vector<float> sound = renderSeconds(1.0);
  ASSERT_GT(peak(sound), 0.01);
  EXPECT_NEAR(strongestPartial(sound, m_synth->sampleRate()), kMiddleCHz, kMiddleCHz * 0.02);
}

TEST_F(BuiltInSynthesizer, VelocityZeroIsSilent) {
  play(*m_synth, noteOn(0, 60, 0));
  EXPECT_LT(peak(renderSeconds(0.5)), kSilence);
}

TEST_F(BuiltInSynthesizer, VelocityZeroReleasesASoundingNoteLikeANoteOff) {
  const auto loudnessAfterRelease = [&](std::uint32_t release) {
    play(*m_synth, noteOn(2, 60, 127));
    const double sounding = peak(renderSeconds(0.2));
    EXPECT_GT(sounding, 0.01);
    play(*m_synth, release);
    renderSeconds(2.0);  // the release and the reverb die away
    return peak(renderSeconds(0.2)) / sounding;
  };
  EXPECT_LT(loudnessAfterRelease(noteOn(2, 60, 0)), 0.01);
  EXPECT_LT(loudnessAfterRelease(noteOff(2, 60)), 0.01);
}

// The two data bytes of a pitch bend are the low and then the high 7 bits.
TEST_F(BuiltInSynthesizer, PitchBendRaisesTheNote) {
  play(*m_synth, packShortMessage(status::kProgramChange, kOcarina, 0));
  play(*m_synth, pitchBendUp(0));
  play(*m_synth, noteOn(0, 60, 127));
  EXPECT_NEAR(strongestPartial(renderSeconds(1.0), m_synth->sampleRate()),
              kMiddleCHz * kWholeToneUp, kMiddleCHz * kWholeToneUp * 0.02);
}

TEST_F(BuiltInSynthesizer, ChannelMessagesOfEveryKindAreAccepted) {
  play(*m_synth, packShortMessage(0xC1, 40, 0));   // program change: violin
  play(*m_synth, packShortMessage(0xB1, 7, 100));  // control change: volume
  play(*m_synth, packShortMessage(0xD1, 64, 0));   // channel pressure
  play(*m_synth, packShortMessage(0xA1, 60, 64));  // key pressure
  play(*m_synth, noteOff(1, 60));                  // a note that never sounded
}

class SoundFontFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    m_directory = std::filesystem::temp_directory_path() /
                  ("tonalis-soundfonts-" + std::to_string(getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(m_directory / "nested");
  }
  void TearDown() override { std::filesystem::remove_all(m_directory); }

  std::filesystem::path makeFile(const std::filesystem::path& relative) {
    const std::filesystem::path path = m_directory / relative;
    std::ofstream(path) << "not a soundfont";
    return path;
  }

  std::filesystem::path m_directory;
};

TEST_F(SoundFontFiles, CandidatesKeepSearchOrderAndSortEachDirectory) {
  const auto second = makeFile("nested/b.sf2");
  const auto first = makeFile("a.sf2");
  makeFile("readme.txt");
  const std::filesystem::path single = defaultSoundFontSearch().front();
  EXPECT_EQ(soundFontCandidates({single, m_directory, m_directory / "missing.sf2"}),
            (std::vector<std::filesystem::path>{single, first, second}));
}

TEST_F(SoundFontFiles, NoSoundFontFound) {
  EXPECT_EQ(FluidSynthesizer::create({}).code, kNoSoundFont);
  EXPECT_EQ(FluidSynthesizer::create({m_directory}).code, kNoSoundFont);
  EXPECT_EQ(FluidSynthOutput::open({}).code, kNoSoundFont);
}

// FluidSynth's complaint about a broken file is reported only when no soundfont loads.
TEST_F(SoundFontFiles, BrokenSoundFontsAreSkipped) {
  const auto broken = makeFile("broken.sf2");
  ::testing::internal::CaptureStderr();
  const Opened<FluidSynthesizer> failed = FluidSynthesizer::create({broken});
  EXPECT_EQ(failed.code, kBadSoundFont);
  EXPECT_EQ(failed.detail, broken.string() + ": not a SoundFont file");
  EXPECT_THAT(::testing::internal::GetCapturedStderr(), StartsWith("tonalis: "));

  ::testing::internal::CaptureStderr();
  const Opened<FluidSynthesizer> opened =
      FluidSynthesizer::create({broken, defaultSoundFontSearch().front()});
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  ASSERT_EQ(opened.code, kOk);
  EXPECT_EQ(opened.value->soundFont(), defaultSoundFontSearch().front());
  // Said to the user after all: the file was chosen by name.
  ASSERT_TRUE(opened.value->skipped().has_value());
  EXPECT_EQ(opened.value->skipped()->file, broken);
  EXPECT_EQ(opened.value->skipped()->reason, "not a SoundFont file");
}

// A soundfont chosen while the synthesizer plays takes over when it loads; when it does not,
// the one before goes on sounding.
TEST_F(SoundFontFiles, ReplacingTheSoundFontKeepsTheOldOneOnFailure) {
  const std::filesystem::path general = defaultSoundFontSearch().front();
  const auto broken = makeFile("broken.sf2");
  const auto copy = m_directory / "copy.sf2";
  std::filesystem::copy_file(general, copy);
  Opened<FluidSynthesizer> opened = FluidSynthesizer::create({general});
  ASSERT_EQ(opened.code, kOk);
  FluidSynthesizer& synth = *opened.value;
  EXPECT_FALSE(synth.skipped().has_value());

  struct Case {
    std::filesystem::path file;
    std::string reason;
  };
  for (const Case& failing : {Case{broken, "not a SoundFont file"},
                              Case{m_directory / "gone.sf2", "there is no such file"},
                              Case{m_directory, "there is no such file"}}) {
    const std::optional<SoundFontFailure> failure = synth.replaceSoundFont(failing.file);
    ASSERT_TRUE(failure.has_value()) << failing.file;
    EXPECT_EQ(failure->file, failing.file);
    EXPECT_EQ(failure->reason, failing.reason);
    EXPECT_EQ(synth.soundFont(), general);
  }
  play(synth, noteOn(0, 60, 100));
  EXPECT_GT(peak(leftChannel(synth.render(4410))), kSilence);

  EXPECT_FALSE(synth.replaceSoundFont(copy).has_value());
  EXPECT_EQ(synth.soundFont(), copy);
  play(synth, noteOn(0, 64, 100));
  EXPECT_GT(peak(leftChannel(synth.render(4410))), kSilence);
}

// Through the output: a chosen file that did not load is reported once, however often the
// synthesizer starts again, and a choice made later is answered with what plays.
TEST_F(SoundFontFiles, TheOutputReportsSoundFontsOnce) {
  const std::filesystem::path general = defaultSoundFontSearch().front();
  const auto broken = makeFile("broken.sf2");
  // The synthesizer needs a sound system to start: a private JACK server where there is none.
  test::JackServer server;
  const std::optional<std::string> serverFailure = server.start();
  ASSERT_FALSE(serverFailure) << *serverFailure;
  SystemMidiOutput output({broken, general});
  tonalis::test::Reports reports(output);
  using Kind = MidiEvent::Kind;
  output.open(kMidiMapper);
  ASSERT_EQ(reports.opened(), kOk);
  const std::optional<MidiEvent> skipped = reports.next(Kind::kSoundFont);
  ASSERT_TRUE(skipped);
  EXPECT_EQ(skipped->code, kBadSoundFont);
  EXPECT_EQ(skipped->file, broken.string());
  EXPECT_EQ(skipped->detail, "not a SoundFont file");
  EXPECT_EQ(skipped->soundFont, general.string());
  const std::optional<MidiEvent> playing = reports.next(Kind::kSoundFont);
  ASSERT_TRUE(playing);
  EXPECT_EQ(playing->code, kOk);
  EXPECT_EQ(playing->file, general.string());

  // A second start of the synthesizer passes over the same file and says nothing more.
  output.open(kMidiMapper);
  ASSERT_EQ(reports.opened(), kOk);
  EXPECT_FALSE(reports.next(Kind::kSoundFont, std::chrono::milliseconds(300)).has_value());

  output.chooseSoundFont(broken.string());
  const std::optional<MidiEvent> refused = reports.next(Kind::kSoundFont);
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->code, kBadSoundFont);
  EXPECT_EQ(refused->soundFont, general.string());
}

// A soundfont cut short (an interrupted download or copy) is damaged, not missing: the failure
// names the first such file and FluidSynth's reason, and reaches the user through the output.
TEST_F(SoundFontFiles, TruncatedSoundFontIsReportedAsDamaged) {
  const std::filesystem::path whole = defaultSoundFontSearch().front();
  const auto truncated = m_directory / "truncated.sf2";
  const auto alsoTruncated = m_directory / "nested" / "also-truncated.sf2";
  for (const auto& copy : {truncated, alsoTruncated}) {
    std::filesystem::copy_file(whole, copy);
    std::filesystem::resize_file(copy, std::filesystem::file_size(copy) / 2);
  }
  const std::string expected = truncated.string() + ": SoundFont file size mismatch";

  ::testing::internal::CaptureStderr();
  const Opened<FluidSynthesizer> failed = FluidSynthesizer::create({truncated, alsoTruncated});
  EXPECT_EQ(failed.code, kBadSoundFont);
  EXPECT_EQ(failed.detail, expected);

  SystemMidiOutput output({truncated, alsoTruncated});
  tonalis::test::Reports reports(output);
  output.open(kMidiMapper);
  const std::optional<MidiEvent> badFont = reports.next(MidiEvent::Kind::kOpened);
  ASSERT_TRUE(badFont);
  EXPECT_EQ(badFont->code, kBadSoundFont);
  EXPECT_EQ(badFont->detail, expected);
  // A later open that fails for another reason does not repeat the old detail.
  output.open("tonalis-test-absent:port");
  const std::optional<MidiEvent> badId = reports.next(MidiEvent::Kind::kOpened);
  ASSERT_TRUE(badId);
  EXPECT_EQ(badId->code, kBadDeviceId);
  EXPECT_EQ(badId->detail, "");
  ::testing::internal::GetCapturedStderr();
}

}  // namespace
}  // namespace tonalis::midi
