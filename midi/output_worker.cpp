// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/output_worker.h"

#include <algorithm>
#include <utility>

#include "midi/alsa_ports.h"

namespace tonalis::midi {
namespace {

// Plays into the port the JACK client is connected to; letting go waits until what was
// sent has left.
class JackPortSink final : public MessageSink {
 public:
  explicit JackPortSink(JackMidiClient& client) : m_client(client) {}
  ~JackPortSink() override { m_client.disconnect(); }
  int send(const ChannelMessage& message) override { return m_client.send(message); }

 private:
  JackMidiClient& m_client;
};

// What follows "file: " in a failure's detail.
std::string reasonAfter(const std::string& detail, const std::filesystem::path& file) {
  const std::string prefix = file.string() + ": ";
  return detail.starts_with(prefix) ? detail.substr(prefix.size()) : detail;
}

}  // namespace

OutputWorker::OutputWorker(SoundFontSearch soundFonts, EventQueue<MidiEvent>& events)
    : m_soundFonts(std::move(soundFonts)), m_events(events) {}

OutputWorker::~OutputWorker() {
  post([this] {
    closeOutput();
    m_preparedMapper.reset();
    m_jack.reset();
  });
}

void OutputWorker::listDevices() {
  post([this] {
    m_ports = readPorts();
    m_events.push(MidiEvent::listed(portNames(m_ports)));
  });
}

void OutputWorker::prepareMapper() {
  post([this] { m_preparedMapper = FluidSynthOutput::open(m_soundFonts); });
}

void OutputWorker::openMapper() {
  post([this] {
    closeOutput();
    Opened<FluidSynthOutput> opened =
        m_preparedMapper ? std::move(*m_preparedMapper) : FluidSynthOutput::open(m_soundFonts);
    m_preparedMapper.reset();
    m_synthesizer = opened.value.get();
    finishOpen({std::move(opened.value), opened.code, std::move(opened.detail)}, {}, false);
    if (m_synthesizer != nullptr) reportSoundFont(m_synthesizer->synthesizer());
  });
}

void OutputWorker::openDevice(std::string name) {
  post([this, name = std::move(name)] {
    closeOutput();
    const SystemPort* port = findSystemPort(m_ports, name, [this] { return readPorts(); });
    if (port == nullptr) {
      finishOpen(Opened<MessageSink>::failure(kBadDeviceId), {}, false);
    } else if (port->system == PortSystem::kAlsa) {
      finishOpen(openAlsaOutputPort(port->name), port->name, false);
    } else {
      const int code = m_jack->connect(port->name);
      finishOpen({code == kOk ? std::make_unique<JackPortSink>(*m_jack) : nullptr, code},
                 port->name, true);
    }
  });
}

void OutputWorker::close() {
  post([this] { m_events.push(MidiEvent::closed(closeOutput())); });
}

void OutputWorker::send(const ChannelMessage& message) {
  post([this, message] {
    if (!m_output) return;
    const int code = m_output->send(message);
    if (code == kOk) {
      m_sounding.track(message);
    } else if (code == kBadDeviceId) {
      loseOutput();
    }
  });
}

void OutputWorker::chooseSoundFont(std::filesystem::path file) {
  post([this, file = std::move(file)] {
    FluidSynthOutput* synthesizer = m_synthesizer;
    if (synthesizer == nullptr && m_preparedMapper) synthesizer = m_preparedMapper->value.get();
    const std::optional<SoundFontFailure> failure =
        synthesizer != nullptr ? synthesizer->synthesizer().replaceSoundFont(file)
                               : tryOutSoundFont(file);
    if (failure) {
      m_events.push(MidiEvent::soundFontFailed(file.string(), failure->reason, m_playingSoundFont));
      return;
    }
    // Later starts of the synthesizer, after another device, play it too.
    m_soundFonts.insert(m_soundFonts.begin(), file);
    m_playingSoundFont = file.string();
    m_events.push(MidiEvent::soundFontLoaded(file.string()));
  });
}

// Without a synthesizer to load it into, one made for the test says whether it loads.
std::optional<SoundFontFailure> OutputWorker::tryOutSoundFont(const std::filesystem::path& file) {
  const Opened<FluidSynthesizer> trial = FluidSynthesizer::create({file});
  if (trial.value) return std::nullopt;
  if (trial.code == kNoSoundFont) return SoundFontFailure{file, "there is no such file"};
  return SoundFontFailure{file, reasonAfter(trial.detail, file)};
}

// What the synthesizer that just started plays, told when it changes, after the chosen file
// that it could not load, told once.
void OutputWorker::reportSoundFont(FluidSynthesizer& synthesizer) {
  const std::string playing = synthesizer.soundFont().string();
  const std::optional<SoundFontFailure>& skipped = synthesizer.skipped();
  if (skipped && std::ranges::find(m_reportedSoundFonts, skipped->file.string()) ==
                     m_reportedSoundFonts.end()) {
    m_reportedSoundFonts.push_back(skipped->file.string());
    m_events.push(MidiEvent::soundFontFailed(skipped->file.string(), skipped->reason, playing));
  }
  if (playing == m_playingSoundFont) return;
  m_playingSoundFont = playing;
  m_events.push(MidiEvent::soundFontLoaded(playing));
}

std::vector<SystemPort> OutputWorker::readPorts() {
  std::vector<SystemPort> ports;
  for (std::string& name : listAlsaOutputPorts())
    ports.push_back({PortSystem::kAlsa, std::move(name)});
  if (m_jack && !m_jack->alive()) jackServerGone();
  if (!m_jack) {
    // Called on a JACK thread: the worker handles it in turn, unless a client of a server
    // started again has taken the place of the one that went.
    m_jack = JackMidiClient::open([this] {
      post([this] {
        if (m_jack && !m_jack->alive()) jackServerGone();
      });
    });
  }
  if (m_jack) {
    for (std::string& name : m_jack->otherPorts())
      ports.push_back({PortSystem::kJack, std::move(name)});
  }
  return ports;
}

void OutputWorker::finishOpen(Opened<MessageSink> opened, std::string name, bool onJack) {
  m_output = std::move(opened.value);
  m_outputName = std::move(name);
  m_outputOnJack = onJack;
  m_events.push(MidiEvent::opened(opened.code, std::move(opened.detail)));
}

int OutputWorker::closeOutput() {
  m_synthesizer = nullptr;
  if (!m_output) return kInvalidHandle;
  for (const ChannelMessage& release : m_sounding.releaseAll()) m_output->send(release);
  m_output.reset();
  return kOk;
}

// The notes that sounded there cannot be stopped any more; nothing else is sent there.
void OutputWorker::loseOutput() {
  m_sounding.releaseAll();
  m_synthesizer = nullptr;
  m_output.reset();
  m_events.push(MidiEvent::lost(m_outputName));
}

void OutputWorker::jackServerGone() {
  if (m_output && m_outputOnJack) loseOutput();
  m_jack.reset();
}

}  // namespace tonalis::midi
