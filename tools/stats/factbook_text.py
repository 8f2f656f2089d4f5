"""Reads the Factbook's text figures: "$1.234 trillion (2014 est.) ++ $1.2 trillion (2013 est.)",
"12.88% (male 5,346,086/female 5,068,071)", "Zugspitze 2,963 m", "NA".

A text may list several years, newest first, joined by " ++ "; a figure is the newest one that
is given (not "NA"). "NA 726,000 (2013 est.)" lost its " ++ ": the figure after the "NA" is an
older year's. Every reader returns a float, or None when the text gives no figure.
"""
import re

SCALES = {"thousand": 1e3, "million": 1e6, "billion": 1e9, "trillion": 1e12}
NUMBER = r"\d[\d,]*(?:\.\d+)?"
# A leading figure: an optional hedge, a sign before or after the dollar sign, the digits and
# an optional scale word.
LEADING = re.compile(r"^(?:less than |about |approximately |ca\. |est\. )?(-)?\$?(-)?(" + NUMBER +
                     r")(?:\s+(thousand|million|billion|trillion)\b)?")


def number(digits):
    return float(digits.replace(",", ""))


def parts(text):
    """The figures of a text, newest first."""
    return [q.strip() for p in text.split("++") for q in re.split(r"^\s*NA\s+(?=[-$\d])", p) if q.strip()]


def leading(text):
    """The figure a text starts with, scale words applied; "-$1.2 million" is -1,200,000."""
    m = LEADING.match(text.strip())
    if not m:
        return None
    value = number(m.group(3)) * SCALES.get(m.group(4), 1.0)
    return -value if (m.group(1) or m.group(2)) else value


def newest(text):
    """The leading figure of the newest part that has one."""
    if text is None:
        return None
    for part in parts(text):
        value = leading(part)
        if value is not None:
            return value
    return None


def share(text):
    """A percentage as a share: "12.88% (2015 est.)" is 0.1288."""
    value = newest(text)
    return None if value is None else value / 100.0


def height(text):
    """The first "<number> m" of an elevation text: "Neuendorf bei Wilster -3.54 m" is -3.54."""
    if text is None:
        return None
    m = re.search(r"(-?" + NUMBER + r") m\b", text)
    return number(m.group(1).lstrip("-")) * (-1.0 if m.group(1).startswith("-") else 1.0) if m else None


def total_length(text):
    """The sum of every "<number> km" before a note: pipelines by product, coastlines by sea.
    A text that names no length gives None."""
    if text is None:
        return None
    text = text.split("; note")[0]
    lengths = [number(d) for d in re.findall(r"(" + NUMBER + r") km\b", re.sub(r"\([^)]*\)", "", text))]
    return sum(lengths) if lengths else None


def labelled_share(text, label):
    """The percentage after a label inside a text: ("... arable land 34.1%; ...", "arable land")
    is 0.341."""
    if text is None:
        return None
    m = re.search(re.escape(label) + r"\s+(" + NUMBER + r")%", text)
    return number(m.group(1)) / 100.0 if m else None


def sexes(text):
    """The (male, female) counts of an age group: "12.88% (male 5,346,086/female 5,068,071)"."""
    if text is None:
        return None
    m = re.search(r"male (" + NUMBER + r")/female (" + NUMBER + r")", text)
    return (number(m.group(1)), number(m.group(2))) if m else None


def utc_offset(text):
    """The hours and minutes of "UTC+5.75 (...)", "UTC-4.5", "UTC 0" as "+05:45", "-04:30"."""
    if text is None:
        return None
    m = re.match(r"UTC\s*([+-]?)\s*(\d+(?:\.\d+)?)", text.strip())
    if not m:
        return None
    hours = float(m.group(2))
    whole, minutes = int(hours), int(round((hours - int(hours)) * 60))
    sign = "-" if m.group(1) == "-" and hours > 0 else "+"
    return "%s%02d:%02d" % (sign, whole, minutes)


def calling_code(text):
    """The calling code of "country code - 1-876; ..." in the program's form, "+1-876" or "+49"."""
    if text is None:
        return None
    m = re.search(r"country code\s*-\s*(\d+)(?:-(\d+))?", text)
    if not m:
        return None
    return "+%s-%s" % (m.group(1), m.group(2)) if m.group(2) else "+" + m.group(1)
