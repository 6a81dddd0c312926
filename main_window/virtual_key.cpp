#include "main_window/virtual_key.h"

#include <Qt>

#include "theory/keyboard.h"

namespace tonalis {

namespace {
constexpr std::uint16_t kVkComma = 188;
constexpr std::uint16_t kVkPeriod = 190;
constexpr std::uint16_t kVkSemicolon = 186;
constexpr std::uint16_t kVkSlash = 191;
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

}  // namespace tonalis
