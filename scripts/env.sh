# Shared environment of the project's scripts; sourced, not run.
#
# The suite is built for two Windows architectures: x86 (32-bit) and x64 (64-bit). Each has its
# own build folder (build/x86, build/x64) and Wine prefix (.wine-x86, .wine-x64). `ql_use_arch`
# selects one; QL_ARCH, when set by the user, picks the only one to build and test.
QL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export QL_ROOT
export WINEDEBUG="${WINEDEBUG:--all}"
# Chinese (PRC) locale: Wine's ANSI code page is then 936.
export LC_ALL=zh_CN.UTF-8
# No Mono or Gecko downloads: nothing here needs them and the network is closed.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

QL_ALL_ARCHES="x86 x64"
QL_WINE32_LOADER=/usr/lib/wine/wine
QL_WINE64_LOADER=/usr/lib/wine/wine64

# ql_use_arch x86|x64: build folder, program folders, Wine prefix and loader of that architecture.
# Debian's `wine` front script always prefers the 32-bit loader, so the loader is named directly.
ql_use_arch() {
  case "$1" in
    x86) WINEARCH=win32; WINELOADER=$QL_WINE32_LOADER ;;
    x64) WINEARCH=win64; WINELOADER=$QL_WINE64_LOADER ;;
    *) echo "QL_ARCH must be x86 or x64, not '$1'" >&2; return 2 ;;
  esac
  QL_ARCH_IN_USE=$1
  QL_BUILD="$QL_ROOT/build/$1"
  QL_DIST="$QL_BUILD/dist"
  WINEPREFIX="$QL_ROOT/.wine-$1"
  export QL_ARCH_IN_USE QL_BUILD QL_DIST WINEARCH WINELOADER WINEPREFIX
}

# Wine's programs through the selected loader (never through the front scripts).
ql_wine() { "$WINELOADER" "$@"; }
ql_wineserver() {
  if [ -x /usr/lib/wine/wineserver64 ]; then /usr/lib/wine/wineserver64 "$@"
  else /usr/lib/wine/wineserver32 "$@"; fi
}

# Whether this machine runs 32-bit x86 Linux programs: some kernels have 32-bit emulation
# switched off ("Exec format error"). A 93-byte static i386 program that only exits with 0.
ql_runs_32bit() {
  local probe
  probe=$(mktemp "${TMPDIR:-/tmp}/ql-i386-probe.XXXXXX") || return 1
  printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000'\
'\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000'\
'\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000'\
'\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010'\
'\135\000\000\000\135\000\000\000\005\000\000\000\000\020\000\000'\
'\270\001\000\000\000\061\333\315\200' > "$probe"
  chmod +x "$probe"
  local ok=1
  "$probe" >/dev/null 2>&1 && ok=0
  rm -f "$probe"
  return $ok
}

# The architectures this machine can run, x86 first.
ql_runnable_arches() {
  if ql_runs_32bit; then echo "x86 x64"; else echo "x64"; fi
}

# The architectures to build and to test: QL_ARCH when the user set it, else all of them
# (built) and those the machine runs (tested).
ql_build_arches() {
  if [ -n "${QL_ARCH:-}" ]; then echo "$QL_ARCH"; else echo "$QL_ALL_ARCHES"; fi
}
ql_test_arches() {
  local runnable
  runnable=$(ql_runnable_arches)
  if [ -n "${QL_ARCH:-}" ]; then
    case " $runnable " in
      *" $QL_ARCH "*) echo "$QL_ARCH" ;;
      *) echo "" ;;
    esac
  else
    echo "$runnable"
  fi
}
