#!/usr/bin/env bash
# Fails every write into a file, flush to disk, link and rename that --import, --export,
# --export-list, --add-list and --generate make on a full list, one call per run (an
# LD_PRELOAD shim, failio.c). Each run must either succeed with every file complete or exit
# non-zero naming the reason, with every file whole (the old bytes or the new ones), the one
# it failed on old, and nothing left beside them. A run that succeeds after a failed flush of
# written bytes is a failure too. Then commands that are refused must make none of those calls.
# Prints one summary line; exits non-zero on any failure.
# Usage: tests/faults/run.sh PATH/TO/tickvane
set -euo pipefail
program="$(realpath "$1")"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cc -std=gnu11 -O1 -Wall -Wextra -Werror -shared -fPIC -o "$work/failio.so" "$here/failio.c" -ldl

# A registry script of TYPES types of 10 stocks each whose descriptions start with WORD.
script() {
  local types=$1 word=$2 key='[HKEY_CURRENT_USER\Software\VB and VBA Program Settings\Tickvane'
  printf '%s\r\n' REGEDIT4 "" "$key]" "" "$key\\General]" "\"HtmlDir\"=\"$work/pages/\"" "" \
    "$key\\StockList]" "\"Maxtypes\"=\"$((types - 1))\"" "\"Maxstocks\"=\"$((types * 10 - 1))\""
  for ((t = 0; t < types; t++)); do
    printf '"Type%d"="Group %d"\r\n"Lowstock%d"="%d"\r\n"Histock%d"="%d"\r\n' \
      $t $t $t $((t * 10)) $t $((t * 10 + 9))
  done
  for ((i = 0; i < types * 10; i++)); do
    printf '"Stock%d"="S%d"\r\n"Description%d"="%s %d <Common>"\r\n"URL%d"="https://c%d.example/?a&b"\r\n' \
      $i $i $i "$word" $i $i $i
    printf '"Alt_BC%d"="B%d"\r\n"Alt_SM%d"="I:M%d"\r\n"Alt_SP%d"="$P%d"\r\n"Alt_YH%d"="^Y%d"\r\n' \
      $i $i $i $i $i $i $i $i
  done
}
tickvane() { "$program" --settings "$work/run/store.ini" "$@"; }

# The new files (from the full list) and the old ones (a shorter list), made without faults.
script 100 Company >"$work/new.reg"
script 10 Former >"$work/old.reg"
for state in old new; do
  mkdir -p "$work/run" "$work/$state/pages"
  tickvane --import "$work/$state.reg"
  tickvane --generate >/dev/null
  tickvane --export "$work/run/out.reg"
  tickvane --export-list "$work/run/out.csv"
  mv "$work/run/store.ini" "$work/run/out.reg" "$work/run/out.csv" "$work/$state/"
  mv "$work/pages/"* "$work/$state/pages/"
done
# The old store with the full list added to it, as --add-list leaves it.
mkdir -p "$work/added"
cp "$work/old/store.ini" "$work/run/"
tickvane --add-list "$work/new/out.csv" >/dev/null 2>&1
mv "$work/run/store.ini" "$work/added/"

# The old files in place; the store is the old one only for the import.
setup() {
  rm -f "$work/run/"* "$work/pages/"*
  cp "$work/old/pages/"* "$work/pages/"
  cp "$work/old/out.reg" "$work/old/out.csv" "$work/run/"
  cp "$work/$(case $1 in import | add-list) echo old ;; *) echo new ;; esac)/store.ini" "$work/run/"
}
# Names what is wrong after command $1 exited with $2 and printed $3 on standard error.
check() {
  local file name
  for file in run/store.ini run/out.reg run/out.csv $(cd "$work/new" && echo pages/*); do
    name=${file#run/}
    cmp -s "$work/$file" "$work/old/$name" || cmp -s "$work/$file" "$work/new/$name" ||
      cmp -s "$work/$file" "$work/added/$name" || echo "$file is torn"
  done
  [ "$(ls -A "$work/run" "$work/pages" | grep -cvE '^(store\.ini|out\.(reg|csv)|[a-z.]+\.html|/.*:|)$')" = 0 ] ||
    echo "files left behind: $(ls -A "$work/run" "$work/pages" | tr '\n' ' ')"
  if [ "$2" != 0 ]; then
    grep -q 'Input/output error' <<<"$3" || echo "no reason given: $3"
    return
  fi
  case $1 in
    import) cmp -s "$work/run/store.ini" "$work/new/store.ini" || echo "the store is not new" ;;
    export) cmp -s "$work/run/out.reg" "$work/new/out.reg" || echo "the export is not new" ;;
    export-list) cmp -s "$work/run/out.csv" "$work/new/out.csv" || echo "the list is not new" ;;
    add-list) cmp -s "$work/run/store.ini" "$work/added/store.ini" || echo "the list was not added" ;;
    generate) diff -rq "$work/pages" "$work/new/pages" >/dev/null || echo "pages are not new" ;;
  esac
  [ "$(cut -d' ' -f2 "$work/count")" = 0 ] || echo "success after a failed flush"
}

runs=0
bad=0
for command in import export export-list add-list generate; do
  case $command in
    import) arguments=(--import "$work/new.reg") ;;
    export) arguments=(--export "$work/run/out.reg") ;;
    export-list) arguments=(--export-list "$work/run/out.csv") ;;
    add-list) arguments=(--add-list "$work/new/out.csv") ;;
    generate) arguments=(--generate) ;;
  esac
  for call in write fsync fdatasync link rename; do
    setup $command
    FAIL_CALL=$call FAIL_COUNT="$work/count" LD_PRELOAD="$work/failio.so" \
      tickvane "${arguments[@]}" >/dev/null 2>&1
    made=$(cut -d' ' -f1 "$work/count")
    for ((at = 1; at <= made; at++)); do
      setup $command
      status=0
      err=$(FAIL_CALL=$call FAIL_AT=$at FAIL_COUNT="$work/count" LD_PRELOAD="$work/failio.so" \
        tickvane "${arguments[@]}" 2>&1 >/dev/null) || status=$?
      runs=$((runs + 1))
      problems=$(check $command $status "$err")
      if [ -n "$problems" ]; then
        bad=$((bad + 1))
        echo "--$command, $call $at failed (exit status $status): $problems" >&2
      fi
    done
  done
done
# What is refused (an export onto the store, a list that is no file) makes no write, rename or
# link at all, never waits, and leaves the store as it was.
mkfifo "$work/fifo"
ln -s run/store.ini "$work/link.ini"
for refused in "--export run/store.ini" "--export-list link.ini" "--add-list fifo" "--add-list pages"; do
  read -r option target <<<"$refused"
  for call in write rename link; do
    setup export
    rm -f "$work/count"
    status=0
    FAIL_CALL=$call FAIL_COUNT="$work/count" LD_PRELOAD="$work/failio.so" timeout 10 \
      "$program" --settings "$work/run/store.ini" "$option" "$work/$target" >/dev/null 2>&1 || status=$?
    runs=$((runs + 1))
    made=$(cut -d' ' -f1 "$work/count" 2>/dev/null || echo "no count")
    if [ "$status" = 0 ] || [ "$made" != 0 ] || ! cmp -s "$work/run/store.ini" "$work/new/store.ini"; then
      bad=$((bad + 1))
      echo "$option $target was not refused cleanly: exit status $status, $call calls: $made" >&2
    fi
  done
done
[ "$runs" -gt 0 ] || { echo "fault injection: FAILED, no call was made" >&2; exit 1; }
if [ "$bad" -gt 0 ]; then
  echo "fault injection: FAILED, $bad of $runs runs" >&2
  exit 1
fi
echo "fault injection: passed, $runs runs"
