// SPDX-License-Identifier: GPL-3.0-or-later
// What the printing module offers the program, which loads it at the first print.
#pragma once

#include "main_window/page_printer.h"

class QWidget;

// The module's one function, by this name: a new printer, owned by the caller.
inline constexpr const char* kMakePagePrinter = "tonalis_make_page_printer";
extern "C" {
using MakePagePrinter = tonalis::PagePrinter* (*)(QWidget* dialogParent);
}
