#!/bin/sh
# Installs the Debian 12 packages that building, running and testing need,
# skipping those already installed. Uses sudo when not run as root.
set -eu

PACKAGES="build-essential cmake pkg-config git
qt6-base-dev libgtest-dev libgmock-dev
ffmpeg libavformat-dev libavcodec-dev libavutil-dev libswresample-dev
libopencore-amrnb-dev libmpv-dev libdvdread-dev
fonts-dejavu-core"

missing=""
for p in $PACKAGES; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    case "$status" in
        *"install ok installed"*) ;;
        *) missing="$missing $p" ;;
    esac
done

if [ -z "$missing" ]; then
    echo "install-deps: all packages present"
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
else
    SUDO="sudo"
fi
echo "install-deps: installing$missing"
$SUDO apt-get update
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
