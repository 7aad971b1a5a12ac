// Writes the expected cell grids of the Access test files, read by an independent reader
// (the npm package mdb-reader), never by Velloria itself:
//
//   cd tests/tools/access-expected && npm ci && node make-grids.mjs
//
// It needs Node.js with npm (the machines have them; Debian's nodejs and npm packages
// otherwise). The tests compare against the committed grids and need neither.
//
// For every file of tests/data/access-corpus it writes tests/data/access-expected/FILE.grid:
// each user table (as the reader lists its normal tables, less MSys tables) with its column names and every
// cell as the text a table cell gets from a field value: "T"/"F" for Yes/No, integers in
// decimal, Single and Double and Decimal through C's "%g", Currency through "%f" and then the
// C locale's money format ("%.2f"), dates as "%Y-%m-%d %H:%M:%S" rounded to the second,
// replication IDs as "{...}" in upper case, attachment names joined by ", ", and an empty text
// for Null, binary data and OLE objects (which a field value cannot show).
//
// Format, one line each, fields separated by tabs, "\\", "\t", "\n" and "\r" escaped:
//   table NAME ROWS COLUMNS      a table, then its heading and rows
//   h NAME...                    the column names
//   r CELL...                    one row, in the file's order
//   error TEXT                   the reader cannot open the file
import MDBReader from "mdb-reader";
import { readFileSync, readdirSync, writeFileSync, mkdirSync } from "fs";
import { dirname, join } from "path";
import { fileURLToPath } from "url";

const here = dirname(fileURLToPath(import.meta.url));
const corpus = join(here, "../../data/access-corpus");
const out = join(here, "../../data/access-expected");
// The files' passwords, as their authors published them.
const PASSWORD = "password";

// ---- exact decimal formatting of doubles (C's %g and %f, round half to even) ----------

// x = digits * 10^exp exactly.
function exactDecimal(x) {
    const buf = new DataView(new ArrayBuffer(8));
    buf.setFloat64(0, x);
    const hi = buf.getUint32(0), lo = buf.getUint32(4);
    const biased = (hi >>> 20) & 0x7ff;
    let mantissa = (BigInt(hi & 0xfffff) << 32n) | BigInt(lo);
    let e2;
    if (biased === 0) e2 = -1074;
    else {
        mantissa |= 1n << 52n;
        e2 = biased - 1075;
    }
    if (e2 >= 0) return { digits: mantissa << BigInt(e2), exp: 0 };
    return { digits: mantissa * 5n ** BigInt(-e2), exp: e2 };
}

// digits*10^exp rounded to a multiple of 10^target, half to even: the multiplier.
function roundTo({ digits, exp }, target) {
    if (target <= exp) return digits * 10n ** BigInt(exp - target);
    const div = 10n ** BigInt(target - exp);
    let q = digits / div;
    const r = digits % div;
    if (r * 2n > div || (r * 2n === div && q % 2n === 1n)) q += 1n;
    return q;
}

function fixedText(q, decimals) {
    let s = q.toString();
    if (decimals <= 0) return s;
    s = s.padStart(decimals + 1, "0");
    return s.slice(0, s.length - decimals) + "." + s.slice(s.length - decimals);
}

function formatF(x, decimals) {
    const negative = x < 0 || Object.is(x, -0);
    const q = roundTo(exactDecimal(Math.abs(x)), -decimals);
    return (negative ? "-" : "") + fixedText(q, decimals);
}

function formatG(x) {
    if (!Number.isFinite(x)) return x > 0 ? "inf" : x < 0 ? "-inf" : "nan";
    const negative = x < 0 || Object.is(x, -0);
    const a = Math.abs(x);
    if (a === 0) return negative ? "-0" : "0";
    const P = 6;
    const d = exactDecimal(a);
    let X = d.digits.toString().length - 1 + d.exp;
    let q = roundTo(d, X - (P - 1));
    if (q.toString().length > P) {
        X += 1;
        q = roundTo(d, X - (P - 1));
    }
    let text;
    if (X < -4 || X >= P) {
        let m = q.toString();
        m = m[0] + "." + m.slice(1);
        m = m.replace(/0+$/, "").replace(/\.$/, "");
        text = m + "e" + (X < 0 ? "-" : "+") + String(Math.abs(X)).padStart(2, "0");
    } else {
        text = fixedText(q, P - 1 - X);
        if (text.includes(".")) text = text.replace(/0+$/, "").replace(/\.$/, "");
    }
    return (negative ? "-" : "") + text;
}

// ---- the text of one value --------------------------------------------------------------

function pad(n, w = 2) {
    return String(n).padStart(w, "0");
}

function dateText(date) {
    // The reader gives the date to the millisecond; the field text shows whole seconds.
    const seconds = Math.round(date.getTime() / 1000);
    const d = new Date(seconds * 1000);
    return `${pad(d.getUTCFullYear(), 4)}-${pad(d.getUTCMonth() + 1)}-${pad(d.getUTCDate())} ${pad(d.getUTCHours())}:${pad(d.getUTCMinutes())}:${pad(d.getUTCSeconds())}`;
}

function cellText(column, value) {
    if (value === null || value === undefined) return "";
    switch (column.type) {
        case "boolean": return value ? "T" : "F";
        case "byte": case "integer": case "long": case "bigint": return String(value);
        case "float": case "double": return formatG(value);
        case "numeric": return formatG(Number(value));
        case "currency": return formatF(Number(formatF(Number(value), 6)), 2);
        case "datetime": return dateText(value);
        case "text": case "memo": return String(value);
        case "repid": return "{" + String(value).toUpperCase() + "}";
        case "complex": return Array.isArray(value) ? value.map((a) => a.name).join(", ") : "";
        default: return "";
    }
}

function escape(text) {
    return text.replace(/\\/g, "\\\\").replace(/\t/g, "\\t").replace(/\n/g, "\\n").replace(/\r/g, "\\r");
}

mkdirSync(out, { recursive: true });
for (const file of readdirSync(corpus).sort()) {
    if (!/\.(mdb|accdb)$/.test(file)) continue;
    const lines = [];
    try {
        const reader = new MDBReader(readFileSync(join(corpus, file)), { password: PASSWORD });
        // Access takes every MSys table for a system table, whatever its flags say.
        const names = reader.getTableNames({ normalTables: true, systemTables: false, linkedTables: false });
        for (const name of names.filter((n) => !/^msys/i.test(n))) {
            const table = reader.getTable(name);
            const columns = table.getColumns();
            const rows = table.getData();
            lines.push(["table", name, String(rows.length), String(columns.length)].map(escape).join("\t"));
            lines.push(["h", ...columns.map((c) => c.name)].map(escape).join("\t"));
            for (const row of rows) lines.push(["r", ...columns.map((c) => cellText(c, row[c.name]))].map(escape).join("\t"));
        }
    } catch (e) {
        lines.length = 0;
        lines.push("error\t" + escape(String(e.message)));
    }
    writeFileSync(join(out, file + ".grid"), lines.join("\n") + "\n");
}
