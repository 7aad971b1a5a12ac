#!/usr/bin/env bash
# Runs the host twice on a new drawing with samples/demo.scr: the first start loads the
# module, registers its commands and loads its menu; the second finds the menu group loaded
# and inserts its pull-down. Then a script creates a linked table through the dialogs, and
# the bundled sample drawing is refreshed from its database. A private registry file under the build folder keeps the demo
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

echo
echo "=== Creating a linked table through DbTable_Create, driven by a script"
# The drawing is saved first, so the database beside it can be named relative to it.
cp "$ROOT/samples/nwind.mdb" "$BUILD/nwind.mdb"
rm -f "$BUILD/created.dxf"
cat > "$BUILD/demo-create.scr" <<SCRIPT
SAVEAS $BUILD/created.dxf
DbTable_Create
click "Open Database"
set Database nwind.mdb
click &OK
select "Data Source" nwind.mdb/Shippers
click "Customize Column Heading"
dblclick 142 0 1
set 3456 Carrier
key Enter
click OK
click "Customize Column Width"
dblclick 142 0 1
set 3456 5
key Enter
click OK
click "Create Table ..."
2,3
QSAVE
LIST

QUIT
SCRIPT
"$BIN/velloria" -s "$BUILD/demo-create.scr"
echo
"$BIN/velloria" links "$BUILD/created.dxf"

echo
echo "=== Linked tables: samples/linked-tables.dxf holds stale cells; its links name nwind.mdb beside it"
"$BIN/velloria" links "$ROOT/samples/linked-tables.dxf"

echo
echo "=== velloria update samples/linked-tables.dxf -o $BUILD/linked-tables-updated.dxf"
echo "    (the report on standard output; the refresh's own messages on standard error)"
# Links resolve against the drawing being refreshed; the copy of the database beside the
# output keeps the refreshed drawing working on its own too.
"$BIN/velloria" update "$ROOT/samples/linked-tables.dxf" -o "$BUILD/linked-tables-updated.dxf" 2>&1

echo
echo "=== velloria plot: the refreshed drawing as a sheet (PDF, text as text) and a picture"
"$BIN/velloria" plot "$BUILD/linked-tables-updated.dxf" -o "$BUILD/linked-tables-updated.pdf"
"$BIN/velloria" plot "$BUILD/linked-tables-updated.dxf" -o "$BUILD/linked-tables-updated.png" --size 1600x900

echo
echo "=== The refreshed drawing: its links are unchanged, its tables hold the records"
"$BIN/velloria" links "$BUILD/linked-tables-updated.dxf"
printf 'LIST\n\nQUIT\n' > "$BUILD/demo-list.scr"
"$BIN/velloria" "$BUILD/linked-tables-updated.dxf" -s "$BUILD/demo-list.scr"
