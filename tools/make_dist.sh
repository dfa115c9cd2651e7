#!/usr/bin/env bash
# The release package: build/dist/Vistrel-<version>-win64.zip with the two programs, the hook
# library, the help pages, the English language library (lang\en\Lang.dll) and the Japanese
# guide (Shift-JIS, CR LF), in one folder of that name.
set -euo pipefail
cd "$(dirname "$0")/.."
version=$(sed -n 's/^#define VISTREL_VERSION_TEXT "\(.*\)"$/\1/p' resources/version.rh)
[ -n "$version" ] || { echo "no version in resources/version.rh" >&2; exit 1; }
name="Vistrel-$version-win64"
out=build/dist
stage="$out/$name"
rm -rf "$stage" "$out/$name.zip"
mkdir -p "$stage/help" "$stage/lang/en"
for f in Vistrel.exe Nappo.exe Nappo.dll; do cp "build/win/$f" "$stage/"; done
cp docs/help/* "$stage/help/"
cp build/win/lang/en/Lang.dll "$stage/lang/en/"
guide="お読みください.txt"
iconv -f UTF-8 -t CP932 "docs/dist/$guide" | sed 's/$/\r/' >"$stage/$guide"
(cd "$out" && TZ=UTC zip -X -q -r "$name.zip" "$name")
echo "$out/$name.zip"
