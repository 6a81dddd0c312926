// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_finding.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "chord_intervals.h"

namespace tonalis::theory {

namespace {

// Row: how well each pitch class above the tonic fits a major key, then a minor key, as
// listeners rated it (Krumhansl and Kessler, 1982).
constexpr std::array<double, 12> kMajorProfile{6.35, 2.23, 3.48, 2.33, 4.38, 4.09,
                                               2.52, 5.19, 2.39, 3.66, 2.29, 2.88};
constexpr std::array<double, 12> kMinorProfile{6.33, 2.68, 3.52, 5.38, 2.60, 3.53,
                                               2.54, 4.75, 3.98, 2.69, 3.34, 3.17};

double correlation(const std::array<double, 12>& weights, const std::array<double, 12>& profile,
                   int tonic) {
  const double meanWeight = std::accumulate(weights.begin(), weights.end(), 0.0) / 12;
  const double meanProfile = std::accumulate(profile.begin(), profile.end(), 0.0) / 12;
  double products = 0;
  double weightSquares = 0;
  double profileSquares = 0;
  for (int pc = 0; pc < 12; ++pc) {
    const double w = weights[static_cast<std::size_t>(pc)] - meanWeight;
    const double p = profile[static_cast<std::size_t>(intervalAbove(pc, tonic))] - meanProfile;
    products += w * p;
    weightSquares += w * w;
    profileSquares += p * p;
  }
  return weightSquares == 0 ? 0 : products / std::sqrt(weightSquares * profileSquares);
}

}  // namespace

std::optional<MusicalKey> guessKey(const std::array<double, 12>& weights) {
  if (std::ranges::all_of(weights, [](double w) { return w <= 0; })) return std::nullopt;
  const MusicalKey* best = nullptr;
  double bestFit = -2;
  for (const MusicalKey& key : commonKeys) {
    const double fit = correlation(weights, key.minor ? kMinorProfile : kMajorProfile, key.tonic());
    if (fit > bestFit) {
      bestFit = fit;
      best = &key;
    }
  }
  return *best;
}

void RecentNotes::add(int pitch) {
  m_pitchClasses.push_back(pitchClassOf(pitch));
  if (m_pitchClasses.size() > kRemembered) m_pitchClasses.pop_front();
}

void RecentNotes::clear() {
  m_pitchClasses.clear();
}

std::optional<MusicalKey> RecentNotes::guessedKey() const {
  std::array<double, 12> weights{};
  for (const int pc : m_pitchClasses) weights[static_cast<std::size_t>(pc)] += 1;
  return guessKey(weights);
}

}  // namespace tonalis::theory
