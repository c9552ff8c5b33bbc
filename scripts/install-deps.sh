#!/usr/bin/env bash
# Installs what building and testing Korvex needs on Debian, when missing.
# Programs are looked for on PATH (node may come from outside Debian's
# packages), libraries by their Debian package.
set -euo pipefail
missing=()
need_program() { command -v "$1" >/dev/null 2>&1 || missing+=("$2"); }
need_package() { dpkg -s "$1" >/dev/null 2>&1 || missing+=("$1"); }

need_program g++ g++
need_program cmake cmake
need_program ninja ninja-build
need_program node nodejs
need_package libsqlite3-dev
need_package libgtest-dev
if [ "${1:-}" = "--browser" ]; then
  need_program chromium chromium
  need_program npm npm
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
