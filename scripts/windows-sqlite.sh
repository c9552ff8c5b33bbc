#!/usr/bin/env bash
# SQLite for the Windows build: Debian has no MinGW package of it, so the
# amalgamation is made from Debian's own source package (the same version as
# the Linux library) and compiled once with the MinGW-w64 compiler into a
# static library. The source list for it lives in a private apt folder: the
# machine's apt configuration is left as it is.
#   scripts/windows-sqlite.sh CACHE_DIR
# leaves CACHE_DIR/sqlite3.h and CACHE_DIR/libsqlite3.a (kept between runs).
set -euo pipefail
cache=${1:?usage: windows-sqlite.sh CACHE_DIR}
mkdir -p "$cache"
cache=$(cd "$cache" && pwd)
[ -f "$cache/libsqlite3.a" ] && [ -f "$cache/sqlite3.h" ] && exit 0

cc=x86_64-w64-mingw32-gcc-posix
ar=x86_64-w64-mingw32-ar
work="$cache/work"
rm -rf "$work"
mkdir -p "$work/lists/partial" "$work/apt-cache/archives/partial" "$work/parts" "$work/src"

# The machine's binary sources, as source entries.
sources="$work/sources.list"
: > "$sources"
for f in /etc/apt/sources.list.d/*.sources; do
  [ -f "$f" ] && sed 's/^Types:.*/Types: deb-src/' "$f" > "$work/parts/$(basename "$f")"
done
if [ -f /etc/apt/sources.list ]; then
  grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' > "$sources" || true
fi
apt_opts=(-o "Dir::Etc::SourceList=$sources" -o "Dir::Etc::SourceParts=$work/parts"
          -o "Dir::State::Lists=$work/lists" -o "Dir::Cache=$work/apt-cache"
          -o "Debug::NoLocking=1")
echo "== SQLite source package =="
apt-get "${apt_opts[@]}" update -qq

# The same version as the installed Linux library, when the lists still
# have it; otherwise the current one.
version=$(dpkg-query -W -f='${source:Version}' libsqlite3-0 2>/dev/null || true)
cd "$work/src"
if [ -z "$version" ] || ! apt-get "${apt_opts[@]}" source -qq "sqlite3=$version"; then
  apt-get "${apt_opts[@]}" source -qq sqlite3
fi
tree=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d -name 'sqlite3-*' | head -n 1)

echo "== SQLite amalgamation =="
cd "$tree"
./configure --disable-tcl >/dev/null
make sqlite3.c sqlite3.h >/dev/null

echo "== SQLite for Windows (MinGW-w64) =="
"$cc" -O2 -DSQLITE_THREADSAFE=1 -DSQLITE_OMIT_LOAD_EXTENSION -c sqlite3.c -o "$work/sqlite3.o"
"$ar" rcs "$cache/libsqlite3.a.part" "$work/sqlite3.o"
cp sqlite3.h "$cache/sqlite3.h"
mv "$cache/libsqlite3.a.part" "$cache/libsqlite3.a"
grep -m1 '#define SQLITE_VERSION ' "$cache/sqlite3.h"
rm -rf "$work"
