// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/fluid_library.h"

#include <cassert>

#include "loader/shared_library.h"

namespace tonalis::midi {
namespace {

LoadedFluidLibrary load() {
  // Kept loaded for the life of the program: its audio threads may outlive any one user.
  SharedLibrary library(TONALIS_FLUIDSYNTH_SONAME);
  LoadedFluidLibrary loaded;
#define TONALIS_FLUID_BIND(name) library.bind(#name, loaded.functions.name);
  TONALIS_FLUID_FUNCTIONS(TONALIS_FLUID_BIND)
#undef TONALIS_FLUID_BIND
  loaded.error = library.error();
  if (!loaded.loaded()) loaded.functions = FluidLibrary{};
  return loaded;
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
