#!/usr/bin/python3
"""Writes the template workbook data/hinagata.xls and the sample workbooks in examples/.

Every workbook has one sheet "Sheet1" with the fixed layout the water-quality programs read:
B10 the number of samples (a COUNTA formula over the names), row 11 the names, rows 12..19 the
eight ions in mg/L (Na, K, Ca, Mg, Cl, HCO3, SO4, NO3), row 20 the plotting mark and row 21 the
colour number 0..15 as two-character text; sample i sits in column i + 1 (B..AG).

The programs read the cached result of a formula cell, so every file must carry the right one:
xlwt stores an empty-string result in its FORMULA records, and this script patches the BIFF
stream before it is wrapped in the OLE container. .xlsx and .ods are written by hand.

After writing, every file is read back (xlrd for .xls, the raw BIFF records through olefile,
ElementTree for the XML of .xlsx and .ods) and compared cell by cell with the intended content.

Usage: /usr/bin/python3 tools/make_workbooks.py [--out DIR] [--check-only] [--libreoffice]
(--libreoffice needs soffice, e.g. Debian's libreoffice-calc-nogui; it is an optional check.)
"""

import argparse
import csv
import io
import struct
import sys
import zipfile
from pathlib import Path
from xml.etree import ElementTree as ET
from xml.sax.saxutils import escape

import olefile
import xlrd
import xlrd.formatting
import xlwt
import xlwt.CompoundDoc
import xlwt.Formatting

ROOT = Path(__file__).resolve().parent.parent
REFERENCE_CSV = Path("/work/shared/reference-data/groundwater_analyses.csv")

# ---------------------------------------------------------------------------------------------
# Layout (1-based rows and columns, as the programs address them)

MAX_SAMPLES = 32
ROW_HEADER = 9  # sample numbers 1..32, for the user's orientation only
ROW_COUNT = 10
ROW_NAME = 11
ROW_IONS = range(12, 20)
ROW_MARK = 20
ROW_COLOUR = 21
COL_FIRST = 2  # sample 1 in column B
COL_LAST = COL_FIRST + MAX_SAMPLES - 1  # sample 32 in column AG

IONS = ("Na", "K", "Ca", "Mg", "Cl", "HCO3", "SO4", "NO3")
ION_LABELS = (
    "Na+ (mg/L)",
    "K+ (mg/L)",
    "Ca2+ (mg/L)",
    "Mg2+ (mg/L)",
    "Cl- (mg/L)",
    "HCO3- (mg/L)",
    "SO4 2- (mg/L)",
    "NO3- (mg/L)",
)
# mg per meq, as the programs divide (divalent ions doubled)
EQUIVALENT_WEIGHT = (22.9898, 39.0983, 40.078 / 2, 24.305 / 2, 35.4527, 61.0171, 96.0636 / 2, 62.0049)

# The programs' 16-colour palette, number -> RGB
PALETTE = (
    "000000", "000080", "008000", "008080", "800000", "800080", "808000", "C0C0C0",
    "808080", "0000FF", "00FF00", "00FFFF", "FF0000", "FF00FF", "FFFF00", "FFFFFF",
)  # fmt: skip
COLOUR_NAMES = (
    "黒", "暗い青", "暗い緑", "暗い水色", "暗い赤", "暗い紫", "暗い黄", "明るい灰",
    "灰", "青", "緑", "水色", "赤", "紫", "黄", "白",
)  # fmt: skip

COUNT_FORMULA = "COUNTA(B11:AG11)"
COUNT_FORMULA_ODS = "of:=COUNTA([.B11:.AG11])"

FONT_NAME = "ＭＳ Ｐゴシック"
FONT_SIZE = 11
WIDTH_LABEL = 15.0  # characters
WIDTH_SAMPLE = 12.5

TITLE = "水質分析データ入力表（ヘキサダイヤグラム・シュティフダイヤグラム・トリリニアダイヤグラム共通）"
TEMPLATE_MEMO = "メモ欄：調査名・採水日・出典などを自由に書いてください（この行は読み込まれません）。"
# Each line fits in about ten columns, so that it reads without scrolling.
INSTRUCTIONS = (
    "◆ 入力後は「名前を付けて保存」で別名で保存（hinagata.xls は上書きしない）。行・列の挿入・削除は厳禁です。",
    "◆ 試料1～32はB～AG列。B10のデータ数は式 =COUNTA(B11:AG11) で試料名を数えます。試料名は空き列なしで詰めて入力。",
    "◆ 試料名は2文字以上。1文字の名前（例：7）の列は作図されません。濃度は mg/L で、空欄は 0 とみなします。",
    "◆ 20行目はマーク1文字（●▲■◆○△□◇★など）、21行目は色番号 00～15（トリリニアダイヤグラム用。初期値は変更可）。",
    "◆ 色番号は 09、12 のように2文字で入力（21行目は文字列書式）。9 のような1桁の数値は黒になります。",
)
LEGEND_LABEL = "色番号（21行目）"
HEADER_LABEL = "試料番号"
ROW_LABELS = {ROW_COUNT: "データ数", ROW_NAME: "試料名", ROW_MARK: "マーク", ROW_COLOUR: "色番号"}
ROW_LABELS.update({row: label for row, label in zip(ROW_IONS, ION_LABELS)})
COUNT_NOTE = "← 試料名の数（自動計算）"

DEFAULT_MARKS = "●▲■◆○△□◇"
DEFAULT_COLOURS = (0, 12, 9, 2, 13, 4, 3, 6)


def default_mark_colour(i):
    """Template defaults for sample i (1-based): no two samples share mark and colour."""
    k = i - 1
    return DEFAULT_MARKS[k % 8], DEFAULT_COLOURS[(k + 3 * (k // 8)) % 8]


# ---------------------------------------------------------------------------------------------
# Cell model shared by the three writers and the checks

TEXT, NUMBER, FORMULA = "text", "number", "formula"

# Abstract cell styles; colours are RGB and must exist in Excel's default BIFF8 palette.
BORDER = {"border": True}
STYLES = {
    "title": {"bold": True, "size": 14},
    "memo": {"colour": "000080"},
    "note": {},
    "legend_label": {"bold": True},
    "header_label": {"bold": True, "fill": "CCFFFF", "halign": "center", **BORDER},
    "header": {"bold": True, "fill": "CCFFFF", "halign": "center", **BORDER},
    "label": {"bold": True, "fill": "CCFFFF", **BORDER},
    "label_tri": {"bold": True, "fill": "CCFFCC", **BORDER},
    "count": {"bold": True, "fill": "FFFF99", "halign": "center", **BORDER},
    "count_note": {"colour": "808080"},
    "name": {"halign": "center", **BORDER},
    "value": {"halign": "right", **BORDER},
    "mark": {"halign": "center", **BORDER},
    "colour": {"halign": "center", "text_format": True, **BORDER},
}
for _n, _rgb in enumerate(PALETTE):
    _r, _g, _b = (int(_rgb[k : k + 2], 16) for k in (0, 2, 4))
    _dark = 0.299 * _r + 0.587 * _g + 0.114 * _b < 140
    STYLES[f"legend{_n}"] = {"fill": _rgb, "colour": "FFFFFF" if _dark else "000000", "halign": "center", **BORDER}


class Cell:
    __slots__ = ("kind", "value", "style", "cached")

    def __init__(self, kind, value, style, cached=None):
        self.kind, self.value, self.style, self.cached = kind, value, style, cached

    def shown(self):
        """What a spreadsheet program shows: (kind, value) with a formula replaced by its result."""
        if self.kind == FORMULA:
            return (NUMBER, float(self.cached))
        if self.kind == NUMBER:
            return (NUMBER, float(self.value))
        return (self.kind, self.value)


class Sample:
    def __init__(self, name, values, mark, colour, source):
        assert len(values) == 8
        self.name, self.values, self.mark, self.colour, self.source = name, values, mark, colour, source


class Book:
    def __init__(self, stem, memo, samples):
        self.stem, self.memo, self.samples = stem, memo, samples
        assert len(samples) <= MAX_SAMPLES

    def count(self):
        """COUNTA over the name row: every non-empty name cell, text or number."""
        return sum(1 for s in self.samples if s.name not in (None, ""))

    def cells(self):
        c = {}
        c[(1, 1)] = Cell(TEXT, TITLE, "title")
        c[(2, 1)] = Cell(TEXT, self.memo, "memo")
        for k, text in enumerate(INSTRUCTIONS):
            c[(3 + k, 1)] = Cell(TEXT, text, "note")
        c[(8, 1)] = Cell(TEXT, LEGEND_LABEL, "legend_label")
        for n in range(16):
            c[(8, COL_FIRST + n)] = Cell(TEXT, f"{n:02d} {COLOUR_NAMES[n]}", f"legend{n}")
        c[(ROW_HEADER, 1)] = Cell(TEXT, HEADER_LABEL, "header_label")
        for row, label in ROW_LABELS.items():
            c[(row, 1)] = Cell(TEXT, label, "label_tri" if row in (ROW_MARK, ROW_COLOUR) else "label")
        c[(ROW_COUNT, COL_FIRST)] = Cell(FORMULA, COUNT_FORMULA, "count", cached=self.count())
        c[(ROW_COUNT, COL_FIRST + 1)] = Cell(TEXT, COUNT_NOTE, "count_note")
        for i in range(1, MAX_SAMPLES + 1):
            col = COL_FIRST + i - 1
            c[(ROW_HEADER, col)] = Cell(NUMBER, float(i), "header")
            s = self.samples[i - 1] if i <= len(self.samples) else None
            name = s.name if s else None
            if isinstance(name, str) and name:
                c[(ROW_NAME, col)] = Cell(TEXT, name, "name")
            elif isinstance(name, (int, float)):
                c[(ROW_NAME, col)] = Cell(NUMBER, float(name), "name")
            else:
                c[(ROW_NAME, col)] = Cell(None, None, "name")
            for k, row in enumerate(ROW_IONS):
                v = s.values[k] if s else None
                c[(row, col)] = Cell(NUMBER, float(v), "value") if v is not None else Cell(None, None, "value")
            mark, colour = (s.mark, s.colour) if s else default_mark_colour(i)
            c[(ROW_MARK, col)] = Cell(TEXT, mark, "mark") if mark else Cell(None, None, "mark")
            c[(ROW_COLOUR, col)] = Cell(TEXT, f"{colour:02d}", "colour") if colour is not None else Cell(None, None, "colour")
        return c


# ---------------------------------------------------------------------------------------------
# Data


def liu_analyses():
    """The 20 published analyses, in file order: (name, [8 values in mg/L])."""
    with REFERENCE_CSV.open(newline="", encoding="utf-8") as f:
        rows = list(csv.DictReader(f))
    assert len(rows) == 20, "expected the 20 analyses of Liu et al. (2021)"
    return {r["name"]: [float(r[ion]) for ion in IONS] for r in rows}, [r["name"] for r in rows]


# Twelve invented but plausible analyses (mg/L) for the 32-sample book, each balanced within 5 %;
# None is an empty cell (counts as 0).
INVENTED = (
    ("仮想井戸01", (8.2, 1.6, 18.5, 4.9, 9.8, 72.4, 12.1, 5.3)),  # shallow Ca-HCO3
    ("仮想井戸02", (6.1, 0.9, 62.3, 18.7, 8.5, 265.0, 14.2, 3.1)),  # limestone Ca(Mg)-HCO3
    ("仮想井戸03", (98.5, 3.2, 6.8, 2.1, 14.6, 268.4, 4.5, 0.2)),  # deep confined Na-HCO3
    ("仮想井戸04", (1480, 56.0, 95.0, 181.0, 2650, 230.0, 380.0, 3.0)),  # seawater intrusion Na-Cl
    ("仮想井戸05", (25.3, 4.1, 182.0, 28.5, 21.7, 146.0, 445.0, 6.8)),  # gypsum Ca-SO4
    ("仮想井戸06", (18.4, 6.5, 58.9, 14.2, 24.8, 98.6, 42.3, 118.5)),  # farmland, nitrate-rich
    ("仮想井戸07", (412, 28.5, 31.0, 6.4, 455, 420, 68.0, None)),  # thermal Na-Cl-HCO3, NO3 not measured
    ("仮想井戸08", (5.2, 1.1, 9.6, 2.4, 5.9, 34.2, 8.9, 2.6)),  # river-recharged, low mineral
    ("仮想井戸09", (9.8, 0.6, 8.1, 38.5, 10.2, 215.0, 9.6, 1.4)),  # serpentinite Mg-HCO3
    ("仮想井戸10", (235, 5.5, 22.0, 12.5, 48.0, 180.0, 395.0, 4.0)),  # Na-SO4
    ("仮想井戸11", (46.5, 24.8, 71.2, 19.6, 68.3, 142.0, 55.7, 156.0)),  # livestock, nitrate-rich
    ("仮想井戸12", (320, 12.0, 95.0, 62.0, 610, 240, 180, 12.0)),  # brackish mixture
)

SOURCE_SHORT = "Liu et al. (2021) 中国山東省の地下水（WQChartPy の data_Liu_et_al_2021.csv より）"

# Colour and mark per well: the marks vary within a well.
WELL_COLOUR = {"W17": 12, "W19": 9, "W18": 2, "W15": 13, "W14": 4, "W16": 6}
WELL_MARKS = "●▲■◆★○△□"


def well_styled(names, table):
    samples, seen = [], {}
    for name in names:
        well = name.split("-")[0]
        k = seen.get(well, 0)
        seen[well] = k + 1
        samples.append(Sample(name, list(table[name]), WELL_MARKS[k % 8], WELL_COLOUR[well], "Liu et al. (2021)"))
    return samples


def books():
    table, order = liu_analyses()

    # 12 columns; column 9 carries the real analysis W19-2003-06 under the name 9 (one character),
    # so the programs skip it. Had it been drawn, its chloride (46.8 meq/L) would raise the
    # automatic scale from 30 to 60 meq/L.
    names12 = order[:8] + ["W19-2003-06", "W18-2016-06", "W16-2000-09", "W15-2002-09"]
    s12 = well_styled(names12, table)
    s12[8].name = 9
    book12 = Book(
        "sample12",
        "例題（12試料）：" + SOURCE_SHORT + "。試料9は名前を「9」にして作図対象外。",
        s12,
    )

    s32 = well_styled(order, table)
    marks = "○△□◇☆●▲■◆★○△"
    colours = (1, 3, 5, 8, 10, 11, 8, 0, 7, 1, 3, 5)
    for k, (name, values) in enumerate(INVENTED):
        s32.append(Sample(name, list(values), marks[k], colours[k], "invented"))
    book32 = Book(
        "sample32",
        "例題（32試料）：試料1～20は " + SOURCE_SHORT + "、試料21～32は架空の値。",
        s32,
    )

    names5 = ["W19-2016-11", "W18-2003-06", "W18-2013-07", "W14-2001-06", "W14-2002-09"]
    book5 = Book(
        "nitrate5",
        "例題（硝酸の多い5試料、硝酸タイプの比較用）：" + SOURCE_SHORT + "。",
        well_styled(names5, table),
    )
    return [book12, book32, book5]


def write_csv(book, path):
    """The samples of a book as a laboratory's CSV table: a heading row, one row per sample,
    the same names, mg/L values, marks and colour texts as the workbook's cells (UTF-8)."""
    out = io.StringIO(newline="")
    w = csv.writer(out, lineterminator="\n")
    w.writerow(["name", *IONS, "mark", "colour"])
    for s in book.samples:
        name = s.name if isinstance(s.name, str) else num_text(float(s.name))
        values = ["" if v is None else num_text(float(v)) for v in s.values]
        colour = "" if s.colour is None else f"{s.colour:02d}"
        w.writerow([name, *values, s.mark or "", colour])
    path.write_text(out.getvalue(), encoding="utf-8", newline="")


def template():
    return Book("hinagata", TEMPLATE_MEMO, [])


# ---------------------------------------------------------------------------------------------
# .xls (BIFF8) through xlwt, with the formula result patched in


def _biff_palette_index():
    pal = {}
    for k, rgb in enumerate(xlrd.formatting.excel_default_palette_b8):
        pal.setdefault("%02X%02X%02X" % rgb, 8 + k)
    return pal


BIFF_PALETTE = _biff_palette_index()


def _xls_style(style):
    st = xlwt.XFStyle()
    f = xlwt.Font()
    f.name = FONT_NAME
    f.height = 20 * style.get("size", FONT_SIZE)
    f.charset = xlwt.Font.CHARSET_ANSI_JAP_SHIFT_JIS
    f.bold = style.get("bold", False)
    if "colour" in style:
        f.colour_index = BIFF_PALETTE[style["colour"]]
    st.font = f
    a = xlwt.Alignment()
    a.horz = {"left": a.HORZ_LEFT, "center": a.HORZ_CENTER, "right": a.HORZ_RIGHT}.get(
        style.get("halign"), a.HORZ_GENERAL
    )
    a.vert = a.VERT_CENTER
    st.alignment = a
    if style.get("border"):
        b = xlwt.Borders()
        b.left = b.right = b.top = b.bottom = b.THIN
        st.borders = b
    if "fill" in style:
        p = xlwt.Pattern()
        p.pattern = p.SOLID_PATTERN
        p.pattern_fore_colour = BIFF_PALETTE[style["fill"]]
        st.pattern = p
    if style.get("text_format"):
        st.num_format_str = "@"
    return st


def _patch_default_font():
    """xlwt's built-in fonts (the Normal style's among them) are Arial; a Japanese template wants
    the Japanese UI font, which also sets the width unit of the columns."""
    original = xlwt.Formatting.Font.__init__
    if getattr(original, "_patched", False):
        return

    def init(self):
        original(self)
        self.name = FONT_NAME
        self.height = 20 * FONT_SIZE
        self.charset = xlwt.Font.CHARSET_ANSI_JAP_SHIFT_JIS

    init._patched = True
    xlwt.Formatting.Font.__init__ = init


BIFF_FORMULA = 0x0006
BIFF_BOF = 0x0809
BIFF_EOF = 0x000A


def biff_records(data):
    pos = 0
    while pos + 4 <= len(data):
        rid, size = struct.unpack_from("<HH", data, pos)
        if rid == 0 and not data[pos:].strip(b"\0"):
            return  # the OLE container pads the stream to whole sectors
        yield rid, pos, data[pos + 4 : pos + 4 + size]
        pos += 4 + size
    assert pos == len(data), "truncated BIFF stream"


def patch_formula_results(data, results):
    """Writes numeric cached results into the FORMULA records named by results {(row0, col0): value}.
    xlwt leaves 'empty string' there; with fCalcOnLoad set, a spreadsheet program recalculates
    anyway, while a reader of the stored result gets the right number."""
    data = bytearray(data)
    done = set()
    for rid, pos, body in biff_records(bytes(data)):
        if rid != BIFF_FORMULA:
            continue
        row, col = struct.unpack_from("<HH", body, 0)
        if (row, col) in results:
            struct.pack_into("<dH", data, pos + 4 + 6, float(results[(row, col)]), 0x0002)
            done.add((row, col))
    missing = set(results) - done
    assert not missing, f"FORMULA records not found: {missing}"
    return bytes(data)


def write_xls(book, path):
    _patch_default_font()
    wb = xlwt.Workbook(encoding="utf-8", style_compression=2)
    ws = wb.add_sheet("Sheet1")
    styles = {key: _xls_style(style) for key, style in STYLES.items()}
    ws.col(0).width = int(WIDTH_LABEL * 256)
    for col in range(COL_FIRST, COL_LAST + 1):
        ws.col(col - 1).width = int(WIDTH_SAMPLE * 256)
    ws.row(0).height_mismatch = True
    ws.row(0).height = 20 * 22
    ws.set_panes_frozen(True)
    ws.set_vert_split_pos(1)  # keep the row labels in view
    ws.set_horz_split_pos(0)
    ws.set_portrait(False)
    ws.paper_size_code = 9  # A4
    results = {}
    for (row, col), cell in sorted(book.cells().items()):
        st = styles[cell.style]
        if cell.kind == TEXT:
            ws.write(row - 1, col - 1, cell.value, st)
        elif cell.kind == NUMBER:
            ws.write(row - 1, col - 1, cell.value, st)
        elif cell.kind == FORMULA:
            ws.write(row - 1, col - 1, xlwt.Formula(cell.value), st)
            results[(row - 1, col - 1)] = cell.cached
        else:
            ws.write(row - 1, col - 1, None, st)  # formatted blank
    stream = patch_formula_results(wb.get_biff_data(), results)
    buf = io.BytesIO()
    xlwt.CompoundDoc.XlsDoc().save(buf, stream)
    path.write_bytes(buf.getvalue())


# ---------------------------------------------------------------------------------------------
# .xlsx (Office Open XML) by hand

NS_MAIN = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
NS_REL = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
NS_PKG_REL = "http://schemas.openxmlformats.org/package/2006/relationships"
ZIP_TIME = (2024, 1, 1, 0, 0, 0)  # fixed, so that regenerated files are byte-identical


def col_letters(col):
    s = ""
    while col:
        col, r = divmod(col - 1, 26)
        s = chr(65 + r) + s
    return s


def col_number(letters):
    n = 0
    for ch in letters:
        n = n * 26 + ord(ch) - 64
    return n


def num_text(v):
    v = float(v)
    return str(int(v)) if v.is_integer() else repr(v)


def _zip(path, members):
    """members: list of (name, bytes, compress)."""
    with zipfile.ZipFile(path, "w") as z:
        for name, data, compress in members:
            info = zipfile.ZipInfo(name, ZIP_TIME)
            info.compress_type = zipfile.ZIP_DEFLATED if compress else zipfile.ZIP_STORED
            info.external_attr = 0o644 << 16
            z.writestr(info, data)


def _xlsx_styles():
    fonts, fills, borders, xfs, index = [], ["none", "gray125"], [False], [], {}

    def font_xml(style):
        parts = ["<b/>"] if style.get("bold") else []
        parts.append(f'<sz val="{style.get("size", FONT_SIZE)}"/>')
        parts.append(f'<color rgb="FF{style["colour"]}"/>' if "colour" in style else '<color theme="1"/>')
        parts.append(f'<name val="{FONT_NAME}"/><family val="3"/><charset val="128"/>')
        return "<font>" + "".join(parts) + "</font>"

    base = font_xml({})
    fonts.append(base)
    xfs.append('<xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/>')  # index 0: Normal
    for key, style in STYLES.items():
        f = font_xml(style)
        if f not in fonts:
            fonts.append(f)
        fill = style.get("fill", "none")
        if fill not in fills:
            fills.append(fill)
        border = bool(style.get("border"))
        if border not in borders:
            borders.append(border)
        numfmt = 49 if style.get("text_format") else 0
        halign = style.get("halign")
        align = f'<alignment horizontal="{halign}" vertical="center"/>' if halign else '<alignment vertical="center"/>'
        xfs.append(
            f'<xf numFmtId="{numfmt}" fontId="{fonts.index(f)}" fillId="{fills.index(fill)}" '
            f'borderId="{borders.index(border)}" xfId="0" applyNumberFormat="{int(numfmt != 0)}" applyFont="1" '
            f'applyFill="{int(fill != "none")}" applyBorder="{int(border)}" applyAlignment="1">{align}</xf>'
        )
        index[key] = len(xfs) - 1

    def fill_xml(f):
        if f in ("none", "gray125"):
            return f'<fill><patternFill patternType="{f}"/></fill>'
        return f'<fill><patternFill patternType="solid"><fgColor rgb="FF{f}"/><bgColor indexed="64"/></patternFill></fill>'

    def border_xml(b):
        if not b:
            return "<border><left/><right/><top/><bottom/><diagonal/></border>"
        side = '<{0} style="thin"><color indexed="64"/></{0}>'
        return "<border>" + "".join(side.format(s) for s in ("left", "right", "top", "bottom")) + "<diagonal/></border>"

    xml = (
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
        f'<styleSheet xmlns="{NS_MAIN}">'
        f'<fonts count="{len(fonts)}">{"".join(fonts)}</fonts>'
        f'<fills count="{len(fills)}">{"".join(fill_xml(f) for f in fills)}</fills>'
        f'<borders count="{len(borders)}">{"".join(border_xml(b) for b in borders)}</borders>'
        '<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>'
        f'<cellXfs count="{len(xfs)}">{"".join(xfs)}</cellXfs>'
        '<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>'
        "</styleSheet>"
    )
    return xml, index


def write_xlsx(book, path):
    styles_xml, style_index = _xlsx_styles()
    cells = book.cells()
    strings, string_index = [], {}
    rows = {}
    for (row, col), cell in sorted(cells.items()):
        ref = f"{col_letters(col)}{row}"
        s = style_index[cell.style]
        if cell.kind == TEXT:
            if cell.value not in string_index:
                string_index[cell.value] = len(strings)
                strings.append(cell.value)
            xml = f'<c r="{ref}" s="{s}" t="s"><v>{string_index[cell.value]}</v></c>'
        elif cell.kind == NUMBER:
            xml = f'<c r="{ref}" s="{s}"><v>{num_text(cell.value)}</v></c>'
        elif cell.kind == FORMULA:
            xml = f'<c r="{ref}" s="{s}"><f>{escape(cell.value)}</f><v>{num_text(cell.cached)}</v></c>'
        else:
            xml = f'<c r="{ref}" s="{s}"/>'
        rows.setdefault(row, []).append(xml)
    n_text = sum(1 for c in cells.values() if c.kind == TEXT)
    sheet_rows = "".join(
        (f'<row r="{r}" ht="22" customHeight="1">' if r == 1 else f'<row r="{r}">') + "".join(x) + "</row>"
        for r, x in sorted(rows.items())
    )
    last = f"{col_letters(COL_LAST)}{max(rows)}"
    sheet = (
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
        f'<worksheet xmlns="{NS_MAIN}" xmlns:r="{NS_REL}">'
        f'<dimension ref="A1:{last}"/>'
        '<sheetViews><sheetView tabSelected="1" workbookViewId="0">'
        '<pane xSplit="1" topLeftCell="B1" activePane="topRight" state="frozen"/>'
        '<selection pane="topRight" activeCell="B11" sqref="B11"/></sheetView></sheetViews>'
        '<sheetFormatPr defaultRowHeight="13.5"/>'
        f'<cols><col min="1" max="1" width="{WIDTH_LABEL}" customWidth="1"/>'
        f'<col min="{COL_FIRST}" max="{COL_LAST}" width="{WIDTH_SAMPLE}" customWidth="1"/></cols>'
        f"<sheetData>{sheet_rows}</sheetData>"
        '<pageMargins left="0.7" right="0.7" top="0.75" bottom="0.75" header="0.3" footer="0.3"/>'
        '<pageSetup paperSize="9" orientation="landscape"/>'
        "</worksheet>"
    )
    sst = (
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
        f'<sst xmlns="{NS_MAIN}" count="{n_text}" uniqueCount="{len(strings)}">'
        + "".join(f'<si><t xml:space="preserve">{escape(s)}</t></si>' for s in strings)
        + "</sst>"
    )
    workbook = (
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
        f'<workbook xmlns="{NS_MAIN}" xmlns:r="{NS_REL}">'
        '<bookViews><workbookView/></bookViews>'
        '<sheets><sheet name="Sheet1" sheetId="1" r:id="rId1"/></sheets>'
        '<calcPr calcId="0" fullCalcOnLoad="1"/>'
        "</workbook>"
    )
    ct = "application/vnd.openxmlformats-officedocument.spreadsheetml"
    content_types = (
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
        '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
        '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
        '<Default Extension="xml" ContentType="application/xml"/>'
        f'<Override PartName="/xl/workbook.xml" ContentType="{ct}.sheet.main+xml"/>'
        f'<Override PartName="/xl/worksheets/sheet1.xml" ContentType="{ct}.worksheet+xml"/>'
        f'<Override PartName="/xl/styles.xml" ContentType="{ct}.styles+xml"/>'
        f'<Override PartName="/xl/sharedStrings.xml" ContentType="{ct}.sharedStrings+xml"/>'
        "</Types>"
    )
    root_rels = (
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
        f'<Relationships xmlns="{NS_PKG_REL}">'
        f'<Relationship Id="rId1" Type="{NS_REL}/officeDocument" Target="xl/workbook.xml"/>'
        "</Relationships>"
    )
    wb_rels = (
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
        f'<Relationships xmlns="{NS_PKG_REL}">'
        f'<Relationship Id="rId1" Type="{NS_REL}/worksheet" Target="worksheets/sheet1.xml"/>'
        f'<Relationship Id="rId2" Type="{NS_REL}/styles" Target="styles.xml"/>'
        f'<Relationship Id="rId3" Type="{NS_REL}/sharedStrings" Target="sharedStrings.xml"/>'
        "</Relationships>"
    )
    _zip(
        path,
        [
            ("[Content_Types].xml", content_types.encode(), True),
            ("_rels/.rels", root_rels.encode(), True),
            ("xl/workbook.xml", workbook.encode(), True),
            ("xl/_rels/workbook.xml.rels", wb_rels.encode(), True),
            ("xl/styles.xml", styles_xml.encode(), True),
            ("xl/sharedStrings.xml", sst.encode(), True),
            ("xl/worksheets/sheet1.xml", sheet.encode(), True),
        ],
    )


# ---------------------------------------------------------------------------------------------
# .ods (OpenDocument spreadsheet) by hand

ODS_NS = {
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    "style": "urn:oasis:names:tc:opendocument:xmlns:style:1.0",
    "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
    "table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
    "fo": "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0",
    "svg": "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0",
    "number": "urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0",
    "of": "urn:oasis:names:tc:opendocument:xmlns:of:1.2",
}
ODS_MIME = "application/vnd.oasis.opendocument.spreadsheet"
ODS_NS_DECL = " ".join(f'xmlns:{k}="{v}"' for k, v in ODS_NS.items())
FONT_DECLS = (
    "<office:font-face-decls>"
    f'<style:font-face style:name="{FONT_NAME}" svg:font-family="&apos;{FONT_NAME}&apos;" '
    'style:font-family-generic="swiss" style:font-pitch="variable"/>'
    "</office:font-face-decls>"
)
CM_PER_CHAR = 0.21


def _ods_text_p(text):
    # Runs of blanks would collapse in ODF text; the workbook texts have none.
    assert "  " not in text and text == text.strip() and "\n" not in text and "\t" not in text, text
    return f"<text:p>{escape(text)}</text:p>"


def _ods_cell_styles():
    out, names = [], {}
    for k, (key, style) in enumerate(STYLES.items(), start=1):
        name = f"ce{k}"
        names[key] = name
        data = ' style:data-style-name="N100"' if style.get("text_format") else ""
        cell_props = ['style:vertical-align="middle"']
        if "fill" in style:
            cell_props.append(f'fo:background-color="#{style["fill"].lower()}"')
        if style.get("border"):
            cell_props.append('fo:border="0.06pt solid #000000"')
        text_props = []
        if style.get("bold"):
            text_props += ['fo:font-weight="bold"', 'style:font-weight-asian="bold"']
        if "size" in style:
            text_props += [f'fo:font-size="{style["size"]}pt"', f'style:font-size-asian="{style["size"]}pt"']
        if "colour" in style:
            text_props.append(f'fo:color="#{style["colour"].lower()}"')
        halign = {"center": "center", "right": "end", "left": "start"}.get(style.get("halign"))
        para = f'<style:paragraph-properties fo:text-align="{halign}"/>' if halign else ""
        text = f"<style:text-properties {' '.join(text_props)}/>" if text_props else ""
        out.append(
            f'<style:style style:name="{name}" style:family="table-cell" style:parent-style-name="Default"{data}>'
            f"<style:table-cell-properties {' '.join(cell_props)}/>{para}{text}</style:style>"
        )
    return "".join(out), names


def write_ods(book, path):
    cell_styles, style_names = _ods_cell_styles()
    cells = book.cells()
    last_row = max(r for r, _ in cells)
    rows_xml = []
    for row in range(1, last_row + 1):
        items = []
        for col in range(1, COL_LAST + 1):
            cell = cells.get((row, col))
            if cell is None:
                items.append("<table:table-cell/>")
                continue
            st = f' table:style-name="{style_names[cell.style]}"'
            if cell.kind == TEXT:
                items.append(f'<table:table-cell{st} office:value-type="string">{_ods_text_p(cell.value)}</table:table-cell>')
            elif cell.kind == NUMBER:
                v = num_text(cell.value)
                items.append(f'<table:table-cell{st} office:value-type="float" office:value="{v}"><text:p>{v}</text:p></table:table-cell>')
            elif cell.kind == FORMULA:
                v = num_text(cell.cached)
                items.append(
                    f'<table:table-cell{st} table:formula="{COUNT_FORMULA_ODS}" office:value-type="float" '
                    f'office:value="{v}"><text:p>{v}</text:p></table:table-cell>'
                )
            else:
                items.append(f"<table:table-cell{st}/>")
        # Merge runs of identical empty cells, as office programs write them.
        merged = []
        for it in items:
            if merged and it == merged[-1][0] and it.endswith("/>"):
                merged[-1][1] += 1
            else:
                merged.append([it, 1])
        while merged and merged[-1][0] == "<table:table-cell/>":
            merged.pop()  # trailing unformatted cells need not be written
        parts = []
        for it, n in merged:
            parts.append(it if n == 1 else it.replace("<table:table-cell", f'<table:table-cell table:number-columns-repeated="{n}"', 1))
        height = ' table:style-name="ro1"' if row == 1 else ""
        rows_xml.append(f"<table:table-row{height}>{''.join(parts)}</table:table-row>")
    content = (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        f'<office:document-content {ODS_NS_DECL} office:version="1.2">'
        f"{FONT_DECLS}<office:automatic-styles>"
        f'<style:style style:name="co1" style:family="table-column"><style:table-column-properties fo:break-before="auto" style:column-width="{WIDTH_LABEL * CM_PER_CHAR:.3f}cm"/></style:style>'
        f'<style:style style:name="co2" style:family="table-column"><style:table-column-properties fo:break-before="auto" style:column-width="{WIDTH_SAMPLE * CM_PER_CHAR:.3f}cm"/></style:style>'
        '<style:style style:name="ro1" style:family="table-row"><style:table-row-properties style:row-height="0.78cm" style:use-optimal-row-height="false"/></style:style>'
        '<style:style style:name="ta1" style:family="table" style:master-page-name="Default">'
        '<style:table-properties table:display="true"/></style:style>'
        '<number:text-style style:name="N100"><number:text-content/></number:text-style>'
        f"{cell_styles}</office:automatic-styles>"
        '<office:body><office:spreadsheet><table:table table:name="Sheet1" table:style-name="ta1">'
        '<table:table-column table:style-name="co1" table:default-cell-style-name="Default"/>'
        f'<table:table-column table:style-name="co2" table:number-columns-repeated="{MAX_SAMPLES}" table:default-cell-style-name="Default"/>'
        + "".join(rows_xml)
        + "</table:table></office:spreadsheet></office:body></office:document-content>"
    )
    styles = (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        f'<office:document-styles {ODS_NS_DECL} office:version="1.2">{FONT_DECLS}'
        "<office:styles>"
        '<style:default-style style:family="table-cell">'
        f'<style:text-properties style:font-name="{FONT_NAME}" style:font-name-asian="{FONT_NAME}" '
        f'fo:font-size="{FONT_SIZE}pt" style:font-size-asian="{FONT_SIZE}pt" fo:language="ja" fo:country="JP"/>'
        "</style:default-style>"
        '<style:style style:name="Default" style:family="table-cell"/>'
        "</office:styles>"
        # A4 landscape, like the .xls and .xlsx
        '<office:automatic-styles><style:page-layout style:name="pm1">'
        '<style:page-layout-properties fo:page-width="29.7cm" fo:page-height="21cm" style:print-orientation="landscape"/>'
        "</style:page-layout></office:automatic-styles>"
        '<office:master-styles><style:master-page style:name="Default" style:page-layout-name="pm1"/></office:master-styles>'
        "</office:document-styles>"
    )
    manifest = (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        '<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.2">'
        f'<manifest:file-entry manifest:full-path="/" manifest:version="1.2" manifest:media-type="{ODS_MIME}"/>'
        '<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>'
        '<manifest:file-entry manifest:full-path="styles.xml" manifest:media-type="text/xml"/>'
        "</manifest:manifest>"
    )
    _zip(
        path,
        [
            ("mimetype", ODS_MIME.encode(), False),  # first and stored, as ODF requires
            ("META-INF/manifest.xml", manifest.encode(), True),
            ("styles.xml", styles.encode(), True),
            ("content.xml", content.encode(), True),
        ],
    )


# ---------------------------------------------------------------------------------------------
# Reading back


def read_xls(path):
    """Non-empty cells of Sheet1 as {(row, col): (kind, value)} plus the xlrd book."""
    bk = xlrd.open_workbook(str(path), formatting_info=True)
    assert bk.sheet_names() == ["Sheet1"], bk.sheet_names()
    sh = bk.sheet_by_name("Sheet1")
    out = {}
    for r in range(sh.nrows):
        for c in range(sh.ncols):
            cell = sh.cell(r, c)
            if cell.ctype == xlrd.XL_CELL_TEXT:
                out[(r + 1, c + 1)] = (TEXT, cell.value)
            elif cell.ctype == xlrd.XL_CELL_NUMBER:
                out[(r + 1, c + 1)] = (NUMBER, float(cell.value))
            elif cell.ctype not in (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK):
                out[(r + 1, c + 1)] = ("other", cell.value)
    return out, bk, sh


def xls_formula_records(path):
    """FORMULA records of the first worksheet: {(row, col): (cached double or None, flags, rpn bytes)}."""
    with olefile.OleFileIO(str(path)) as ole:
        data = ole.openstream("Workbook").read()
    out, depth, sheet_no = {}, 0, -1
    for rid, _, body in biff_records(data):
        if rid == BIFF_BOF:
            depth += 1
            sheet_no += 1
        elif rid == BIFF_EOF:
            depth -= 1
        elif rid == BIFF_FORMULA and sheet_no == 1:
            row, col, _xf = struct.unpack_from("<HHH", body, 0)
            raw = body[6:14]
            value = None if raw[6:8] == b"\xff\xff" else struct.unpack("<d", raw)[0]
            flags = struct.unpack_from("<H", body, 14)[0]
            rpn_len = struct.unpack_from("<H", body, 20)[0]
            out[(row + 1, col + 1)] = (value, flags, body[22 : 22 + rpn_len])
    return out


def read_xlsx(path):
    with zipfile.ZipFile(path) as z:
        names = set(z.namelist())
        for need in ("[Content_Types].xml", "_rels/.rels", "xl/workbook.xml", "xl/worksheets/sheet1.xml"):
            assert need in names, need
        wb = ET.fromstring(z.read("xl/workbook.xml"))
        sst = ET.fromstring(z.read("xl/sharedStrings.xml"))
        sheet = ET.fromstring(z.read("xl/worksheets/sheet1.xml"))
    m = "{%s}" % NS_MAIN
    assert [s.get("name") for s in wb.iter(m + "sheet")] == ["Sheet1"]
    strings = ["".join(t.text or "" for t in si.iter(m + "t")) for si in sst.findall(m + "si")]
    out, formulas = {}, {}
    for c in sheet.iter(m + "c"):
        ref = c.get("r")
        letters = "".join(ch for ch in ref if ch.isalpha())
        key = (int(ref[len(letters) :]), col_number(letters))
        v, f, t = c.find(m + "v"), c.find(m + "f"), c.get("t")
        if f is not None:
            formulas[key] = (f.text, v.text if v is not None else None)
        if v is None:
            continue
        if t == "s":
            out[key] = (TEXT, strings[int(v.text)])
        elif t in ("str", "inlineStr"):
            out[key] = (TEXT, v.text or "")
        elif t in (None, "n"):
            out[key] = (NUMBER, float(v.text))
        else:
            out[key] = ("other", v.text)
    return out, formulas


def read_ods(path):
    with zipfile.ZipFile(path) as z:
        first = z.infolist()[0]
        assert first.filename == "mimetype" and first.compress_type == zipfile.ZIP_STORED
        assert z.read("mimetype").decode() == ODS_MIME
        content = ET.fromstring(z.read("content.xml"))
    q = lambda ns, tag: "{%s}%s" % (ODS_NS[ns], tag)  # noqa: E731
    tables = list(content.iter(q("table", "table")))
    assert [t.get(q("table", "name")) for t in tables] == ["Sheet1"]
    out, formulas, row = {}, {}, 0
    for tr in tables[0].iter(q("table", "table-row")):
        row += int(tr.get(q("table", "number-rows-repeated"), "1"))
        col = 0
        for tc in tr:
            if tc.tag not in (q("table", "table-cell"), q("table", "covered-table-cell")):
                continue
            n = int(tc.get(q("table", "number-columns-repeated"), "1"))
            vt = tc.get(q("office", "value-type"))
            for k in range(n):
                key = (row, col + 1 + k)
                if tc.get(q("table", "formula")):
                    formulas[key] = (tc.get(q("table", "formula")), tc.get(q("office", "value")))
                if vt == "float":
                    out[key] = (NUMBER, float(tc.get(q("office", "value"))))
                elif vt == "string":
                    out[key] = (TEXT, "\n".join("".join(p.itertext()) for p in tc.findall(q("text", "p"))))
                elif vt is not None:
                    out[key] = ("other", vt)
            col += n
    return out, formulas


# ---------------------------------------------------------------------------------------------
# Checks


class CheckError(Exception):
    pass


def expect(cond, message):
    if not cond:
        raise CheckError(message)


def expected_cells(book):
    return {k: c.shown() for k, c in book.cells().items() if c.kind is not None}


def compare(path, got, want):
    for key in sorted(set(got) | set(want)):
        g, w = got.get(key), want.get(key)
        ref = f"{col_letters(key[1])}{key[0]}"
        expect(g == w, f"{path.name} {ref}: read {g!r}, intended {w!r}")


def emulate_load(cells):
    """What the programs take from the shown cells: count, valid samples and their values."""
    kind, value = cells.get((ROW_COUNT, COL_FIRST), (None, None))
    n = round(value) if kind == NUMBER else 0
    samples = []
    if not 1 <= n <= MAX_SAMPLES:
        return n, samples
    for i in range(1, n + 1):
        col = COL_FIRST + i - 1
        kind, value = cells.get((ROW_NAME, col), (None, ""))
        text = num_text(value) if kind == NUMBER else (value or "")
        if len(text) <= 1:
            continue
        values = []
        for row in ROW_IONS:
            k, v = cells.get((row, col), (None, None))
            values.append(v if k == NUMBER else 0.0)
        samples.append((i, text, values))
    return n, samples


def auto_scale(samples):
    m = max((v / w for _, _, vals in samples for v, w in zip(vals, EQUIVALENT_WEIGHT)), default=0.0)
    for bound in (1.5, 3, 6, 9, 15, 30, 60, 90, 150):
        if m <= bound:
            return m, bound
    return m, 300


def check_book(book, folder, formats):
    want = expected_cells(book)
    lines = []
    for ext in formats:
        path = folder / f"{book.stem}.{ext}"
        expect(path.is_file(), f"missing {path}")
        if ext == "xls":
            got, bk, sh = read_xls(path)
            compare(path, got, want)
            recs = xls_formula_records(path)
            expect(set(recs) == {(ROW_COUNT, COL_FIRST)}, f"{path.name}: formula cells {sorted(recs)}")
            value, flags, rpn = recs[(ROW_COUNT, COL_FIRST)]
            expect(value == book.count(), f"{path.name}: cached B10 {value!r}, want {book.count()}")
            # ptgArea B11:AG11 (rows 10, cols 1..32, relative) then ptgFuncVar COUNTA (169) with 1 argument
            area = struct.pack("<HHHH", 10, 10, 0xC001, 0xC000 + COL_LAST - 1)
            expect(area in rpn and struct.pack("<BH", 1, 169) in rpn, f"{path.name}: unexpected formula {rpn.hex()}")
            for col in range(COL_FIRST, COL_LAST + 1):
                xf = bk.xf_list[sh.cell_xf_index(ROW_COLOUR - 1, col - 1)]
                expect(bk.format_map[xf.format_key].format_str == "@", f"{path.name}: row 21 not text format")
            expect(sh.colinfo_map[0].width == int(WIDTH_LABEL * 256), f"{path.name}: column A width")
        elif ext == "xlsx":
            got, formulas = read_xlsx(path)
            compare(path, got, want)
            expect(
                formulas == {(ROW_COUNT, COL_FIRST): (COUNT_FORMULA, num_text(book.count()))},
                f"{path.name}: formulas {formulas}",
            )
        else:
            got, formulas = read_ods(path)
            compare(path, got, want)
            expect(
                formulas == {(ROW_COUNT, COL_FIRST): (COUNT_FORMULA_ODS, num_text(book.count()))},
                f"{path.name}: formulas {formulas}",
            )
        n, samples = emulate_load(got)
        if book.samples:
            expect(n == len(book.samples), f"{path.name}: count {n}")
            intended = [
                (i, s.name, [v if v is not None else 0.0 for v in s.values])
                for i, s in enumerate(book.samples, start=1)
                if isinstance(s.name, str) and len(s.name) > 1
            ]
            expect(samples == intended, f"{path.name}: loaded samples differ")
            m, scale = auto_scale(samples)
            lines.append(f"{path.name}: B10={n}, drawn {len(samples)}, largest {m:.2f} meq/L, automatic scale {scale}")
        else:
            expect(n == 0, f"{path.name}: template count {n}, want 0 (refused by the programs)")
            lines.append(f"{path.name}: B10=0 (COUNTA of the empty name row)")
    return lines


def check_data():
    """The invented analyses are balanced; the marks are one character; colours within 0..15."""
    for name, values in INVENTED:
        meq = [(v or 0.0) / w for v, w in zip(values, EQUIVALENT_WEIGHT)]
        cat, an = sum(meq[:4]), sum(meq[4:])
        expect(abs(cat - an) / (cat + an) <= 0.05, f"{name}: ion balance {100 * (cat - an) / (cat + an):.1f} %")
    for book in books():
        for s in book.samples:
            expect(len(s.mark) == 1 and 0 <= s.colour <= 15, f"{book.stem} {s.name}: mark/colour")


def check_with_libreoffice(jobs):
    """Optional second reader: LibreOffice converts every file to CSV (values as shown) and the
    result must match the intended cells. LibreOffice recalculates .xls formulas on load, so for
    .xls this also checks the formula itself; for .xlsx and .ods it shows the stored result."""
    import shutil
    import subprocess
    import tempfile

    soffice = shutil.which("soffice")
    expect(soffice is not None, "--libreoffice: soffice not found")
    lines = []
    with tempfile.TemporaryDirectory() as tmp:
        for book, path in jobs:
            out = Path(tmp) / path.suffix[1:]
            subprocess.run(
                [soffice, "--headless", "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76",
                 "--outdir", str(out), str(path)],
                check=True, capture_output=True, env={"HOME": tmp, "PATH": "/usr/bin:/bin"},
            )  # fmt: skip
            with (out / (path.stem + ".csv")).open(encoding="utf-8", newline="") as f:
                rows = list(csv.reader(f))
            shown = {(r, c): v for r, row in enumerate(rows, 1) for c, v in enumerate(row, 1) if v != ""}
            want = expected_cells(book)
            for key in sorted(set(shown) | set(want)):
                g, w = shown.get(key), want.get(key)
                ok = g is not None and w is not None and (g == w[1] if w[0] == TEXT else float(g) == w[1])
                expect(ok, f"LibreOffice {path.name} {col_letters(key[1])}{key[0]}: shows {g!r}, intended {w!r}")
            lines.append(f"{path.name}: LibreOffice shows the intended {len(want)} cells")
    return lines


# ---------------------------------------------------------------------------------------------


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", type=Path, default=ROOT, help="repository root to write into (default: this repository)")
    ap.add_argument("--check-only", action="store_true", help="verify the existing files, write nothing")
    ap.add_argument("--libreoffice", action="store_true", help="also read every file back through LibreOffice")
    args = ap.parse_args()
    data_dir, ex_dir = args.out / "data", args.out / "examples"
    tpl, examples = template(), books()
    check_data()
    if not args.check_only:
        data_dir.mkdir(parents=True, exist_ok=True)
        ex_dir.mkdir(parents=True, exist_ok=True)
        write_xls(tpl, data_dir / "hinagata.xls")
        for b in examples:
            write_xls(b, ex_dir / f"{b.stem}.xls")
            write_xlsx(b, ex_dir / f"{b.stem}.xlsx")
            write_ods(b, ex_dir / f"{b.stem}.ods")
            if b.stem == "sample12":
                write_csv(b, ex_dir / f"{b.stem}.csv")
    try:
        report = check_book(tpl, data_dir, ["xls"])
        for b in examples:
            report += check_book(b, ex_dir, ["xls", "xlsx", "ods"])
        if args.libreoffice:
            jobs = [(tpl, data_dir / "hinagata.xls")]
            jobs += [(b, ex_dir / f"{b.stem}.{ext}") for b in examples for ext in ("xls", "xlsx", "ods")]
            report += check_with_libreoffice(jobs)
    except CheckError as e:
        print(f"check failed: {e}", file=sys.stderr)
        return 1
    print("\n".join(report))
    print("all workbooks verified")
    return 0


if __name__ == "__main__":
    sys.exit(main())
