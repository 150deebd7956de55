#!/usr/bin/env bash
# Installs everything the three builds and their tests need on a fresh Debian 12 machine.
# Idempotent: each step checks first and does nothing when its result is already there.
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: run as root" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
DEPS_PREFIX=${TEZUN_DEPS_PREFIX:-/opt/tezun-deps}
apt_tries=${TEZUN_APT_TRIES:-3}
apt_pause=${TEZUN_APT_PAUSE:-20}

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
# Another install on the machine holds dpkg's lock for a while: wait for it rather than fail.
apt_install() { apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends "$@"; }

# Refreshes the package lists. A mirror in the middle of a sync fails an index or two for a while:
# tried again after a pause, and when it still fails, said so, and the lists apt has are used.
apt_lists_incomplete=
apt_update() {
  local try log
  log=$(mktemp)
  for ((try = 1; try <= apt_tries; try++)); do
    if apt-get update -qq >"$log" 2>&1; then
      rm -f "$log"
      apt_lists_incomplete=
      return 0
    fi
    [ "$try" -lt "$apt_tries" ] && sleep "$apt_pause"
  done
  apt_lists_incomplete=1
  echo "install-deps: apt-get update failed $apt_tries times; going on with the package lists apt has:" >&2
  sed -n 's/^\(E\|W\):/  &/p' "$log" >&2
  rm -f "$log"
}

# Installs those of the packages that are missing, all at once. When that fails, each is tried
# alone, so that whatever can be installed is, and each that cannot is named with apt's reason.
# Returns non-zero when any could not be installed.
install_packages() {
  local missing=() failed=() p log
  for p in "$@"; do installed "$p" || missing+=("$p"); done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "install-deps: installing ${missing[*]}"
  log=$(mktemp)
  if apt_install -qq "${missing[@]}" >"$log" 2>&1; then
    rm -f "$log"
    return 0
  fi
  for p in "${missing[@]}"; do
    installed "$p" && continue
    # -q, not -qq: apt leaves out the unmet dependencies at -qq.
    apt_install -q "$p" >"$log" 2>&1 && continue
    failed+=("$p")
    echo "install-deps: $p cannot be installed:" >&2
    # apt's reasons: its unmet dependencies and its errors, not the progress around them.
    sed -n '/^The following packages have unmet dependencies:/,$p; /^E:/p' "$log" | awk '!seen[$0]++' |
      awk 'NR <= 30 { print "  " $0 } END { if (NR > 30) print "  (" NR - 30 " lines more)" }' >&2
  done
  rm -f "$log"
  [ ${#failed[@]} -eq 0 ] && return 0
  if [ -n "$apt_lists_incomplete" ]; then
    echo "install-deps: apt's package lists are incomplete (apt-get update failed above); when that is a" \
      "mirror in the middle of a sync, running this again later mends it" >&2
  fi
  return 1
}

packages=(
  build-essential cmake ninja-build pkg-config dpkg-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix nasm
  wine64 xvfb xauth x11-utils fonts-ipafont-gothic fonts-dejavu-core fonts-wine locales
  xserver-xorg-core xserver-xorg-video-dummy
  googletest libjpeg62-turbo-dev libjpeg-turbo-progs
  clang libclang-rt-14-dev clang-tidy clang-format cppcheck
  python3 unzip patchelf faketime perl
)
# Source packages (libjpeg-turbo, libical) need a deb-src entry.
src_list=/etc/apt/sources.list.d/tezun-deb-src.sources
if [ ! -f "$src_list" ]; then
  cat >"$src_list" <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  need_update=1
fi
# One refresh of the lists, and only when something is missing.
for p in "${packages[@]}"; do installed "$p" || need_update=1; done
[ -z "${need_update:-}" ] || apt_update

# Without these nothing builds.
if ! install_packages "${packages[@]}"; then
  echo "install-deps: the packages above are needed to build anything; stopping" >&2
  exit 1
fi

# The product is 32-bit. Where the system's own 32-bit Wine is installed and starts, it runs the
# product; otherwise a private i386 root holds one (scripts/i386-root), made from signed package
# lists alone, since the machine's own i386 lists may be unusable. Where the kernel runs no 32-bit
# code, qemu-i386 runs that root's Wine: bookworm's qemu 7.2 cannot, the one in bookworm-backports
# can.
scripts_dir=$(cd "$(dirname "$0")" && pwd)
loader=$("$scripts_dir/probe-32bit" --loader) || true
if [ "$loader" != "${TEZUN_WINE32:-/usr/lib/wine/wine}" ]; then
  "$scripts_dir/i386-root" || echo "install-deps: the private i386 root cannot be made" >&2
  if ! "$scripts_dir/probe-32bit" --kernel >/dev/null; then
    qemu_version=$(dpkg-query -W -f='${Version}' qemu-user 2>/dev/null || true)
    if [ -z "$qemu_version" ] || dpkg --compare-versions "$qemu_version" lt 1:10; then
      backports=/etc/apt/sources.list.d/tezun-backports.sources
      if [ ! -f "$backports" ]; then
        cat >"$backports" <<'SRC'
Types: deb
URIs: http://deb.debian.org/debian
Suites: bookworm-backports
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
      fi
      apt_update
      echo "install-deps: installing qemu-user from bookworm-backports"
      apt_install -qq qemu-user/bookworm-backports >/dev/null ||
        echo "install-deps: qemu-user cannot be installed from bookworm-backports" >&2
    fi
  fi
  way=0
  why=$("$scripts_dir/probe-32bit") || way=$?
  [ $way -eq 2 ] && echo "install-deps: $why; the product's tests fail until the 32-bit Wine runs" >&2
fi

# Wine picks its ANSI code page from the locale: ja_JP.UTF-8 gives code page 932.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen >/dev/null
fi

# libjpeg-turbo with the libjpeg 6b API (version 62), static, for both MinGW targets, from
# Debian's source package so the codec matches the native libjpeg62-turbo.
build_libjpeg() {
  local triplet=$1 processor=$2
  local prefix="$DEPS_PREFIX/$triplet"
  [ -f "$prefix/lib/libjpeg.a" ] && grep -q 'JPEG_LIB_VERSION *62' "$prefix/include/jconfig.h" && return 0
  local work
  work=$(mktemp -d)
  (
    cd "$work"
    local src
    if ! apt-get source -qq libjpeg-turbo >source.log 2>&1 ||
      ! src=$(find . -maxdepth 1 -type d -name 'libjpeg-turbo-*' | grep -m 1 .); then
      echo "install-deps: the source of libjpeg-turbo cannot be fetched:" >&2
      sed -n 's/^\(E\|W\):/  &/p' source.log >&2
      exit 1
    fi
    cat >toolchain.cmake <<TC
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR $processor)
set(CMAKE_C_COMPILER $triplet-gcc-posix)
set(CMAKE_RC_COMPILER $triplet-windres)
set(CMAKE_ASM_NASM_COMPILER nasm)
set(CMAKE_FIND_ROOT_PATH /usr/$triplet)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
TC
    cmake -S "$src" -B build -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
      -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_JPEG7=OFF -DWITH_JPEG8=OFF \
      -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON -DREQUIRE_SIMD=ON -DWITH_MEM_SRCDST=ON \
      -DCMAKE_C_FLAGS=-fexceptions >/dev/null
    cmake --build build -j "$(nproc)" --target jpeg-static >/dev/null
    mkdir -p "$prefix/lib" "$prefix/include"
    cp build/libjpeg.a "$prefix/lib/"
    cp build/jconfig.h "$src/jpeglib.h" "$src/jmorecfg.h" "$src/jerror.h" "$prefix/include/"
  )
  rm -rf "$work"
  echo "install-deps: libjpeg-turbo built for $triplet in $prefix"
}
build_libjpeg i686-w64-mingw32 x86
build_libjpeg x86_64-w64-mingw32 x86_64

# libical, static, from the upstream source in Debian's source package (libical3), for the four
# trees that link it: both MinGW targets; the native tree (g++, uninstrumented, so that the
# sanitized tests and the unsanitized bench link one library); and the fuzz tree (clang with that
# tree's sanitizers and libFuzzer's coverage, so that the fuzzers steer into the parser and
# AddressSanitizer sees inside it). ICU, glib, BerkeleyDB, the bindings and the documentation are
# left out. Its zone data (zoneinfo) is installed beside it; our build compiles it into the
# plug-in, since libical itself would look for it beside the host's program.
libical_source=
fetch_libical() {
  [ -n "$libical_source" ] && return 0
  libical_work=$(mktemp -d)
  # apt checks each file it fetches against the signed index. Debian's packaging around the
  # upstream tarball is not needed for a static library, and is not waited for when a mirror lacks it.
  (cd "$libical_work" && apt-get source -qq --download-only libical3 >source.log 2>&1) || true
  local orig
  orig=$(find "$libical_work" -maxdepth 1 -name 'libical3_*.orig.tar.*' | grep -m 1 .) || {
    echo "install-deps: the source of libical cannot be fetched:" >&2
    sed -n 's/^\(E\|W\):/  &/p' "$libical_work/source.log" >&2
    exit 1
  }
  tar -xf "$orig" -C "$libical_work"
  libical_source=$(find "$libical_work" -maxdepth 1 -type d -name 'libical-*' | grep -m 1 .)
}
build_libical() {
  local name=$1 prefix=$2
  shift 2
  local options=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_LIBDIR=lib -DSTATIC_ONLY=ON -DUSE_BUILTIN_TZDATA=ON
    -DICAL_GLIB=OFF -DICAL_GLIB_VAPI=OFF -DGOBJECT_INTROSPECTION=OFF -DWITH_CXX_BINDINGS=OFF -DICAL_BUILD_DOCS=OFF
    -DLIBICAL_BUILD_TESTING=OFF -DICAL_ERRORS_ARE_FATAL=OFF -DCMAKE_DISABLE_FIND_PACKAGE_ICU=ON
    -DCMAKE_DISABLE_FIND_PACKAGE_BerkeleyDB=ON "$@")
  # Built again when the options it was built with change.
  local stamp="$prefix/share/libical/tezun-options"
  [ -f "$prefix/lib/libical.a" ] && [ -f "$prefix/include/libical/ical.h" ] &&
    [ -f "$prefix/share/libical/zoneinfo/zones.tab" ] && [ "$(cat "$stamp" 2>/dev/null)" = "${options[*]}" ] &&
    return 0
  fetch_libical
  local build="$libical_work/build-$name"
  cmake -S "$libical_source" -B "$build" -G Ninja -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >/dev/null
  cmake --build "$build" -j "$(nproc)" --target ical >/dev/null
  rm -rf "$prefix/include/libical" "$prefix/lib/libical.a" "$prefix/share/libical"
  cmake -DCMAKE_INSTALL_PREFIX="$prefix" -P "$build/src/libical/cmake_install.cmake" >/dev/null
  cmake -DCMAKE_INSTALL_PREFIX="$prefix" -P "$build/zoneinfo/cmake_install.cmake" >/dev/null
  printf '%s' "${options[*]}" >"$stamp"
  echo "install-deps: libical built for $name in $prefix"
}
mingw_toolchain() {
  local triplet=$1 processor=$2 file=$3
  cat >"$file" <<TC
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR $processor)
set(CMAKE_C_COMPILER $triplet-gcc-posix)
set(CMAKE_RC_COMPILER $triplet-windres)
set(CMAKE_FIND_ROOT_PATH /usr/$triplet)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
TC
}
for target in i686-w64-mingw32:x86 x86_64-w64-mingw32:x86_64; do
  triplet=${target%%:*}
  toolchain=$DEPS_PREFIX/$triplet/toolchain.cmake
  mkdir -p "$DEPS_PREFIX/$triplet"
  mingw_toolchain "$triplet" "${target##*:}" "$toolchain"
  # The plug-in calls libical from one thread at a time; without pthreads, since the handles that
  # winpthreads makes for libical's static mutexes are never freed: every load would leave them.
  build_libical "$triplet" "$DEPS_PREFIX/$triplet" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DHAVE_PTHREAD_CREATE=OFF \
    -DHAVE_PTHREAD_ATTR_GET_NP=OFF -DHAVE_PTHREAD_GETATTR_NP=OFF -DHAVE_PTHREAD_NP_H=OFF
done
build_libical native "$DEPS_PREFIX/native" -DCMAKE_C_COMPILER=gcc -DCMAKE_POSITION_INDEPENDENT_CODE=ON
build_libical fuzz "$DEPS_PREFIX/fuzz" -DCMAKE_C_COMPILER=clang -DCMAKE_POSITION_INDEPENDENT_CODE=ON \
  -DCMAKE_C_FLAGS="-fsanitize=address,undefined,fuzzer-no-link -fno-omit-frame-pointer -fno-sanitize-recover=all"
[ -z "$libical_source" ] || rm -rf "$libical_work"

# --- The traditional calendar's generator (tools/koyomi) ---------------------------------------
# Node.js and the ephemeris package that tools/koyomi/package-lock.json pins; the native test
# koyomi_table runs the generator. Debian's nodejs and npm come only where no node is installed.
if ! command -v node >/dev/null; then
  [ -n "${need_update:-}" ] || apt_update  # the lists were refreshed above only when something was missing
  if ! install_packages nodejs npm; then
    echo "install-deps: Node.js is needed to check the traditional calendar's table; stopping" >&2
    exit 1
  fi
fi
koyomi_dir=$(cd "$(dirname "$0")/../tools/koyomi" && pwd)
koyomi_locked=$(node -p "require('$koyomi_dir/package-lock.json').packages['node_modules/astronomy-engine'].version")
koyomi_installed=$(node -p "try { require('$koyomi_dir/node_modules/astronomy-engine/package.json').version } catch { '' }")
if [ "$koyomi_installed" != "$koyomi_locked" ]; then
  echo "install-deps: npm ci in $koyomi_dir (astronomy-engine $koyomi_locked)"
  (cd "$koyomi_dir" && npm ci --no-audit --no-fund --loglevel=error)
fi
