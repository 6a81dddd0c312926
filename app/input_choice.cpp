// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/input_choice.h"

#include "main_window/user_settings.h"

namespace tonalis {

frmMain::InputChoice rememberedInputChoice() {
  return {UserSettings().input(), [](const std::string& port) { UserSettings().setInput(port); }};
}

}  // namespace tonalis
