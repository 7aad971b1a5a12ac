"""Renders drawings to PNG with ezdxf's drawing add-on, an independent reader and renderer.

    render_drawing.py OUT.png DRAWING [--dark]

The picture shows the model space, fitted to its extents, dark lines on white (the CAD
colours with --dark). Texts are drawn with the fonts the renderer finds for their styles.
"""
import logging
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

import ezdxf  # noqa: E402
from ezdxf.addons.drawing import Frontend, RenderContext  # noqa: E402
from ezdxf.addons.drawing.config import Configuration  # noqa: E402
from ezdxf.addons.drawing.matplotlib import MatplotlibBackend  # noqa: E402
from ezdxf.addons.drawing.properties import LayoutProperties  # noqa: E402


def render(drawing, out, dark=False):
    doc = ezdxf.readfile(drawing)
    msp = doc.modelspace()
    fig = plt.figure(figsize=(16, 9))
    ax = fig.add_axes([0, 0, 1, 1])
    ctx = RenderContext(doc)
    props = LayoutProperties.from_layout(msp)
    if not dark:
        props.set_colors("#ffffff", "#000000")
    Frontend(ctx, MatplotlibBackend(ax), config=Configuration.defaults()).draw_layout(
        msp, finalize=True, layout_properties=props
    )
    fig.savefig(out, dpi=120, facecolor=props.background_color)
    plt.close(fig)


if __name__ == "__main__":
    logging.disable(logging.WARNING)  # missing fonts are reported once per text otherwise
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    if len(args) != 2:
        sys.exit(__doc__)
    render(args[1], args[0], dark="--dark" in sys.argv)
