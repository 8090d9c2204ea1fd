#!/usr/bin/env bash
# Makes a Debian 12 machine ready to cross-build QUOLSA for 64-bit Windows and to run the result under
# Wine: the MinGW-w64 toolchain, Wine, and a static wxWidgets for MinGW built from Debian's sources.
# The wx build is kept in the cache and rebuilt only when it is missing or its recipe changed.
# Prints the wx installation prefix on standard output; everything else goes to standard error.
set -euo pipefail

cache="${QUOLSA_CACHE:-/var/cache/quolsa}"
jobs="${QUOLSA_JOBS:-2}"

say() { printf 'windows-setup: %s\n' "$*" >&2; }
die() { printf 'windows-setup: ERROR: %s\n' "$*" >&2; exit 1; }

packages=(
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine wine64 dpkg-dev googletest
  xvfb xauth x11-utils xdotool imagemagick fonts-ipafont-gothic locales
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  [ "$(id -u)" = 0 ] || die "packages missing (${missing[*]}); run this script as root"
  say "installing: ${missing[*]}"
  apt-get update -qq >&2 || die "apt-get update failed"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2 \
    || die "could not install: ${missing[*]}"
fi

# The Windows tests run in a Japanese locale, as the program's users do; Wine takes it from glibc's.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf-\?8'; then
  [ "$(id -u)" = 0 ] || die "the locale ja_JP.UTF-8 is missing; run this script as root"
  say "generating the locale ja_JP.UTF-8"
  localedef -i ja_JP -f UTF-8 ja_JP.UTF-8 >&2 || die "could not generate ja_JP.UTF-8"
fi

# The -posix variant: the default one has no std::thread and std::mutex.
cxx=x86_64-w64-mingw32-g++-posix
cc=x86_64-w64-mingw32-gcc-posix
command -v "$cxx" >/dev/null || die "$cxx not found"

# --- wxWidgets ----------------------------------------------------------------------------------
wx_source_pkg=wxwidgets3.2
wx_version=3.2.2+dfsg-2

# Debian's copy carries no bundled zlib, png, jpeg, expat or tiff. Only what the program uses is
# enabled; the rest stays out, which halves the build time.
wx_configure=(
  --host=x86_64-w64-mingw32 --build=x86_64-linux-gnu --with-msw
  --disable-shared --enable-unicode
  --without-zlib --without-libpng --without-libjpeg --without-expat --without-libtiff
  --without-regex --without-liblzma --without-libcurl --without-opengl --disable-svg
  --disable-all-features --disable-debug_info --disable-tests --without-subdirs
  --enable-exceptions --enable-threads --enable-intl --enable-config --enable-dynlib
  --enable-dynamicloader --enable-file --enable-ffile --enable-filesystem --enable-fontenum
  --enable-fontmap --enable-datetime --enable-log --enable-longlong --enable-geometry
  --enable-stdpaths --enable-stopwatch --enable-streams --enable-textbuf --enable-textfile
  --enable-timer --enable-variant --enable-cmdline --enable-sysoptions --enable-regkey
  --enable-ole --enable-dataobj --enable-clipboard --enable-dnd --enable-uxtheme
  --enable-accel --enable-button --enable-bmpbutton --enable-caret --enable-checkbox
  --enable-checklst --enable-choice --enable-combobox --enable-listbox --enable-listctrl
  --enable-headerctrl --enable-radiobox --enable-radiobtn --enable-scrollbar --enable-spinbtn
  --enable-spinctrl --enable-statbox --enable-statline --enable-stattext --enable-statbmp
  --enable-statusbar --enable-textctrl --enable-togglebtn --enable-gauge --enable-slider
  --enable-tooltips --enable-popupwin --enable-display --enable-imaglist --enable-markup
  --enable-graphics_ctx --enable-image --enable-wxdib --enable-xpm --enable-ico_cur
  --enable-artstd --enable-palette --enable-dccache --enable-dctransform --enable-ownerdrawn
  --enable-menus --enable-menubar --enable-mousewheel --enable-validators --enable-loggui
  --enable-msgdlg --enable-textdlg --enable-choicedlg
  --enable-numberdlg --enable-uiactionsim --enable-autoidman
)
wx_flags="-O2"

recipe=$(
  printf 'source %s=%s\n' "$wx_source_pkg" "$wx_version"
  printf 'compiler %s\n' "$("$cxx" --version | head -n1)"
  printf 'flags %s\n' "$wx_flags"
  printf 'configure %s\n' "${wx_configure[@]}"
)
recipe_hash=$(printf '%s\n' "$recipe" | sha256sum | cut -c1-16)
wx_prefix="$cache/wx-mingw-$recipe_hash"

mkdir -p "$cache"
exec 9>"$cache/wx-mingw.lock"
flock 9 # one build at a time; a second caller waits and then finds it done

if [ -f "$wx_prefix/.complete" ]; then
  say "wxWidgets for MinGW present: $wx_prefix"
  printf '%s\n' "$wx_prefix"
  exit 0
fi

say "building wxWidgets $wx_version for MinGW into $wx_prefix (about 10 minutes on 2 cores)"
work="$cache/wx-mingw-build-$recipe_hash"
log="$cache/wx-mingw-$recipe_hash.log"
rm -rf "$work" "$wx_prefix"
mkdir -p "$work/apt/lists/partial" "$work/apt/parts" "$work/apt/archives/partial"

# The sources come through a private deb-src list, so the system's own lists stay untouched.
uri=$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
[ -n "$uri" ] || uri=$(awk '$1 == "deb" && $2 !~ /^\[/ { print $2; exit }' /etc/apt/sources.list 2>/dev/null || true)
[ -n "$uri" ] || die "no Debian archive found in the apt configuration"
cat >"$work/apt/parts/wx-src.sources" <<EOF
Types: deb-src
URIs: $uri
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
apt_opts=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$work/apt/parts"
  -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache::archives=$work/apt/archives"
  -o APT::Sandbox::User=root)
(
  cd "$work"
  apt-get "${apt_opts[@]}" update -qq &&
    apt-get "${apt_opts[@]}" source -qq "$wx_source_pkg=$wx_version"
) >"$log" 2>&1 || { tail -n 20 "$log" >&2; die "could not fetch the source package $wx_source_pkg=$wx_version"; }
src=$(find "$work" -maxdepth 1 -type d -name "$wx_source_pkg-*" | head -n1)
[ -n "$src" ] || die "the source package unpacked into no directory"

mkdir -p "$work/build"
started=$SECONDS
(
  cd "$work/build"
  "$src/configure" --prefix="$wx_prefix" "${wx_configure[@]}" \
    CC="$cc" CXX="$cxx" CFLAGS="$wx_flags" CXXFLAGS="$wx_flags" &&
    make -j"$jobs" &&
    make install
) >>"$log" 2>&1 || { tail -n 40 "$log" >&2; die "the wxWidgets build failed; log: $log"; }

printf '%s\n' "$recipe" >"$wx_prefix/recipe.txt"
touch "$wx_prefix/.complete"
rm -rf "$work"
say "wxWidgets built in $((SECONDS - started)) s: $wx_prefix"
printf '%s\n' "$wx_prefix"
