// SPDX-License-Identifier: GPL-3.0-or-later
// The page printer as a loadable module: the program asks it for a printer at the first print.
#include "main_window/page_printer_module.h"

#include "main_window/qt_page_printer.h"

extern "C" tonalis::PagePrinter* tonalis_make_page_printer(QWidget* dialogParent) {
  return new tonalis::QtPagePrinter(dialogParent);
}
