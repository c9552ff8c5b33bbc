#!/usr/bin/env bash
# Builds Korvex three times and runs every test in each: a normal build, one
# with the address and undefined-behaviour sanitizers, and the Windows build
# (cross-compiled, its tests under Wine).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh" --browser
# The browser tests' npm packages (playwright-core, jQuery), as locked.
(cd "$root/tests/browser" && npm ci --no-audit --no-fund)
jobs=$(nproc)

run_build() {
  local dir=$1; shift
  cmake -S "$root" -B "$dir" -G Ninja -DKORVEX_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  # A hung test fails after five minutes instead of holding the run.
  (cd "$dir" && ctest --output-on-failure -j "$jobs" --timeout 300)
}

echo "== normal build =="
run_build "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== sanitizer build =="
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
run_build "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DKORVEX_SANITIZE=ON
"$root/scripts/test-windows.sh"
