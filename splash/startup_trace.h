// SPDX-License-Identifier: GPL-3.0-or-later
// A start-up trace for measuring how fast the windows appear. When the environment variable
// TONALIS_STARTUP_TRACE is set, each window's first paint on screen and each hiding of a
// window is written to stderr as one line
//   tonalis-trace <milliseconds since the process started> painted|hidden <window class>
// Without the variable nothing is watched.
#pragma once

namespace tonalis {

// Installs the trace on the running application once; later calls do nothing.
void traceStartupIfAsked();

}  // namespace tonalis
