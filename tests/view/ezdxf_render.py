"""Pictures of drawings made by ezdxf's drawing add-on, an independent renderer, for the
comparison test and the gallery. One process renders a whole list, so ezdxf loads once.

    ezdxf_render.py LIST WIDTH HEIGHT

LIST holds one drawing a line: "DRAWING<TAB>OUT.png<TAB>LAYOUT[<TAB>noviewports]" (layout
"Model" for model space; "noviewports" leaves the layout's viewports out, so a sheet's own
entities are drawn alone). Each drawing is drawn on white at WIDTH x HEIGHT pixels. Prints
"ok OUT" or "error OUT: reason" a line.
"""
import logging
import sys

logging.disable(logging.WARNING)

import matplotlib

matplotlib.use("agg")
import ezdxf  # noqa: E402
from ezdxf.addons.drawing import matplotlib as mpl  # noqa: E402


def main() -> int:
    listing, width, height = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    dpi = 100
    for line in open(listing, encoding="utf-8"):
        parts = line.rstrip("\n").split("\t")
        if len(parts) < 3:
            continue
        source, out, layout_name = parts[:3]
        no_viewports = len(parts) > 3 and parts[3] == "noviewports"
        try:
            doc = ezdxf.readfile(source)
            layout = doc.modelspace() if layout_name == "Model" else doc.layouts.get(layout_name)
            keep = (lambda e: e.dxftype() != "VIEWPORT") if no_viewports else None
            mpl.qsave(layout, out, bg="#FFFFFF", dpi=dpi, size_inches=(width / dpi, height / dpi), filter_func=keep)
            print("ok", out, flush=True)
        except Exception as e:  # one drawing that fails does not stop the others
            print("error", out + ":", str(e).replace("\n", " "), flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
