// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/soundfont_search.h"

#include <algorithm>
#include <iterator>
#include <system_error>

namespace tonalis::midi {
namespace {

constexpr const char* kSoundFontExtension = ".sf2";

bool isSoundFontFile(const std::filesystem::directory_entry& entry) {
  std::error_code error;
  return entry.is_regular_file(error) && entry.path().extension() == kSoundFontExtension;
}

std::vector<std::filesystem::path> soundFontsBelow(const std::filesystem::path& directory) {
  std::vector<std::filesystem::path> found;
  std::error_code error;
  const auto options = std::filesystem::directory_options::skip_permission_denied;
  for (auto it = std::filesystem::recursive_directory_iterator(directory, options, error);
       !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
    if (isSoundFontFile(*it)) found.push_back(it->path());
  }
  std::ranges::sort(found);
  return found;
}

}  // namespace

SoundFontSearch defaultSoundFontSearch() {
  return {
      "/usr/share/sounds/sf2/default-GM.sf2",
      "/usr/share/sounds/sf2/FluidR3_GM.sf2",
      "/usr/share/soundfonts",
  };
}

std::vector<std::filesystem::path> soundFontCandidates(const SoundFontSearch& search) {
  std::vector<std::filesystem::path> candidates;
  for (const std::filesystem::path& place : search) {
    std::error_code error;
    if (std::filesystem::is_directory(place, error)) {
      std::ranges::move(soundFontsBelow(place), std::back_inserter(candidates));
    } else if (std::filesystem::is_regular_file(place, error)) {
      candidates.push_back(place);
    }
  }
  return candidates;
}

}  // namespace tonalis::midi
