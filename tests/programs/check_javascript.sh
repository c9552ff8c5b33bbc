#!/usr/bin/env bash
# Checks that every expected.js of the golden cases is valid JavaScript.
# A case may opt out with a file "not-javascript" that says why (a refusal
# expects an empty file, which is valid anyway).
set -u
node=$1
root=$2
failed=0
checked=0
for js in "$root"/*/expected.js; do
  dir=$(dirname "$js")
  [ -f "$dir/not-javascript" ] && continue
  tmp=$(mktemp --suffix=.js)
  cp "$js" "$tmp"
  if ! out=$("$node" --check "$tmp" 2>&1); then
    echo "invalid JavaScript: $js"
    echo "$out" | head -5
    failed=$((failed + 1))
  fi
  rm -f "$tmp"
  checked=$((checked + 1))
done
echo "checked $checked expected.js files, $failed invalid"
[ "$failed" -eq 0 ]
