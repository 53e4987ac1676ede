#!/usr/bin/env bash
# Runs every fuzz target for a bounded time: fuzz/run.sh BUILD_DIR SECONDS
#
# BUILD_DIR is a build of the fuzz preset (e.g. build/fuzz). Each target starts from a copy of
# its seed corpus in BUILD_DIR/fuzz-corpus/NAME, which keeps what earlier runs found; the seeds
# in the source tree are only read. A crashing, failing or hanging input is written to
# BUILD_DIR/fuzz-findings/NAME/ and makes the script exit non-zero, after all targets have run.
set -uo pipefail

if [ $# -ne 2 ] || ! [[ $2 =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 BUILD_DIR SECONDS" >&2
  exit 2
fi
build=$(cd "$1" && pwd) || exit 2
seconds=$2
seeds=$(cd "$(dirname "$0")" && pwd)/corpus

# One input finishes in milliseconds (the friction-loss iteration is bounded); one that takes
# this many seconds is reported as a hang.
timeout=10

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

failed=()
for name in leer_numero calcular; do
  fuzzer=$build/fuzz/${name}_fuzz
  if [ ! -x "$fuzzer" ]; then
    echo "$fuzzer is missing: build the fuzz preset first" >&2
    exit 2
  fi
  corpus=$build/fuzz-corpus/$name
  findings=$build/fuzz-findings/$name
  mkdir -p "$corpus" "$findings"
  cp "$seeds/$name"/* "$corpus"/

  echo "== $name: ${seconds}s"
  if ! "$fuzzer" -max_total_time="$seconds" -timeout="$timeout" -print_final_stats=1 \
      -artifact_prefix="$findings/" "$corpus"; then
    failed+=("$name")
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "Findings in: ${failed[*]} (inputs under $build/fuzz-findings/)" >&2
  exit 1
fi
echo "No findings."
