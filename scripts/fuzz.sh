#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in their own tree and runs each in turn:
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]     (default 60 seconds, every target)
#
# Each target starts from its seeds in fuzz/corpus/TARGET (read only; what it
# finds new goes to BUILD/corpus/TARGET and is kept for the next run) with its
# dictionary fuzz/dict/TARGET.dict. Per target it prints the executions, the
# coverage reached and, for a crash, the saved input
# (BUILD/findings/TARGET/crash-*). Exits non-zero when any target crashed.
# QM_FUZZ_BUILD_DIR chooses the tree (default build-fuzz); QM_FUZZ_OPTIONS
# adds libFuzzer options (e.g. -runs=1000000 to stop after that many).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
all_targets=(collection shapelibrary shapefile layoutlibrary layoutfile pagedesigner settings badlist reportstream qzk earlierdata wordtext)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")
dir=${QM_FUZZ_BUILD_DIR:-$root/build-fuzz}

# Largest input per target: whole records of its file and a little more.
max_len() {
  case $1 in
    collection) echo 200000 ;;   # two puzzle records (95,830 bytes each) and a tail
    layoutlibrary) echo 90000 ;; # three page layouts (28,868 bytes each)
    layoutfile) echo 30000 ;;
    pagedesigner) echo 40000 ;;  # one page layout and a small picture file
    shapelibrary) echo 16000 ;;  # six shapes (2,555 bytes each)
    shapefile) echo 3000 ;;
    reportstream) echo 65536 ;;
    qzk) echo 11200 ;;           # the header, a text of up to 255 bytes and one 10,809-byte record
    earlierdata) echo 33000 ;;   # three earlier puzzle records
    wordtext) echo 8192 ;;
    *) echo 16384 ;;
  esac
}

bash "$root/scripts/setup.sh"
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$dir" -G Ninja -DQM_BUILD_FUZZERS=ON \
  -DQM_BUILD_TESTS=OFF -DQM_BUILD_BENCHMARKS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" >/dev/null
find "$dir" -path '*_autogen/timestamp' -delete 2>/dev/null || true
cmake --build "$dir" --target fuzzers -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
# Fonts: the Liberation faces alone and no substitution rules. Files name any
# font at any size, and matching each new one against every installed font
# through the system's rules was half the time of a printed layout.
if [ -z "${FONTCONFIG_FILE:-}" ]; then
  mkdir -p "$dir/fontconfig"
  cat >"$dir/fontconfig/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts/truetype/liberation</dir>
  <dir>/usr/share/fonts/truetype/liberation2</dir>
  <cachedir>$dir/fontconfig/cache</cachedir>
</fontconfig>
EOF
  export FONTCONFIG_FILE=$dir/fontconfig/fonts.conf
fi
# No allocation stacks: recording one per allocation halves the speed, and a
# saved input replays with full reports in core_tests or by running the target on it.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1:allocator_may_return_null=1:malloc_context_size=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
if command -v llvm-symbolizer-14 >/dev/null; then
  export ASAN_SYMBOLIZER_PATH=$(command -v llvm-symbolizer-14)
fi

failed=()
printf '%-14s %12s %8s %8s  %s\n' target executions cov ft result
for target in "${targets[@]}"; do
  exe="$dir/bin/fuzz_$target"
  [ -x "$exe" ] || { echo "fuzz.sh: no target $target" >&2; exit 2; }
  work="$dir/corpus/$target"
  findings="$dir/findings/$target"
  log="$dir/logs/$target.log"
  mkdir -p "$work" "$findings" "$(dirname "$log")"
  options=(-max_total_time="$seconds" -max_len="$(max_len "$target")" -timeout=60 -rss_limit_mb=4096
           -print_final_stats=1 -artifact_prefix="$findings/")
  [ -f "$root/fuzz/dict/$target.dict" ] && options+=(-dict="$root/fuzz/dict/$target.dict")
  # shellcheck disable=SC2206 # options are words
  options+=(${QM_FUZZ_OPTIONS:-})
  status=0
  "$exe" "${options[@]}" "$work" "$root/fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1 || true)
  cov=$(echo "$coverage" | awk '{print $2}')
  ft=$(echo "$coverage" | awk '{print $4}')
  if [ $status -eq 0 ]; then
    result=ok
  elif [ $status -eq 72 ]; then # libFuzzer's exit code after an interrupt
    printf '%-14s %12s %8s %8s  %s\n' "$target" "${executions:-?}" "${cov:-?}" "${ft:-?}" "interrupted"
    exit 130
  else
    saved=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -1)
    result="CRASH (exit $status) input: ${saved:-none saved}, log: $log"
    failed+=("$target")
  fi
  printf '%-14s %12s %8s %8s  %s\n' "$target" "${executions:-?}" "${cov:-?}" "${ft:-?}" "$result"
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz.sh: crashes in ${failed[*]}" >&2
  exit 1
fi
