"""Starting inputs for the fuzz programs, made from the test data at build time.

    make_seeds.py TEST_DATA KEPT_SEEDS SAMPLES OUT

Writes OUT/<Target>/ for each target: drawings for the DXF reader and the table entity,
extended data of linked tables for the link record, data pages of the Access files for the page
decoder, their catalogue rows (read by mdb-export) for the catalogue, their saved queries (read
by mdb-queries) for the SQL translator, and every input kept in KEPT_SEEDS/<Target>.
"""
import csv
import hashlib
import io
import os
import shutil
import struct
import subprocess
import sys

MOST_DXF_BYTES = 128 * 1024


def write_seed(out, target, data):
    folder = os.path.join(out, target)
    os.makedirs(folder, exist_ok=True)
    name = hashlib.sha1(data).hexdigest()
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def files_under(folders, suffixes):
    for folder in folders:
        for root, _, names in os.walk(folder):
            for name in sorted(names):
                if name.lower().endswith(suffixes):
                    yield os.path.join(root, name)


def dxf_tags(text):
    lines = text.splitlines()
    for i in range(0, len(lines) - 1, 2):
        yield lines[i].strip(), lines[i + 1]


def linked_xdata(text):
    """The extended data (from the first 1001 tag) of each entity that carries a link record."""
    records, current, entity = [], None, None
    for code, value in dxf_tags(text):
        if code == "0":
            if current and any(v == "Database" for c, v in current if c == "1001"):
                records.append(current)
            current, entity = None, value
        elif code == "1001" and entity in ("ACAD_TABLE", "INSERT") and current is None:
            current = []
        if current is not None:
            current.append((code, value))
    return ["".join(f"{c}\n{v}\n" for c, v in r).encode() for r in records]


def drawings(folders, out):
    for path in files_under(folders, (".dxf",)):
        data = open(path, "rb").read()
        if len(data) <= MOST_DXF_BYTES:
            write_seed(out, "DxfReader", data)
            if b"ACAD_TABLE" in data:
                write_seed(out, "TableEntity", data)
        for record in linked_xdata(data.decode("utf-8", "replace")):
            write_seed(out, "LinkRecord", record)


# Fields laid over each row of a data page: a column type and where in the row it starts.
ROW_FIELDS = [(0x0A, 0), (0x04, 0), (0x07, 2), (0x08, 4), (0x0C, 0), (0x0B, 0), (0x10, 0), (0x0F, 0), (0x13, 0), (0x09, 1)]


def access_pages(path, out, most=6):
    data = open(path, "rb").read()
    if len(data) < 4096 or data[4:19] not in (b"Standard Jet DB", b"Standard ACE DB"):
        return
    jet3 = data[0x14] == 0
    size, rco = (2048, 0x08) if jet3 else (4096, 0x0C)
    made = 0
    for start in range(size, len(data) - size + 1, size):
        page = data[start:start + size]
        if page[0] != 0x01:  # a data page
            continue
        rows = struct.unpack_from("<H", page, rco)[0]
        fields = []
        end = size
        for r in range(min(rows, 8)):
            offset = struct.unpack_from("<H", page, rco + 2 + 2 * r)[0]
            row_start = offset & 0x1FFF
            if offset & 0xC000 or row_start >= end:
                end = row_start or end
                continue
            for kind, skip in ROW_FIELDS[r % 3::3]:
                fields.append((kind, 0, 2, row_start + skip, end - row_start - skip))
            end = row_start
        fields = fields[:64]
        header = bytes([1 if jet3 else 0, len(fields)])
        for kind, flags, scale, at, n in fields:
            header += struct.pack("<BBBBHH", kind, flags, scale, 0, at & 0xFFFF, max(n, 0) & 0xFFFF)
        write_seed(out, "AccessPage", header + page + data[start + size:start + 3 * size])
        made += 1
        if made == most:
            break


CATALOGUE_COLUMNS = [
    ["Id", "ParentId", "Name", "Type", "Flags", "Database", "Connect", "ForeignName"],
    ["ObjectId", "Attribute", "Order", "Name1", "Name2", "Expression", "Flag"],
    ["ColumnName", "ComplexID", "ComplexTypeObjectID", "ConceptualTableID", "FlatTableID"],
]
TEXT_COLUMNS = {"Name", "Database", "Connect", "ForeignName", "Name1", "Name2", "Expression", "ColumnName"}


def encoded_value(column, text):
    if text == "":
        return bytes([0])
    if column not in TEXT_COLUMNS and column != "Order":
        try:
            return bytes([1]) + struct.pack("<q", int(text))
        except ValueError:
            pass
    raw = text.encode()[:255]
    return bytes([3 if column != "Order" else 4, len(raw)]) + raw


def access_catalogue(path, out):
    seed = bytes([0xFF, 0x7F, 0x1F, 1])
    for table, columns in enumerate(CATALOGUE_COLUMNS):
        name = ["MSysObjects", "MSysQueries", "MSysComplexColumns"][table]
        try:
            text = subprocess.run(["mdb-export", path, name], capture_output=True, timeout=60).stdout.decode("utf-8", "replace")
        except (OSError, subprocess.TimeoutExpired):
            continue
        rows = list(csv.DictReader(io.StringIO(text)))
        for row in rows[:400]:
            seed += bytes([table]) + b"".join(encoded_value(c, row.get(c) or "") for c in columns)
    if len(seed) > 4:
        write_seed(out, "AccessCatalogue", seed)


def saved_queries(path, out):
    try:
        names = subprocess.run(["mdb-queries", "-L", "-1", path], capture_output=True, timeout=60).stdout.decode("utf-8", "replace")
    except (OSError, subprocess.TimeoutExpired):
        return
    for name in [n for n in names.splitlines() if n.strip()][:40]:
        try:
            sql = subprocess.run(["mdb-queries", path, name], capture_output=True, timeout=60).stdout
        except (OSError, subprocess.TimeoutExpired):
            continue
        if sql.strip():
            write_seed(out, "AccessSql", sql.strip())


def main():
    test_data, kept, samples, out = sys.argv[1:5]
    if os.path.isdir(out):
        shutil.rmtree(out)
    os.makedirs(out)
    drawings([test_data, samples], out)
    for path in files_under([test_data, samples], (".mdb", ".accdb")):
        access_pages(path, out)
        access_catalogue(path, out)
        saved_queries(path, out)
    for target in sorted(os.listdir(kept)):
        for path in files_under([os.path.join(kept, target)], ("",)):
            write_seed(out, target, open(path, "rb").read())
    for target in sorted(os.listdir(out)):
        print(f"{target}: {len(os.listdir(os.path.join(out, target)))} seeds")
    return 0


if __name__ == "__main__":
    sys.exit(main())
