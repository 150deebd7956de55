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

packages=(
  build-essential cmake ninja-build pkg-config dpkg-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix nasm
  wine64 xvfb xauth x11-utils fonts-ipafont-gothic fonts-dejavu-core fonts-wine locales
  googletest libjpeg62-turbo-dev libjpeg-turbo-progs
  clang libclang-rt-14-dev clang-tidy clang-format cppcheck
  python3 unzip
)

# Source packages (libjpeg-turbo) need a deb-src entry.
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

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ] || [ -n "${need_update:-}" ]; then
  apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The product is 32-bit: Debian's 32-bit Wine runs it, with the i386 X libraries its display
# driver loads. Where the machine cannot run 32-bit code the probe says so and the 32-bit
# runtime tests are skipped; everything else still goes on.
i386_packages=(
  wine32:i386 libxrender1:i386 libxrandr2:i386 libxcursor1:i386 libxi6:i386 libxfixes3:i386
  libxinerama1:i386 libxcomposite1:i386 libxxf86vm1:i386
)
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  apt-get update -qq
fi
missing=()
for p in "${i386_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null ||
    echo "install-deps: 32-bit Wine could not be installed; its tests will be skipped" >&2
fi
if ! reason=$("$(dirname "$0")/probe-32bit"); then
  echo "install-deps: this machine runs no 32-bit code: $reason" >&2
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
    apt-get source -qq libjpeg-turbo >/dev/null 2>&1
    local src
    src=$(find . -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
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

# --- The traditional calendar's generator (tools/koyomi) ---------------------------------------
# Node.js and the ephemeris package that tools/koyomi/package-lock.json pins; the native test
# koyomi_table runs the generator. Debian's nodejs and npm come only where no node is installed.
if ! command -v node >/dev/null; then
  echo "install-deps: installing nodejs npm"
  apt-get update -qq || echo "install-deps: apt-get update failed; installing from the lists there are" >&2
  apt-get install -y -qq --no-install-recommends nodejs npm >/dev/null
fi
koyomi_dir=$(cd "$(dirname "$0")/../tools/koyomi" && pwd)
koyomi_locked=$(node -p "require('$koyomi_dir/package-lock.json').packages['node_modules/astronomy-engine'].version")
koyomi_installed=$(node -p "try { require('$koyomi_dir/node_modules/astronomy-engine/package.json').version } catch { '' }")
if [ "$koyomi_installed" != "$koyomi_locked" ]; then
  echo "install-deps: npm ci in $koyomi_dir (astronomy-engine $koyomi_locked)"
  (cd "$koyomi_dir" && npm ci --no-audit --no-fund --loglevel=error)
fi
