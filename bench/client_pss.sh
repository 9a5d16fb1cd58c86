#!/usr/bin/env bash
# The memory the client holds at a trading moment: the proportional set size (PSS) summed over
# the client and every helper process it starts (the browser's renderers, GPU and utility
# processes), against lantuo-server --market on loopback at a frozen moment, under Xvfb.
#
#   bench/client_pss.sh [BUILD_DIR] [SECONDS_TO_SETTLE]
#   LANTUO_AT="2026-12-10 10:30:00"   the market moment (default)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
settle=${2:-20}
at=${LANTUO_AT:-2026-12-10 10:30:00}
run=$(mktemp -d /tmp/lantuo-pss.XXXXXX)
trap 'kill $server 2>/dev/null || true; rm -rf "$run"' EXIT
export XDG_CONFIG_HOME=$run/config XDG_DATA_HOME=$run/data
mkdir -p "$XDG_CONFIG_HOME/lantuo" "$XDG_DATA_HOME"

"$build/server/lantuo-server" --market --port 0 --data "$run/server" --at "$at" --frozen \
    > "$run/server.log" 2>&1 &
server=$!
base=""
for _ in $(seq 100); do
  base=$(grep -o 'listening on http://127\.0\.0\.1:[0-9]*' "$run/server.log" | sed 's/listening on //' || true)
  [ -n "$base" ] && break
  sleep 0.1
done
printf '[sites]\nall=%s\n' "$base" > "$XDG_CONFIG_HOME/lantuo/sites.ini"
# The demo's settings: every stock watched with every alert, alerts on this computer.
for code in $("$build/server/lantuo-server" --list-stocks | awk '{print $1}'); do
  "$build/src/lantuo-cli" watch add "$code" > /dev/null
  "$build/src/lantuo-cli" watch set "$code" --flags 1111 > /dev/null
done
"$build/src/lantuo-cli" switches --local 1 > /dev/null

xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  settle=$1; shift
  "$@" > /dev/null 2>&1 &
  client=$!
  sleep "$settle"
  # The client and all its descendants.
  pids="$client"
  frontier="$client"
  while [ -n "$frontier" ]; do
    next=""
    for p in $frontier; do
      for c in $(cat /proc/$p/task/*/children 2>/dev/null); do next="$next $c"; done
    done
    pids="$pids $next"
    frontier=$next
  done
  total=0
  count=0
  for p in $pids; do
    kb=$(awk "/^Pss:/ {print \$2}" /proc/$p/smaps_rollup 2>/dev/null || echo 0)
    total=$((total + ${kb:-0}))
    count=$((count + 1))
  done
  echo "processes: $count  PSS sum: $((total / 1024)) MiB"
  kill $client; wait $client 2>/dev/null || true
' _ "$settle" faketime "$at" "$build/src/lantuo"
