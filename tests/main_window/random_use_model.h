// SPDX-License-Identifier: GPL-3.0-or-later
// The model of the random-use test: what the window should show and send after each event,
// worked out with the music logic alone, and a ledger of the notes the output was asked to
// sound.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "theory/selection.h"

namespace tonalis::testing {

using Messages = std::vector<std::uint32_t>;

constexpr std::uint32_t noteOnMessage(int channel, int note, int velocity) {
  return static_cast<std::uint32_t>(0x90 + channel + 256 * note + 65536 * velocity);
}

class WindowModel {
 public:
  // Each operation returns the message box text it should show, if any.
  std::optional<QString> clickKey(int key);
  std::optional<QString> clear();
  std::optional<QString> showChords();
  std::optional<QString> determineRoot();
  std::optional<QString> chooseDevice(int entry, int openResult);

  // Sounding: each returns the note-ons the event should send.
  Messages pressKey(int key);
  void releaseKey(int key) { m_keySounding[static_cast<std::size_t>(key)] = false; }
  Messages pressPicture(int picture);
  void releasePicture(int picture) { m_pictureSounding.erase(picture); }
  // A computer key: down presses, up releases and clicks, unless a device change forgot it.
  Messages computerKeyDown(int key);
  std::optional<QString> computerKeyUp(int key);
  bool computerKeyHeld(int key) const { return m_heldComputerKeys.contains(key); }
  bool anyComputerKeyHeld() const { return !m_heldComputerKeys.empty(); }
  void setVelocity(int velocity) { m_velocity = velocity; }

  const theory::Selection& selection() const { return m_selection; }
  // Chart keys marked on picture p: empty without a chart.
  const std::vector<int>& markedKeys(int picture) const;
  bool printEnabled() const { return m_printEnabled; }
  const QString& rootLabel() const { return m_rootLabel; }
  const QString& notesLabel() const { return m_notesLabel; }
  const QString& symbolLabel() const { return m_symbolLabel; }
  const QString& nameLabel() const { return m_nameLabel; }

 private:
  void showChart(std::optional<int> rootKey);

  theory::Selection m_selection;
  std::map<int, std::vector<int>> m_chart;  // by picture; missing means no marker
  bool m_printEnabled = false;
  QString m_rootLabel, m_notesLabel, m_symbolLabel, m_nameLabel;
  std::array<bool, 25> m_keySounding{};
  std::set<int> m_pictureSounding;
  std::set<int> m_heldComputerKeys;
  int m_velocity = 127;
};

// Follows the calls made on the recording output and keeps which notes sound, per channel
// and note. A note-on of velocity 0 ends a note like a note-off.
class NoteLedger {
 public:
  // Reads the calls after those already read; says what went wrong, if anything: a note
  // started twice, or an output closed under a sounding note. `noteOns` gets the note-ons read.
  std::optional<std::string> read(const std::vector<std::string>& calls, Messages& noteOns);
  bool silent() const { return m_sounding.empty(); }
  std::string sounding() const;

 private:
  std::size_t m_read = 0;
  std::set<std::pair<int, int>> m_sounding;  // channel, note
};

}  // namespace tonalis::testing
