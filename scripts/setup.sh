#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test the server,
# and any further Debian packages named as arguments.
set -euo pipefail
packages=(g++ make cmake qtbase5-dev qtbase5-dev-tools fonts-dejavu-core locales "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# A Russian locale, whose decimal comma the number tests read past.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
fi
