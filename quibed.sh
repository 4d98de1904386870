#!/usr/bin/env bash
# Sets up, builds and runs Quibed on Debian.
#   bash quibed.sh run    install what is missing, build the editor, write the
#                         demo ROM as quibrom.nes here if there is none, open it
#   bash quibed.sh test   install what is missing, build everything, run every
#                         test headless
#   bash quibed.sh build  install what is missing and build everything
#   bash quibed.sh install [PREFIX]
#                         build the editor, the renderer and the demo ROM
#                         writer in the same build folder as run (nothing is
#                         built twice) and install them under PREFIX
#                         (/usr/local when not given)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$here/build"
what="${1:-}"
case "$what" in
run | test | build) ;;
install) prefix="${2:-/usr/local}" ;;
*)
    echo "usage: bash quibed.sh run|test|build|install [PREFIX]" >&2
    exit 2
    ;;
esac

packages=(cmake make g++ qt6-base-dev qt6-qpa-plugins fonts-dejavu-core zlib1g-dev)
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

# The build's own chatter (a line per target even when nothing is to be done)
# is dropped; what is compiled and linked, warnings and errors are shown.
quietly() {
    local line shown=0
    while IFS= read -r line; do
        case "$line" in
        *"Built target "* | *"Automatic MOC for target "* | *"Automatic RCC for target "* | \
            *"Scanning dependencies of target "* | *"Consolidate compiler generated dependencies"*) continue ;;
        *"Building CXX object "*) line="${line%%Building*}compiling ${line##*.dir/}" && line="${line%.o}" ;;
        *"Linking CXX "*) line="${line%%Linking*}linking ${line##* }" ;;
        esac
        printf '%s\n' "$line"
        shown=1
    done
    ((shown)) || echo "The build is up to date."
}

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=()
[ "$what" = run ] && targets=(--target quibed mkdemorom) # the tests wait for `test`
[ "$what" = install ] && targets=(--target quibed quibrender mkdemorom)
[ -f "$build/quibed" ] || echo "Building; the first time takes a few minutes."
cmake --build "$build" -j"$(nproc)" "${targets[@]}" 2>&1 | quietly

case "$what" in
run)
    "$build/mkdemorom" --keep quibrom.nes
    exec "$build/quibed"
    ;;
test)
    cd "$build"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600
    ;;
install)
    sudo=()
    mkdir -p "$prefix" 2>/dev/null || true
    [ -w "$prefix" ] || [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" cmake --install "$build" --prefix "$prefix" --strip
    ;;
esac
