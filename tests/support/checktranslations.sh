#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# checktranslations.sh SOURCE_FOLDER LUPDATE: every catalogue in translations/ is complete, with no
# unfinished, vanished or obsolete entry, and lupdate run on the code changes none of them: no text
# of the code is missing from a catalogue.
set -eu
root=$1
lupdate=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for catalogue in "$root"/translations/*.ts; do
    if grep -n -E 'type="(unfinished|vanished|obsolete)"' "$catalogue"; then
        echo "$catalogue has entries that are not finished" >&2
        status=1
    fi
    cp "$catalogue" "$work/"
done
find "$root/src" -name '*.cpp' -o -name '*.h' | sort > "$work/sources"
"$lupdate" -silent -locations none -no-obsolete @"$work/sources" -ts "$work"/*.ts
for catalogue in "$root"/translations/*.ts; do
    if ! cmp -s "$catalogue" "$work/$(basename "$catalogue")"; then
        diff -u "$catalogue" "$work/$(basename "$catalogue")" | head -n 40 >&2
        echo "$catalogue lacks texts of the code: run cmake --build build --target update_translations" >&2
        status=1
    fi
done
exit $status
