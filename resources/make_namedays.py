#!/usr/bin/env python3
"""Builds resources/dataupgr_3.txt, the name-day list built into the program, from the
reconciled lists (month<TAB>day<TAB>name, UTF-8).

    make_namedays.py CZ.tsv SK.tsv > resources/dataupgr_3.txt

Output: Windows-1250, CRLF, one "name;day[;month[;kind]]" entry per line. The month is written
on the first entry of a month, the kind on the first entry of a list; the reader carries both
over to the following lines. Lists 19 and 20 have no entries.
"""
import sys


def entries(path):
    with open(path, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.rstrip("\r\n")
            if not line.strip():
                continue
            month, day, name = line.split("\t")
            month, day = int(month), int(day)
            if not (1 <= month <= 12 and 1 <= day <= 31) or not name or ";" in name:
                sys.exit(f"{path}:{n}: bad entry {line!r}")
            yield month, day, name


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    out = []
    for kind, path in ((1, sys.argv[1]), (2, sys.argv[2])):
        current_month = None
        first = True
        for month, day, name in entries(path):
            if first:
                out.append(f"{name};{day};{month};{kind}")
            elif month != current_month:
                out.append(f"{name};{day};{month}")
            else:
                out.append(f"{name};{day}")
            first = False
            current_month = month
    sys.stdout.buffer.write(("\r\n".join(out) + "\r\n").encode("cp1250"))


if __name__ == "__main__":
    main()
