#!/usr/bin/env bash
# Collects every text the program shows (_("...") in the sources) and
# refreshes the English catalogue resource/en.po, whose translations are the
# texts themselves.
set -euo pipefail
cd "$(dirname "$0")/.."
pot=$(mktemp)
trap 'rm -f "$pot"' EXIT
folders=()
for d in core widgets tray windows profile_dialogs archive deploy dnssd mesh app; do
  [ -d "$d" ] && folders+=("$d")
done
find "${folders[@]}" -name '*.cpp' | sort |
  xgettext --from-code=UTF-8 --language=C++ --keyword=_ --keyword=wxTRANSLATE \
    --package-name=Tidewave --no-location --sort-output -o "$pot" -f -
msgen "$pot" | sed -e 's/charset=CHARSET/charset=UTF-8/' -e '/^#, fuzzy$/d' -e 's/^"Language: \\n"$/"Language: en\\n"/' >resource/en.po
echo "resource/en.po: $(grep -c '^msgid "' resource/en.po) entries"
