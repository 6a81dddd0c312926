#include "midi/fluid_library.h"

#include <dlfcn.h>

#include <cassert>

namespace tonalis::midi {
namespace {

template <class Function>
void bind(void* handle, const char* name, Function& function, std::string& error) {
  function = reinterpret_cast<Function>(dlsym(handle, name));
  if (function == nullptr && error.empty()) {
    error = std::string(TONALIS_FLUIDSYNTH_SONAME) + " has no " + name;
  }
}

// Local: its names stay out of the program's and are found only through the handle.
LoadedFluidLibrary load() {
  LoadedFluidLibrary library;
  void* const handle = dlopen(TONALIS_FLUIDSYNTH_SONAME, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    library.error = dlerror();
    return library;
  }
  // Kept loaded for the life of the program: its audio threads may outlive any one user.
  FluidLibrary& functions = library.functions;
#define TONALIS_FLUID_BIND(name) bind(handle, #name, functions.name, library.error);
  TONALIS_FLUID_FUNCTIONS(TONALIS_FLUID_BIND)
#undef TONALIS_FLUID_BIND
  if (!library.error.empty()) library.functions = FluidLibrary{};
  return library;
}

}  // namespace

const LoadedFluidLibrary& loadFluidLibrary() {
  static const LoadedFluidLibrary library = load();
  return library;
}

const FluidLibrary& fluid() {
  const LoadedFluidLibrary& library = loadFluidLibrary();
  assert(library.loaded());
  return library.functions;
}

}  // namespace tonalis::midi
