#!/usr/bin/env bash
# Builds the whole project and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer (clang; alignment checks on; the first report
# ends the program, so it fails its test) into build-sanitize/ (or
# $VAQ_BUILD_DIR) and runs the whole test suite there, under Xvfb when there
# is no display. Leaks that GTK, GLib, fontconfig and the other system
# libraries keep for the life of the process are suppressed
# (scripts/sanitize-leaks.supp); nothing of ours is. Extra arguments go to
# ctest (e.g. -R CShape).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VAQ_BUILD_DIR:-$root/build-sanitize}"
"$root/scripts/setup.sh" clang-14 libclang-rt-14-dev
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
CC=clang-14 CXX=clang++-14 VAQ_BUILD_DIR="$build" "$root/scripts/build.sh" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVAQ_BUILD_TESTS=ON \
  -DCMAKE_CXX_FLAGS="$sanitizers" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
export ASAN_OPTIONS="abort_on_error=0:detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$root/scripts/sanitize-leaks.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
run_ctest=(ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --repeat until-pass:3 "$@")
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "${run_ctest[@]}"
fi
exec "${run_ctest[@]}"
