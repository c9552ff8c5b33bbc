#!/usr/bin/env bash
# Builds Korvex twice (a normal build and one with the address and
# undefined-behaviour sanitizers) and runs every test in both.
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
  (cd "$dir" && ctest --output-on-failure -j "$jobs")
}

echo "== normal build =="
run_build "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== sanitizer build =="
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
run_build "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DKORVEX_SANITIZE=ON
"$root/scripts/test-windows.sh"
