#!/usr/bin/env bash
# Installs what building and testing Korvex needs on Debian, when missing.
set -euo pipefail
packages=(g++ cmake ninja-build libsqlite3-dev sqlite3 libgtest-dev googletest nodejs npm)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
