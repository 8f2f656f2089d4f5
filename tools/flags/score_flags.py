"""Scores the flag descriptions against the reference pictures of the pinned flag package.

Stages: render our flag (orbily-render) and the reference (rsvg-convert) at the same size, read
both as RGB, count the pixels that agree away from the reference's colour edges, print one row per
flag and a summary, and lay out a contact sheet (ours beside the reference, worst first).
Usage: score_flags.py --render ORBILY_RENDER --codes 1-72[,80,...] [--sheet OUT.png] [--work DIR]
"""
import argparse
import os
import re
import statistics
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import flag_format as fmt  # noqa: E402
from flag_assembler import assemble_source  # noqa: E402

TOOLS_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')
SOURCE_PATH = os.path.join(TOOLS_DIR, 'flags', 'flags.txt')
REFERENCE_DIR = os.path.join(TOOLS_DIR, 'node_modules', 'svg-country-flags', 'svg')

WIDTH = 240                 # both pictures are this wide; the height is the reference's own
SHADE_ALLOWANCE = 40        # RGB distance our colour may lie beyond the nearest palette colour
EDGE_STEP = 24              # RGB distance between neighbours that makes a colour edge
PASS_SHARE = 0.85           # the share below which a flag is listed as failing


def distance_squared(a, b):
    return (a[0] - b[0]) ** 2 + (a[1] - b[1]) ** 2 + (a[2] - b[2]) ** 2


def parse_codes(text):
    """The country codes of '1-72' or '3,5,10-12', in order, each once."""
    codes = []
    for part in text.split(','):
        low, _, high = part.partition('-')
        first, last = int(low), int(high or low)
        if not 1 <= first <= last <= fmt.DESCRIPTION_COUNT - 1:
            raise ValueError('codes run from 1 to %d: %s' % (fmt.DESCRIPTION_COUNT - 1, part))
        codes += [c for c in range(first, last + 1) if c not in codes]
    return codes


def reference_svg(iso):
    """The reference picture of the country with this two-letter code."""
    return os.path.join(REFERENCE_DIR, iso.lower() + '.svg')


def render_svg(svg, width, height, png, background=None):
    """Draws an SVG file into a PNG of this size, on an (R, G, B) background when given."""
    option = ['-b', '#%02x%02x%02x' % background] if background else []
    subprocess.run(['rsvg-convert', '-w', str(width), '-h', str(height)] + option + ['-o', png, svg], check=True)


def svg_aspect(path):
    """Width over height of an SVG file, from its width and height or else its viewBox."""
    root = ElementTree.parse(path).getroot()
    width, height = root.get('width'), root.get('height')
    if width and height and not width.endswith('%'):
        return float(re.match(r'[\d.]+', width).group()) / float(re.match(r'[\d.]+', height).group())
    box = [float(v) for v in re.split(r'[\s,]+', root.get('viewBox').strip())]
    return box[2] / box[3]


class Picture:
    """An RGB picture: width, height and 3 bytes per pixel, rows from the top."""

    def __init__(self, width, height, pixels):
        if len(pixels) != width * height * 3:
            raise ValueError('%d bytes for %d x %d pixels' % (len(pixels), width, height))
        self.width, self.height, self.pixels = width, height, pixels

    def at(self, x, y):
        i = (y * self.width + x) * 3
        return self.pixels[i], self.pixels[i + 1], self.pixels[i + 2]


def parse_ppm(data):
    """A binary PPM (P6, maxval 255) as a Picture."""
    fields, position = [], 0
    while len(fields) < 4:
        match = re.compile(rb'\s*(?:#[^\n]*\n\s*)*(\S+)').match(data, position)
        fields.append(match.group(1))
        position = match.end()
    if fields[0] != b'P6' or fields[3] != b'255':
        raise ValueError('not an 8-bit binary PPM')
    width, height = int(fields[1]), int(fields[2])
    return Picture(width, height, data[position + 1:position + 1 + width * height * 3])


def read_picture(path):
    """A PNG as a Picture, transparent parts on white."""
    data = subprocess.run(['convert', path, '-background', 'white', '-alpha', 'remove', '-depth', '8',
                           'ppm:-'], check=True, stdout=subprocess.PIPE).stdout
    return parse_ppm(data)


def edge_mask(picture):
    """True for every pixel within one pixel of a colour edge: a neighbour (of eight) differs
    from it by more than EDGE_STEP."""
    w, h, step = picture.width, picture.height, EDGE_STEP ** 2
    rows = [[picture.at(x, y) for x in range(w)] for y in range(h)]
    mask = [[False] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            here = rows[y][x]
            for ny in range(max(0, y - 1), min(h, y + 2)):
                row = rows[ny]
                if any(distance_squared(here, row[nx]) > step for nx in range(max(0, x - 1), min(w, x + 2))):
                    mask[y][x] = True
                    break
    return mask


def agreement(ours, reference):
    """The share of the reference's pixels off its colour edges where our colour is at most
    SHADE_ALLOWANCE farther from the reference colour than the palette colour nearest to it."""
    if (ours.width, ours.height) != (reference.width, reference.height):
        raise ValueError('the pictures differ in size')
    nearest = {}
    mask = edge_mask(reference)
    agreeing = counted = 0
    for y in range(reference.height):
        for x in range(reference.width):
            if mask[y][x]:
                continue
            want = reference.at(x, y)
            if want not in nearest:
                nearest[want] = min(distance_squared(want, p) for p in fmt.PALETTE) ** 0.5
            counted += 1
            agreeing += distance_squared(ours.at(x, y), want) ** 0.5 <= nearest[want] + SHADE_ALLOWANCE
    return agreeing / counted if counted else 1.0


def run(command):
    return subprocess.run(command, check=True, stdout=subprocess.PIPE, universal_newlines=True).stdout


def score_flag(render, code, description, work):
    """One row of the table: code, ISO, name, share, aspect error in %, bytes, picture paths."""
    iso = fmt.ISO_CODES[code - 1]
    svg = reference_svg(iso)
    reference_aspect = svg_aspect(svg)
    height = max(1, round(WIDTH / reference_aspect))
    ours_path = os.path.join(work, '%03d_%s_ours.png' % (code, iso))
    reference_path = os.path.join(work, '%03d_%s_reference.png' % (code, iso))
    run([render, 'flag', str(code), ours_path, '--width', str(WIDTH), '--height', str(height)])
    render_svg(svg, WIDTH, height, reference_path)
    share = agreement(read_picture(ours_path), read_picture(reference_path))
    our_aspect = float(run([render, 'flag', str(code), '--aspect']))
    return {'code': code, 'iso': iso, 'name': fmt.COUNTRY_NAMES.get(code, ''), 'share': share,
            'aspect_error': 100.0 * (our_aspect / reference_aspect - 1.0), 'bytes': len(description),
            'ours': ours_path, 'reference': reference_path}


def format_table(rows, blob_size):
    """The per-flag rows in code order, then the summary."""
    lines = ['code ISO  name                                 agree  aspect%  bytes']
    for r in sorted(rows, key=lambda r: r['code']):
        lines.append('%4d %-4s %-35.35s %6.1f%% %+7.2f  %5d' % (r['code'], r['iso'], r['name'],
                                                               100 * r['share'], r['aspect_error'], r['bytes']))
    shares = [r['share'] for r in rows]
    failing = sorted((r for r in rows if r['share'] < PASS_SHARE), key=lambda r: r['share'])
    lines.append('minimum %.1f%%, median %.1f%%, under %d%%: %d%s' % (
        100 * min(shares), 100 * statistics.median(shares), round(100 * PASS_SHARE), len(failing),
        (' (' + ' '.join(r['iso'] for r in failing) + ')') if failing else ''))
    lines.append('aspect off by more than 1%%: %d; bytes of these flags: %d; whole blob: %d bytes' % (
        sum(abs(r['aspect_error']) > 1.0 for r in rows), sum(r['bytes'] for r in rows), blob_size))
    return '\n'.join(lines)


SHEET_COLUMNS = 3
CELL_GAP = 6
LABEL_HEIGHT = 16


def write_sheet(rows, path, work):
    """A PNG with every flag's pair, ours on the left, worst first, SHEET_COLUMNS pairs a row."""
    ordered = sorted(rows, key=lambda r: (r['share'], r['code']))
    pictures = [(read_picture(r['ours']), read_picture(r['reference'])) for r in ordered]
    cell_width = 2 * WIDTH + 3 * CELL_GAP
    grid = [list(range(i, min(i + SHEET_COLUMNS, len(ordered)))) for i in range(0, len(ordered), SHEET_COLUMNS)]
    row_heights = [LABEL_HEIGHT + CELL_GAP + max(pictures[i][0].height for i in line) for line in grid]
    sheet_width, sheet_height = cell_width * SHEET_COLUMNS, sum(row_heights)
    canvas = bytearray(b'\x80' * (sheet_width * sheet_height * 3))
    labels = []
    top = 0
    for line, row_height in zip(grid, row_heights):
        for column, i in enumerate(line):
            left = column * cell_width + CELL_GAP
            for picture in pictures[i]:
                for y in range(picture.height):
                    start = ((top + LABEL_HEIGHT + y) * sheet_width + left) * 3
                    canvas[start:start + picture.width * 3] = picture.pixels[y * picture.width * 3:(y + 1) * picture.width * 3]
                left += WIDTH + CELL_GAP
            r = ordered[i]
            labels += ['-annotate', '+%d+%d' % (column * cell_width + CELL_GAP, top + LABEL_HEIGHT - 3),
                       '%d %s %s  %.1f%%' % (r['code'], r['iso'], r['name'][:28], 100 * r['share'])]
        top += row_height
    raw = os.path.join(work, 'sheet.ppm')
    with open(raw, 'wb') as out:
        out.write(b'P6\n%d %d\n255\n' % (sheet_width, sheet_height) + bytes(canvas))
    subprocess.run(['convert', raw, '-font', 'DejaVu-Sans', '-fill', 'black', '-pointsize', '12'] + labels + [path], check=True)


def main(argv):
    parser = argparse.ArgumentParser(description='Scores flag descriptions against the reference pictures.')
    parser.add_argument('--render', required=True, help='the orbily-render program')
    parser.add_argument('--codes', required=True, help="country codes such as '1-72' or '3,5,10-12'")
    parser.add_argument('--sheet', help='the contact sheet PNG to write')
    parser.add_argument('--work', help='where the pictures go (default: a temporary folder)')
    args = parser.parse_args(argv)
    with open(SOURCE_PATH, encoding='utf-8') as source:
        descriptions = assemble_source(source.read())
    with tempfile.TemporaryDirectory() as scratch:
        work = args.work or scratch
        os.makedirs(work, exist_ok=True)
        rows = [score_flag(args.render, code, descriptions[code], work) for code in parse_codes(args.codes)]
        print(format_table(rows, sum(len(d) for d in descriptions)))
        if args.sheet:
            write_sheet(rows, args.sheet, work)


if __name__ == '__main__':
    main(sys.argv[1:])
