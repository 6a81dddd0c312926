#include "midi/output_worker.h"

#include <algorithm>
#include <utility>

#include "midi/alsa_ports.h"
#include "midi/fluid_synth_output.h"

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

Opened<MessageSink> openSynthesizer(const SoundFontSearch& soundFonts) {
  Opened<FluidSynthOutput> synth = FluidSynthOutput::open(soundFonts);
  return {std::move(synth.value), synth.code, std::move(synth.detail)};
}

}  // namespace

OutputWorker::OutputWorker(SoundFontSearch soundFonts, MidiEventQueue& events)
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
    std::vector<std::string> names;
    for (const SystemPort& port : m_ports) names.push_back(port.name);
    m_events.push(MidiEvent::listed(std::move(names)));
  });
}

void OutputWorker::prepareMapper() {
  post([this] { m_preparedMapper = openSynthesizer(m_soundFonts); });
}

void OutputWorker::openMapper() {
  post([this] {
    closeOutput();
    Opened<MessageSink> opened =
        m_preparedMapper ? std::move(*m_preparedMapper) : openSynthesizer(m_soundFonts);
    m_preparedMapper.reset();
    finishOpen(std::move(opened), {}, false);
  });
}

void OutputWorker::openDevice(std::optional<std::string> name) {
  post([this, name = std::move(name)] {
    closeOutput();
    const SystemPort* port =
        name ? findSystemPort(m_ports, *name, [this] { return readPorts(); }) : nullptr;
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
    for (std::string& name : m_jack->inputPorts())
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
  if (!m_output) return kInvalidHandle;
  for (const ChannelMessage& release : m_sounding.releaseAll()) m_output->send(release);
  m_output.reset();
  return kOk;
}

// The notes that sounded there cannot be stopped any more; nothing else is sent there.
void OutputWorker::loseOutput() {
  m_sounding.releaseAll();
  m_output.reset();
  m_events.push(MidiEvent::lost(m_outputName));
}

void OutputWorker::jackServerGone() {
  if (m_output && m_outputOnJack) loseOutput();
  m_jack.reset();
}

}  // namespace tonalis::midi
