#!/usr/bin/env bash
# The demo: what a user sees of Velloria in a minute. It loads the module into the host (the
# first start queues its menu, the second inserts the pull-down), creates a linked table through
# the dialogs driven by a script, refreshes the bundled sample drawing from its database and
# plots it. The host's own transcripts (prompts, dialogs printed by the console) go to a log;
# the screen gets the results. A private registry file keeps the demo repeatable and leaves
# the user's own settings alone.
set -euo pipefail

BUILD=${1:-build}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BIN=$(cd "$BUILD/bin" 2>/dev/null && pwd) || { echo "demo: $BUILD/bin is not built (run make build)" >&2; exit 1; }
[ -x "$BIN/velloria" ] || { echo "demo: $BIN/velloria is not built (run make build)" >&2; exit 1; }
OUT=$(cd "$BUILD" && pwd)/demo
LOG=$OUT/transcript.log
mkdir -p "$OUT"
: > "$LOG"

export VELLORIA_REGISTRY=$OUT/registry.reg
# Dialogs print themselves and read their actions from the script, also with a display.
export VELLORIA_CONSOLE_DIALOGS=1
rm -f "$VELLORIA_REGISTRY" "$VELLORIA_REGISTRY".lock "$VELLORIA_REGISTRY".damaged-*
velloria() { "$BIN/velloria" "$@"; }
# A host session whose transcript goes to the log; it must end well.
session() {
    { echo "### velloria $*"; } >> "$LOG"
    if ! "$BIN/velloria" "$@" >> "$LOG" 2>&1; then
        echo "demo: velloria $* failed; its transcript is in $LOG" >&2
        exit 1
    fi
}
shown() { sed "s|$OUT/||g; s|$ROOT/||g"; }

echo "Velloria demo (files in $OUT; the sessions' transcripts in $LOG)"

echo
echo "1. The module loads into the host and adds its commands and its menu:"
session -s "$ROOT/samples/demo.scr"
session -s "$ROOT/samples/demo.scr"
# The module's commands and its pull-down, as the second start lists them.
commands=$(sed -n '/^Velo:$/,/^$/{s/^  \([A-Za-z_]*\) .*/\1/p}' "$LOG" | sort -u | tr '\n' ' ')
echo "   commands: $commands"
echo "   the Velloria pull-down of the menu bar:"
sed -n '/^  [0-9]*  Velloria  /,/^  [0-9]*  [A-Z]/{/^       [A-Z]/p}' "$LOG" | head -n 6 | sed 's/  *^C^C.*//; s/^       /     /'
echo
echo "2. A table linked to Shippers of nwind.mdb, created through the DbTable_Create dialogs"
echo "   (with the heading of its second column changed):"
cp "$ROOT/samples/nwind.mdb" "$OUT/nwind.mdb"
rm -f "$OUT/created.dxf"
cat > "$OUT/create.scr" <<SCRIPT
SAVEAS $OUT/created.dxf
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
QUIT
SCRIPT
session -s "$OUT/create.scr"
echo "   \$ velloria cells created.dxf"
velloria cells "$OUT/created.dxf" | sed 's/^/   /'

echo
echo "3. samples/linked-tables.dxf holds four linked tables with stale cells. Refreshed:"
cp "$ROOT/samples/linked-tables.dxf" "$OUT/linked-tables.dxf"
echo "   \$ velloria update linked-tables.dxf"
# The refresh's own progress messages go to standard error: the log.
velloria update "$OUT/linked-tables.dxf" 2>> "$LOG" | shown | sed 's/^/   /'

echo
echo "4. Plotted to a PDF (texts as text) and a picture:"
velloria plot "$OUT/linked-tables.dxf" -o "$OUT/linked-tables.pdf" | shown | sed 's/^/   /'
velloria plot "$OUT/linked-tables.dxf" -o "$OUT/linked-tables.png" --size 1600x900 | shown | sed 's/^/   /'
echo "   $OUT/linked-tables.pdf"
echo "   $OUT/linked-tables.png"

echo
echo "Next: the tour in README.md; $BIN/velloria opens a drawing in the window (or the console),"
echo "and $BIN/velloria help lists the tools."
