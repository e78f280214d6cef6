#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Tessalyne Lessons needs.
# Safe to run again: apt only installs what is missing.
set -euo pipefail

packages=(
  # toolchain
  g++ clang-14 libclang-rt-14-dev cmake ninja-build pkg-config clang-format
  # static analysis of our sources (scripts/tidy.sh)
  clang-tidy-14
  # libraries the program links
  qt6-base-dev libsqlite3-dev portaudio19-dev libmpg123-dev
  # slower model speech at the same pitch
  libsoundtouch-dev
  # salted password hashes of the user accounts
  libsodium-dev
  # WebP scenes for the movie control; the font the artwork generator draws its labels with
  qt6-image-formats-plugins fonts-dejavu-core
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # MP3 encoder and command-line decoder: test sounds, fuzz seeds and the decoding benchmark
  lame mpg123
  # speech synthesis: the spoken sentences of the speaking-practice tests and demo
  espeak-ng
  # running the windows on a headless machine and looking at them
  xvfb xauth xdotool imagemagick x11-apps
  # fonts the character and pinyin letter pictures are drawn with (tests and content)
  fonts-arphic-uming fonts-dejavu-core
  # building the content: speech and MP3 encoding libraries, the open data packages
  espeak-ng libespeak-ng-dev libmp3lame-dev nodejs
  # writing the animated GIF data of the lesson scenes and the program's movies
  libgif-dev
  # checking the installed desktop entry and AppStream metainfo; the Debian package's dependencies
  desktop-file-utils appstream dpkg-dev
  # reviewing the Debian package by hand (too slow for every test run)
  lintian
  # Qt's native Wayland platform, and a headless compositor to try the program under it
  qt6-wayland weston
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# Debian's nodejs comes without npm (other Node.js builds bring their own).
command -v npm >/dev/null 2>&1 || missing+=(npm)

# Debian ships npm as a package of its own; other builds of Node.js bring it along.
if ! command -v npm >/dev/null 2>&1; then
  missing+=(npm)
fi

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
  if ! command -v sudo >/dev/null 2>&1; then
    echo "These Debian packages are missing: ${missing[*]}" >&2
    echo "Run this script as root, or install them with: apt-get install ${missing[*]}" >&2
    exit 1
  fi
else
  SUDO=
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
