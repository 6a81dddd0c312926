// SPDX-License-Identifier: GPL-3.0-or-later
// Handing a finished file to the system's print service (CUPS), which says whether it took the
// job. Printing through QPrinter never learns that a printer refused the job.
#pragma once

#include <optional>
#include <string>

namespace tonalis {

// The default printer's name; empty when there is none (or no print service).
std::string defaultPrinterName();

// Submits `file` (a PDF) as one job titled `title` to `printer`, with the options the user set
// for it. Returns the print service's reason when it took no job.
std::optional<std::string> submitPrintJob(const std::string& printer, const std::string& file,
                                          const std::string& title);

}  // namespace tonalis
