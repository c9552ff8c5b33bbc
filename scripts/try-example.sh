#!/usr/bin/env bash
# Converts examples/hello.pb (or another example) into a web page, starting
# from a bare Debian machine: installs what is missing, builds, makes a
# settings folder of its own under build/ with the profile "Example" (the
# user's real settings are never touched), runs the converter without
# asking anything and says where the page is.
#   scripts/try-example.sh            build in build/
#   scripts/try-example.sh sketchpad  examples/sketchpad.pb, a desktop program
#   BUILD_DIR=/tmp/kb scripts/try-example.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
case "$build" in /*) ;; *) build="$root/$build" ;; esac
example=${1:-hello}
if [ ! -f "$root/examples/$example.pb" ]; then
  echo "No example $root/examples/$example.pb" >&2
  exit 1
fi

# The example needs the compiler, CMake, Ninja, SQLite and GoogleTest (the
# build configures its tests too); a package of the full list that cannot be
# installed (such as npm) does not stop it.
if ! "$root/scripts/install-deps.sh"; then
  for tool in g++ cmake ninja; do
    command -v "$tool" >/dev/null || { echo "Missing: $tool" >&2; exit 1; }
  done
  for package in libsqlite3-dev libgtest-dev; do
    dpkg -s "$package" >/dev/null 2>&1 || { echo "Missing: $package" >&2; exit 1; }
  done
  echo "Going on: the example has what it needs." >&2
fi

echo "== building into $build =="
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j "$(nproc)" --target Korvex setup_picker setup_editor pbcompiler \
  framework_db dist_system

# A settings folder of the example's own: every tool and the converter find
# Korvex.ini below $XDG_CONFIG_HOME, which must be an absolute path.
export XDG_CONFIG_HOME="$build/example-settings"
site="$build/example-site"
mkdir -p "$XDG_CONFIG_HOME" "$site"

# jQuery beside the page, so that it works without the public content
# network: the copy the browser tests use, or one fetched from npm. Without
# either the profile keeps the default tags, which need the network.
jquery_tag=""
no_ui_tag="<!-- jQuery UI is not used -->"
jquery="$root/tests/browser/node_modules/jquery/dist/jquery.js"
if [ ! -f "$jquery" ] && command -v npm >/dev/null; then
  npm install --silent --no-save --no-package-lock --prefix "$build/jquery" jquery@1.11.3 >/dev/null 2>&1 || true
  jquery="$build/jquery/node_modules/jquery/dist/jquery.js"
fi
if [ -f "$jquery" ]; then
  cp "$jquery" "$site/jquery.js"
  jquery_tag='<script src="jquery.js" type="text/javascript"></script>'
fi

# The profile "Example", written by the profile editor from piped answers:
# serverpath, address, the application name (the example's), no CGI, then
# the three page tags (an empty answer keeps the default).
printf '%s\n' "$site/" "" "$example" "" "" "${jquery_tag:+$no_ui_tag}" "$jquery_tag" \
  "${jquery_tag:+$no_ui_tag}" | "$build/dist/SetupEditor.exe" Example >/dev/null

# The PureBasic IDE's variables: only the compiler, here the stand-in.
export PB_TOOL_Compiler="$build/tools/pbcompiler/pbcompiler"
unset PB_TOOL_Word PB_TOOL_Scintilla PB_TOOL_Debugger

echo "== converting examples/$example.pb =="
rm -f "$site/$example.js"
"$build/dist/Korvex" "$root/examples/$example.pb" </dev/null

if [ ! -f "$site/$example.js" ]; then
  echo "The conversion did not finish: see the messages above." >&2
  exit 1
fi
echo
echo "The page:        $site/index.html"
echo "In a browser:    file://$site/index.html"
echo "Its script:      $site/$example.js"
echo "Settings used:   $XDG_CONFIG_HOME/vantorotools/Korvex/Korvex.ini"
