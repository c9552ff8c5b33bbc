#!/usr/bin/env bash
# The Windows build: cross-built with MinGW-w64 into build/dist-win/
# (Korvex.exe, SetupPicker.exe, SetupEditor.exe, framework.db, system/),
# every test run under Wine, and the release zip build/Korvex-windows-x64.zip.
#   scripts/test-windows.sh
# Set-up that outlives the clone (SQLite and GoogleTest built for Windows,
# the Wine prefix) is kept in $KORVEX_WINDOWS_CACHE, by default
# ~/.cache/korvex-windows.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)
cache=${KORVEX_WINDOWS_CACHE:-$HOME/.cache/korvex-windows}
mkdir -p "$cache"

# The cross compiler, Wine, and what the SQLite amalgamation is made with.
"$root/scripts/install-deps.sh"
missing=()
command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 || missing+=(g++-mingw-w64-x86-64)
command -v wine >/dev/null 2>&1 || missing+=(wine)
dpkg -s wine64 >/dev/null 2>&1 || missing+=(wine64)
command -v tclsh >/dev/null 2>&1 || missing+=(tcl)
command -v dpkg-source >/dev/null 2>&1 || missing+=(dpkg-dev)
[ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

toolchain="$root/cmake/mingw-w64.cmake"

# SQLite for Windows, from Debian's source package.
"$root/scripts/windows-sqlite.sh" "$cache/sqlite"

# GoogleTest for Windows, from Debian's source package.
if [ ! -f "$cache/gtest/lib/cmake/GTest/GTestConfig.cmake" ]; then
  echo "== GoogleTest for Windows =="
  rm -rf "$cache/gtest-build"
  cmake -S /usr/src/googletest -B "$cache/gtest-build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$cache/gtest" >/dev/null
  cmake --build "$cache/gtest-build" -j "$jobs" >/dev/null
  cmake --install "$cache/gtest-build" >/dev/null
  rm -rf "$cache/gtest-build"
fi

# The generators run on this machine: the native build's make_framework_db.
host="$root/build"
if [ ! -f "$host/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEX_WERROR=ON >/dev/null
fi
cmake --build "$host" -j "$jobs" --target make_framework_db

# A Wine prefix of our own: no window needs a display (the null graphics
# driver), and a crashing program ends instead of waiting in the debugger.
export WINEPREFIX="$cache/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/korvex-ready" ]; then
  echo "== Wine prefix =="
  rm -rf "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1
  wineserver -w
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null
  # A debugger that cannot be started: the crash is reported and the
  # program ends with a failing exit code.
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /d 1 /f >/dev/null
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger \
    /d 'no-debugger-here %ld %ld' /f >/dev/null
  wineserver -w
  touch "$WINEPREFIX/korvex-ready"
fi

echo "== Windows build =="
build="$root/build-win"
dist="$root/build/dist-win"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEX_WERROR=ON \
  -DKORVEX_DIST_DIR="$dist" -DKORVEX_HOST_TOOLS_DIR="$host" \
  -DSQLite3_INCLUDE_DIR="$cache/sqlite" -DSQLite3_LIBRARY="$cache/sqlite/libsqlite3.a" \
  -DGTest_DIR="$cache/gtest/lib/cmake/GTest" >/dev/null
cmake --build "$build" -j "$jobs"

echo "== Windows tests under Wine =="
# With a persistent wineserver each test's start is quick; it is ended on
# every way out.
wineserver -p
trap 'wineserver -k || true' EXIT
# Wine's own services start with the first program and would keep that
# program's output pipes open: start them here, apart from ctest's pipes.
wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
# The same holds for the desktop process (explorer.exe /desktop): it starts
# with the first window and ends soon after the last one. A window that
# lives through the whole run (Wine's notepad) keeps it up from here, or
# the first test with a window would hand it ctest's pipe and look hung.
wine notepad.exe </dev/null >/dev/null 2>&1 &
for _ in $(seq 1 100); do
  pgrep -f 'explorer.exe /desktop' >/dev/null && break
  sleep 0.1
done
# A test whose process Wine failed to start (seen once: no output at all,
# 0.01 s) gets a second try; the native builds run every test once.
(cd "$build" && ctest --output-on-failure -j "$jobs" --timeout 120 --repeat until-pass:2)

echo "== release package =="
# The programs without their debug information, beside the rest of dist-win.
zip="$root/build/Korvex-windows-x64.zip"
stage="$root/build/package-win"
rm -rf "$zip" "$stage"
mkdir -p "$stage"
cp -r "$dist/Korvex.exe" "$dist/SetupPicker.exe" "$dist/SetupEditor.exe" "$dist/framework.db" \
  "$dist/system" "$stage/"
x86_64-w64-mingw32-strip "$stage"/*.exe
(cd "$stage" && cmake -E tar cf "$zip" --format=zip Korvex.exe SetupPicker.exe SetupEditor.exe framework.db system)
rm -rf "$stage"
echo "Package: $zip"
