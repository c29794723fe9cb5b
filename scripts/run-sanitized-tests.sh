#!/usr/bin/env bash
# Builds every test with clang under AddressSanitizer and UndefinedBehaviorSanitizer
# (and the fuzzers' short runs with them) into build-sanitize/, and runs them. A
# memory error, a leak or undefined behaviour in any program, the child processes
# the end-to-end tests start included, fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh  # the packages, clang among them
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
CC=clang CXX=clang++ cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKAVEL_SANITIZE=ON -DKAVEL_FUZZ=ON >/dev/null
ninja -C build-sanitize
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:abort_on_error=1
ctest --test-dir build-sanitize --output-on-failure
