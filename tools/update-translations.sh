#!/usr/bin/env bash
# Brings the translations in translations/ up to date with the texts of the sources: new texts
# are added unfinished for the translators, texts gone from the sources are dropped. No line
# numbers are written, so a change elsewhere in a file leaves the .ts files alone.
# Usage: tools/update-translations.sh
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
for language in de fr; do
  "$lupdate" -locations none -no-obsolete -source-language en -target-language "$language" -I src \
    src -ts "translations/tickvane_$language.ts"
done
