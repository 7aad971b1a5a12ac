#!/usr/bin/env bash
# Runs the host twice on a new drawing with samples/demo.scr: the first start loads the
# module, registers its commands and loads its menu; the second finds the menu group loaded
# and inserts its pull-down. A private registry file under the build folder keeps the demo
# repeatable and leaves the user's own settings alone.
set -euo pipefail

BUILD=${1:-build}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BIN=$BUILD/bin
[ -x "$BIN/velloria" ] || { echo "demo: $BIN/velloria is not built (run make build)" >&2; exit 1; }

export VELLORIA_REGISTRY=$BUILD/demo-registry.reg
# Dialogs print themselves and read their actions from the script, also with a display.
export VELLORIA_CONSOLE_DIALOGS=1
rm -f "$VELLORIA_REGISTRY" "$VELLORIA_REGISTRY".lock "$VELLORIA_REGISTRY".damaged-*

echo "=== First start (empty settings): the module queues the loading of its menu"
"$BIN/velloria" -s "$ROOT/samples/demo.scr"

echo
echo "=== Second start: the menu group is remembered, the pull-down is inserted once"
"$BIN/velloria" -s "$ROOT/samples/demo.scr" | sed -n '/Command: MENUBAR/,/Command: DbTable_Create/p'

echo
echo "=== Settings kept in $VELLORIA_REGISTRY"
cat "$VELLORIA_REGISTRY"
