#!/usr/bin/env bash
# Installs what is missing, builds the client and lantuo-server, starts the server (own service
# and simulated market) on a free loopback port, points the client at it through sites.ini and
# launches the client. The demo's own settings watch every stock of the simulated market with all
# alerts on, so the popups appear during the market's busy spell around 10:30. Without a display
# the client runs under xvfb-run: once its main window is up a screenshot is saved, its path
# printed, and the client is stopped again.
#
#   LANTUO_BUILD_DIR=build-x   build folder (default: build)
#   LANTUO_DEMO_AT="2026-12-10 10:30:00"
#                              run the market and the client at that moment (the server with
#                              --at, the client under faketime) instead of the real clock
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

root=$(pwd)
build_dir=${LANTUO_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)" --target lantuo lantuo-server lantuo-cli
client_bin="$root/$build_dir/src/lantuo"
server_bin="$root/$build_dir/server/lantuo-server"
cli_bin="$root/$build_dir/src/lantuo-cli"

run_dir=$(mktemp -d /tmp/lantuo-demo.XXXXXX)
export XDG_CONFIG_HOME="$run_dir/config" XDG_DATA_HOME="$run_dir/data"
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---no-sandbox}"
mkdir -p "$XDG_CONFIG_HOME/lantuo" "$XDG_DATA_HOME"

server_args=(--market --port 0 --data "$run_dir/server")
client_cmd=("$client_bin")
if [ -n "${LANTUO_DEMO_AT:-}" ]; then
  server_args+=(--at "$LANTUO_DEMO_AT")
  client_cmd=(faketime "$LANTUO_DEMO_AT" "$client_bin")
fi

server_pid=""
stop_server() { [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null; true; }
trap stop_server EXIT

"$server_bin" "${server_args[@]}" > "$run_dir/server.log" 2>&1 &
server_pid=$!
base=""
for _ in $(seq 100); do
  base=$(grep -o 'listening on http://127\.0\.0\.1:[0-9]*' "$run_dir/server.log" 2>/dev/null | sed 's/listening on //' || true)
  [ -n "$base" ] && break
  kill -0 "$server_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$base" ]; then
  echo "lantuo-server did not start:" >&2
  cat "$run_dir/server.log" >&2
  exit 1
fi
printf '[sites]\nall=%s\n' "$base" > "$XDG_CONFIG_HOME/lantuo/sites.ini"
echo "lantuo-server on $base (log: $run_dir/server.log)"

# Every stock watched, every alert on, alerts shown on this computer.
"$server_bin" --list-stocks | while read -r code _; do
  "$cli_bin" watch add "$code" > /dev/null
  "$cli_bin" watch set "$code" --flags 1111 > /dev/null
done
"$cli_bin" switches --local 1 > /dev/null
echo "watching $("$server_bin" --list-stocks | wc -l) stocks with every alert on"

if [ -n "${DISPLAY:-}" ]; then
  "${client_cmd[@]}"
  exit 0
fi

shot="$run_dir/lantuo-main-window.png"
# xwininfo prints window names in the locale's charset; in the C locale the Chinese caption
# would not come through. The splash carries the same title, so the main window is told by
# its size.
export LC_ALL=C.UTF-8 LANG=C.UTF-8
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  run_dir=$1 shot=$2; shift 2
  "$@" > "$run_dir/client.log" 2>&1 &
  client=$!
  up=""
  for _ in $(seq 120); do
    if xwininfo -root -tree 2>/dev/null | grep -q "岚拓股票情报系统V3.3\": (\"lantuo\" \"lantuo\")  931x628"; then
      up=1; break
    fi
    kill -0 $client 2>/dev/null || break
    sleep 0.5
  done
  [ -n "$up" ] || echo "the main window did not come up (client log: $run_dir/client.log)" >&2
  # The stock page, the notice and the first quote ticks arrive within a few seconds, the
  # first alert tick five seconds after the start.
  sleep 12
  import -window root "$shot"
  kill $client 2>/dev/null; wait $client 2>/dev/null || true
' _ "$run_dir" "$shot" "${client_cmd[@]}"
echo "main window screenshot: $shot"
