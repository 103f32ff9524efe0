#!/usr/bin/env python3
"""Composes the five music loops and renders them to assets/music/track_N.ogg.

Each piece is written here as a score (see midi_score.py), with a tempo chosen so that
a whole number of bars fills the loop exactly. FluidSynth renders it with the General
MIDI soundfont a few seconds past the loop end; everything after the loop end (the
reverb and the release of the last notes) is added back onto the start, so the end
flows into the beginning as it would in an endless performance. The loop then loses
any DC offset, is turned to begin at its quietest sample just before the downbeat, is
normalised, written as 16-bit PCM and encoded to Ogg Vorbis with a fixed stream serial
so the output is reproducible.

Needs the Debian packages fluidsynth, fluid-soundfont-gm and vorbis-tools.
Usage: python3 tools/assets/make_music.py [output folder]   (default assets/music)
"""

import array
import random
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

from audio_dsp import normalised, write_wav
from midi_score import DRUMS, Score, pitch

RATE = 22050
SOUNDFONT = "/usr/share/sounds/sf2/FluidR3_GM.sf2"
TAIL_SECONDS = 4.0
# Vorbis can overshoot the source peak slightly, so the loop is made a little quieter
# than the -1 dBFS ceiling it must keep once decoded.
PEAK_DBFS = -2.0
# How far before the loop's own start a quieter first sample is looked for.
ZERO_SEARCH_SECONDS = 0.03

# General MIDI programs (numbered from 0) and percussion keys used below.
NYLON_GUITAR, ACOUSTIC_BASS, FRETLESS_BASS, SYNTH_BASS = 24, 32, 35, 38
MARIMBA, VIBRAPHONE, KALIMBA, HARP, PIZZICATO = 12, 11, 108, 46, 45
STRINGS, SLOW_STRINGS, CELLO, CLARINET, FLUTE, RECORDER = 48, 49, 42, 71, 73, 74
CHOIR_PAD, WARM_PAD, SWEEP_PAD, SQUARE_LEAD, AGOGO, TAIKO = 91, 89, 95, 80, 113, 116
KICK, CLAP, CLOSED_HAT, OPEN_HAT, RIDE_BELL, TAMBOURINE = 36, 39, 42, 46, 53, 54
HIGH_BONGO, OPEN_CONGA, LOW_CONGA, MARACAS, SHORT_GUIRO, LONG_GUIRO = 60, 63, 64, 70, 73, 74
FLOOR_TOM, SHAKER = 41, 82


def band(micros_per_beat, *parts, drums):
    """A score with parts (program, volume, pan, reverb) on channels 0, 1, ... and the
    percussion channel at drums (volume, reverb)."""
    score = Score(micros_per_beat)
    for channel, (program, volume, position, reverb) in enumerate(parts):
        score.instrument(channel, program, volume, position, reverb)
    score.instrument(DRUMS, 0, volume=drums[0], reverb=drums[1])
    return score


def arpeggio(score, channel, beat, chords, order, step, velocity, seed):
    """Plays each bar's chord tones in the given order, one tone per step."""
    rng = random.Random(seed)
    steps = int(round(score.beats_per_bar / step))
    for chord in chords:
        keys = [pitch(n) for n in chord.split("+")]
        for i in range(steps):
            key = keys[order[i % len(order)] % len(keys)]
            accent = 10 if i % 4 == 0 else 0
            score.note(channel, beat + i * step, step * 1.6, key, velocity + accent + rng.randint(-6, 6))
        beat += score.beats_per_bar


def held(score, channel, beat, chords, velocity, bars_each=1):
    """Sustained chords, one per group of bars (a pad or a drone)."""
    length = score.beats_per_bar * bars_each
    for chord in chords:
        for name in chord.split("+"):
            score.note(channel, beat, length, pitch(name), velocity)
        beat += length


def bars_of(score, bars, build):
    """Calls build(beat, bar index) at the start of every bar."""
    for bar in range(bars):
        build(bar * score.beats_per_bar, bar)


def desert():
    """Warm desert: a flute over a plucked guitar ostinato, a string drone and hand drums."""
    s = band(
        431875,  # 32 beats in 13.82 s
        (FLUTE, 96, 70, 70),
        (NYLON_GUITAR, 92, 50, 50),
        (STRINGS, 60, 64, 60),
        (ACOUSTIC_BASS, 88, 64, 20),
        drums=(90, 30),
    )
    s.line(
        0,
        0,
        "r:2 a4:1 bb4:.5 a4:.5 | g4:1.5 f#4:.5 eb4:1 d4:1 | r:1 d4:.5 eb4:.5 f#4:1 g4:1 | a4:3 r:1 |"
        "r:1 c5:.5 bb4:.5 a4:1 bb4:1 | a4:1.5 g4:.5 f#4:1 g4:1 | eb4:1 f#4:.5 eb4:.5 d4:2 | d4:3 r:1",
        velocity=84,
    )
    d, eb, cm = "d3+a3+d4+f#4", "eb3+bb3+eb4+g4", "c3+g3+c4+eb4"
    chords = [d, d, eb, d, cm, d, eb, d]
    arpeggio(s, 1, 0, chords, [0, 1, 2, 1, 3, 1, 2, 1], 0.5, 62, seed=1)
    held(s, 2, 0, ["d2+a2", "d2+a2", "eb2+bb2", "d2+a2"], 58, bars_each=2)
    roots = ["d2", "d2", "eb2", "d2", "c2", "d2", "eb2", "d2"]
    bars_of(s, 8, lambda b, i: s.line(3, b, f"{roots[i]}:1.5 {roots[i]}:2 r:.5", 80))
    rng = random.Random(2)

    def drums(beat, bar):
        s.drums(beat, 0.5, "x.x..x..", LOW_CONGA, 84 + rng.randint(-5, 5))
        s.drums(beat, 0.5, ".x.x..x." if bar % 2 == 0 else ".x.x..xx", HIGH_BONGO, 70 + rng.randint(-5, 5))
        s.drums(beat, 0.25, "o.o.x.o.o.o.x.o.", MARACAS, 46)
        if bar % 4 == 3:
            s.drums(beat + 3, 0.5, "x.", TAMBOURINE, 55)

    bars_of(s, 8, drums)
    return s, 32


def forest():
    """Forest: a recorder tune over marimba arpeggios, pizzicato bass and a soft string bed."""
    s = band(
        432500,  # 32 beats in 13.84 s
        (RECORDER, 88, 72, 70),
        (MARIMBA, 96, 52, 55),
        (PIZZICATO, 96, 64, 40),
        (SLOW_STRINGS, 62, 64, 70),
        (HARP, 70, 90, 80),
        drums=(70, 40),
    )
    s.line(
        0,
        0,
        "d5:1 b4:.5 d5:.5 e5:1 d5:1 | b4:1.5 a4:.5 g4:1 b4:1 | c5:1 e5:1 g5:1 e5:.5 d5:.5 | d5:3 r:1 |"
        "g5:1 e5:.5 d5:.5 b4:1 d5:1 | e5:1.5 d5:.5 b4:1 g4:1 | a4:1 c5:1 b4:1 a4:1 | g4:3 r:1",
        velocity=80,
    )
    g, em, c, dd = "g3+b3+d4+g4", "e3+g3+b3+e4", "c4+e4+g4+c5", "d4+f#4+a4+d5"
    chords = [g, em, c, dd, g, em, c, dd]
    arpeggio(s, 1, 0, chords, [0, 1, 2, 3, 2, 1, 2, 3], 0.5, 66, seed=3)
    roots = ["g2", "e2", "c3", "d3", "g2", "e2", "c3", "d3"]
    fifths = ["d3", "b2", "g3", "a3", "d3", "b2", "g3", "a3"]
    bars_of(s, 8, lambda b, i: s.line(2, b, f"{roots[i]}:1 r:1 {fifths[i]}:1 r:1", 88, legato=0.5))
    held(s, 3, 0, ["g3+d4", "e3+b3", "c4+g4", "d4+a4"] * 2, 50)
    # A sparkle of harp at the end of every second bar, like light through leaves.
    for bar in range(1, 8, 2):
        s.line(4, bar * 4, "r:3 g5:.25 b5:.25 d6:.5", 52)
    bars_of(s, 8, lambda b, i: s.drums(b, 0.5, "o.x.o.x." if i % 2 else "o.x.o.xo", SHAKER, 40))
    return s, 32


def marsh():
    """Marsh: a slow clarinet over a choir haze, a fretless bass, drips and croaking guiros."""
    s = band(
        432188,  # 32 beats in 13.83 s
        (CLARINET, 92, 60, 80),
        (CHOIR_PAD, 64, 64, 90),
        (FRETLESS_BASS, 100, 64, 40),
        (VIBRAPHONE, 70, 84, 100),
        drums=(80, 70),
    )
    s.line(
        0,
        0,
        "e4:2 g4:1 a4:1 | b4:3 a4:1 | g4:1.5 f#4:.5 e4:2 | c#4:2 e4:2 |"
        "e4:1 g4:1 c5:2 | b4:2 a4:1 f#4:1 | g4:3 f#4:1 | e4:4",
        velocity=74,
        legato=1.0,
    )
    chords = ["e3+g3+b3", "e3+g3+b3", "a3+c#4+e4", "a3+c#4+e4", "c3+e3+g3", "d3+f#3+a3", "e3+g3+b3", "e3+g3+b3"]
    held(s, 1, 0, chords, 56)
    roots = ["e2", "e2", "a1", "a1", "c2", "d2", "e2", "b1"]
    bars_of(s, 8, lambda b, i: s.line(2, b, f"{roots[i]}:2.5 {roots[i]}:1.5", 86))
    rng = random.Random(4)
    drips = ["e5", "g5", "b5", "d6", "e6", "a5"]
    for bar in range(8):
        for _ in range(2):
            beat = bar * 4 + rng.choice([0.5, 1.5, 2.5, 3.5, 1.75, 3.25])
            s.note(3, beat, 0.5, pitch(rng.choice(drips)), 40 + rng.randint(0, 16))
        if bar % 2 == 1:
            s.drums(bar * 4 + 2, 0.5, "x.", LONG_GUIRO, 52)
        else:
            s.drums(bar * 4 + 3, 0.25, "o.o.", SHORT_GUIRO, 50)
    return s, 32


def earth():
    """Earth: a cello line over a kalimba ostinato, taiko and toms, and a plain bass."""
    s = band(
        432188,  # 32 beats in 13.83 s
        (CELLO, 100, 58, 60),
        (KALIMBA, 96, 74, 50),
        (TAIKO, 84, 64, 50),
        (ACOUSTIC_BASS, 92, 64, 20),
        drums=(76, 40),
    )
    s.line(
        0,
        0,
        "a3:1.5 c4:.5 e4:1 d4:1 | d4:1.5 b3:.5 g3:2 | a3:1 c4:1 f4:1.5 e4:.5 | d4:3 r:1 |"
        "e4:1.5 g4:.5 a4:1 g4:1 | e4:1 g4:1 c4:2 | d4:1 b3:1 g3:1 b3:1 | a3:3 r:1",
        velocity=86,
    )
    am, gg, ff, cc = "a3+c4+e4+a4", "g3+b3+d4+g4", "f3+a3+c4+f4", "c4+e4+g4+c5"
    chords = [am, gg, ff, gg, am, cc, gg, am]
    arpeggio(s, 1, 0, chords, [0, 2, 3, 2, 1, 2, 3, 2], 0.5, 60, seed=5)
    bars_of(s, 8, lambda b, i: s.drums(b, 0.5, "X....x..", pitch("a2"), 90, channel=2))
    bars_of(s, 8, lambda b, i: s.drums(b, 0.5, "......x." if i % 2 == 0 else "......xx", FLOOR_TOM, 70))
    bars_of(s, 8, lambda b, i: s.drums(b, 0.25, "o.x.o.x.o.x.o.xo", SHAKER, 44))
    roots = ["a2", "g2", "f2", "g2", "a2", "c3", "g2", "a2"]
    bars_of(s, 8, lambda b, i: s.line(3, b, f"{roots[i]}:1.5 {roots[i]}:.5 r:1.5 {roots[i]}:.5", 84))
    return s, 32


def industry():
    """Industrial: a sixteenth-note synth bass pulse, a machine beat, clanks and a sweep pad."""
    s = band(
        431250,  # 16 beats in 6.90 s
        (SYNTH_BASS, 92, 64, 20),
        (SWEEP_PAD, 60, 64, 70),
        (AGOGO, 58, 96, 60),
        (SQUARE_LEAD, 46, 36, 70),
        drums=(100, 30),
    )
    roots = ["c2", "c2", "ab1", "bb1"]
    for bar, root in enumerate(roots):
        up = pitch(root) + 12
        for i in range(16):
            key = up if i % 4 == 2 else pitch(root)
            s.note(0, bar * 4 + i * 0.25, 0.2, key, 96 if i % 4 == 0 else 70)
    held(s, 1, 0, ["c3+eb3+g3", "c3+eb3+g3", "ab2+c3+eb3", "bb2+d3+f3"], 60)
    s.line(3, 0, "r:4 | g4:.5 eb4:.5 c4:.5 r:2.5 | r:4 | bb4:.5 g4:.5 f4:.5 r:2.5", 70, legato=0.6)
    for bar in range(4):
        b = bar * 4
        s.drums(b, 1, "xxxx", KICK, 100)
        s.drums(b, 1, ".x.x", CLAP, 80)
        s.drums(b, 0.25, "x.o.x.o.x.o.x.oo", CLOSED_HAT, 64)
        s.drums(b, 0.25, "..x.....x..x....", RIDE_BELL, 50)
        clank = "...x......x...x." if bar % 2 else "...x......x....."
        s.drums(b, 0.25, clank, pitch("c5"), 60, channel=2)
        if bar == 3:
            s.drums(b + 3.5, 0.5, "x", OPEN_HAT, 60)
    return s, 16


TRACKS = [desert, forest, marsh, earth, industry]


def render_loop(score, beats, work):
    """Renders the score and folds everything past the loop end back onto its start."""
    seconds = beats * score.micros_per_beat / 1e6
    frames = int(round(seconds * RATE))
    midi, raw = work / "piece.mid", work / "piece.raw"
    score.write(midi, beats + TAIL_SECONDS * 1e6 / score.micros_per_beat)
    subprocess.run(
        ["fluidsynth", "-ni", "-q", "-T", "raw", "-O", "float", "-r", str(RATE), "-F", str(raw), SOUNDFONT, str(midi)],
        check=True,
        stdout=subprocess.DEVNULL,
    )
    samples = array.array("f")
    samples.frombytes(raw.read_bytes())
    left, right = [0.0] * frames, [0.0] * frames
    for i in range(len(samples) // 2):
        left[i % frames] += samples[2 * i]
        right[i % frames] += samples[2 * i + 1]
    return [left, right]


def settled(loop):
    """The loop without a DC offset, turned to start where both channels are nearest zero.

    A constant offset makes the speaker step when the track starts or stops, and a start
    far from zero ticks. Subtracting each channel's mean and rotating the loop (taking the
    first samples from its last few milliseconds) keep it seamless, because the loop is
    circular: its end still flows into its start.
    """
    loop = [[v - mean for v in ch] for ch, mean in ((ch, sum(ch) / len(ch)) for ch in loop)]
    frames = len(loop[0])
    window = min(frames, int(ZERO_SEARCH_SECONDS * RATE))
    start = min(range(frames - window, frames + 1), key=lambda i: max(abs(ch[i % frames]) for ch in loop))
    start %= frames
    return [ch[start:] + ch[:start] for ch in loop]


def main():
    for tool in ("fluidsynth", "oggenc"):
        if shutil.which(tool) is None:
            sys.exit(f"{tool} is missing: apt-get install fluidsynth fluid-soundfont-gm vorbis-tools")
    out_dir = Path(sys.argv[1] if len(sys.argv) > 1 else "assets/music")
    out_dir.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        work = Path(tmp)
        for number, compose in enumerate(TRACKS):
            score, beats = compose()
            loop = normalised(settled(render_loop(score, beats, work)), PEAK_DBFS)
            wav, ogg = work / "loop.wav", out_dir / f"track_{number}.ogg"
            write_wav(wav, loop, RATE, 16)
            subprocess.run(
                ["oggenc", "-Q", "-q", "4", "--serial", str(1000 + number), "-o", str(ogg), str(wav)], check=True
            )
            print(f"wrote {ogg} ({len(loop[0]) / RATE:.3f} s)")


if __name__ == "__main__":
    main()
