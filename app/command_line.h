// SPDX-License-Identifier: GPL-3.0-or-later
// What the program's command line asks for before any window opens: --help and --version are
// answered on standard output; an unknown option or an argument gets the usage on standard
// error. Qt's own options (-platform, -style, -display, ...) are left to the application.
#pragma once

#include <QStringList>
#include <optional>

namespace tonalis {

inline constexpr int kBadCommandLine = 2;

// The exit status when the command line has been answered and the program ends there; nothing
// when the program is to start. Needs no application object, so no display either.
std::optional<int> answerCommandLine(const QStringList& arguments);

}  // namespace tonalis
