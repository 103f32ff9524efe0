#!/usr/bin/env python3
"""Synthesises the fifteen sound effects into assets/sounds/NN_<name>.wav.

Each cue has the channel count, sample rate, sample width and length the game's sound
bank expects (see SOUNDS below). Every sound is built from oscillators, seeded noise and
filters, then scaled to its own peak level so the set sits well together: the frequent
movement sounds are the quietest, the rare rewards the fullest.

Usage: python3 tools/assets/make_sounds.py [output folder]   (default assets/sounds)
"""

import math
import random
import sys
from pathlib import Path

from audio_dsp import (
    count,
    decay,
    edge_faded,
    hump,
    mix,
    noise,
    normalised,
    pan,
    placed,
    scaled,
    shaped,
    svf,
    tone,
    write_wav,
)


def slither(rate, seconds, seed, centre, glide, scale_rate):
    """Scales brushing over the ground: a soft band of noise, gently gated in grains."""
    rng = random.Random(seed)
    n = count(rate, seconds)
    body = svf(noise(n, rng), rate, lambda t: centre * (1 + glide * t / seconds), q=1.2, stages=2)
    # The grain pattern wobbles a little so the scales do not buzz at one pitch.
    grains = tone(n, rate, lambda t: scale_rate * (1 + 0.3 * math.sin(9 * t)), "triangle")
    gated = [b * (0.6 + 0.4 * g) for b, g in zip(body, grains)]
    warm = svf(noise(n, rng), rate, 500, q=0.8, mode="low")
    out = mix(gated, scaled(warm, 0.5))
    return [shaped(out, rate, lambda t: hump(t, seconds, 0.4 * seconds))]


def bite(rate, seconds):
    """A chomp (teeth click, crunch and a low body) followed by a rising gulp."""
    rng = random.Random(3)
    n = count(rate, seconds)
    click = shaped(svf(noise(n, rng), rate, 3200, q=2.0), rate, lambda t: decay(t, 0.0005, 0.004))
    crunch = shaped(
        svf(noise(n, rng), rate, 1400, q=0.9), rate, lambda t: decay(t, 0.002, 0.018)
    )
    body = shaped(
        tone(n, rate, lambda t: 90 + 140 * 0.5 ** (t / 0.02)), rate, lambda t: decay(t, 0.002, 0.03)
    )
    gulp_length = 0.08
    gulp = tone(count(rate, gulp_length), rate, lambda t: 160 + 260 * t / gulp_length, "triangle")
    gulp = shaped(gulp, rate, lambda t: hump(t, gulp_length, 0.03))
    gulp = placed(gulp, n, count(rate, 0.115))
    return [mix(scaled(click, 0.8), crunch, scaled(body, 0.9), scaled(gulp, 0.5))]


def shrink(rate, seconds):
    """A falling pop and a hiss that sinks as it fades, like air let out of the snake."""
    rng = random.Random(4)
    n = count(rate, seconds)
    pop = shaped(
        tone(n, rate, lambda t: 180 + 700 * 0.5 ** (t / 0.012)), rate, lambda t: decay(t, 0.001, 0.02)
    )
    hiss = svf(noise(n, rng), rate, lambda t: 6000 - 14000 * t, q=0.9, mode="band")
    hiss = shaped(hiss, rate, lambda t: decay(t, 0.01, 0.045))
    return [mix(pop, scaled(hiss, 0.8))]


def poof(rate, seconds):
    """A soft puff of dust: low noise whose brightness falls away quickly."""
    rng = random.Random(5)
    n = count(rate, seconds)
    puff = svf(noise(n, rng), rate, lambda t: 400 + 2400 * 0.5 ** (t / 0.03), q=0.8, mode="low")
    puff = shaped(puff, rate, lambda t: decay(t, 0.006, 0.03))
    thump = shaped(tone(n, rate, lambda t: 60 + 70 * 0.5 ** (t / 0.03)), rate, lambda t: decay(t, 0.003, 0.03))
    return [mix(puff, scaled(thump, 0.4))]


def rewind(rate, seconds, seed, low, high, settle):
    """Tape spooling backwards: a chattering tone that climbs and drifts right to left.

    With settle > 0 the spool stops that many seconds before the end and a soft low
    chord rings out, the board back at its start.
    """
    rng = random.Random(seed)
    n = count(rate, seconds)
    spool = seconds - settle
    climb = lambda t: low * (high / low) ** min(t / spool, 1.0)
    whirr = tone(n, rate, lambda t: climb(t) * (1 + 0.04 * math.sin(2 * math.pi * 17 * t)), "saw")
    chatter = tone(n, rate, lambda t: 20 + 25 * t / spool, "triangle")
    whirr = [w * (0.65 + 0.35 * c) for w, c in zip(whirr, chatter)]
    whoosh = svf(noise(n, rng), rate, lambda t: 2.5 * climb(t), q=1.5, stages=2)
    spool_part = shaped(
        mix(scaled(whirr, 0.6), scaled(whoosh, 0.5)), rate, lambda t: hump(t, spool, 0.85 * spool)
    )
    left, right = pan(spool_part, lambda i: 0.7 - 1.4 * min(i / (rate * spool), 1.0))
    if settle > 0:
        ring = settle + 0.05
        chord = mix(
            *(
                scaled(tone(count(rate, ring), rate, f), g)
                for f, g in ((261.63, 0.5), (392.0, 0.35), (523.25, 0.25))
            )
        )
        chord = shaped(chord, rate, lambda t: decay(t, 0.01, 0.09))
        chord = placed(chord, n, count(rate, spool - 0.05))
        left, right = mix(left, scaled(chord, 0.7)), mix(right, scaled(chord, 0.7))
    return [left, right]


def splash(rate, seconds):
    """A slap on the water, then a few droplets that rise in pitch as they burst."""
    rng = random.Random(8)
    n = count(rate, seconds)
    slap = svf(noise(n, rng), rate, lambda t: 1500 + 4500 * 0.5 ** (t / 0.03), q=0.7, mode="low")
    slap = shaped(slap, rate, lambda t: decay(t, 0.003, 0.035))
    drops = []
    for _ in range(5):
        length = rng.uniform(0.025, 0.045)
        base = rng.uniform(500, 900)
        drop = tone(count(rate, length), rate, lambda t, b=base, l=length: b * 3 ** (t / l))
        drop = shaped(drop, rate, lambda t, l=length: hump(t, l, 0.2 * l))
        drops.append(placed(scaled(drop, rng.uniform(0.15, 0.3)), n, count(rate, rng.uniform(0.02, 0.17))))
    return [mix(slap, *drops)]


def bump(rate, seconds):
    """A dull thud against a wall: a falling low tone with a muffled knock on top, and a
    brief woody tap at the moment of contact that small speakers can still play."""
    rng = random.Random(9)
    n = count(rate, seconds)
    body = shaped(tone(n, rate, lambda t: 55 + 90 * 0.5 ** (t / 0.015)), rate, lambda t: decay(t, 0.002, 0.03))
    tap = shaped(tone(n, rate, lambda t: 480 + 300 * 0.5 ** (t / 0.004)), rate, lambda t: decay(t, 0.0005, 0.008))
    channels = []
    for _ in range(2):  # independent knocks per side give the thud a little width
        knock = shaped(svf(noise(n, rng), rate, 600, q=0.7, mode="low"), rate, lambda t: decay(t, 0.001, 0.012))
        crack = shaped(svf(noise(n, rng), rate, 1800, q=1.2), rate, lambda t: decay(t, 0.0004, 0.005))
        channels.append(mix(body, scaled(knock, 0.7), scaled(tap, 0.7), scaled(crack, 0.8)))
    return channels


def bell(rate, seconds, freq, half_life, brightness=0.3):
    """A struck bar: the fundamental with two quieter upper partials that die sooner."""
    n = count(rate, seconds)
    partials = ((1.0, 1.0, 1.0), (2.0, brightness, 0.5), (3.0, brightness * 0.5, 0.33))
    return mix(
        *(
            scaled(shaped(tone(n, rate, freq * ratio), rate, lambda t, h=half_life * life: decay(t, 0.002, h)), gain)
            for ratio, gain, life in partials
        )
    )


def exit_fanfare(rate, seconds):
    """A rising slurp into the exit, then a bright major arpeggio that rings out."""
    rng = random.Random(10)
    n = count(rate, seconds)
    slurp_length = 0.3
    m = count(rate, slurp_length)
    slurp = svf(noise(m, rng), rate, lambda t: 300 * (8 ** (t / slurp_length)), q=3.0, stages=2)
    gurgle = tone(m, rate, 28, "triangle")
    slurp = [s * (0.6 + 0.4 * g) for s, g in zip(slurp, gurgle)]
    slurp = shaped(slurp, rate, lambda t: hump(t, slurp_length, 0.22))
    left, right = pan(placed(slurp, n, 0), lambda i: -0.5 + i / m if i < m else 0.5)
    notes = ((523.25, 0.24, -0.4), (659.26, 0.34, 0.0), (783.99, 0.44, 0.4), (1046.5, 0.54, 0.0))
    for i, (freq, start, position) in enumerate(notes):
        last = i == len(notes) - 1
        length = seconds - start
        note = bell(rate, length, freq, 0.11 if last else 0.08, 0.35)
        note_l, note_r = pan(placed(note, n, count(rate, start)), position)
        left, right = mix(left, scaled(note_l, 0.6)), mix(right, scaled(note_r, 0.6))
    return [left, right]


def click(rate, seconds, freq, half_life):
    """A light tick, the same in both ears."""
    rng = random.Random(int(freq))
    n = count(rate, seconds)
    ping = mix(
        tone(n, rate, freq),
        scaled(tone(n, rate, freq * 2.7), 0.3),
    )
    ping = shaped(ping, rate, lambda t: decay(t, 0.0007, half_life))
    tick = shaped(svf(noise(n, rng), rate, 6000, q=1.0), rate, lambda t: decay(t, 0.0003, 0.0015))
    mono = mix(ping, scaled(tick, 0.4))
    return [mono, list(mono)]


def chime(rate, seconds, first, second, brightness):
    """Two quick bell notes; rising sounds like a job done, falling like one undone.

    Both ring out within the cue's fixed length (the second falls by about 48 dB), so the
    end fade only trims silence instead of cutting a note.
    """
    n = count(rate, seconds)
    a = bell(rate, seconds, first, 0.025, brightness)
    b = placed(bell(rate, seconds - 0.05, second, 0.016, brightness), n, count(rate, 0.05))
    return [mix(scaled(a, 0.7), b)]


# index, file name, channels, rate, bits, length in seconds, peak dBFS, builder(rate, seconds).
# The loudest sit at -6 dBFS, so several stacked over the music stay clear of clipping.
SOUNDS = [
    (0, "slither_a", 1, 44100, 16, 0.201, -13, lambda r, s: slither(r, s, 100, 2600, 0.3, 45)),
    (1, "slither_b", 1, 44100, 16, 0.230, -13, lambda r, s: slither(r, s, 101, 2100, 0.5, 38)),
    (2, "slither_c", 1, 44100, 16, 0.186, -13, lambda r, s: slither(r, s, 102, 3000, -0.2, 52)),
    (3, "bite", 1, 44100, 16, 0.222, -6, bite),
    (4, "shrink", 1, 44100, 16, 0.198, -7, shrink),
    (5, "vanish", 1, 11025, 8, 0.155, -6, poof),
    (6, "undo", 2, 44100, 16, 0.607, -8, lambda r, s: rewind(r, s, 6, 220, 900, 0.0)),
    (7, "reset", 2, 44100, 16, 1.406, -7, lambda r, s: rewind(r, s, 7, 150, 1400, 0.45)),
    (8, "splash", 1, 44100, 16, 0.232, -7, splash),
    (9, "bump", 2, 44100, 16, 0.171, -6, bump),
    (10, "exit", 2, 44100, 16, 1.128, -6, exit_fanfare),
    (11, "target_off", 2, 48000, 16, 0.105, -12, lambda r, s: click(r, s, 1100, 0.012)),
    (12, "target_on", 2, 48000, 16, 0.069, -11, lambda r, s: click(r, s, 2200, 0.008)),
    (13, "all_covered", 1, 44100, 16, 0.178, -8, lambda r, s: chime(r, s, 1318.5, 1975.5, 0.4)),
    (14, "all_uncovered", 1, 44100, 16, 0.178, -10, lambda r, s: chime(r, s, 784.0, 523.25, 0.15)),
]


def main():
    out_dir = Path(sys.argv[1] if len(sys.argv) > 1 else "assets/sounds")
    out_dir.mkdir(parents=True, exist_ok=True)
    for index, name, channels, rate, bits, seconds, level, build in SOUNDS:
        signal = build(rate, seconds)
        assert len(signal) == channels, name
        # Without a DC offset, and normalised after removing it.
        signal = [[v - mean for v in ch] for ch, mean in ((ch, sum(ch) / len(ch)) for ch in signal)]
        signal = [edge_faded(ch, rate) for ch in normalised(signal, level)]
        path = out_dir / f"{index:02d}_{name}.wav"
        write_wav(path, signal, rate, bits)
        print(f"wrote {path}")


if __name__ == "__main__":
    main()
