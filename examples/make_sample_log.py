#!/usr/bin/env python3
"""Makes the sample contest log examples/sample-contest.log (Cabrillo 3.0).

A day of a QVT contest worked from one station: RTTY ("RY") and BPSK63 ("PM") QSOs on 80, 40,
20, 15 and 10 m with real call signs drawn from the MASTER.SCP call list, a few club members
(numbers ending in "/M"), a few duplicates, a few QSOs the contest does not count (160 m, CW,
a missing number received) and one X-QSO line. The seed is fixed and the call list is read in
its own order, so the same call list always gives the same log.

usage: make_sample_log.py [--scp /usr/share/hamradio-files/MASTER.SCP] [--out FILE]
"""
import argparse
import datetime
import random

SEED = 20210313
START = datetime.datetime(2021, 3, 13, 12, 0)
END = START + datetime.timedelta(hours=24)

# band: (RTTY kHz range, BPSK63 kHz range); the hours (UTC) in which the band is worked.
BANDS = {
    "80m": ((3580, 3600), (3580, 3582), list(range(18, 24)) + list(range(0, 6))),
    "40m": ((7040, 7060), (7037, 7040), list(range(14, 24)) + list(range(0, 9))),
    "20m": ((14080, 14100), (14070, 14073), list(range(6, 19))),
    "15m": ((21080, 21100), (21070, 21073), range(8, 16)),
    "10m": ((28080, 28120), (28120, 28123), range(9, 16)),
}


def read_calls(path):
    calls = []
    with open(path, encoding="latin-1") as scp:
        for line in scp:
            call = line.strip()
            if not call or call.startswith("#") or "/" in call:
                continue
            calls.append(call)
    return calls


def band_for_hour(rng, hour):
    open_bands = [b for b, (_, _, hours) in BANDS.items() if hour in hours]
    return rng.choice(open_bands)


def qso_line(freq, mode, when, mycall, sent, call, rcvd, tag="QSO:"):
    return "%s %5d %s %s %-13s 599 %-5s %-13s 599 %-5s" % (
        tag, freq, mode, when.strftime("%Y-%m-%d %H%M"), mycall, sent, call, rcvd)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--scp", default="/usr/share/hamradio-files/MASTER.SCP")
    parser.add_argument("--out", default="examples/sample-contest.log")
    args = parser.parse_args()

    rng = random.Random(SEED)
    calls = read_calls(args.scp)
    mycall = rng.choice([c for c in calls if c.startswith("S5")])
    stations = rng.sample(calls, 560)
    members = set(rng.sample(stations, 25))
    received = {call: rng.randint(1, 60) for call in stations}

    lines = []
    worked = []  # (call, band, mode) of earlier QSOs, for the duplicates
    serial = 0
    when = START + datetime.timedelta(minutes=rng.randint(0, 4))
    band = band_for_hour(rng, when.hour)
    mode = "RY"
    station_iter = iter(stations)
    while when < END:
        # Stay on a band for a while, then move to another open one.
        if rng.random() < 0.15 or when.hour not in BANDS[band][2]:
            band = band_for_hour(rng, when.hour)
            mode = "PM" if rng.random() < 0.3 else "RY"
        low, high = BANDS[band][0 if mode == "RY" else 1]
        freq = rng.randint(low, high)
        serial += 1
        sent = "%03d" % serial
        if worked and rng.random() < 0.015:
            call = rng.choice([w for w in worked if w[1] == band and w[2] == mode] or [None])
            call = call[0] if call else next(station_iter, None)
        else:
            call = next(station_iter, None)
        if call is None:
            break
        received[call] += rng.randint(1, 25)
        rcvd = "%d" % received[call]
        if call in members:
            rcvd += "/M"
        lines.append(qso_line(freq, mode, when, mycall, sent, call, rcvd))
        worked.append((call, band, mode))
        when += datetime.timedelta(minutes=rng.choice([1, 1, 2, 2, 3, 3, 4, 6]))

    # QSOs the contest does not count, placed among the others by time.
    def insert(line, minute):
        stamp = (START + datetime.timedelta(minutes=minute)).strftime("%Y-%m-%d %H%M")
        index = next((i for i, l in enumerate(lines) if l[14:29] > stamp), len(lines))
        lines.insert(index, line)

    extra = rng.sample(calls, 5)
    insert(qso_line(1841, "RY", START + datetime.timedelta(minutes=400), mycall, "900", extra[0],
                    "17"), 400)
    insert(qso_line(1843, "RY", START + datetime.timedelta(minutes=401), mycall, "901", extra[1],
                    "33"), 401)
    insert(qso_line(7012, "CW", START + datetime.timedelta(minutes=700), mycall, "902", extra[2],
                    "8"), 700)
    insert(qso_line(14085, "RY", START + datetime.timedelta(minutes=1000), mycall, "903",
                    extra[3], ""), 1000)
    insert(qso_line(21090, "RY", START + datetime.timedelta(minutes=1200), mycall, "904",
                    extra[4], "41", tag="X-QSO:"), 1200)

    header = [
        "START-OF-LOG: 3.0",
        "CONTEST: QVT",
        "CALLSIGN: " + mycall,
        "CATEGORY-OPERATOR: SINGLE-OP",
        "CATEGORY-BAND: ALL",
        "CATEGORY-MODE: DIGI",
        "CREATED-BY: examples/make_sample_log.py (seed %d)" % SEED,
        "SOAPBOX: A made-up day of contesting with call signs from the MASTER.SCP call list.",
    ]
    with open(args.out, "w", newline="\r\n", encoding="ascii") as out:
        for line in header + lines + ["END-OF-LOG:"]:
            out.write(line.rstrip() + "\n")


if __name__ == "__main__":
    main()
