#!/usr/bin/env bash
# The README's picture of the bundled sample after a refresh: samples/linked-tables.dxf is
# refreshed from samples/nwind.mdb (in a scratch folder; the sample stays as it is) and plotted
# to docs/plots/linked-tables.png. Run again whenever what a refreshed table looks like changes.
set -euo pipefail

BUILD=${1:-build}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BIN=$BUILD/bin
[ -x "$BIN/velloria" ] || { echo "plot_sample: $BIN/velloria is not built (run make build)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ROOT/samples/linked-tables.dxf" "$ROOT/samples/nwind.mdb" "$work/"
export VELLORIA_REGISTRY=$work/registry.reg VELLORIA_CONSOLE_DIALOGS=1
"$BIN/velloria" update "$work/linked-tables.dxf" 2>/dev/null
mkdir -p "$ROOT/docs/plots"
"$BIN/velloria" plot "$work/linked-tables.dxf" -o "$ROOT/docs/plots/linked-tables.png" --size 1600x900
