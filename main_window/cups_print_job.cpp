#include "main_window/cups_print_job.h"

#include <cups/cups.h>
#include <dlfcn.h>

#include <memory>

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

template <class Function>
void bind(void* library, const char* name, Function& function, std::string& error) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  if (function == nullptr && error.empty())
    error = std::string(TONALIS_CUPS_SONAME " has no ") + name;
}

CupsLibrary load() {
  CupsLibrary cups;
  // Kept for the life of the program, local so that its names stay out of the program's.
  void* const library = dlopen(TONALIS_CUPS_SONAME, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    cups.error = dlerror();
    return cups;
  }
  bind(library, "cupsGetNamedDest", cups.getNamedDest, cups.error);
  bind(library, "cupsFreeDests", cups.freeDests, cups.error);
  bind(library, "cupsPrintFile2", cups.printFile2, cups.error);
  bind(library, "cupsLastErrorString", cups.lastErrorString, cups.error);
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
