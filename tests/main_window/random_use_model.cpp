// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_use_model.h"

#include <algorithm>
#include <sstream>

#include "main_window/refusal_message.h"
#include "midi/result_meaning.h"
#include "theory/chart_root.h"
#include "theory/chord_chart.h"
#include "theory/identification.h"

namespace tonalis::testing {

namespace {

constexpr int kMiddleC = 60;
constexpr std::size_t kChordChannels = 5;

QString fromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void assignIfSet(QString& label, const std::optional<std::string>& text) {
  if (text) label = QString::fromStdString(*text);
}

}  // namespace

std::optional<QString> WindowModel::clickKey(int key) {
  m_selection.toggle(key);
  if (m_selection.empty()) return clear();
  return std::nullopt;
}

std::optional<QString> WindowModel::clear() {
  m_printEnabled = false;
  m_selection = {};
  showChart(std::nullopt);
  m_rootLabel.clear();
  m_symbolLabel.clear();
  m_notesLabel.clear();
  m_nameLabel.clear();
  return std::nullopt;
}

std::optional<QString> WindowModel::showChords() {
  showChart(std::nullopt);
  const theory::ChartRoot root = theory::chooseChartRoot(m_selection);
  // The exact words are the command tests' concern; the model follows the window's.
  if (root.refusal) return refusalMessage(*root.refusal);
  m_printEnabled = true;
  m_selection = root.selection;
  m_rootLabel = fromView(theory::rootName(root.rootKey));
  showChart(root.rootKey);
  return std::nullopt;
}

std::optional<QString> WindowModel::determineRoot() {
  const theory::Identification result = theory::identifyChord(m_selection);
  assignIfSet(m_notesLabel, result.notes);
  assignIfSet(m_symbolLabel, result.symbol);
  assignIfSet(m_nameLabel, result.name);
  m_selection = result.selection;
  if (result.message) return refusalMessage(*result.message);
  return std::nullopt;
}

// A device change ends every note first and forgets the computer keys held down.
std::optional<QString> WindowModel::chooseDevice(int, int openResult) {
  m_keySounding.fill(false);
  m_pictureSounding.clear();
  m_heldComputerKeys.clear();
  if (openResult == 0) return std::nullopt;
  // The first line is the message proper; what the code means follows it.
  const std::string_view meaning = midi::resultMeaning(openResult);
  return QStringLiteral("Couldn't open midi out, rc = %1\n\n%2")
      .arg(openResult)
      .arg(QString::fromUtf8(meaning.data(), static_cast<qsizetype>(meaning.size())));
}

Messages WindowModel::pressKey(int key) {
  bool& sounding = m_keySounding[static_cast<std::size_t>(key)];
  if (sounding) return {};
  sounding = true;
  return {noteOnMessage(0, kMiddleC + key - 1, m_velocity)};
}

Messages WindowModel::pressPicture(int picture) {
  if (!m_pictureSounding.insert(picture).second) return {};
  const std::vector<int>& keys = markedKeys(picture);
  Messages noteOns;
  for (std::size_t place = 0; place < std::min(keys.size(), kChordChannels); ++place) {
    noteOns.push_back(
        noteOnMessage(static_cast<int>(place) + 1, kMiddleC + keys[place] - 1, m_velocity));
  }
  return noteOns;
}

Messages WindowModel::computerKeyDown(int key) {
  if (!m_heldComputerKeys.insert(key).second) return {};
  return pressKey(key);
}

std::optional<QString> WindowModel::computerKeyUp(int key) {
  if (m_heldComputerKeys.erase(key) == 0) return std::nullopt;
  releaseKey(key);
  return clickKey(key);
}

const std::vector<int>& WindowModel::markedKeys(int picture) const {
  static const std::vector<int> kNone;
  const auto found = m_chart.find(picture);
  return found == m_chart.end() ? kNone : found->second;
}

void WindowModel::showChart(std::optional<int> rootKey) {
  m_chart.clear();
  if (!rootKey) return;
  for (int slot = 0; slot < theory::kChartSlotCount; ++slot) {
    std::vector<int> keys = theory::chartKeys(slot, *rootKey);
    std::ranges::sort(keys);
    m_chart[theory::pictureIndex(theory::chartColumn(slot), theory::chartRow(slot))] = keys;
  }
}

std::optional<std::string> NoteLedger::read(const std::vector<std::string>& calls,
                                            Messages& noteOns) {
  for (; m_read < calls.size(); ++m_read) {
    const std::string& call = calls[m_read];
    if (call == "close") {
      if (!silent()) return "the output was closed while " + sounding() + " sounded";
      continue;
    }
    if (!call.starts_with("short(")) continue;
    const auto message = static_cast<std::uint32_t>(std::stoul(call.substr(6)));
    const int status = static_cast<int>(message & 0xF0);
    const int channel = static_cast<int>(message & 0x0F);
    const int note = static_cast<int>((message >> 8) & 0x7F);
    const int velocity = static_cast<int>((message >> 16) & 0x7F);
    if (status == 0x90) noteOns.push_back(message);
    if (status == 0x90 && velocity > 0) {
      if (!m_sounding.insert({channel, note}).second) {
        return "note " + std::to_string(note) + " on channel " + std::to_string(channel) +
               " was started again while it sounded";
      }
    } else if (status == 0x80 || status == 0x90) {
      m_sounding.erase({channel, note});
    } else {
      return "unexpected message " + call;
    }
  }
  return std::nullopt;
}

std::string NoteLedger::sounding() const {
  std::ostringstream text;
  for (const auto& [channel, note] : m_sounding) {
    text << "note " << note << " on channel " << channel << "; ";
  }
  return text.str();
}

}  // namespace tonalis::testing
