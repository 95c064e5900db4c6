#!/usr/bin/python3
"""Writes the workbooks the polyplot tests read (run with /usr/bin/python3; needs xlwt).

"Sheet1" carries the template's cell layout: the count in B10, names in row 11 and the eight
ions (mg/L) in rows 12..19, sample i in column i + 1.
"""
import os
import xlwt

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "fixtures")

# mg/L of one meq/L: Na, K, Ca/2, Mg/2, Cl, HCO3, SO4/2, NO3
MG_PER_MEQ = [22.9898, 39.0983, 40.078 / 2, 24.305 / 2, 35.4527, 61.0171, 96.0636 / 2, 62.0049]


def write(name, samples):
    """samples: list of (name, [8 values in meq/L]) for columns 1..len(samples)."""
    book = xlwt.Workbook(encoding="utf-8")
    sheet = book.add_sheet("Sheet1")
    sheet.write(9, 1, len(samples))
    for i, (sample_name, meq) in enumerate(samples, start=1):
        sheet.write(10, i, sample_name)
        for k, v in enumerate(meq):
            sheet.write(11 + k, i, v * MG_PER_MEQ[k])
    book.save(os.path.join(HERE, name))


def main():
    os.makedirs(HERE, exist_ok=True)
    # One sample: Na + K = 1.5 meq/L, largest value 2.5 meq/L (Cl) -> "1cm = 1.0" (S = 3).
    write("stiff1.xls", [("P1", [1.0, 0.5, 1.0, 0.5, 2.5, 1.0, 0.5, 0.2])])


if __name__ == "__main__":
    main()
