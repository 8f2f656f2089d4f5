"""Writes generated tables as C++ sources for data/: byte blobs as hex, 16 bytes per line with
the decimal offset in a comment every 256 bytes, and texts as string literals. Every generator
emits through here, so every generated file has one layout."""
import re

INCLUDE = '#include "data/blobs.h"   // gives the const arrays external linkage'
PER_LINE = 16
BLOCK = 256


def hex_lines(data):
    """The initialiser lines of a byte array: '    // 256' before every 256-byte block."""
    lines = []
    for offset in range(0, len(data), PER_LINE):
        if offset % BLOCK == 0:
            lines.append("    // %d" % offset)
        lines.append("    " + " ".join("0x%02x," % b for b in data[offset:offset + PER_LINE]))
    return lines


def blob_lines(name, data, element="unsigned char"):
    """The definitions of array name and of name_SIZE, its length in bytes."""
    return (["const %s %s[] = {" % (element, name)] + hex_lines(data) +
            ["};", "const int %s_SIZE = sizeof %s;" % (name, name)])


def blob_source(header, name, data, element="unsigned char"):
    """A whole generated file: the header comment lines, the include, the blob."""
    return "\n".join(list(header) + [INCLUDE] + blob_lines(name, data, element) + [""])


def read_blob(text, name):
    """The bytes of array name in a source written by blob_source."""
    body = re.search(r"\b%s\[\] = \{(.*?)\};" % re.escape(name), text, re.S).group(1)
    body = re.sub(r"//[^\n]*", "", body)
    return bytes(int(h, 16) for h in re.findall(r"0x([0-9a-fA-F]{2})", body))


def string_literal(data):
    """A C string literal of the bytes: quote and backslash escaped, every other byte outside
    printable ASCII as a three-digit octal escape, so that no following digit can join it."""
    out = []
    for b in data:
        c = chr(b)
        if c in '"\\':
            out.append("\\" + c)
        elif 0x20 <= b < 0x7F:
            out.append(c)
        else:
            out.append("\\%03o" % b)
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
