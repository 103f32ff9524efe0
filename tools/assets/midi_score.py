"""A tiny score builder that writes standard MIDI files (format 0) for the music script.

Lines of notes are written as text, one bar between bars marks ("|"), each token a
note or chord and its length in beats: "d4:1 f#4+a4:.5 r:.5". A bar that does not add up
to the meter is an error, which catches most slips in the written music.
Drum patterns are strings with one character per step: "X" loud, "x" normal, "o" soft,
"." silent.
"""

import struct

TICKS_PER_BEAT = 480
DRUMS = 9  # the General MIDI percussion channel
PITCH_CLASSES = {"c": 0, "d": 2, "e": 4, "f": 5, "g": 7, "a": 9, "b": 11}


def pitch(name):
    """Note name to MIDI key: "c4" is 60, "f#3" 54, "bb2" 46."""
    letter, rest = name[0].lower(), name[1:]
    key = PITCH_CLASSES[letter]
    while rest and rest[0] in "#b":
        key += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return key + 12 * (int(rest) + 1)


class Score:
    def __init__(self, micros_per_beat, beats_per_bar=4):
        self.micros_per_beat = micros_per_beat
        self.beats_per_bar = beats_per_bar
        self.events = []  # (tick, order, bytes): note-offs sort before note-ons at one tick

    def _add(self, beat, order, data):
        self.events.append((int(round(beat * TICKS_PER_BEAT)), order, bytes(data)))

    def instrument(self, channel, program, volume=100, pan=64, reverb=40, chorus=0):
        if channel != DRUMS:
            self._add(0, 0, [0xC0 | channel, program])
        for control, value in ((7, volume), (10, pan), (91, reverb), (93, chorus)):
            self._add(0, 0, [0xB0 | channel, control, value])

    def note(self, channel, beat, length, key, velocity):
        velocity = max(1, min(127, int(velocity)))
        self._add(beat, 2, [0x90 | channel, key, velocity])
        self._add(beat + length, 1, [0x80 | channel, key, 0])

    def line(self, channel, beat, text, velocity=80, legato=0.95, accents=None):
        """Plays a written line from `beat`; returns the beat after it.

        accents(beat) may return an extra velocity for notes that start at that beat.
        """
        for number, bar in enumerate(text.split("|")):
            used = 0.0
            for token in bar.split():
                names, length = token.split(":")
                length = float(length)
                if names != "r":
                    extra = accents(beat + used) if accents else 0
                    for name in names.split("+"):
                        self.note(channel, beat + used, length * legato, pitch(name), velocity + extra)
                used += length
            if abs(used - self.beats_per_bar) > 1e-9:
                raise ValueError(f"bar {number + 1} lasts {used} beats: {bar.strip()}")
            beat += used
        return beat

    def drums(self, beat, step, pattern, key, velocity=80, channel=DRUMS):
        """One hit per marked step of the pattern; returns the beat after it."""
        levels = {"X": 1.25, "x": 1.0, "o": 0.6}
        for i, mark in enumerate(pattern.replace(" ", "")):
            if mark in levels:
                self.note(channel, beat + i * step, step * 0.9, key, velocity * levels[mark])
        return beat + step * len(pattern.replace(" ", ""))

    def write(self, path, end_beat):
        """Writes the file; the track ends at end_beat so a renderer keeps the tails."""
        events = sorted(self.events)
        events.append((int(round(end_beat * TICKS_PER_BEAT)), 3, b"\xff\x2f\x00"))
        tempo = self.micros_per_beat.to_bytes(3, "big")
        body = bytearray(b"\x00\xff\x51\x03" + tempo)
        last = 0
        for tick, _, data in events:
            body += _variable_length(tick - last) + data
            last = tick
        with open(path, "wb") as f:
            f.write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, TICKS_PER_BEAT))
            f.write(b"MTrk" + struct.pack(">I", len(body)) + body)


def _variable_length(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))
