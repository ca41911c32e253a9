#!/usr/bin/env bash
# Runs one of the saver's Windows test programs that needs a screen, as the saver's own Wine
# tests run: in a private copy of the prefix, so that its wineserver and desktop are its own.
#   saver_unit_test.sh <program.exe> [args…]
source "$(dirname "$0")/saver_common.sh"
"$WINE_RUN" "$@"
