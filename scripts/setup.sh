# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts in this folder: installs what is missing, then configures and builds.
# Sourced, not run. KAVARI_BUILD_DIR, KAVARI_BUILD_TYPE and KAVARI_CMAKE_ARGS tune the build.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${KAVARI_BUILD_DIR:-$root/build}
case $build_dir in /*) ;; *) build_dir=$root/$build_dir ;; esac

# What building, running and testing need on Debian and Ubuntu (gnupg: the release key as a keyring,
# and a key that signs test releases; python3-fusepy and fuse3: a mount that stops answering, for the
# tests; openssl and util-linux's unshare: a release server with a CA of its own, for the tests;
# qt6-tools-dev and qt6-l10n-tools: lupdate and lrelease for the catalogues, qt6-translations-l10n:
# Qt's own, for the tests in other languages; fonts-wqy-microhei and fonts-noto-color-emoji: the
# fallback fonts that Chinese and emoji are drawn in on a desktop, for the tests of the log's heights;
# fonts-freefont-ttf: the log's symbols of control characters, as the package recommends).
kavari_packages=(cmake g++ make qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libarchive-dev gnupg gpgv qt6-qpa-plugins fonts-dejavu-core yt-dlp
    ffmpeg python3 dbus-daemon python3-fusepy fuse3 openssl util-linux fonts-wqy-microhei fonts-noto-color-emoji
    fonts-freefont-ttf)

# install_packages PACKAGE...: installs those that are missing, once; elsewhere says what is needed.
install_packages() {
    if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
        echo "kavari: not a Debian-like system; make sure these (or your system's equivalents) are installed: $*" >&2
        return 0
    fi
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null | grep -qx installed || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "kavari: installing ${missing[*]}" >&2
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# configure_and_build [TARGET...]: everything, or only the targets named.
configure_and_build() {
    # shellcheck disable=SC2086 # KAVARI_CMAKE_ARGS holds several arguments
    cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE="${KAVARI_BUILD_TYPE:-RelWithDebInfo}" ${KAVARI_CMAKE_ARGS:-}
    cmake --build "$build_dir" --parallel "$(nproc)" ${1:+--target "$@"}
}
