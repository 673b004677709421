# Shared environment of the project's scripts; sourced, not run.
QL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QL_BUILD="${QL_BUILD:-$QL_ROOT/build}"
QL_DIST="$QL_BUILD/dist"
export QL_ROOT QL_BUILD QL_DIST
export WINEPREFIX="${WINEPREFIX:-$QL_ROOT/.wine}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
# Chinese (PRC) locale: Wine's ANSI code page is then 936.
export LC_ALL=zh_CN.UTF-8
# No Mono or Gecko downloads: nothing here needs them and the network is closed.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
