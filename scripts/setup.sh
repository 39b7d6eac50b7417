#!/usr/bin/env bash
# Sets up a Debian 12 machine for this project, builds it, and then either
# launches the designer ("run") or runs every test ("test").
#
#   bash scripts/setup.sh run     build and launch quillon
#   bash scripts/setup.sh test    build and run all tests
#
# Missing system packages are installed with apt-get (run as root, or with sudo
# available). The build goes to ./build (override with QL_BUILD_DIR).
set -euo pipefail

mode=${1:-}
case "$mode" in
  run|test) ;;
  *) echo "usage: bash scripts/setup.sh run|test" >&2; exit 2 ;;
esac

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QL_BUILD_DIR:-$here/build}

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fontconfig
  poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

werror=OFF
[ "$mode" = test ] && werror=ON
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQL_WERROR=$werror
cmake --build "$build" --parallel "$(nproc)"

if [ "$mode" = test ]; then
  export QT_QPA_PLATFORM=offscreen
  export LC_ALL=C.UTF-8 TZ=UTC
  cd "$build"
  exec ctest --output-on-failure --parallel "$(nproc)" --timeout 300
else
  exec "$build/bin/quillon"
fi
