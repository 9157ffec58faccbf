#!/usr/bin/env bash
# Cold start of the program until the user window is shown, on the offscreen platform:
# median wall time over N runs and the peak resident memory of one start.
#   bench/coldstart.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?build folder}
runs=${2:-15}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
"$build/tools/mirtal-makedb" "$folder/Mirtal.mdb"
export QT_QPA_PLATFORM=offscreen
probe="$build/bench/mirtal_startup"
"$probe" "$folder" 2>/dev/null  # warm the file cache once, as a second start would be
times=()
# Bash's own clock: a `date` process on either side would add its own start to each run.
for _ in $(seq "$runs"); do
  start=${EPOCHREALTIME/./}
  "$probe" "$folder" 2>/dev/null
  end=${EPOCHREALTIME/./}
  times+=($(( end - start )))
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
peak=$(/usr/bin/time -f '%M' "$probe" "$folder" 2>&1 >/dev/null | tail -1)
echo "runs: $runs  median: $((median / 1000)).$(printf '%03d' $((median % 1000))) ms  peak RSS: ${peak} KiB"
