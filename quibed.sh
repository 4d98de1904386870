#!/usr/bin/env bash
# Sets up, builds and runs Quibed on Debian.
#   bash quibed.sh run    install what is missing, build, write the demo ROM as
#                         quibrom.nes here if there is none, open the editor
#   bash quibed.sh test   install what is missing, build, run every test headless
#   bash quibed.sh build  install what is missing and build
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$here/build"
what="${1:-}"
case "$what" in
run | test | build) ;;
*)
    echo "usage: bash quibed.sh run|test|build" >&2
    exit 2
    ;;
esac

packages=(cmake make g++ qt6-base-dev qt6-qpa-plugins fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"

case "$what" in
run)
    "$build/mkdemorom" --keep quibrom.nes
    exec "$build/quibed"
    ;;
test)
    cd "$build"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600
    ;;
esac
