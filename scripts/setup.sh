#!/usr/bin/env bash
# Makes a Debian 12 machine ready to build, run and test QUOLSA. Run as root; a second run only checks.
set -euo pipefail

cache="${QUOLSA_CACHE:-/var/cache/quolsa}"
engine_pkg="@craftlions/pdfium-rs-linux-x64-gnu"
engine_ver="0.0.15"
engine_sha256="246872bdd5e05843b70051e6378216cc584535a1f4a7248b9f88059715d70f7c"
engine_dir="$cache/pdfium/$engine_ver"

say() { printf 'setup: %s\n' "$*"; }
die() { printf 'setup: ERROR: %s\n' "$*" >&2; exit 1; }

packages=(
  build-essential cmake ninja-build pkg-config git ca-certificates
  clang libclang-rt-14-dev
  libwxgtk3.2-dev libcairo2-dev libgtest-dev googletest
  xvfb xauth x11-utils xdotool xclip imagemagick libxtst-dev
  fonts-ipafont-gothic fonts-dejavu-core
  python3
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
command -v npm >/dev/null 2>&1 || missing+=(npm)

if ((${#missing[@]})); then
  [ "$(id -u)" = 0 ] || die "packages missing (${missing[*]}); run this script as root"
  say "installing: ${missing[*]}"
  apt-get update -qq || die "apt-get update failed"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" \
    || die "could not install: ${missing[*]}"
else
  say "all Debian packages present"
fi

# The engine: a pinned build from the npm registry, checked before use. Only libpdfium.so is kept.
so="$engine_dir/libpdfium.so"
if [ -f "$so" ] && echo "$engine_sha256  $so" | sha256sum -c --status; then
  say "engine present: $so"
else
  say "fetching engine $engine_pkg@$engine_ver"
  mkdir -p "$engine_dir"
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' EXIT
  (cd "$tmp" && npm pack --silent "$engine_pkg@$engine_ver" >/dev/null) \
    || die "npm could not fetch $engine_pkg@$engine_ver"
  tar -xzf "$tmp"/*.tgz -C "$tmp" package/libpdfium.so || die "the engine package holds no package/libpdfium.so"
  echo "$engine_sha256  $tmp/package/libpdfium.so" | sha256sum -c --status \
    || die "sha256 of libpdfium.so does not match $engine_sha256"
  install -m 0644 "$tmp/package/libpdfium.so" "$so"
  say "engine installed: $so"
fi
