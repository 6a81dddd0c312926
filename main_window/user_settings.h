// SPDX-License-Identifier: GPL-3.0-or-later
// What the user chose, kept for the next start in the per-user settings file
// (~/.config/Tonalis/Tonalis.conf): the soundfont, the output device, the volume and the MIDI
// input. Every entry is read where it is needed, so a file edited by hand is taken as it is.
#pragma once

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

 private:
  std::unique_ptr<QSettings> m_settings;
};

}  // namespace tonalis
