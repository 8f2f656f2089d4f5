"""Writes generated tables as C++ sources: byte streams as hex, text lists as string literals."""


def hex_lines(data, per_line=16, block=256):
    """16 bytes per line, a comment with the offset at the start of every 256-byte block."""
    lines = []
    for offset in range(0, len(data), per_line):
        if offset % block == 0:
            lines.append("    /* %d */" % offset)
        chunk = data[offset:offset + per_line]
        lines.append("    " + " ".join("0x%02x," % b for b in chunk))
    return lines


def string_literal(data):
    """A C string literal of the bytes; every non-printable or non-ASCII byte as a 3-digit octal
    escape, so that no following digit can join it."""
    out = []
    for b in data:
        c = chr(b)
        if b < 0x20 or b >= 0x7F or c in '"\\':
            out.append("\\%03o" % b)
        else:
            out.append(c)
    return '"' + "".join(out) + '"'


def write_if_changed(path, text):
    """Writes text to path unless it holds exactly that already (keeps timestamps for make)."""
    try:
        with open(path, encoding="utf-8", newline="") as f:
            if f.read() == text:
                return
    except FileNotFoundError:
        pass
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write(text)
