#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Tonalis needs to build, test and run; with --fuzz, also what
# `make fuzz` needs (clang with libFuzzer and the sanitizers' runtime).
# Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-svg-dev
  librtmidi-dev libfluidsynth-dev libasound2-dev timgm6mb-soundfont
  libgtest-dev libgmock-dev libbenchmark-dev
  jackd2 libjack-jackd2-dev
  fonts-liberation poppler-utils
  fonts-urw-base35 desktop-file-utils
  libcups2-dev cups-daemon cups-client
  xvfb xdotool pulseaudio pulseaudio-utils
  librsvg2-bin qt6-tools-dev qt6-l10n-tools appstream dpkg-dev file python3-mido
)
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang-14 libclang-rt-14-dev llvm-14)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# jackd2 asks whether to enable realtime scheduling; answer for it.
echo "jackd2 jackd/tweak_rt_limits boolean false" | $sudo debconf-set-selections
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
