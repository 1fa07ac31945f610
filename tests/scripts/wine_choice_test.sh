#!/usr/bin/env bash
# The scripts' choice of Wine loaders, without Wine: fake loaders that run, that the kernel
# refuses (a truncated ELF file fails with ENOEXEC, as a 32-bit executable does where the
# kernel has no 32-bit support), or that are missing; then run.sh's failure paths, which
# must exit non-zero with one line saying why.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# make_loaders <dir> <name=kind>...: kind is works (stays until killed), exits (ends at
# once, as a saver that did not start) or refused.
make_loaders() {
  local dir=$1 loader; shift
  mkdir -p "$dir"
  for loader in "$@"; do
    case ${loader#*=} in
      works) printf '#!/bin/sh\n[ "$1" = --version ] && echo "wine-8.0 (fake)" && exit 0\nsleep 30\n' ;;
      exits) printf '#!/bin/sh\n[ "$1" = --version ] && echo "wine-8.0 (fake)"\nexit 0\n' ;;
      refused) printf '\177ELF\001\001\001\0\0\0\0\0\0\0\0\0' ;;
    esac >"$dir/${loader%=*}"
    chmod +x "$dir/${loader%=*}"
  done
}

# The helper's choice in a clean environment, one variable a line.
choose() { # <bin dir on PATH> <library dir>
  env -i PATH="$1:/usr/bin:/bin" QS_WINE_LIBDIR="$2" HOME="$work" bash -c '
    source "$0/scripts/wine-env.sh"
    qs_wine_choose 2>/dev/null; echo "status=$?"
    echo "wine64=${QS_WINE64:-}"; echo "wine32=${QS_WINE32:-}"; echo "why=${QS_WINE32_WHY:-}"
    echo "loader=${WINELOADER:-}"' "$root"
}

n=0
# check <name> "<PATH loaders>" "<library loaders>" <expected line>... (@BIN@, @LIB@ name the folders)
check() {
  local name=$1 on_path=$2 in_lib=$3 out line; shift 3
  n=$((n + 1))
  local bin=$work/$n/bin lib=$work/$n/lib
  make_loaders "$bin" $on_path
  make_loaders "$lib" $in_lib
  out=$(choose "$bin" "$lib")
  for line in "$@"; do
    line=${line//@BIN@/$bin}
    line=${line//@LIB@/$lib}
    grep -qxF -- "$line" <<<"$out" || fail "$name: expected '$line' in: $(tr '\n' ' ' <<<"$out")"
  done
}

refused="why=32-bit programs cannot run on this machine: the kernel refuses 32-bit executables"
check "the library's 64-bit loader runs, its 32-bit one is refused" "" "wine64=works wine=refused" \
  "status=0" "wine64=@LIB@/wine64" "wine32=" "$refused" "loader=@LIB@/wine64"
check "both run" "wine64=works wine=works" "" \
  "status=0" "wine64=@BIN@/wine64" "wine32=@BIN@/wine" "why=" "loader=@BIN@/wine64"
# Without a 32-bit loader the reason is the kernel's where it refuses 32-bit programs.
missing="why=no 32-bit Wine loader is installed (Debian: wine32:i386)"
(source "$root/scripts/wine-env.sh" && qs_kernel_runs_32bit) || missing=$refused
check "no 32-bit loader" "wine64=works" "" "status=0" "wine64=@BIN@/wine64" "wine32=" "$missing"
check "a refused wine64 on PATH, working loaders in the library" "wine64=refused" "wine64=works wine=works" \
  "status=0" "wine64=@LIB@/wine64" "wine32=@LIB@/wine"
check "no 64-bit loader at all" "wine=works" "" "status=1" "wine64="
check "the only 64-bit loader refused" "wine64=refused wine=works" "" "status=1" "wine64="

# run.sh, given a saver file and no package check, on a display that is never reached.
run_sh() { # <bin dir> <library dir>
  env -i PATH="$1:/usr/bin:/bin" QS_WINE_LIBDIR="$2" HOME="$work" DISPLAY=:qs-none QS_NO_SETUP=1 \
    QS_SCR="$work/QuilloSlides.scr" QS_OUT="$work/out" QS_RUN_SECONDS=4 bash "$root/scripts/run.sh" 2>&1
}
touch "$work/QuilloSlides.scr"
for kind in refused exits; do
  n=$((n + 1))
  make_loaders "$work/$n/bin" "wine64=$kind" "wineserver=exits"
  mkdir -p "$work/$n/lib"
  out=$(run_sh "$work/$n/bin" "$work/$n/lib")
  status=$?
  [ $status -ne 0 ] || fail "run.sh with a 64-bit loader that $kind exited 0: $out"
  grep -q '^run: FAILED: ' <<<"$out" || fail "run.sh with a 64-bit loader that $kind said no reason: $out"
done

echo "$n cases, $failures failed"
[ $failures -eq 0 ]
