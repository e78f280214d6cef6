#!/usr/bin/env bash
# Builds everything with AddressSanitizer + UndefinedBehaviorSanitizer, warnings as errors, runs
# clang-tidy over our sources and the whole test suite, including the end-to-end session on a
# two-lesson course (screenshots in build-sanitize/e2e-screenshots), then checks the installation
# and the Debian package.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/format.sh --check

build=build-sanitize
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DTESSALYNE_SANITIZE=ON -DTESSALYNE_WERROR=ON -DTESSALYNE_TESTS=ON -DTESSALYNE_FUZZ=ON \
  -DTESSALYNE_CONTENT=OFF -DTESSALYNE_AUTOMATION=ON -DTESSALYNE_E2E=ON
cmake --build "$build"
# Static analysis of our sources as this build compiled them (bugprone and performance checks).
./scripts/tidy.sh "$build"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 600

# The installed program: a valid desktop entry and metainfo, and a Debian package with everything.
./scripts/check-install.sh "$build"

# The audio threads' tests again under ThreadSanitizer, in a build of their own. The tests that
# start other programs are left out: this sanitizer's runtime cannot follow Qt's way of forking.
tsan=build-tsan
cmake -S . -B "$tsan" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DTESSALYNE_SANITIZE_THREAD=ON -DTESSALYNE_WERROR=ON -DTESSALYNE_TESTS=ON -DTESSALYNE_FUZZ=OFF \
  -DTESSALYNE_CONTENT=OFF -DTESSALYNE_AUTOMATION=OFF -DTESSALYNE_E2E=OFF
cmake --build "$tsan" --target audio_tests
(cd "$tsan/tests/audio" && TSAN_OPTIONS="halt_on_error=1" ./audio_tests --gtest_filter='-ToneScoring.*:Mp3*')
