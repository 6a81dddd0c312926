// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/virtual_key.h"

#include <QKeyEvent>
#include <Qt>
#include <algorithm>
#include <array>

#include "theory/keyboard.h"

namespace tonalis {

namespace {
constexpr std::uint16_t kVkComma = 188;
constexpr std::uint16_t kVkPeriod = 190;
constexpr std::uint16_t kVkSemicolon = 186;
constexpr std::uint16_t kVkSlash = 191;

// The keycode of the key at each position 0..16, the lowest C first: on the bottom letter row
// (Z X C V B N M , . / on a US keyboard, codes 52 to 61) the white keys, on the row above it
// (S D G H J L ;, codes 39 to 47) the black ones.
constexpr std::array<std::uint32_t, 17> kScanCodes{52, 39, 53, 40, 54, 55, 42, 56, 43,
                                                   57, 44, 58, 59, 46, 60, 47, 61};
}  // namespace

std::uint16_t virtualKeyCode(int qtKey) {
  // Letter keys: Qt's codes are the upper-case ASCII codes, like the virtual-key codes.
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<std::uint16_t>(qtKey);
  switch (qtKey) {
    case Qt::Key_Comma:
    case Qt::Key_Less:
      return kVkComma;
    case Qt::Key_Period:
    case Qt::Key_Greater:
      return kVkPeriod;
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
      return kVkSemicolon;
    case Qt::Key_Slash:
    case Qt::Key_Question:
      return kVkSlash;
    default:
      return 0;
  }
}

int keyIndexForQtKey(int qtKey) {
  const int position = theory::keyPositionForCode(virtualKeyCode(qtKey));
  return position == theory::kNoKey ? theory::kNoKey : position + 1;
}

int keyIndexForScanCode(std::uint32_t scanCode) {
  const auto found = std::ranges::find(kScanCodes, scanCode);
  if (found == kScanCodes.end()) return theory::kNoKey;
  return static_cast<int>(found - kScanCodes.begin()) + 1;
}

int keyIndexForEvent(const QKeyEvent& event) {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
  // Here the scan code is the keycode of X11 and Wayland alike.
  if (event.nativeScanCode() != 0) return keyIndexForScanCode(event.nativeScanCode());
#endif
  return keyIndexForQtKey(event.key());
}

}  // namespace tonalis
