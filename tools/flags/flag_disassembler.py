"""Prints a flag description blob as the source text that assembles back to the same bytes.

Stages: split the blob into descriptions by walking their commands, print each command as one
line (the command a Rotate, Scale or Repeat applies to indented below it).
Usage: flag_disassembler.py BLOB.cpp|BLOB.bin
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import flag_format as fmt  # noqa: E402
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'shared'))
import cpp_emit  # noqa: E402


class Reader:
    def __init__(self, blob, position=0):
        self.blob, self.position = blob, position

    def unsigned(self):
        if self.position >= len(self.blob):
            raise ValueError('the blob ends inside a description')
        byte = self.blob[self.position]
        self.position += 1
        return byte

    def signed(self):
        return fmt.signed(self.unsigned())

    def peek(self):
        return self.blob[self.position] if self.position < len(self.blob) else None


def long_mark(n):
    """A value stored as a byte that n could have held."""
    return ' long' if n is not None else ''


def stripe_text(name, n, reader):
    nibbles = []
    for _ in range(n // 2 + 1):
        byte = reader.unsigned()
        nibbles += [byte & 15, byte >> 4]
    words = [name, str(nibbles[0])] + [fmt.colour_name(c) for c in nibbles[1:n + 1]]
    if n % 2 == 0 and nibbles[n + 1]:
        words += ['pad', str(nibbles[n + 1])]
    return ' '.join(words)


def path_lines(reader, indent):
    """The element lines of a path and its endpath; the first byte is never taken as the end."""
    lines, mode, first = [], 'lines', True
    while first or reader.peek() != fmt.PATH_END:
        first = False
        byte = reader.peek()
        if byte in fmt.PATH_MODES:
            mode = fmt.PATH_MODES[reader.unsigned()]
            lines.append('mode ' + mode)
        elif mode == 'lines':
            lines.append('line %d %d' % (reader.signed(), reader.signed()))
        elif mode == 'smooth':
            lines.append('smooth %d %d %d %d' % tuple(reader.signed() for _ in range(4)))
        else:
            c1x = reader.signed()
            c1y, c2x, c2y = fmt.unpack_controls(reader.unsigned() << 8 | reader.unsigned())
            lines.append('curve %d %d %d %d %d %d' % (c1x, c1y, c2x, c2y, reader.signed(), reader.signed()))
    reader.unsigned()
    return [indent + '    ' + line for line in lines] + [indent + 'endpath']


def command_text(byte, reader):
    """One command line without indent, and whether a command line follows that it applies to;
    None for End."""
    opcode, n = byte >> 4, byte & 15
    name = fmt.OPCODE_NAMES.get(opcode)
    if opcode == 0:
        if n == fmt.END:
            return None, False
        if n not in fmt.SPECIAL_NAMES:
            raise ValueError('invalid command byte 0x%02x' % byte)
        return ' '.join([fmt.SPECIAL_NAMES[n]] + [str(reader.signed()) for _ in range(0 if n == 1 else 4)]), False
    if name in ('HorizontalBand', 'VerticalBand'):
        return '%s %s %d %d' % (name, fmt.colour_name(n), reader.signed(), reader.signed()), False
    if name in ('SetColour', 'FillAll'):
        return '%s %s' % (name, fmt.colour_name(n)), False
    if name == 'Cross':
        return 'Cross %s %d %d' % (fmt.colour_name(n), reader.signed(), reader.signed()), False
    if name == 'Disc':
        x, y = reader.signed(), reader.signed()
        r = n if n else reader.signed()
        return 'Disc %d %d %d%s' % (x, y, r, ' long' if not n and 1 <= r <= 15 else ''), False
    if name == 'Path':
        x0, y0 = reader.signed(), reader.signed()
        mirror = '' if n == 0 else ' mirror' if n == 1 else ' mirror %d' % n
        return 'Path %d %d%s' % (x0, y0, mirror), False
    if name == 'Diagonals':
        return 'Diagonals %s %d' % (fmt.DIAGONAL_NAMES.get(n, str(n)), reader.signed()), False
    if name == 'Rotate':
        count = n if n else reader.unsigned()
        return 'Rotate %d%s' % (count, ' long' if not n and 1 <= count <= 15 else ''), True
    if name == 'Scale':
        return 'Scale %d %d' % (n - 1, reader.signed()), True
    if name == 'Repeat':
        return 'Repeat %d %d %d' % (n, reader.signed(), reader.signed()), True
    if name == 'Star':
        return 'Star %d %s' % (n + 4, ' '.join(str(reader.signed()) for _ in range(5))), False
    if name == 'FivePointStar':
        r = n + 1 if n else reader.signed()
        x, y = reader.signed(), reader.signed()
        return 'FivePointStar %d %d %d%s' % (r, x, y, ' long' if not n and 2 <= r <= 16 else ''), False
    return stripe_text(name, n, reader), False


def description_text(index, reader):
    lines = [fmt.block_header(index, reader.unsigned())]
    depth = 1
    while True:
        byte = reader.unsigned()
        text, applies = command_text(byte, reader)
        if text is None:
            break
        indent = '    ' * depth
        lines.append(indent + text)
        if byte >> 4 == fmt.OPCODES['Path']:
            lines += path_lines(reader, indent)
        depth = depth + 1 if applies else 1
    lines.append('end')
    return '\n'.join(lines) + '\n'


def disassemble(blob):
    reader = Reader(blob)
    blocks = [description_text(i, reader) for i in range(fmt.DESCRIPTION_COUNT)]
    if reader.position != len(blob):
        raise ValueError('%d bytes after the last description' % (len(blob) - reader.position))
    return '\n'.join(blocks)


def read_blob(path):
    if path.endswith('.cpp'):
        with open(path, encoding='ascii') as source:
            return cpp_emit.read_blob(source.read(), 'FLAG_DESCRIPTIONS')
    with open(path, 'rb') as blob:
        return blob.read()


if __name__ == '__main__':
    sys.stdout.write(disassemble(read_blob(sys.argv[1])))
