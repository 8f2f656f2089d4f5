"""The cell grid of the clipper and the two rules every decoded outline keeps:
no vertex on (or within MARGIN of) a cell edge, and every segment stays within the cells
of its two ends, which are the same cell or two cells sharing an edge. Outside -180..180
the sectors -1 and 24 stand for "no cell"."""
import math
import struct

SECTOR_DEG = 15.0
BAND_DEG = 30.0
MARGIN = 1e-3   # degrees; far more than a float's step at 181, so both builds agree


def f32(v):
    """v rounded to a 32-bit float, as the decoder stores points."""
    return struct.unpack("<f", struct.pack("<f", v))[0]


def cell_of(x, y):
    sector = min(max(math.floor((x + 180.0) / SECTOR_DEG), -1), 24)
    return sector, math.floor(y / BAND_DEG)


def cell_number(x, y):
    """Band-major cell number 0..143, or None outside the grid."""
    sector, band = cell_of(x, y)
    return band * 24 + sector if 0 <= sector < 24 and 0 <= band < 6 else None


def near_edge(x, y):
    """The cell edge line closer than MARGIN to the point, as ('x', value) or ('y', value)."""
    if -180.0 - MARGIN < x < 180.0 + MARGIN:
        line = -180.0 + SECTOR_DEG * round((x + 180.0) / SECTOR_DEG)
        if abs(x - line) < MARGIN:
            return "x", line
    line = BAND_DEG * round(y / BAND_DEG)
    if abs(y - line) < MARGIN:
        return "y", line
    return None


def vertex_ok(p):
    return near_edge(*p) is None and -181.0 <= p[0] <= 181.0


def segment_ok(p, q):
    (sp, bp), (sq, bq) = cell_of(*p), cell_of(*q)
    if sp == sq and (bp == bq or sp in (-1, 24)):
        return True
    return abs(sp - sq) + abs(bp - bq) == 1
