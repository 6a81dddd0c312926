// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/cups_print_job.h"

#include <cups/cups.h>

#include <memory>

#include "loader/shared_library.h"

namespace tonalis {
namespace {

// The print service's library is loaded when a chart is first printed, not with the program:
// it brings some twenty more (TLS, Kerberos, printer discovery) that would all be mapped and
// bound before the splash could be painted.
struct CupsLibrary {
  decltype(&cupsGetNamedDest) getNamedDest = nullptr;
  decltype(&cupsFreeDests) freeDests = nullptr;
  decltype(&cupsPrintFile2) printFile2 = nullptr;
  decltype(&cupsLastErrorString) lastErrorString = nullptr;
  // Why it could not be loaded; empty once it is.
  std::string error;
};

CupsLibrary load() {
  SharedLibrary library(TONALIS_CUPS_SONAME);
  CupsLibrary cups;
  library.bind("cupsGetNamedDest", cups.getNamedDest);
  library.bind("cupsFreeDests", cups.freeDests);
  library.bind("cupsPrintFile2", cups.printFile2);
  library.bind("cupsLastErrorString", cups.lastErrorString);
  cups.error = library.error();
  return cups;
}

const CupsLibrary& cups() {
  static const CupsLibrary library = load();
  return library;
}

struct DestinationFree {
  void operator()(cups_dest_t* destination) const { cups().freeDests(1, destination); }
};
using Destination = std::unique_ptr<cups_dest_t, DestinationFree>;

// Null `name`: the default printer.
Destination findDestination(const char* name) {
  return Destination(cups().getNamedDest(CUPS_HTTP_DEFAULT, name, nullptr));
}

}  // namespace

std::string defaultPrinterName() {
  if (!cups().error.empty()) return {};
  const Destination destination = findDestination(nullptr);
  return destination ? destination->name : std::string();
}

std::optional<std::string> submitPrintJob(const std::string& printer, const std::string& file,
                                          const std::string& title) {
  if (!cups().error.empty()) return cups().error;
  const Destination destination = findDestination(printer.c_str());
  const int optionCount = destination ? destination->num_options : 0;
  cups_option_t* const options = destination ? destination->options : nullptr;
  const int job = cups().printFile2(CUPS_HTTP_DEFAULT, printer.c_str(), file.c_str(), title.c_str(),
                                    optionCount, options);
  if (job == 0) return cups().lastErrorString();
  return std::nullopt;
}

}  // namespace tonalis
