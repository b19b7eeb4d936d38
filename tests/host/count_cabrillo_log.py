#!/usr/bin/env python3
"""Independent count of a Cabrillo log's QSO lines, for checking a replay's result text.

Counts the "QSO:" lines by band (from the kHz column), the duplicates (same call, band and mode
as an earlier QSO line), the lines the contest rejects (band other than 80/40/20/15/10 m, mode
other than RY/PM, missing serial numbers), and compares them with the band rows and the "Dupe"
and "Bad QSO" lines of a result text.

usage: count_cabrillo_log.py LOG [RESULT_TEXT]
Without RESULT_TEXT it prints the counts; with it, exits 1 when they disagree.
"""
import re
import sys

BANDS = [(1800, 2000, "160m"), (3500, 4000, "80m"), (7000, 7300, "40m"), (14000, 14350, "20m"),
         (21000, 21450, "15m"), (28000, 29700, "10m")]
CONTEST_BANDS = {"80m", "40m", "20m", "15m", "10m"}


def band_of(khz):
    for low, high, name in BANDS:
        if low <= khz <= high:
            return name
    return ""


def count(path):
    qsos, dupes, bad, seen = {}, 0, 0, set()
    with open(path, encoding="latin-1") as log:
        for line in log:
            if not line.startswith("QSO:"):
                continue
            f = line.split()[1:]
            band = band_of(int(f[0])) if f[0].isdigit() else ""
            mode = f[1]
            # freq mo date time mycall rst exch call rst exch [t]
            if band not in CONTEST_BANDS or mode not in ("RY", "PM") or len(f) < 10:
                bad += 1
                continue
            key = (f[7], band, mode)
            if key in seen:
                dupes += 1
                continue
            seen.add(key)
            qsos[band] = qsos.get(band, 0) + 1
    return qsos, dupes, bad


def parse_result(text):
    rows = dict(re.findall(r"^(\d+m)\t (\d+)\t", text, re.M))
    dupes = int(re.search(r"^Dupe\t (\d+)", text, re.M).group(1))
    bad = int(re.search(r"^Bad QSO\t (\d+)", text, re.M).group(1))
    return {k: int(v) for k, v in rows.items()}, dupes, bad


def main():
    qsos, dupes, bad = count(sys.argv[1])
    print("independent count: %s dupes %d bad %d" %
          (" ".join("%s %d" % (b, qsos[b]) for b in sorted(qsos, key=lambda b: -int(b[:-1]))),
           dupes, bad))
    if len(sys.argv) < 3:
        return 0
    with open(sys.argv[2], encoding="latin-1", newline="") as result:
        got = parse_result(result.read())
    print("result text:       %s dupes %d bad %d" %
          (" ".join("%s %d" % (b, got[0][b]) for b in got[0]), got[1], got[2]))
    if got != (qsos, dupes, bad):
        print("MISMATCH")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
