# Shared environment of the build, run and test scripts (sourced).
# FDT_BUILD names the build tree; each tree has its own Wine prefix, so its
# wineserver (and the program's single-instance event) is its own.
FDT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export FDT_BUILD=${FDT_BUILD:-$FDT_ROOT/build}
export WINEPREFIX=$FDT_BUILD/wineprefix
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset LC_ALL
export LANG=zh_CN.UTF-8
