// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/user_settings.h"

#include <QSettings>
#include <algorithm>

namespace tonalis {

namespace {
constexpr const char* kSoundFontKey = "soundfont";
constexpr const char* kOutputKey = "output";
constexpr const char* kVolumeKey = "volume";
constexpr const char* kInputKey = "input";
constexpr const char* kChordKeyKey = "chordKey";
constexpr const char* kChordStyleKey = "chordStyle";
constexpr const char* kWindowPlaceKey = "window/geometry";
constexpr int kFullVolume = 127;
}  // namespace

// Named explicitly: the soundfont is read before the application object that would carry
// the names exists.
UserSettings::UserSettings()
    : m_settings(
          std::make_unique<QSettings>(QStringLiteral("Tonalis"), QStringLiteral("Tonalis"))) {}

UserSettings::UserSettings(const QString& file)
    : m_settings(std::make_unique<QSettings>(file, QSettings::IniFormat)) {}

UserSettings::~UserSettings() = default;

QString UserSettings::soundFont() const {
  return m_settings->value(QLatin1String(kSoundFontKey)).toString();
}

void UserSettings::setSoundFont(const QString& file) {
  m_settings->setValue(QLatin1String(kSoundFontKey), file);
}

std::optional<QString> UserSettings::outputDevice() const {
  if (!m_settings->contains(QLatin1String(kOutputKey))) return std::nullopt;
  return m_settings->value(QLatin1String(kOutputKey)).toString();
}

void UserSettings::setOutputDevice(const QString& name) {
  m_settings->setValue(QLatin1String(kOutputKey), name);
}

int UserSettings::volume() const {
  bool isNumber = false;
  const int value = m_settings->value(QLatin1String(kVolumeKey)).toInt(&isNumber);
  return isNumber ? std::clamp(value, 0, kFullVolume) : kFullVolume;
}

void UserSettings::setVolume(int value) {
  m_settings->setValue(QLatin1String(kVolumeKey), value);
}

std::string UserSettings::input() const {
  return m_settings->value(QLatin1String(kInputKey)).toString().toStdString();
}

void UserSettings::setInput(const std::string& port) {
  m_settings->setValue(QLatin1String(kInputKey), QString::fromStdString(port));
}

QString UserSettings::chordKey() const {
  return m_settings->value(QLatin1String(kChordKeyKey)).toString();
}

void UserSettings::setChordKey(const QString& key) {
  m_settings->setValue(QLatin1String(kChordKeyKey), key);
}

QString UserSettings::chordStyle() const {
  return m_settings->value(QLatin1String(kChordStyleKey)).toString();
}

void UserSettings::setChordStyle(const QString& style) {
  m_settings->setValue(QLatin1String(kChordStyleKey), style);
}

std::optional<QRect> UserSettings::windowPlace() const {
  const QVariant kept = m_settings->value(QLatin1String(kWindowPlaceKey));
  if (!kept.isValid()) return std::nullopt;
  return kept.toRect();
}

void UserSettings::setWindowPlace(const QRect& place) {
  m_settings->setValue(QLatin1String(kWindowPlaceKey), place);
}

}  // namespace tonalis
