#!/usr/bin/env bash
# Installs the Debian packages Quirewell builds and tests with, when missing.
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config qt6-base-dev libzip-dev libgtest-dev libgmock-dev
          libbenchmark-dev libutf8proc-dev xvfb xauth fonts-liberation fonts-dejavu-core
          fonts-wqy-zenhei openssl poppler-utils "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=""
    [[ $(id -u) -ne 0 ]] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi
