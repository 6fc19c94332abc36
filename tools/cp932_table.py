#!/usr/bin/env python3
"""Writes editor/cp932_table.inc, the code page 932 table the program reads and writes files
with on every platform, from the C library's Windows-31J character map:

    tools/cp932_table.py [/usr/share/i18n/charmaps/WINDOWS-31J.gz] > editor/cp932_table.inc

tst_text_codec checks the table against the system's own conversion (iconv) where there is one.
"""
import gzip
import re
import sys
import unicodedata

LEADS = list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD))
FIRST_TRAIL, LAST_TRAIL = 0x40, 0xFC


def read_charmap(path):
    singles, pairs, second_forms = {}, {}, []
    entry = re.compile(r"^(%IRREVERSIBLE%)?<U([0-9A-F]{4,6})>\s+((?:/x[0-9a-f]{2})+)\s")
    with gzip.open(path, "rt", encoding="ascii", errors="replace") as charmap:
        for line in charmap:
            m = entry.match(line)
            if not m:
                continue
            code = int(m.group(2), 16)
            data = bytes(int(h, 16) for h in m.group(3).split("/x")[1:])
            assert code < 0x10000, line
            if len(data) == 1:
                singles[data[0]] = code
            else:
                assert len(data) == 2 and data[0] in LEADS, line
                assert FIRST_TRAIL <= data[1] <= LAST_TRAIL, line
                pairs[(data[0] << 8) | data[1]] = code
                if m.group(1):
                    second_forms.append((data[0] << 8) | data[1])
    for b in range(0x80):
        assert singles.get(b) == b, b
    return singles, pairs, sorted(second_forms)


def literal(codes):
    """A UTF-16 string literal: printable CJK and symbols as themselves, the rest escaped."""
    out = []
    for c in codes:
        ch = chr(c)
        if c >= 0x3000 and unicodedata.category(ch)[0] in "LNPS" and not 0xE000 <= c <= 0xF8FF:
            out.append(ch)
        else:
            out.append("\\u%04X" % c if c else "\\0")
    return 'u"' + "".join(out) + '"'


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/i18n/charmaps/WINDOWS-31J.gz"
    singles, pairs, second_forms = read_charmap(path)
    print("// Code page 932 as the program reads and writes it, on every platform. Made by")
    print("// tools/cp932_table.py from the C library's Windows-31J character map; do not edit.")
    print("// kCp932High: the character of each single byte 80 to FF (0: a lead byte or none).")
    print("inline constexpr char16_t kCp932High[] =")
    print("    " + literal([singles.get(b, 0) for b in range(0x80, 0x100)]) + ";")
    print("// kCp932Rows: for each lead byte, the characters of the trail bytes %02X to %02X"
          % (FIRST_TRAIL, LAST_TRAIL))
    print("// (0: the pair is no character).")
    print("inline constexpr Cp932Row kCp932Rows[] = {")
    for lead in LEADS:
        row = [pairs.get((lead << 8) | t, 0) for t in range(FIRST_TRAIL, LAST_TRAIL + 1)]
        print("    {0x%02X, %s}," % (lead, literal(row)))
    print("};")
    print("// Pairs that read as a character the encoder writes in another form.")
    print("inline constexpr quint16 kCp932SecondForms[] = {")
    for i in range(0, len(second_forms), 10):
        print("    " + " ".join("0x%04X," % p for p in second_forms[i:i + 10]))
    print("};")


if __name__ == "__main__":
    main()
