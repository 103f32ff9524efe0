#!/usr/bin/python3
"""Checks that the game's font can draw every text the game shows.

The game rasterises the font with stb_truetype, which reads TrueType
outlines (the glyf table) best, so the font must be a single TrueType file
without CFF outlines or variation tables. Every character of the texts below
must map to a glyph, and every visible character to a glyph with outlines:

- the level titles, read from src/levels/*.cpp;
- the fixed menu, controls and credits texts, and the quoted on-screen lines
  of docs/credits.md;
- all printable ASCII (digits, punctuation, letters);
- every name SDL_GetKeyName gives for a key: one per scancode, and those of
  the character keys of common Latin keyboard layouts (ASCII and Latin-1).
  The names come from the installed SDL2 library itself.

Usage: tools/assets/check_font.py [font.ttf]   (Debian: python3-fonttools)
Prints the missing characters and exits 1 when any is missing.
"""

import ctypes
import ctypes.util
import pathlib
import re
import sys

from fontTools.ttLib import TTFont

ROOT = pathlib.Path(__file__).resolve().parents[2]
DEFAULT_FONT = ROOT / "assets" / "fonts" / "Comfortaa-Bold.ttf"

MENU_TEXTS = [
    "1.0.6",
    "Reset all progress?",
    "Exit?",
    "All progress has been automatically saved",
    "Nope",
    "Yep",
    "Up", "Down", "Left", "Right", "Undo", "Reset", "Next", "Previous",
    "Enter", "Exit",
    "...",
    "Reset to defaults",
    "A game by",
    "Additional level design by",
    "and",
    "<3 to my beta testers",
    "Icons from",
    "Music by",
]

# SDL keycodes are characters for keys that type one; keys that do not have
# SDL_SCANCODE_TO_KEYCODE(scancode), the scancode with bit 30 set.
SCANCODE_MASK = 1 << 30
SCANCODE_COUNT = 512


def level_titles():
    titles = []
    for source in sorted((ROOT / "src" / "levels").glob("*.cpp")):
        text = source.read_text(encoding="utf-8")
        titles += re.findall(r'board\("[^"]*",\s*"((?:[^"\\]|\\.)*)"', text)
    if not titles:
        sys.exit("check_font: no level titles found under src/levels")
    return titles


def credits_lines():
    credits = ROOT / "docs" / "credits.md"
    if not credits.exists():
        return []
    return re.findall(r'"([^"\n]+)"', credits.read_text(encoding="utf-8"))


def key_names():
    path = ctypes.util.find_library("SDL2-2.0") or "libSDL2-2.0.so.0"
    try:
        sdl = ctypes.CDLL(path)
    except OSError:
        sys.exit("check_font: the SDL2 library is needed for the key names")
    sdl.SDL_GetKeyName.restype = ctypes.c_char_p
    sdl.SDL_GetKeyName.argtypes = [ctypes.c_int32]
    keycodes = [scancode | SCANCODE_MASK for scancode in range(SCANCODE_COUNT)]
    keycodes += [8, 9, 13, 27, 127]  # Backspace, Tab, Return, Escape, Delete
    keycodes += range(0x20, 0x7F)    # ASCII character keys
    keycodes += range(0xA0, 0x100)   # Latin-1 character keys
    names = {sdl.SDL_GetKeyName(code).decode("utf-8") for code in keycodes}
    names.discard("")
    return sorted(names)


def main():
    font_path = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else DEFAULT_FONT
    font = TTFont(font_path)
    problems = []
    if "glyf" not in font or "loca" not in font:
        problems.append("no TrueType outlines (glyf/loca tables)")
    if "CFF " in font or "CFF2" in font:
        problems.append("CFF outlines")
    if "fvar" in font:
        problems.append("a variable font")

    names = key_names()
    texts = {
        "level title": level_titles(),
        "menu text": MENU_TEXTS,
        "credits line": credits_lines(),
        "ASCII": [chr(c) for c in range(0x20, 0x7F)],
        "key name": names,
    }
    cmap = font.getBestCmap()
    glyphs = font["glyf"] if "glyf" in font else None
    for kind, strings in texts.items():
        for string in strings:
            for char in sorted(set(string)):
                glyph = cmap.get(ord(char))
                if glyph is None:
                    problems.append(f"{kind} {string!r}: no glyph for {char!r} (U+{ord(char):04X})")
                elif glyphs is not None and not char.isspace() and glyphs[glyph].numberOfContours == 0:
                    problems.append(f"{kind} {string!r}: empty glyph for {char!r} (U+{ord(char):04X})")

    for problem in problems:
        print(problem)
    count = sum(len(strings) for strings in texts.values())
    print(f"{font_path.name}: {len(problems)} problems in {count} texts "
          f"({len(texts['level title'])} titles, {len(names)} key names)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
