#!/usr/bin/python3
"""Writes the workbooks the sixsideplot tests read (run with /usr/bin/python3; needs xlwt).

Each book has the template's cell layout on "Sheet1": the count in B10, names in row 11 and
the eight ions (mg/L) in rows 12..19, sample i in column i + 1.
"""
import os
import xlwt

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "fixtures")

# mg/L of one meq/L: Na, K, Ca/2, Mg/2, Cl, HCO3, SO4/2, NO3
MG_PER_MEQ = [22.9898, 39.0983, 40.078 / 2, 24.305 / 2, 35.4527, 61.0171, 96.0636 / 2, 62.0049]


def write(name, count, samples):
    """samples: list of (name, [8 values in meq/L]) for columns 1..len(samples)."""
    book = xlwt.Workbook(encoding="utf-8")
    sheet = book.add_sheet("Sheet1")
    if count is not None:
        sheet.write(9, 1, count)
    for i, (sample_name, meq) in enumerate(samples, start=1):
        sheet.write(10, i, sample_name)
        for k, v in enumerate(meq):
            sheet.write(11 + k, i, v * MG_PER_MEQ[k])
    book.save(os.path.join(HERE, name))


def analysis(i):
    # Distinct, moderate analyses whose largest value stays below 3 meq/L ("1cm = 1.0").
    base = 0.2 + 0.05 * (i % 7)
    return [base, 0.1, base + 0.4, 0.3, base + 0.2, 2.0 + 0.1 * (i % 5), 0.4, 0.1 * (i % 3)]


def main():
    os.makedirs(HERE, exist_ok=True)
    for n in (8, 9, 16, 17, 32):
        write("count%d.xls" % n, n, [("S%02d" % i, analysis(i)) for i in range(1, n + 1)])
    # Sample 1: Na + K = 1.5 meq/L, largest value 2.5 meq/L (Cl) -> "1cm = 1.0".
    write("vertex.xls", 1, [("V1", [1.5, 0, 1.0, 0.5, 2.5, 1.0, 0.5, 0.2])])
    write("bad_count.xls", 33, [("S01", analysis(1))])
    write("no_count.xls", None, [("S01", analysis(1))])


if __name__ == "__main__":
    main()
