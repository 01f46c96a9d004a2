#!/usr/bin/env bash
# Cross-builds Tessaly for 64-bit Windows with MinGW-w64 into build-windows/ and packs
# build-windows/tessaly-<version>-windows-x64.zip (tessaly.exe, keywords.json, README.txt).
# tessaly.exe is self-contained: wxWidgets, libstdc++, libgcc and winpthread are linked in
# statically, so it imports only Windows' own DLLs.
#
# wxWidgets for Windows is built from Debian's source package of the version the Linux build
# uses, once, into a cache folder outside the repository (TESSALY_CACHE, /var/cache/tessaly by
# default) keyed by everything that goes into it; later runs reuse it.
# Run as root (or with sudo at hand) on Debian 12: it installs the packages it needs.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc 2>/dev/null || echo 2)
[ "$jobs" -gt 2 ] || jobs=2
cache=${TESSALY_CACHE:-/var/cache/tessaly}
host=x86_64-w64-mingw32
export CC=$host-gcc-posix CXX=$host-g++-posix

if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
export DEBIAN_FRONTEND=noninteractive

packages=(g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine64 dpkg-dev cmake ninja-build
  nlohmann-json3-dev libwxgtk3.2-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "build-windows: installing ${missing[*]}"
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# --- wxWidgets for Windows ------------------------------------------------------------------------
# The same source version as the Linux library the native build links against.
wx_version=$(dpkg-query -W -f='${Version}' libwxgtk3.2-dev)
# Debian's source carries no libpng, libjpeg, libtiff or expat; the program needs none of the
# libraries switched off below.
wx_options=(--host=$host --disable-shared --without-libpng --without-libjpeg --without-libtiff
  --without-expat --disable-svg --with-zlib=sys --without-opengl --disable-webview
  --disable-mediactrl --disable-html --disable-xrc --disable-aui --disable-ribbon
  --disable-propgrid --disable-richtext --disable-webrequest --disable-precomp-headers)
wx_key=$( {
  echo "wxwidgets3.2 $wx_version"
  printf '%s\n' "${wx_options[@]}"
  $CXX --version | head -1
  dpkg-query -W -f='${Version}\n' libz-mingw-w64-dev mingw-w64-x86-64-dev
} | sha256sum | cut -c1-16)
wx_prefix=$cache/wxmsw-$wx_key

build_wx() {
  local work
  work=$(mktemp -d "${TMPDIR:-/tmp}/tessaly-wxmsw.XXXXXX")
  chmod 755 "$work"  # apt fetches the source as its own user
  if ! apt-get indextargets --format '$(IDENTIFIER)' 2>/dev/null | grep -qx Sources ||
    ! apt-cache showsrc wxwidgets3.2 2>/dev/null | grep -q "^Version: $wx_version\$"; then
    # A deb-src entry for the archive the binary packages come from.
    local list=/etc/apt/sources.list.d/tessaly-deb-src.sources
    if [ ! -f $list ]; then
      local src
      src=$(grep -l '^URIs:.*debian' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -1 || true)
      if [ -n "$src" ] && grep -q '^Types: deb$' "$src"; then
        sed 's/^Types: deb$/Types: deb-src/' "$src" | $SUDO tee $list >/dev/null
      else
        grep -h '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
          sed 's/^deb /deb-src /' | $SUDO tee "${list%.sources}.list" >/dev/null
      fi
    fi
    $SUDO apt-get update -qq
  fi
  echo "build-windows: building wxWidgets $wx_version for Windows (once; cached in $wx_prefix)"
  (cd "$work" && apt-get source -qq "wxwidgets3.2=$wx_version" >/dev/null)
  local src_dir
  src_dir=$(find "$work" -maxdepth 1 -mindepth 1 -type d -name 'wxwidgets3.2-*' | head -1)
  mkdir -p "$work/build"
  (cd "$work/build" &&
    nice -n 10 "$src_dir/configure" --prefix="$wx_prefix" "${wx_options[@]}" \
      CC="$CC" CXX="$CXX" CXXFLAGS=-O2 CFLAGS=-O2 >"$work/configure.log" 2>&1 ||
    { tail -40 "$work/configure.log"; exit 1; })
  (cd "$work/build" && nice -n 10 make -j "$jobs" >"$work/make.log" 2>&1 ||
    { tail -40 "$work/make.log"; exit 1; })
  # Installed into a staging folder and moved into place whole, so that an interrupted build
  # leaves no half library; the prefix compiled in is the final one (wx-config points into it).
  local stage=$work/stage
  (cd "$work/build" && make install DESTDIR="$stage" >/dev/null)
  $SUDO rm -rf "$wx_prefix"
  $SUDO mv "$stage$wx_prefix" "$wx_prefix"
  rm -rf "$work"
}

if [ ! -x "$wx_prefix/bin/wx-config" ]; then
  $SUDO mkdir -p "$cache"
  start=$(date +%s)
  build_wx
  echo "build-windows: wxWidgets built in $(($(date +%s) - start)) s"
fi

# --- Tessaly -------------------------------------------------------------------------------------
out=$root/build-windows
# The JSON reader is header-only: the cross build sees its headers alone, not the host's whole
# /usr/include.
deps=$out/deps
mkdir -p "$deps/include" "$deps/cmake"
ln -sfn /usr/include/nlohmann "$deps/include/nlohmann"
json_version=$(dpkg-query -W -f='${Version}' nlohmann-json3-dev | sed 's/[-+~].*//')
cat >"$deps/cmake/nlohmann_jsonConfig.cmake" <<CONFIG
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
  INTERFACE_INCLUDE_DIRECTORIES "$deps/include")
CONFIG
cat >"$deps/cmake/nlohmann_jsonConfigVersion.cmake" <<CONFIG
set(PACKAGE_VERSION "$json_version")
set(PACKAGE_VERSION_COMPATIBLE TRUE)
CONFIG

rm -f "$out"/tessaly-*-windows-x64.zip  # a failed build leaves no older zip behind
start=$(date +%s)
cmake -S . -B "$out" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DTESSALY_TESTS=OFF -DTESSALY_BENCH=OFF \
  -DwxWidgets_CONFIG_EXECUTABLE="$wx_prefix/bin/wx-config" -DwxWidgets_USE_STATIC=ON \
  -Dnlohmann_json_DIR="$deps/cmake" >"$out/configure.log" ||
  { cat "$out/configure.log"; exit 1; }
nice -n 10 cmake --build "$out" -j "$jobs" --target tessaly
$host-strip "$out/tessaly.exe"
echo "build-windows: tessaly.exe built in $(($(date +%s) - start)) s"

# Self-contained: every DLL it imports is one of Windows' own.
windows_dlls='^(advapi32|comctl32|comdlg32|gdi32|gdiplus|imm32|kernel32|msimg32|msvcrt|ole32|oleacc|oleaut32|rpcrt4|shell32|shlwapi|user32|usp10|uxtheme|version|winmm|winspool\.drv|ws2_32|api-ms-win-[a-z0-9-]+)(\.dll)?$'
foreign=$($host-objdump -p "$out/tessaly.exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' |
  grep -Ev "$windows_dlls" || true)
if [ -n "$foreign" ]; then
  echo "build-windows: tessaly.exe needs DLLs that Windows does not have: $foreign" >&2
  exit 1
fi

version=$(sed -n 's/^project(Tessaly VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
zip=$out/tessaly-$version-windows-x64.zip
stage=$out/zip
rm -rf "$stage" "$zip"
mkdir -p "$stage"
cp "$out/tessaly.exe" "$stage/"
cp assets/keywords.json "$stage/"
sed 's/$/\r/' assets/windows/README.txt >"$stage/README.txt"  # Windows line ends
(cd "$stage" && cmake -E tar cf "$zip" --format=zip tessaly.exe keywords.json README.txt)
echo "build-windows: $zip"
