#!/usr/bin/env bash
# Installs what is missing, builds, and launches the client. Without a display the client runs
# under xvfb-run: once its main window is up a screenshot is saved, its path printed, and the
# client is stopped again.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh

root=$(pwd)
run_dir=$(mktemp -d /tmp/lantuo-demo.XXXXXX)
export XDG_CONFIG_HOME="$run_dir/config" XDG_DATA_HOME="$run_dir/data"
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---no-sandbox}"
mkdir -p "$XDG_CONFIG_HOME/lantuo" "$XDG_DATA_HOME"

server_pid=""
stop_server() { [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null; true; }
trap stop_server EXIT

if [ -x build/server/lantuo-server ]; then
  port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
  build/server/lantuo-server --market --port "$port" --data "$run_dir/server" > "$run_dir/server.log" 2>&1 &
  server_pid=$!
  for _ in $(seq 50); do grep -q 'listening' "$run_dir/server.log" 2>/dev/null && break; sleep 0.1; done
  printf '[sites]\nall=http://127.0.0.1:%s\n' "$port" > "$XDG_CONFIG_HOME/lantuo/sites.ini"
  echo "lantuo-server on http://127.0.0.1:$port (log: $run_dir/server.log)"
fi

if [ -n "${DISPLAY:-}" ]; then
  build/src/lantuo
  exit 0
fi

shot="$run_dir/lantuo-main-window.png"
# xwininfo prints window names in the locale's charset; in the C locale the Chinese caption
# would not come through. The splash carries the same title, so the main window is told by
# its size.
export LC_ALL=C.UTF-8 LANG=C.UTF-8
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  "$1"/build/src/lantuo > "$2/client.log" 2>&1 &
  client=$!
  for _ in $(seq 120); do
    xwininfo -root -tree 2>/dev/null | grep -q "岚拓股票情报系统V3.3\": (\"lantuo\" \"lantuo\")  931x628" && break
    sleep 0.5
  done
  sleep 4
  import -window root "$3"
  kill $client 2>/dev/null; wait $client 2>/dev/null || true
' _ "$root" "$run_dir" "$shot"
echo "main window screenshot: $shot"
