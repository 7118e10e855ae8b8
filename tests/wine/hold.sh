#!/bin/sh
# Starts the holder of the Wine session that the scenarios share, detached from
# the test runner's output, and waits until it runs. Without it every scenario
# would start and stop a Wine server, desktop and services of its own.
#   hold.sh EMULATOR DRIVER RUNS_DIR
# Always succeeds: without the holder the scenarios only run slower.
emulator=$1 driver=$2 runs=$3
mkdir -p "$runs"
rm -f "$runs/holder.ready"
setsid "$emulator" "$driver" hold "$runs" >/dev/null 2>&1 </dev/null &
i=0
while [ ! -f "$runs/holder.ready" ] && [ "$i" -lt 300 ]; do
    sleep 0.1
    i=$((i + 1))
done
exit 0
