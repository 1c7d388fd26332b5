#!/usr/bin/env bash
# Refreshes the translation sources in lang/ from the texts marked for translation in the
# window, widget, storage and device code. Existing translations are kept; texts no longer in
# the code are dropped. Afterwards translate every new entry in the Chinese and German files
# (the English file stays untranslated: it gives the source texts back). The files carry no
# source locations, so work on different modules merges without conflicts.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-/usr/lib/qt5/bin/lupdate}
cd "$root"
dirs=()
for d in app widgets panels storage device; do
    [ -d "$d" ] && dirs+=("$d")
done
for lang in en zh_CN de; do
    "$lupdate" -no-obsolete -locations none -extensions cpp,h -I "$root" "${dirs[@]}" \
        -target-language "$lang" -ts "lang/mousecfg_$lang.ts"
done
