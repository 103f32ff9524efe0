"""Small sample-by-sample synthesis helpers shared by the sound and music scripts.

Plain Python (math, random, wave) so the scripts run with any python3 and give the
same bytes on every machine: all randomness comes from seeded generators.

Sections: signal building blocks, filters, level and file output, file reading.
"""

import math
import struct
import wave

# ---------------------------------------------------------------- building blocks


def count(rate, seconds):
    return int(round(rate * seconds))


def times(n, rate):
    return [i / rate for i in range(n)]


def tone(n, rate, freq, shape="sine", phase=0.0):
    """An oscillator whose frequency may change per sample (freq: number or f(t))."""
    out = []
    for i in range(n):
        f = freq(i / rate) if callable(freq) else freq
        phase += f / rate
        p = phase % 1.0
        if shape == "sine":
            out.append(math.sin(2 * math.pi * p))
        elif shape == "triangle":
            out.append(4 * abs(p - 0.5) - 1)
        else:  # a soft saw: the first three harmonics only, so nothing aliases
            w = 2 * math.pi * p
            out.append(math.sin(w) + math.sin(2 * w) / 2 + math.sin(3 * w) / 3)
    return out


def noise(n, rng):
    return [rng.uniform(-1.0, 1.0) for _ in range(n)]


def shaped(signal, rate, envelope):
    """Multiplies a signal by envelope(t)."""
    return [s * envelope(i / rate) for i, s in enumerate(signal)]


def mix(*signals):
    n = max(len(s) for s in signals)
    out = [0.0] * n
    for s in signals:
        for i, v in enumerate(s):
            out[i] += v
    return out


def scaled(signal, gain):
    return [v * gain for v in signal]


def placed(signal, n, offset):
    """The signal starting `offset` samples into a silence of length n (cut at the end)."""
    out = [0.0] * n
    for i, v in enumerate(signal):
        if 0 <= offset + i < n:
            out[offset + i] = v
    return out


def decay(t, attack, half_life):
    """A short linear attack, then an exponential fall by half every half_life seconds."""
    if t < attack:
        return t / attack
    return 0.5 ** ((t - attack) / half_life)


def hump(t, length, peak_at):
    """A smooth rise to 1 at peak_at and fall back to 0 at length (a raised-cosine pair)."""
    if t <= 0 or t >= length:
        return 0.0
    if t < peak_at:
        return 0.5 - 0.5 * math.cos(math.pi * t / peak_at)
    return 0.5 + 0.5 * math.cos(math.pi * (t - peak_at) / (length - peak_at))


def pan(signal, position):
    """Equal-power panning, position -1 (left) to 1 (right), fixed or f(index)."""
    left, right = [], []
    for i, v in enumerate(signal):
        p = position(i) if callable(position) else position
        angle = (p + 1) * math.pi / 4
        left.append(v * math.cos(angle))
        right.append(v * math.sin(angle))
    return left, right


# ---------------------------------------------------------------- filters


def svf(signal, rate, cutoff, q=0.7, mode="band", stages=1):
    """A state-variable filter whose cutoff (Hz, number or f(t)) may move every sample.

    Two passes per sample keep it stable up to about a third of the sample rate; more
    stages run the signal through copies of the filter for steeper slopes.
    """
    if stages > 1:
        signal = svf(signal, rate, cutoff, q, mode, stages - 1)
    low = band = 0.0
    damp = 1.0 / q
    out = []
    for i, x in enumerate(signal):
        fc = cutoff(i / rate) if callable(cutoff) else cutoff
        f = 2 * math.sin(math.pi * min(max(fc, 20.0), rate / 6) / (2 * rate))
        for _ in range(2):
            high = x - low - damp * band
            band += f * high
            low += f * band
        out.append({"low": low, "band": band, "high": high}[mode])
    return out


# ---------------------------------------------------------------- level and output


def peak(*channels):
    return max(max(abs(v) for v in ch) for ch in channels)


def normalised(channels, peak_dbfs):
    """Scales all channels together so the loudest sample sits at peak_dbfs."""
    gain = 10 ** (peak_dbfs / 20) / peak(*channels)
    return [scaled(ch, gain) for ch in channels]


def edge_faded(signal, rate, fade_in=0.002, fade_out=0.006):
    """Short ramps at both ends so a sound never starts or stops with a click."""
    n = len(signal)
    a, b = max(1, count(rate, fade_in)), max(1, count(rate, fade_out))
    out = list(signal)
    for i in range(min(a, n)):
        out[i] *= i / a
    for i in range(min(b, n)):
        out[n - 1 - i] *= i / b
    return out


def write_wav(path, channels, rate, bits):
    """Writes PCM (format tag 1): 16-bit signed or 8-bit unsigned, channels interleaved."""
    frames = bytearray()
    for i in range(len(channels[0])):
        for ch in channels:
            v = max(-1.0, min(1.0, ch[i]))
            if bits == 16:
                frames += struct.pack("<h", int(round(v * 32767)))
            else:
                frames.append(128 + int(round(v * 127)))
    with wave.open(str(path), "wb") as w:
        w.setnchannels(len(channels))
        w.setsampwidth(bits // 8)
        w.setframerate(rate)
        w.writeframes(bytes(frames))


# ---------------------------------------------------------------- reading


def read_wav_info(path):
    """Reads a RIFF WAV by hand, so a file with another format tag is reported, not refused.

    Returns a dict with tag, channels, rate, bits and the channels as floats in -1..1.
    """
    data = open(path, "rb").read()
    if data[:4] != b"RIFF" or data[8:12] != b"WAVE":
        raise ValueError(f"{path}: not a RIFF WAVE file")
    pos, fmt, body = 12, None, None
    while pos + 8 <= len(data):
        kind, size = data[pos : pos + 4], struct.unpack("<I", data[pos + 4 : pos + 8])[0]
        chunk = data[pos + 8 : pos + 8 + size]
        if kind == b"fmt ":
            fmt = struct.unpack("<HHIIHH", chunk[:16])
        elif kind == b"data":
            body = chunk
        pos += 8 + size + (size & 1)
    if fmt is None or body is None:
        raise ValueError(f"{path}: missing fmt or data chunk")
    tag, channels, rate, _, block, bits = fmt
    frames = len(body) // block
    if bits == 16:
        values = [v / 32768 for v in struct.unpack(f"<{frames * channels}h", body[: frames * block])]
    elif bits == 8:
        values = [(v - 128) / 128 for v in body[: frames * block]]
    else:
        raise ValueError(f"{path}: {bits}-bit samples are not handled")
    split = [values[c::channels] for c in range(channels)]
    return {"tag": tag, "channels": channels, "rate": rate, "bits": bits, "samples": split}


def dbfs(value):
    return 20 * math.log10(value) if value > 0 else float("-inf")
