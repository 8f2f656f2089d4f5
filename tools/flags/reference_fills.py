"""Reduces a reference flag picture to the shapes of chosen fill colours, without any strokes, so
that a crowded coat of arms traces as clean silhouettes.

Stages: work out every shape's fill (its own, else the one it inherits), drop the shapes of other
fills, take every stroke away, return the picture as SVG text.
"""
import xml.etree.ElementTree as ElementTree

SVG = '{http://www.w3.org/2000/svg}'
XLINK_HREF = '{http://www.w3.org/1999/xlink}href'
SHAPES = {'path', 'rect', 'circle', 'ellipse', 'polygon', 'polyline', 'line', 'text', 'use'}
UNPAINTED = {'clipPath', 'mask', 'pattern', 'marker', 'linearGradient', 'radialGradient'}   # kept whole
DETACHED = {'defs', 'symbol'}   # drawn where they are used: their inherited fill is unknown here
MATCH_DISTANCE = 24             # RGB distance within which a fill counts as a chosen one

# The named colours the reference pictures use, and black, the fill of a shape that names none.
NAMED_COLOURS = {'black': (0, 0, 0), 'white': (255, 255, 255), 'red': (255, 0, 0),
                 'green': (0, 128, 0), 'lime': (0, 255, 0), 'blue': (0, 0, 255),
                 'yellow': (255, 255, 0), 'navy': (0, 0, 128), 'maroon': (128, 0, 0),
                 'gold': (255, 215, 0), 'orange': (255, 165, 0), 'silver': (192, 192, 192),
                 'gray': (128, 128, 128), 'grey': (128, 128, 128)}
UNKNOWN = 'unknown'


def parse_colour(text):
    """(R, G, B) of a CSS colour: #rgb, #rrggbb, rgb(r, g, b) or a name; None for none,
    gradients and what is not understood."""
    text = text.strip().lower()
    if text.startswith('#') and len(text) in (4, 7):
        digits = text[1:] if len(text) == 7 else ''.join(c * 2 for c in text[1:])
        try:
            return tuple(int(digits[i:i + 2], 16) for i in (0, 2, 4))
        except ValueError:
            return None
    if text.startswith('rgb(') and text.endswith(')'):
        parts = [p.strip() for p in text[4:-1].split(',')]
        if len(parts) == 3:
            return tuple(round(float(p[:-1]) * 2.55) if p.endswith('%') else int(float(p)) for p in parts)
    return NAMED_COLOURS.get(text)


def own_property(element, name):
    """The element's own value of a presentation property: its style wins over its attribute."""
    for item in element.get('style', '').split(';'):
        key, _, value = item.partition(':')
        if key.strip() == name:
            return value.strip()
    return element.get(name)


def without_strokes(element):
    element.attrib.pop('stroke', None)
    style = [item for item in element.get('style', '').split(';')
             if item.partition(':')[0].strip() not in ('stroke', 'stroke-width')]
    if 'style' in element.attrib:
        element.set('style', ';'.join(style))


def chosen(fill, colours):
    rgb = parse_colour(fill)
    return rgb is not None and any(sum((a - b) ** 2 for a, b in zip(rgb, c)) <= MATCH_DISTANCE ** 2
                                   for c in colours)


def filter_children(parent, inherited, colours, by_id, skip):
    """Drops the shapes below parent whose fill is not chosen, and the first skip[0] shapes drawn
    (counting down skip[0]); inherited is the fill parent passes on, or UNKNOWN inside a definition,
    whose shapes stay unless their own fill rules them out."""
    for child in list(parent):
        tag = child.tag.replace(SVG, '')
        without_strokes(child)
        if tag in UNPAINTED:
            continue
        fill = own_property(child, 'fill') or inherited
        if tag == 'use':
            target = by_id.get(child.get(XLINK_HREF, child.get('href', '')).lstrip('#'))
            if target is not None and target.tag.replace(SVG, '') in SHAPES:
                fill = own_property(target, 'fill') or fill
            elif target is not None:
                continue   # a group, filtered where it stands
        if tag in SHAPES:
            drawn_here = inherited != UNKNOWN
            if (drawn_here and skip[0] > 0) or (fill != UNKNOWN and not chosen(fill, colours)):
                parent.remove(child)
            skip[0] -= drawn_here
        else:
            filter_children(child, UNKNOWN if tag in DETACHED else fill, colours, by_id, skip)


def only_fills(svg_text, colours, skip=0):
    """The SVG text reduced to the shapes filled with one of colours (RGB triples), strokeless;
    skip leaves out the first shapes drawn as well (the field's bands, which share a colour with
    the emblem)."""
    ElementTree.register_namespace('', SVG[1:-1])
    ElementTree.register_namespace('xlink', XLINK_HREF[1:XLINK_HREF.index('}')])
    root = ElementTree.fromstring(svg_text)
    by_id = {element.get('id'): element for element in root.iter() if element.get('id')}
    without_strokes(root)
    root.set('stroke', 'none')
    filter_children(root, own_property(root, 'fill') or 'black', colours, by_id, [skip])
    return ElementTree.tostring(root, encoding='unicode')
