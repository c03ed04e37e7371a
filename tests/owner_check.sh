#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# A contributor who is not root keeps a checkout of their own: a user of the
# check's own, with sudo, runs scripts/debian13 on a fresh clone of this
# checkout, which enters Debian 13 as root, and no path in the clone may be
# root's after it. Makes and removes that user, so it is run by scripts/test
# debian13, not by ctest (root, or sudo).
#   tests/owner_check.sh
set -euo pipefail
cd "$(dirname "$0")/.."
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
user=tempotik-owner-check
grant=/etc/sudoers.d/$user
scratch=$(mktemp -d)
trap '"${sudo[@]}" userdel "$user" 2>/dev/null; "${sudo[@]}" rm -rf "$scratch" "$grant"' EXIT
# The Debian 13 that this user's scripts/debian13 enters is the caller's.
cache=${TEMPOTIK_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tempotik}

"${sudo[@]}" userdel "$user" 2>/dev/null || true
"${sudo[@]}" useradd --no-create-home --home-dir "$scratch" "$user"
echo "$user ALL=(ALL) NOPASSWD: ALL" | "${sudo[@]}" tee "$grant" >/dev/null
git clone -q . "$scratch/checkout"
"${sudo[@]}" chown -R "$user:" "$scratch"
sudo -u "$user" env -C "$scratch/checkout" TEMPOTIK_CACHE="$cache" scripts/debian13 true
left=$("${sudo[@]}" find "$scratch/checkout" -uid 0)
[ -z "$left" ] || { echo "FAILED: scripts/debian13 left these to root:" && echo "$left" && exit 1; }
echo "ok: scripts/debian13 through sudo left the checkout its owner's"
