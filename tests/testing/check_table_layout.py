"""Checks that the tables of drawings look right, as ezdxf reads them.

    check_table_layout.py DRAWING...

For every ACAD_TABLE of each drawing's model space, the entities that draw it (ezdxf's virtual
entities of the table: its block placed at the table) are read, and each text's extent is
estimated from its height, its wrap width and the lines it wraps into with ezdxf's own font
measurement. A table is wrong where a grid line crosses a text or two texts overlap. Prints,
per drawing:

    FILE <path> tables <n> texts <n> lines <n> problems <n>

followed by one line per problem, and ends with "checked <n> drawings".
"""
import logging
import sys

import ezdxf
from ezdxf.tools.text import leading

EPS = 1e-6


def font_for(doc, style_name, height):
    style = doc.styles.get(style_name) if doc.styles.has_entry(style_name) else None
    if style is None:
        style = doc.styles.get("Standard")
    return style.make_font(height)


def wrapped_lines(font, paragraph, width):
    """Greedy word wrapping at width (no width: one line), the widest line's width."""
    words = paragraph.split(" ")
    lines, current = [], ""
    for word in words:
        trial = word if not current else current + " " + word
        if current and width > 0 and font.text_width(trial) > width * (1 + EPS):
            lines.append(current)
            current = word
        else:
            current = trial
    lines.append(current)
    return lines


def text_box(doc, mtext):
    """The text's extent (x0, y0, x1, y1) in world coordinates."""
    height = mtext.dxf.char_height
    font = font_for(doc, mtext.dxf.get("style", "Standard"), height)
    width = mtext.dxf.get("width", 0.0)
    lines = []
    for paragraph in mtext.plain_text(split=True):
        lines.extend(wrapped_lines(font, paragraph, width))
    text_width = max((font.text_width(line) for line in lines), default=0.0)
    descender = font.measurements.descender_height
    total = height + (len(lines) - 1) * leading(height, 1.0) + descender
    x, y = mtext.dxf.insert.x, mtext.dxf.insert.y
    attach = mtext.dxf.get("attachment_point", 1)
    column, row = (attach - 1) % 3, (attach - 1) // 3
    x0 = x if column == 0 else x - text_width / 2 if column == 1 else x - text_width
    top = y if row == 0 else y + total / 2 if row == 1 else y + total
    return (x0, top - total, x0 + text_width, top), len(lines)


def overlap(a, b):
    return a[0] < b[2] - EPS and b[0] < a[2] - EPS and a[1] < b[3] - EPS and b[1] < a[3] - EPS


def crosses(start, end, box):
    """Whether the segment passes through the box's inside (Liang-Barsky clipping)."""
    x0, y0, x1, y1 = box[0] + EPS, box[1] + EPS, box[2] - EPS, box[3] - EPS
    if x0 >= x1 or y0 >= y1:
        return False
    dx, dy = end.x - start.x, end.y - start.y
    t0, t1 = 0.0, 1.0
    for p, q in ((-dx, start.x - x0), (dx, x1 - start.x), (-dy, start.y - y0), (dy, y1 - start.y)):
        if p == 0:
            if q < 0:
                return False
            continue
        t = q / p
        if p < 0:
            t0 = max(t0, t)
        else:
            t1 = min(t1, t)
        if t0 > t1:
            return False
    return True


def check(path):
    doc = ezdxf.readfile(path)
    tables = texts = lines = 0
    problems = []
    for table in doc.modelspace().query("ACAD_TABLE"):
        tables += 1
        boxes, segments = [], []
        for e in table.__virtual_entities__():
            if e.dxftype() == "MTEXT":
                box, count = text_box(doc, e)
                boxes.append((box, e.plain_text(split=False).replace("\n", "|"), count))
            elif e.dxftype() == "LINE":
                segments.append((e.dxf.start, e.dxf.end))
        texts += len(boxes)
        lines += len(segments)
        name = table.dxf.handle
        for i, (box, text, count) in enumerate(boxes):
            for start, end in segments:
                if crosses(start, end, box):
                    problems.append("table %s: line %s-%s crosses %r (%d lines)" % (name, start, end, text, count))
            for other, other_text, _ in boxes[i + 1:]:
                if overlap(box, other):
                    problems.append("table %s: %r overlaps %r" % (name, text, other_text))
    print("FILE %s tables %d texts %d lines %d problems %d" % (path, tables, texts, lines, len(problems)))
    for p in problems[:20]:
        print("  " + p)


if __name__ == "__main__":
    logging.disable(logging.WARNING)
    for drawing in sys.argv[1:]:
        check(drawing)
    print("checked %d drawings" % (len(sys.argv) - 1))
