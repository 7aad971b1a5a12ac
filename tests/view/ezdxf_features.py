"""Drawings made by ezdxf, an independent writer, for what the corpus holds no example of:

    ezdxf_features.py FOLDER

writes into FOLDER
  polyline_widths.dxf  wide polylines whose segments change width: a wide or a tapered
                       segment, then narrow ones of one width (LWPOLYLINE and 2D POLYLINE)
  draw_order.dxf       red texts and a blue solid hatch over them, written after them but
                       sent behind them by the space's SORTENTSTABLE
  mtext_columns.dxf    a text flowing into three columns of given heights, in the form of
                       files before 2018 (the columns in extended data)
The same drawing each run, byte for byte (fixed metadata), so ezdxf's pictures of them are
drawn once and kept.
"""
import os
import sys

import ezdxf

LOREM = "Lorem ipsum dolor sit amet, consetetur sadipscing elitr, sed diam nonumy eirmod tempor. "


def polyline_widths(path):
    doc = ezdxf.new("R2000")
    msp = doc.modelspace()
    # x, y, start width, end width, bulge: a wide segment, then narrow ones turning at right
    # angles; an arrowhead widening from 0 to 8, then narrow ones.
    msp.add_lwpolyline([(0, 40, 6, 6, 0), (0, 0, 1, 1, 0), (60, 0, 1, 1, 0), (60, 40, 1, 1, 0)], format="xyseb")
    msp.add_lwpolyline([(0, 100, 0, 8, 0), (0, 70, 1, 1, 0), (60, 70, 1, 1, 0), (60, 100, 1, 1, 0)], format="xyseb")
    old = msp.add_polyline2d([(80, 40), (80, 0), (140, 0), (140, 40)])
    for vertex, (start, end) in zip(old.vertices, [(6, 6), (1, 1), (1, 1), (1, 1)]):
        vertex.dxf.start_width, vertex.dxf.end_width = start, end
    doc.saveas(path)


def draw_order(path):
    doc = ezdxf.new("R2010")
    msp = doc.modelspace()
    texts = [msp.add_text("ABOVE", dxfattribs={"height": 10, "color": 1}).set_placement((5, 5 + 15 * i)) for i in range(3)]
    hatch = msp.add_hatch(color=5)
    hatch.paths.add_polyline_path([(0, 0), (80, 0), (80, 50), (0, 50)], is_closed=True)
    # The hatch, written last, is drawn first: it takes the first text's place in the order.
    msp.set_redraw_order({hatch.dxf.handle: texts[0].dxf.handle, texts[0].dxf.handle: hatch.dxf.handle})
    doc.saveas(path)


def mtext_columns(path):
    doc = ezdxf.new("R2007")
    msp = doc.modelspace()
    msp.add_mtext_dynamic_manual_height_columns(LOREM * 6, width=20, gutter_width=2, heights=[30, 30, 30],
                                                dxfattribs={"char_height": 1.5})
    doc.saveas(path)


def main() -> int:
    folder = sys.argv[1]
    ezdxf.options.write_fixed_meta_data_for_testing = True
    polyline_widths(os.path.join(folder, "polyline_widths.dxf"))
    draw_order(os.path.join(folder, "draw_order.dxf"))
    mtext_columns(os.path.join(folder, "mtext_columns.dxf"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
