#!/usr/bin/env bash
# The program's start to the user window side by side with its floor: a bare Qt Widgets
# window (one label, one text field) and that window plus the key derivation, all built
# alike and timed to the first exposure on the offscreen platform. The program is timed twice:
# as the start probe (the start alone) and as the real binary with --quit-when-shown, copied
# beside the database as an installed program stands, whose command line comes first. With a
# second build folder (another checkout's Release bench build), its program is timed in the
# same rounds.
# Every round runs each program once, in turn, so that a busy machine slows them alike;
# prints the minimum and the median wall time of each, in milliseconds.
#   bench/startfloor.sh BUILD_DIR [RUNS] [OTHER_BUILD_DIR]
set -euo pipefail
build=${1:?build folder}
runs=${2:-30}
other=${3:-}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
"$build/tools/mirtal-makedb" "$folder/Mirtal.mdb"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$folder/runtime"
mkdir -m 700 "$folder/runtime"

cp "$build/src/mirtal" "$folder/mirtal"

names=(program mirtal bare bare+key)
commands=("$build/bench/mirtal_startup $folder" "$folder/mirtal --quit-when-shown"
  "$build/bench/mirtal_bare_start" "$build/bench/mirtal_bare_keyed_start $folder")
if [ -n "$other" ]; then
  names+=(other-program)
  commands+=("$other/bench/mirtal_startup $folder")
fi

declare -A samples
for i in "${!commands[@]}"; do
  ${commands[$i]} >/dev/null 2>&1  # warm the file cache once, as a second start would be
done
for _ in $(seq "$runs"); do
  for i in "${!commands[@]}"; do
    # Bash's own clock: a `date` process on either side would add its own start to each run.
    start=${EPOCHREALTIME/./}
    ${commands[$i]} >/dev/null 2>&1
    end=${EPOCHREALTIME/./}
    samples[$i]+="$((end - start)) "
  done
done
printf '%-14s %9s %9s   (%s runs each, ms)\n' start min median "$runs"
for i in "${!commands[@]}"; do
  # shellcheck disable=SC2086
  printf '%s\n' ${samples[$i]} | sort -n | awk -v name="${names[$i]}" \
    '{a[NR]=$1} END {printf "%-14s %9.1f %9.1f\n", name, a[1]/1000, a[int((NR+1)/2)]/1000}'
done
