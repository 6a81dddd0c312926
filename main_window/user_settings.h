// SPDX-License-Identifier: GPL-3.0-or-later
// What the user chose, kept for the next start in the per-user settings file
// (~/.config/Tonalis/Tonalis.conf): the soundfont, the output device, the volume, the MIDI
// input, the chord readout's key and style and the main window's place. Every entry is read where
// it is needed, so a file edited by hand is taken as it is.
#pragma once

#include <QRect>
#include <QString>
#include <memory>
#include <optional>
#include <string>

class QSettings;

namespace tonalis {

class UserSettings {
 public:
  // The user's own file.
  UserSettings();
  // Another file, for tests and tools.
  explicit UserSettings(const QString& file);
  ~UserSettings();
  UserSettings(const UserSettings&) = delete;
  UserSettings& operator=(const UserSettings&) = delete;

  // The soundfont file; empty when none was chosen.
  QString soundFont() const;
  void setSoundFont(const QString& file);

  // The output device by name, empty for "MIDI Mapper"; none before the first choice.
  std::optional<QString> outputDevice() const;
  void setOutputDevice(const QString& name);

  // The dial's value, 0..127: 127 when never set or not a number, a value outside the
  // range taken to its nearer end.
  int volume() const;
  void setVolume(int value);

  // The MIDI keyboard's port; empty for none.
  std::string input() const;
  void setInput(const std::string& port);

  // The chord readout's key as the Chord menu names it ("G minor", "automatic"; empty for
  // none) and its style ("analysis" or "lead-sheet"; empty before the first choice).
  QString chordKey() const;
  void setChordKey(const QString& key);
  QString chordStyle() const;
  void setChordStyle(const QString& style);

  // The main window's place, without its frame, when the program last ended.
  std::optional<QRect> windowPlace() const;
  void setWindowPlace(const QRect& place);

 private:
  std::unique_ptr<QSettings> m_settings;
};

}  // namespace tonalis
