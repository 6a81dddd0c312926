// SPDX-License-Identifier: GPL-3.0-or-later
// A shared library opened while the program runs instead of linked, for one whose many
// dependencies would otherwise all be mapped and bound before the first window is painted.
#pragma once

#include <dlfcn.h>

#include <string>
#include <utility>

namespace tonalis {

class SharedLibrary {
 public:
  // Opens the library by the name it gives itself (its SONAME). It stays loaded for the life
  // of the program, and local: its names stay out of the program's and are reached only
  // through bind().
  explicit SharedLibrary(std::string soname)
      : m_soname(std::move(soname)), m_handle(dlopen(m_soname.c_str(), RTLD_NOW | RTLD_LOCAL)) {
    if (m_handle == nullptr) m_error = dlerror();
  }

  // Points `function` at the library's function `name`; null when it is missing, which
  // error() then reports.
  template <class Function>
  void bind(const char* name, Function& function) {
    function = m_handle != nullptr ? reinterpret_cast<Function>(dlsym(m_handle, name)) : nullptr;
    if (function == nullptr && m_error.empty()) m_error = m_soname + " has no " + name;
  }

  // Why the library could not be opened or the first function bind() did not find; empty
  // when everything was found.
  const std::string& error() const { return m_error; }

 private:
  std::string m_soname;
  void* m_handle;
  std::string m_error;
};

}  // namespace tonalis
