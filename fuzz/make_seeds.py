#!/usr/bin/env python3
"""Writes the seed corpus (fuzz/corpus/) in the input layout of host_calls_fuzz.cpp.

Each seed is a small contest session; the fuzzer mutates from there. Run from anywhere:
    python3 fuzz/make_seeds.py
"""
import os
import struct

WORDS = ["", "20m", "40m", "80m", "15m", "10m", "160m", "20M", "RTTY", "rtty", "BPSK63",
         "bpsk63", "BPSK31", "QQ1A", "QQ1B", "QQ1", "QQ2", "599", "001", "0599", "12/M", "/M",
         "DL", "K", "VE", "JA", "VK", "K3", "VE3", "2.18", "2.19", "2.20", "UA9", "Kelvo", "DUPE",
         "UBN", " 0935 ", "%s%n%s%p", "\xff\xfe", "\xc3\x84", "QSO:  ", "Invalid DateTime",
         "a\tb\r\nc"]
OPS = {"add": 0, "remove": 2, "check": 3, "result": 4, "reset": 5, "exchange": 6,
       "version": 7, "names": 8}


def null():
    return bytes([0])


def empty():
    return bytes([1])


def word(w):
    """A text from the fuzzer's word list, or raw bytes for any other text."""
    return bytes([2, WORDS.index(w)]) if w in WORDS else raw(w)


def raw(text):
    data = text.encode("latin-1") if isinstance(text, str) else text
    return bytes([5, len(data)]) + data


def long(kib, fill):
    return bytes([4, kib - 1, ord(fill)])


def contest_time(hundredths_of_day, minutes, status=0):
    return bytes([3, hundredths_of_day, minutes, status])


def special_time(index, status=0):
    return bytes([1, index, status])


def raw_time(value, status):
    return bytes([2]) + struct.pack(">d", value) + bytes([status])


def u32(v):
    return struct.pack(">I", v & 0xFFFFFFFF)


def reset(own="QQ1B", country="DL", cabrillo=False, start=None, end=None, prefix=None):
    return ((prefix or empty()) + bytes([0 if cabrillo else 1]) + word(own)
            + (start or contest_time(0, 0)) + (end or contest_time(99, 0)) + word(country)
            + empty())


def qso(call="QQ1A", band="20m", mode="RTTY", time=None, sent="001", rcvd="0599",
        prefix="QQ1", country="K", hz=14080500):
    def text(t):
        return t if isinstance(t, bytes) else word(t)

    return (word("QQ1B") + text(call) + (time or contest_time(40, 10)) + u32(hz) + text(mode)
            + word("599") + word("599") + text(sent) + text(rcvd) + text(prefix)
            + text(country) + text(band) + empty())


def op(name):
    return bytes([OPS[name]])


def check(call="QQ1A", prefix="QQ1", band="20m", band2="20m", mode="RTTY"):
    def text(t):
        return t if isinstance(t, bytes) else word(t)

    return (op("check") + text(call) + text(mode) + text(prefix) + word("K") + text(band)
            + text(band2) + empty() + u32(0) + u32(0))


SEEDS = {
    "session": reset() + op("add") + qso() + op("add") + qso(time=contest_time(40, 20))
    + op("add") + qso(call="QQ1B", band="40m") + check() + check(call="QQ2A", prefix="QQ2")
    + op("result") + op("remove") + bytes([0]) + op("result"),
    "rejects": reset() + op("add") + qso(band="160m") + op("add") + qso(mode="BPSK31")
    + op("add") + qso(sent="") + op("add") + qso(rcvd=null()) + op("result")
    + op("remove") + bytes([1]) + qso(band="160m") + op("result"),
    "cabrillo-html": op("version") + empty() + reset(cabrillo=True) + op("version") + null()
    + op("add") + qso(rcvd="12/M", mode="bpsk63") + op("add") + qso(band="20M") + op("result"),
    "odd-times": reset(start=special_time(11), end=raw_time(1e300, 1)) + op("add")
    + qso(time=special_time(9)) + op("add") + qso(time=special_time(10, 2), call="QQ2A")
    + op("add") + qso(time=raw_time(-1e300, 0), call="QQ3A") + op("add")
    + qso(time=null(), call="QQ4A") + op("result") + op("remove") + bytes([2]) + op("result"),
    "long-and-raw-texts": reset(own="QQ1A") + op("add")
    + qso(call=long(64, "W"), prefix=long(8, "P")) + check(call=long(64, "W"), prefix=raw("\x00Q"))
    + op("add") + qso(call=raw("\xe4\xf6\xfc"), country=raw(b"%n%n"), band=raw("20m\x0040m"))
    + op("exchange") + raw("5\xff") + op("exchange") + null() + op("names") + u32(0xFFFFFFFF)
    + empty() + op("result"),
    "resets": reset(country="UA9") + op("add") + qso() + op("reset") + reset(own="K3")
    + op("add") + qso() + check(band="160m", band2=null()) + check(band="20m", band2="20M")
    + op("result"),
}


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
    os.makedirs(folder, exist_ok=True)
    for name, data in SEEDS.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
