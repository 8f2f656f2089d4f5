"""Assembles the flag source text into the description blob.

Stages: read the source into statements, assemble each block into its description's bytes
(checking what the interpreter trusts), join the 215 descriptions, emit data/flag_descriptions.cpp.
Usage: flag_assembler.py SOURCE OUTPUT.cpp   (or OUTPUT.bin for the raw bytes)
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import flag_format as fmt  # noqa: E402
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'shared'))
import cpp_emit  # noqa: E402


class AssemblyError(Exception):
    def __init__(self, line, message):
        super().__init__('line %d: %s' % (line, message))


def read_statements(text):
    """(line number, tokens) of every line that holds more than a comment."""
    for number, line in enumerate(text.splitlines(), 1):
        tokens = line.split('#', 1)[0].split()
        if tokens:
            yield number, tokens


class Operands:
    """The operand words of one statement, read left to right with range checks."""

    def __init__(self, line, words):
        self.line, self.words = line, list(words)

    def error(self, message):
        return AssemblyError(self.line, message)

    def integer(self, low, high, what):
        if not self.words:
            raise self.error('missing ' + what)
        word = self.words.pop(0)
        try:
            value = int(word)
        except ValueError:
            raise self.error('%s is not a number: %s' % (what, word)) from None
        if not low <= value <= high:
            raise self.error('%s %d outside %d..%d' % (what, value, low, high))
        return value

    def byte(self, what):
        return fmt.unsigned(self.integer(-128, 127, what))

    def colour(self):
        if self.words and self.words[0] in fmt.COLOUR_NAMES:
            return fmt.COLOUR_NAMES.index(self.words.pop(0))
        return self.integer(0, len(fmt.COLOUR_NAMES) - 1, 'colour')

    def flag(self, word):
        """Takes an optional keyword such as 'long'."""
        if self.words and self.words[0] == word:
            self.words.pop(0)
            return True
        return False

    def done(self):
        if self.words:
            raise self.error('unexpected ' + ' '.join(self.words))


def short_or_long(opcode, value, short_range, long_form):
    """A value held in n when it fits and the long form is not asked for, else a byte after
    the other operands (returned second)."""
    if not long_form and value in short_range:
        return [opcode << 4 | (value - short_range.start + 1)], []
    return [opcode << 4], [fmt.unsigned(value)]


def assemble_stripes(opcode, ops):
    k = ops.integer(0, 15, 'stripe count')
    colours = []
    while ops.words and ops.words[0] != 'pad':
        colours.append(ops.colour())
    pad = ops.integer(0, 15, 'pad') if ops.flag('pad') else 0
    if not 1 <= len(colours) <= fmt.STRIPE_COLOUR_CAPACITY:
        raise ops.error('a stripe command takes 1..%d colours' % fmt.STRIPE_COLOUR_CAPACITY)
    if pad and len(colours) % 2:
        raise ops.error('pad only with an even number of colours')
    nibbles = [k] + colours + ([pad] if len(colours) % 2 == 0 else [])
    return [opcode << 4 | len(colours)] + [nibbles[i] | nibbles[i + 1] << 4
                                           for i in range(0, len(nibbles), 2)]


def assemble_command(name, ops, index):
    """The bytes of one command line (a Path's elements follow separately)."""
    if name in fmt.SPECIAL_NAMES.values():
        n = next(k for k, v in fmt.SPECIAL_NAMES.items() if v == name)
        if n == fmt.CANTON and index == fmt.CANTON_DESCRIPTION:
            raise ops.error('the canton description cannot contain a Canton')
        return [n] + [ops.byte('coordinate') for _ in range(0 if n == fmt.CANTON else 4)]
    if name not in fmt.OPCODES:
        raise ops.error('unknown command ' + name)
    opcode = fmt.OPCODES[name]
    if name in ('HorizontalBand', 'VerticalBand'):
        return [opcode << 4 | ops.colour(), ops.byte('edge'), ops.byte('edge')]
    if name in ('SetColour', 'FillAll'):
        return [opcode << 4 | ops.colour()]
    if name == 'Cross':
        return [opcode << 4 | ops.colour(), ops.byte('half width'), ops.byte('x')]
    if name == 'Disc':
        x, y, r = ops.byte('x'), ops.byte('y'), ops.integer(-128, 127, 'radius')
        head, tail = short_or_long(opcode, r, range(1, 16), ops.flag('long'))
        return head + [x, y] + tail
    if name == 'Path':
        x0, y0 = ops.byte('x0'), ops.byte('y0')
        n = (ops.integer(1, 15, 'mirror') if ops.words else 1) if ops.flag('mirror') else 0
        return [opcode << 4 | n, x0, y0]
    if name == 'Diagonals':
        word = ops.words[0] if ops.words else ''
        names = {v: k for k, v in fmt.DIAGONAL_NAMES.items()}
        which = names[ops.words.pop(0)] if word in names else ops.integer(0, 15, 'bands')
        return [opcode << 4 | which, ops.byte('width')]
    if name == 'Rotate':
        count = ops.integer(0, 255, 'count')
        head, tail = short_or_long(opcode, count, range(1, 16), ops.flag('long'))
        return head + tail
    if name == 'Scale':
        return [opcode << 4 | (ops.integer(-1, 14, 'x factor') + 1), ops.byte('y sixtieths')]
    if name == 'Repeat':
        return [opcode << 4 | ops.integer(0, 15, 'copies'), ops.byte('dx'), ops.byte('dy')]
    if name == 'Star':
        points = ops.integer(4, 19, 'points')
        return [opcode << 4 | (points - 4)] + [ops.byte(w) for w in ('r1', 'r2', 'turn', 'x', 'y')]
    if name == 'FivePointStar':
        r = ops.integer(-128, 127, 'radius')
        x, y = ops.byte('x'), ops.byte('y')
        head, tail = short_or_long(opcode, r, range(2, 17), ops.flag('long'))
        return head + tail + [x, y]
    return assemble_stripes(opcode, ops)


class PathState:
    """The elements of the open path: mode switches and elements in their mode's format."""

    def __init__(self):
        self.mode, self.elements, self.statements, self.last_kind = 'lines', 0, 0, None

    def assemble(self, word, ops):
        self.statements += 1
        if word == 'mode':
            mode = ops.words.pop(0) if ops.words else ''
            if mode not in fmt.MODE_BYTES:
                raise ops.error('unknown path mode ' + mode)
            self.mode = mode
            return [fmt.MODE_BYTES[mode]]
        if word != fmt.ELEMENT_OF_MODE[self.mode]:
            raise ops.error('%s element in %s mode' % (word, self.mode))
        if word == 'smooth' and self.last_kind not in ('curve', 'smooth'):
            raise ops.error('a smooth element must follow a curve')
        self.elements += 1
        if self.elements > fmt.PATH_ELEMENT_CAPACITY:
            raise ops.error('more than %d path elements' % fmt.PATH_ELEMENT_CAPACITY)
        self.last_kind = word
        if word == 'line':
            data = [ops.byte('x'), ops.byte('y')]
        elif word == 'smooth':
            data = [ops.byte(w) for w in ('c2x', 'c2y', 'x', 'y')]
        else:
            c1x = ops.byte('c1x')
            v = fmt.pack_controls(ops.integer(-15, 48, 'c1y'), ops.integer(-15, 16, 'c2x'),
                                  ops.integer(-15, 16, 'c2y'))
            data = [c1x, v >> 8, v & 0xFF, ops.byte('x'), ops.byte('y')]
        if data[0] in fmt.PATH_MODES or data[0] == fmt.PATH_END:
            raise ops.error('an element cannot start with %d (reserved)' % fmt.signed(data[0]))
        return data


def parse_key(ops):
    word = ops.words.pop(0) if ops.words else ''
    if word in fmt.ISO_CODES:
        return fmt.ISO_CODES.index(word) + 1
    if word == '0':
        return 0
    raise ops.error('unknown country ' + word)


def assemble_source(text):
    """The 215 descriptions, in order, from the source text."""
    descriptions, current, path, pending, index = [], None, None, 0, None
    for line, tokens in read_statements(text):
        word, ops = tokens[0], Operands(line, tokens[1:])
        if current is None:
            if word != 'flag':
                raise ops.error('expected: flag KEY aspect BYTE')
            index = parse_key(ops)
            if index != len(descriptions):
                raise ops.error('description %d comes where %d belongs' % (index, len(descriptions)))
            if not ops.flag('aspect'):
                raise ops.error('expected: aspect BYTE')
            current = [ops.integer(0, 255, 'aspect')]
        elif path is not None:
            if word == 'endpath':
                if path.statements == 0:
                    raise ops.error('a path needs at least one element')
                current.append(fmt.PATH_END)
                path = None
            else:
                current += path.assemble(word, ops)
        elif word == 'end':
            if pending:
                raise ops.error('Rotate, Scale or Repeat without a command to apply to')
            descriptions.append(bytes(current + [fmt.END]))
            current = None
        else:
            current += assemble_command(word, ops, index)
            pending = fmt.OPCODES.get(word) in fmt.PREFIX_OPCODES
            if word == 'Path':
                path = PathState()
        ops.done()
    if current is not None:
        raise AssemblyError(line, 'the last block has no end')
    if len(descriptions) != fmt.DESCRIPTION_COUNT:
        raise AssemblyError(0, '%d descriptions, %d expected' % (len(descriptions), fmt.DESCRIPTION_COUNT))
    return descriptions


HEADER = ['// data/flag_descriptions.cpp: GENERATED by tools/flags/flag_assembler.py from',
          '// tools/flags/flags.txt. Do not edit.']


def main(source_path, output_path):
    with open(source_path, encoding='utf-8') as source:
        descriptions = assemble_source(source.read())
    blob = b''.join(descriptions)
    if output_path.endswith('.bin'):
        with open(output_path, 'wb') as output:
            output.write(blob)
    else:
        with open(output_path, 'w', encoding='ascii', newline='\n') as output:
            output.write(cpp_emit.blob_source(HEADER, 'FLAG_DESCRIPTIONS', blob))
    drawn = sum(1 for d in descriptions if len(d) > 2)
    print('flag descriptions: %d bytes, %d flags drawn' % (len(blob), drawn))


if __name__ == '__main__':
    try:
        main(sys.argv[1], sys.argv[2])
    except AssemblyError as error:
        sys.exit('%s: %s' % (sys.argv[1], error))
