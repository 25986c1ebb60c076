#!/usr/bin/env bash
# Set-up for a Debian 12 machine, as root: installs what is missing, builds, and then either
# starts the desktop program ("run") or runs every test ("test"). Safe to run again; quiet when
# everything is already there.
set -euo pipefail
mode=${1:-}
case "$mode" in run|test|build) ;; *) echo "usage: $0 run|test|build" >&2; exit 2 ;; esac

here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build"

packages=(g++ cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  firebird-dev firebird3.0-server-core firebird3.0-utils
  libmariadb-dev
  xvfb xauth fonts-dejavu-core)
if [ "$mode" = test ]; then
  packages+=(firebird3.0-server)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq >/dev/null
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -- -j"$(nproc)" | grep -vE '^\[[0-9]+/[0-9]+\] ' || true
test "${PIPESTATUS[0]}" -eq 0

start_firebird_server() {
  # A Firebird server on loopback for the tests of stations on other computers (host:path).
  if ! (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null; then
    if [ -x /etc/init.d/firebird3.0 ]; then
      /etc/init.d/firebird3.0 start >/dev/null
    else
      /usr/sbin/fbguard -daemon -forever >/dev/null
    fi
    for _ in $(seq 1 50); do
      (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null && break
      sleep 0.2
    done
  fi
}

case "$mode" in
  build) ;;
  test)
    start_firebird_server
    export ZORVA_REQUIRE_FB_SERVER=1
    cd "$build"
    ctest --output-on-failure -j"$(nproc)"
    ;;
  run)
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
      exec "$build/app/zorva"
    else
      echo "No display: starting zorva inside a virtual X server (xvfb-run)."
      exec xvfb-run -a "$build/app/zorva"
    fi
    ;;
esac
