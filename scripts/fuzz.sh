#!/usr/bin/env bash
# Builds the fuzzers of the dictionary's plain C++ parts natively (clang,
# libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) in a build folder
# of their own, and runs them for a bounded time.
#
#   scripts/fuzz.sh                    build, then run every fuzzer (15 s each)
#   scripts/fuzz.sh build              build only
#   scripts/fuzz.sh run TARGET [SECS]  run one fuzzer (line_format,
#                                      line_splitter, entry_rewriter, update_merge,
#                                      stardict, tab_text, word_forms,
#                                      download_check, dictionary_load,
#                                      http_answer)
#
# Each run starts from the seeds in tests/fuzz/corpus/TARGET (which also
# hold every input that once found a fault) and from what earlier runs
# found, kept in the build folder. A crash fails the run and leaves its
# input in the build folder's artifacts/.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"

FUZZ_BUILD=${TAV_FUZZ_BUILD:-$TAV_BUILD/fuzz}
TARGETS=(line_format line_splitter entry_rewriter update_merge stardict tab_text word_forms download_check
  dictionary_load http_answer)

fuzz_build() {
  local generator=()
  if command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); fi
  if [ ! -f "$FUZZ_BUILD/CMakeCache.txt" ]; then
    cmake -S "$TAV_ROOT/tests/fuzz" -B "$FUZZ_BUILD" "${generator[@]}" \
      -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  fi
  cmake --build "$FUZZ_BUILD" -j"$(nproc)"
}

# The readers of whole files and of what the network sends take inputs of
# megabytes: a cost that grows faster than the input shows only there, and
# an input that takes seconds is a fault.
fuzz_limits() {
  case $1 in
    download_check | dictionary_load | http_answer) echo "-max_len=4194304 -timeout=5" ;;
    *) echo "-max_len=16384 -timeout=10" ;;
  esac
}

fuzz_run() {
  local target=$1 seconds=${2:-15}
  local work="$FUZZ_BUILD/corpus/$target" artifacts="$FUZZ_BUILD/artifacts"
  mkdir -p "$work" "$artifacts"
  local limits
  read -r -a limits <<<"$(fuzz_limits "$target")"
  ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1} \
    "$FUZZ_BUILD/fuzz_$target" -max_total_time="$seconds" "${limits[@]}" -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$artifacts/$target-" \
    "$work" "$TAV_ROOT/tests/fuzz/corpus/$target"
}

case "${1:-all}" in
  build)
    fuzz_build
    ;;
  run)
    fuzz_run "${2:?which fuzzer}" "${3:-15}"
    ;;
  all)
    "$TAV_ROOT/scripts/install-deps.sh"
    fuzz_build
    for target in "${TARGETS[@]}"; do
      fuzz_run "$target" "${2:-15}"
    done
    ;;
  *)
    echo "usage: $0 [build | run TARGET [SECONDS]]" >&2
    exit 2
    ;;
esac
