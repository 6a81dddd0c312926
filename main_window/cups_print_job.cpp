#include "main_window/cups_print_job.h"

#include <cups/cups.h>

#include <memory>

namespace tonalis {
namespace {

struct DestinationFree {
  void operator()(cups_dest_t* destination) const { cupsFreeDests(1, destination); }
};
using Destination = std::unique_ptr<cups_dest_t, DestinationFree>;

// Null `name`: the default printer.
Destination findDestination(const char* name) {
  return Destination(cupsGetNamedDest(CUPS_HTTP_DEFAULT, name, nullptr));
}

}  // namespace

std::string defaultPrinterName() {
  const Destination destination = findDestination(nullptr);
  return destination ? destination->name : std::string();
}

std::optional<std::string> submitPrintJob(const std::string& printer, const std::string& file,
                                          const std::string& title) {
  const Destination destination = findDestination(printer.c_str());
  const int optionCount = destination ? destination->num_options : 0;
  cups_option_t* const options = destination ? destination->options : nullptr;
  const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, printer.c_str(), file.c_str(), title.c_str(),
                                 optionCount, options);
  if (job == 0) return cupsLastErrorString();
  return std::nullopt;
}

}  // namespace tonalis
