#!/usr/bin/env python3
"""Checks the embedded sound effects and music against what the game's mixer expects.

For every file: the container and sample format, the channel count and rate, the length
(within 20% of the intended one) and the peak (at or below -1 dBFS). Effects must start
and end near silence; music loops must not jump at the seam (the step from the last
sample to the first may bend the wave no more sharply than it usually bends inside).
Every file must be free of DC offset; effects must leave 6 dB of headroom for stacking
over the music, the bump must reach laptop speakers (energy above 250 Hz at its attack),
the chimes must ring out before their end fade, and tracks must start near zero.
Prints one table row per file and exits non-zero if anything fails.

Needs oggdec (Debian package vorbis-tools) to decode the music.
Usage: python3 tools/assets/check_audio.py [assets folder]   (default assets)
"""

import math
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

from audio_dsp import dbfs, read_wav_info, svf

CEILING_DBFS = -1.0
LENGTH_TOLERANCE = 0.20
EDGE_LIMIT = 0.01  # an effect's first and last samples, as a fraction of full scale
# A track's first sample: the source starts at its quietest point, and the codec's
# error around it stays well under the old starts of up to 0.07.
MUSIC_START_LIMIT = 0.02
DC_LIMIT = 0.002  # a channel's mean, as a fraction of full scale
EFFECT_CEILING_DBFS = -5.9  # -6 dBFS set by make_sounds.py, and rounding
BUMP = 9
BUMP_ATTACK_FLOOR_DBFS = -15.0  # the bump above 250 Hz, so small speakers play it
CHIMES = (13, 14)
CHIME_TAIL_SECONDS = 0.012  # covers the end fade and a little before it
CHIME_TAIL_CEILING_DBFS = -40.0

# cue: channels, rate, bits, seconds
SOUNDS = {
    0: (1, 44100, 16, 0.201),
    1: (1, 44100, 16, 0.230),
    2: (1, 44100, 16, 0.186),
    3: (1, 44100, 16, 0.222),
    4: (1, 44100, 16, 0.198),
    5: (1, 11025, 8, 0.155),
    6: (2, 44100, 16, 0.607),
    7: (2, 44100, 16, 1.406),
    8: (1, 44100, 16, 0.232),
    9: (2, 44100, 16, 0.171),
    10: (2, 44100, 16, 1.128),
    11: (2, 48000, 16, 0.105),
    12: (2, 48000, 16, 0.069),
    13: (1, 44100, 16, 0.178),
    14: (1, 44100, 16, 0.178),
}
MUSIC = {0: 13.82, 1: 13.84, 2: 13.83, 3: 13.83, 4: 6.90}
MUSIC_FORMAT = (2, 22050, 16)


def common_problems(info, want, seconds):
    """Format, length and peak problems shared by effects and music."""
    problems = []
    got = (info["channels"], info["rate"], info["bits"])
    if info["tag"] != 1:
        problems.append(f"format tag {info['tag']}, not PCM")
    if got != want:
        problems.append(f"{got} instead of {want}")
    length = len(info["samples"][0]) / info["rate"]
    if abs(length - seconds) > LENGTH_TOLERANCE * seconds:
        problems.append(f"{length:.3f} s, not about {seconds} s")
    if info["peak"] > CEILING_DBFS:
        problems.append(f"peak {info['peak']:.2f} dBFS")
    return problems, length


def measure(info):
    info["peak"] = dbfs(max(max(abs(v) for v in ch) for ch in info["samples"]))
    info["dc"] = max(abs(sum(ch) / len(ch)) for ch in info["samples"])
    return info


def above(samples, rate, cutoff):
    """What is left above the cutoff: a steep (48 dB per octave) high-pass."""
    return svf(samples, rate, cutoff, q=0.7, mode="high", stages=4)


def effect_problems(info, cue):
    """What this particular cue must sound like beyond the shared rules."""
    problems = []
    if info["peak"] > EFFECT_CEILING_DBFS:
        problems.append(f"peak {info['peak']:.2f} dBFS above the effects' {EFFECT_CEILING_DBFS}")
    if cue == BUMP:
        bright = dbfs(max(max(abs(v) for v in above(ch, info["rate"], 250.0)) for ch in info["samples"]))
        if bright < BUMP_ATTACK_FLOOR_DBFS:
            problems.append(f"only {bright:.1f} dBFS above 250 Hz")
    if cue in CHIMES:
        tail = int(CHIME_TAIL_SECONDS * info["rate"])
        level = dbfs(max(max(abs(v) for v in ch[-tail:]) for ch in info["samples"]))
        if level > CHIME_TAIL_CEILING_DBFS:
            problems.append(f"still ringing at {level:.1f} dBFS when it ends")
    return problems


def check_sound(path, cue):
    channels, rate, bits, seconds = SOUNDS[cue]
    info = measure(read_wav_info(path))
    problems, length = common_problems(info, (channels, rate, bits), seconds)
    edge = max(max(abs(ch[0]), abs(ch[-1])) for ch in info["samples"])
    if edge > EDGE_LIMIT:
        problems.append(f"starts or ends at {edge:.3f} of full scale")
    if info["dc"] > DC_LIMIT:
        problems.append(f"DC offset {info['dc']:.4f}")
    problems += effect_problems(info, cue)
    return length, seconds, info, f"edges {edge:.4f} dc {info['dc']:.4f}", problems


def seam(samples):
    """How sharply the wave bends where the end meets the start, and how sharply it
    usually bends inside the track (90th percentile).

    The bend is the second difference x[i+1] - 2 x[i] + x[i-1]: smooth music keeps it
    small, while a cut that leaves the two sides at unrelated values makes it large.
    """
    jump, usual = 0.0, 0.0
    for ch in samples:
        bends = sorted(abs(ch[i + 1] - 2 * ch[i] + ch[i - 1]) for i in range(1, len(ch) - 1))
        usual = max(usual, bends[int(0.9 * (len(bends) - 1))])
        w = ch[-2:] + ch[:2]
        jump = max(jump, abs(w[2] - 2 * w[1] + w[0]), abs(w[3] - 2 * w[2] + w[1]))
    return jump, usual


def check_music(path, number, work):
    data = path.read_bytes()
    problems = []
    if data[:4] != b"OggS" or b"\x01vorbis" not in data[:64]:
        problems.append("not Ogg Vorbis")
    decoded = work / f"{path.stem}.wav"
    subprocess.run(["oggdec", "-Q", "-o", str(decoded), str(path)], check=True)
    info = measure(read_wav_info(decoded))
    more, length = common_problems(info, MUSIC_FORMAT, MUSIC[number])
    jump, usual = seam(info["samples"])
    if jump > usual:
        more.append(f"seam bend {jump:.4f} above the usual {usual:.4f}")
    if info["dc"] > DC_LIMIT:
        more.append(f"DC offset {info['dc']:.4f}")
    first = max(abs(ch[0]) for ch in info["samples"])
    if first > MUSIC_START_LIMIT:
        more.append(f"starts at {first:.3f} of full scale")
    note = f"seam {jump:.4f} / {usual:.4f} dc {info['dc']:.4f} first {first:.4f}"
    return length, MUSIC[number], info, note, problems + more


def main():
    if shutil.which("oggdec") is None:
        sys.exit("oggdec is missing: apt-get install vorbis-tools")
    root = Path(sys.argv[1] if len(sys.argv) > 1 else "assets")
    rows, failures = [], 0
    with tempfile.TemporaryDirectory() as tmp:
        for cue in SOUNDS:
            found = sorted((root / "sounds").glob(f"{cue:02d}_*.wav"))
            if len(found) != 1:
                rows.append((f"sounds/{cue:02d}_*.wav", None, [f"{len(found)} files instead of 1"]))
                continue
            rows.append((f"sounds/{found[0].name}", check_sound(found[0], cue), None))
        for number in MUSIC:
            path = root / "music" / f"track_{number}.ogg"
            if not path.exists():
                rows.append((f"music/{path.name}", None, ["missing"]))
                continue
            rows.append((f"music/{path.name}", check_music(path, number, Path(tmp)), None))

    print(f"{'file':28} {'ch':>2} {'rate':>6} {'bits':>4} {'length':>7} {'want':>7} {'peak dB':>7}  notes")
    for name, result, missing in rows:
        if result is None:
            failures += 1
            print(f"{name:28} FAIL: {'; '.join(missing)}")
            continue
        length, seconds, info, note, problems = result
        failures += bool(problems)
        verdict = "ok" if not problems else "FAIL: " + "; ".join(problems)
        print(
            f"{name:28} {info['channels']:>2} {info['rate']:>6} {info['bits']:>4} {length:>7.3f} {seconds:>7.3f}"
            f" {info['peak']:>7.2f}  {note}  {verdict}"
        )
    print(f"{len(rows) - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
