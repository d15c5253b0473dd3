#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz/ (libFuzzer) with clang,
# AddressSanitizer and UndefinedBehaviorSanitizer into build-fuzz/ (or
# $VAQ_BUILD_DIR), files read into exact-size buffers instead of mapped (so
# that a read one byte past a file's end is reported), and runs each target
# for SECONDS (default 60) on one core, one after the other, from its
# committed seed corpus:
#
#   scripts/fuzz.sh [SECONDS] [TARGET ...]     (targets: Shape Dbf Tema Busqueda)
#
# New inputs go to build-fuzz/corpus/<target>/, faults to
# build-fuzz/hallazgos/<target>/; the last lines give each target's
# executions and coverage. A fault found becomes a reproducer: mend it, copy
# the input to tests/fuzz/reproductores/<target>/ and the normal test suite
# replays it from then on.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VAQ_BUILD_DIR:-$root/build-fuzz}"
segundos="${1:-60}"
[ $# -gt 0 ] && shift
objetivos=("$@")
if [ ${#objetivos[@]} -eq 0 ]; then
  objetivos=($(sed -n 's/^set(VAQ_FUZZ_OBJETIVOS \(.*\))/\1/p' "$root/tests/fuzz/Objetivos.cmake" \
               | tr ' ' '\n' | cut -d: -f1))
fi
"$root/scripts/setup.sh" clang-14 libclang-rt-14-dev
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -DVAQ_MAPAS_EXACTOS"
CXX=clang++-14 VAQ_BUILD_DIR="$build" "$root/scripts/build.sh" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVAQ_BUILD_TESTS=OFF -DVAQ_BUILD_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$root/scripts/sanitize-leaks.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
run() { if [ -z "${DISPLAY:-}" ]; then xvfb-run -a -s "-screen 0 640x480x24" "$@"; else "$@"; fi; }
resumen=()
for objetivo in "${objetivos[@]}"; do
  corpus="$build/corpus/$objetivo"
  hallazgos="$build/hallazgos/$objetivo"
  mkdir -p "$corpus" "$hallazgos"
  registro="$build/fuzz_$objetivo.log"
  echo "== $objetivo: $segundos s"
  estado=0
  run "$build/tests/fuzz/fuzz_$objetivo" -max_total_time="$segundos" -max_len=65536 -timeout=25 \
    -print_final_stats=1 -artifact_prefix="$hallazgos/" "$corpus" "$root/tests/fuzz/corpus/$objetivo" \
    > "$registro" 2>&1 || estado=$?
  ejecuciones=$(sed -n 's/^stat::number_of_executed_units: *//p' "$registro" | tail -1)
  cobertura=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$registro" | tail -1)
  resumen+=("$objetivo: ${ejecuciones:-?} ejecuciones, $cobertura, corpus $(ls "$corpus" | wc -l), fallos $(ls "$hallazgos" | wc -l) (estado $estado, $registro)")
done
printf '%s\n' "${resumen[@]}"
