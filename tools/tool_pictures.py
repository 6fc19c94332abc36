#!/usr/bin/env python3
"""Draws the pictures of the tool registration dialog.

    python3 tools/tool_pictures.py [resources-folder]
    python3 tools/tool_pictures.py --check [resources-folder]

writes resources/tool_shape_<i>.svg (Picture2(i), 252 x 180 px, one tool shape with its
dimension letters) and resources/tool_kind_<i>.svg (Picture1(i), 312 x 180 px, the shapes a
kind accepts side by side, numbered with their shape numbers). A kind picture carries the feed
arrow of the first kind of its catalogue row; a kind of the same row that feeds the other way
("16 ネジ外径 →" beside "13 ネジ外径 ←") gets a copy with its own arrow,
resources/tool_kind_<i>_<kind>.svg, which the dialog shows for that kind instead. With --check
nothing is written: the script says which pictures in the folder differ from what it makes
(or are missing, or are tool pictures it does not make) and fails if any do. Every shape is
drawn once, from
parameters, in a frame of its own; the kind pictures place the same drawing, without the
dimensions, into numbered cells against the kind's workpiece (outside, inside a bore, on the
face), so a change to a tool is made in one place.

Screen coordinates: x to the right (+Z), y downwards (-X). Everything is drawn as straight
polygons and polylines so that the drawing can be clipped into cells and so that the label
check below sees every line: the script refuses to write a picture in which a label lies over
a line it does not name, or a label is smaller than 11 px.

Stdlib only; run it by hand after a change and commit its output.
"""

import math
import os
import re
import sys

# --------------------------------------------------------------------------------------------
# The catalogue, read from generators/tool/tool_catalogue.h (the one place it is written): per
# row the kinds sharing it, their kind picture, default nose position and shapes (shape number,
# field set, shape picture, own nose position or None).
# --------------------------------------------------------------------------------------------

HERE = os.path.dirname(os.path.abspath(__file__))
CATALOGUE_HEADER = os.path.join(HERE, "..", "generators", "tool", "tool_catalogue.h")


def read_catalogue(path=CATALOGUE_HEADER):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    body = text[text.index("kToolCatalogue = {{"):]
    body = body[:body.index("}};")]
    rows = []
    row_re = re.compile(r"\{\{([\d, ]+)\},\s*(\d+),\s*(\d+),\s*\{(.*?)\}\},", re.S)
    shape_re = re.compile(r"\{(\d+),\s*FieldSet::k(\w+),\s*(\d+)(?:,\s*(\d+))?\}")
    for kinds, picture, position, shapes in row_re.findall(body):
        entries = [(int(n), fields, int(pic), int(pos) if pos else None)
                   for n, fields, pic, pos in shape_re.findall(shapes)]
        rows.append((tuple(int(k) for k in kinds.split(",")), int(picture), int(position),
                     entries))
    kinds = sorted(k for row in rows for k in row[0])
    if kinds != list(range(1, 39)) or sorted(r[1] for r in rows) != list(range(27)):
        raise ValueError("%s: could not read the 38 kinds and 27 rows" % path)
    return rows


CATALOGUE = read_catalogue()

FIELD_LETTERS = {
    "None": [], "LD": ["L", "D"], "LW": ["L", "W"], "LDW": ["L", "D", "W"],
    "A1L": ["A1", "L"], "A1LW": ["A1", "L", "W"], "A1LD": ["A1", "L", "D"],
    "A1A2L": ["A1", "A2", "L"], "A1A2LD": ["A1", "A2", "L", "D"],
    "LDNR": ["L", "D", "NR"], "A1A2LDNR": ["A1", "A2", "L", "D", "NR"],
}

# Where the kind's tool works and which way it cuts (the arrow of the kind's list text; the
# drills of kinds 22 to 24 feed along the axis like kind 28, the undercut kinds 25 and 26 name
# no direction and get no arrow).
OUTER, INNER, FACE, AXIAL, RADIAL = "outer", "inner", "face", "axial", "radial"
KIND_WORK = {}
for _k in (1, 4, 7, 10, 13, 16, 19, 25):
    KIND_WORK[_k] = OUTER
for _k in (2, 5, 8, 11, 14, 17, 20, 26):
    KIND_WORK[_k] = INNER
for _k in (3, 6, 9, 12, 15, 18, 21):
    KIND_WORK[_k] = FACE
for _k in (22, 23, 24, 28, 30, 32, 34, 36, 38):
    KIND_WORK[_k] = AXIAL
for _k in (27, 29, 31, 33, 35, 37):
    KIND_WORK[_k] = RADIAL
KIND_ARROW = {}
for _k in (1, 2, 7, 8, 13, 14, 21, 22, 23, 24, 28, 30, 32, 34, 36, 38):
    KIND_ARROW[_k] = "left"
for _k in (4, 5, 10, 11, 16, 17):
    KIND_ARROW[_k] = "right"
for _k in (3, 9, 15, 19, 27, 29, 31, 33, 35, 37):
    KIND_ARROW[_k] = "down"
for _k in (6, 12, 18, 20):
    KIND_ARROW[_k] = "up"

SHAPE_W, SHAPE_H = 252, 180
KIND_W, KIND_H = 312, 180

# --------------------------------------------------------------------------------------------
# Style: the one look of every picture (the same as the chuck drawings).
# --------------------------------------------------------------------------------------------

FONT = "IPAPGothic, IPAGothic, sans-serif"
LABEL_SIZE = 12
NUMBER_SIZE = 13
MIN_LABEL_SIZE = 11
INK = "#000"
DIM_INK = "#000"
THIN = "#333"
BLUE = "#0050c8"
WORK_FILL, WORK_HATCH = "#fff6d8", "#9a7b2c"
POST_FILL, POST_HATCH = "#ececec", "#aaa"
HOLDER_FILL = "#d0dae6"
INSERT_FILL = "#ffffff"
FRAME = "#808080"


def fmt(v):
    s = "%.1f" % v
    return "0.0" if s == "-0.0" else s


def unit(deg):
    """Unit vector of a direction in degrees, counted as on paper (0 = +Z, 90 = +X, up)."""
    a = math.radians(deg)
    return (math.cos(a), -math.sin(a))


def add(p, q, k=1.0):
    return (p[0] + k * q[0], p[1] + k * q[1])


def arc_points(c, r, a0, a1, step=4.0):
    """Points of an arc around c from direction a0 to a1 (degrees, counter-clockwise on paper
    when a1 > a0)."""
    n = max(2, int(abs(a1 - a0) / step) + 1)
    return [add(c, unit(a0 + (a1 - a0) * i / n), r) for i in range(n + 1)]


def hull(points):
    pts = sorted(set((round(x, 3), round(y, 3)) for x, y in points))
    if len(pts) < 3:
        return pts

    def cross(o, a, b):
        return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0])

    lower, upper = [], []
    for p in pts:
        while len(lower) >= 2 and cross(lower[-2], lower[-1], p) <= 0:
            lower.pop()
        lower.append(p)
    for p in reversed(pts):
        while len(upper) >= 2 and cross(upper[-2], upper[-1], p) <= 0:
            upper.pop()
        upper.append(p)
    return lower[:-1] + upper[:-1]


def rounded(poly, corner, r):
    """The polygon with its vertex `corner` replaced by a fillet of radius r; returns the
    polygon and the fillet's middle point (where the nose-radius leader points)."""
    n = len(poly)
    t = poly[corner]
    a, b = poly[corner - 1], poly[(corner + 1) % n]
    ua = _norm((a[0] - t[0], a[1] - t[1]))
    ub = _norm((b[0] - t[0], b[1] - t[1]))
    half = math.acos(max(-1.0, min(1.0, ua[0] * ub[0] + ua[1] * ub[1]))) / 2
    d = r / math.tan(half)
    bis = _norm((ua[0] + ub[0], ua[1] + ub[1]))
    c = add(t, bis, r / math.sin(half))
    pa, pb = add(t, ua, d), add(t, ub, d)
    a0 = math.degrees(math.atan2(-(pa[1] - c[1]), pa[0] - c[0]))
    a1 = math.degrees(math.atan2(-(pb[1] - c[1]), pb[0] - c[0]))
    while a1 - a0 > 180:
        a1 -= 360
    while a0 - a1 > 180:
        a1 += 360
    fillet = arc_points(c, r, a0, a1, 10)
    mid = add(c, _norm((t[0] - c[0], t[1] - c[1])), r)
    return poly[:corner] + fillet + poly[corner + 1:], mid


def _norm(v):
    length = math.hypot(v[0], v[1]) or 1.0
    return (v[0] / length, v[1] / length)


# --------------------------------------------------------------------------------------------
# Clipping (cells of the kind pictures) and the label check.
# --------------------------------------------------------------------------------------------


def clip_polygon(poly, box):
    x0, y0, x1, y1 = box
    edges = [(lambda p: p[0] >= x0, lambda p, q: _cut_x(p, q, x0)),
             (lambda p: p[0] <= x1, lambda p, q: _cut_x(p, q, x1)),
             (lambda p: p[1] >= y0, lambda p, q: _cut_y(p, q, y0)),
             (lambda p: p[1] <= y1, lambda p, q: _cut_y(p, q, y1))]
    out = list(poly)
    for inside, cut in edges:
        if not out:
            break
        src, out = out, []
        for i, p in enumerate(src):
            q = src[i - 1]
            if inside(p):
                if not inside(q):
                    out.append(cut(q, p))
                out.append(p)
            elif inside(q):
                out.append(cut(q, p))
    return out


def _cut_x(p, q, x):
    t = (x - p[0]) / (q[0] - p[0])
    return (x, p[1] + t * (q[1] - p[1]))


def _cut_y(p, q, y):
    t = (y - p[1]) / (q[1] - p[1])
    return (p[0] + t * (q[0] - p[0]), y)


def clip_segment(p, q, box):
    """Liang-Barsky: the part of segment pq inside box, or None."""
    x0, y0, x1, y1 = box
    dx, dy = q[0] - p[0], q[1] - p[1]
    t0, t1 = 0.0, 1.0
    for pp, qq in ((-dx, p[0] - x0), (dx, x1 - p[0]), (-dy, p[1] - y0), (dy, y1 - p[1])):
        if abs(pp) < 1e-12:
            if qq < 0:
                return None
            continue
        t = qq / pp
        if pp < 0:
            t0 = max(t0, t)
        else:
            t1 = min(t1, t)
        if t0 > t1:
            return None
    return ((p[0] + t0 * dx, p[1] + t0 * dy), (p[0] + t1 * dx, p[1] + t1 * dy))


def hatch_lines(poly, spacing):
    """Hatch lines at 45 degrees inside a simple polygon (even-odd)."""
    lo, hi = min(x + y for x, y in poly), max(x + y for x, y in poly)
    lines = []
    k = math.floor(lo / spacing) * spacing + spacing / 2
    while k < hi:
        # line x + y = k, walk along x
        hits = []
        n = len(poly)
        for i in range(n):
            a, b = poly[i], poly[(i + 1) % n]
            fa, fb = a[0] + a[1] - k, b[0] + b[1] - k
            if (fa < 0) != (fb < 0):
                t = fa / (fa - fb)
                hits.append((a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1])))
        hits.sort()
        for i in range(0, len(hits) - 1, 2):
            lines.append((hits[i], hits[i + 1]))
        k += spacing
    return lines


def segment_hits_box(p, q, box):
    return clip_segment(p, q, box) is not None


# --------------------------------------------------------------------------------------------
# The picture: primitives in paint order, each owned by a group (a dimension and its label
# share a group; everything of the drawing itself belongs to group None).
# --------------------------------------------------------------------------------------------


class Picture:
    def __init__(self, width, height, title):
        self.width, self.height, self.title = width, height, title
        self.items = []  # svg text
        self.segments = []  # (p, q, group)
        self.labels = []  # (box, group, text)
        self.pending = []  # labels asked for, placed once every line is drawn
        self.solids = []  # (polygon, groups allowed inside): tools, posts, workpieces
        self.tool_lines = set()  # indices into segments of the tools' own outlines
        self.problems = []

    # -- drawing --
    def polygon(self, pts, fill, stroke=INK, width=1.0, group=None, hidden_by=()):
        """A filled outline; the parts of its outline that the polygons `hidden_by` (drawn
        later) cover are not lines a label has to keep off."""
        if len(pts) < 3:
            return
        self.items.append('<polygon points="%s" fill="%s" stroke="%s" stroke-width="%s"/>' % (
            " ".join("%s,%s" % (fmt(x), fmt(y)) for x, y in pts), fill, stroke, width))
        if stroke == "none":
            return
        for i in range(len(pts)):
            a, b = pts[i - 1], pts[i]
            if not hidden_by:
                self.segments.append((a, b, group))
                continue
            steps = max(1, int(math.hypot(b[0] - a[0], b[1] - a[1]) / 2))
            for k in range(steps):
                p = add(a, (b[0] - a[0], b[1] - a[1]), k / steps)
                q = add(a, (b[0] - a[0], b[1] - a[1]), (k + 1) / steps)
                mid = ((p[0] + q[0]) / 2, (p[1] + q[1]) / 2)
                if not any(inside_polygon(mid, h) for h in hidden_by):
                    self.segments.append((p, q, group))

    def polyline(self, pts, stroke=INK, width=1.0, dash=None, group=None):
        if len(pts) < 2:
            return
        extra = ' stroke-dasharray="%s"' % dash if dash else ""
        self.items.append('<polyline points="%s" fill="none" stroke="%s" stroke-width="%s"%s/>' % (
            " ".join("%s,%s" % (fmt(x), fmt(y)) for x, y in pts), stroke, width, extra))
        for i in range(1, len(pts)):
            self.segments.append((pts[i - 1], pts[i], group))

    def line(self, p, q, stroke=INK, width=1.0, dash=None, group=None):
        self.polyline([p, q], stroke, width, dash, group)

    def hatch(self, poly, color, spacing=6.0, width=0.5, group=None):
        for p, q in hatch_lines(poly, spacing):
            self.line(p, q, color, width, group=group)

    def arrowhead(self, tip, direction, color=DIM_INK, length=6.0, half=2.0, group=None):
        d = _norm(direction)
        n = (-d[1], d[0])
        base = add(tip, d, -length)
        # a label may sit on its own dimension line, never on its arrowheads
        head_group = group if group is None or color == BLUE else "%s:head" % group
        self.polygon([tip, add(base, n, half), add(base, n, -half)], color, color, 0.3,
                     head_group)

    def text(self, x, y, s, size=LABEL_SIZE, anchor="middle", color=INK, bold=True,
             group=None, backing=True, check=True):
        """Text centred (anchor middle) or started/ended at x; y is the middle of the letters."""
        w = text_width(s, size)
        left = x - w / 2 if anchor == "middle" else (x if anchor == "start" else x - w)
        box = (left - 1, y - size * 0.55, left + w + 1, y + size * 0.55)
        if backing:
            self.items.append('<rect x="%s" y="%s" width="%s" height="%s" fill="#fff" '
                              'stroke="none"/>' % (fmt(box[0]), fmt(box[1]),
                                                   fmt(box[2] - box[0]), fmt(box[3] - box[1])))
        self.items.append(
            '<text x="%s" y="%s" font-family="%s" font-size="%d" text-anchor="%s" fill="%s"%s>'
            '%s</text>' % (fmt(x), fmt(y + size * 0.36), FONT, size, anchor, color,
                           ' font-weight="bold"' if bold else "", s))
        if size < MIN_LABEL_SIZE:
            raise ValueError("%s: label %r smaller than %d px" % (self.title, s, MIN_LABEL_SIZE))
        if check:
            self.labels.append((box, group, s))
        return box

    def free(self, box, group, margin=1.0):
        """True when nothing of another group crosses the box and it stays in the picture."""
        x0, y0, x1, y1 = box
        if x0 < 2 or y0 < 2 or x1 > self.width - 2 or y1 > self.height - 2:
            return False
        inner = (x0 + margin, y0 + margin, x1 - margin, y1 - margin)
        for p, q, g in self.segments:
            if (g is None or g != group) and segment_hits_box(p, q, inner):
                return False
        for b, g, _ in self.labels:
            if not (b[2] < x0 or b[0] > x1 or b[3] < y0 or b[1] > y1):
                return False
        probes = [(x0, y0), (x1, y0), (x0, y1), (x1, y1), ((x0 + x1) / 2, (y0 + y1) / 2)]
        # a probe may lie on a part that lets the label in (the insert for its tip angle),
        # whatever lies under that part
        for p in probes:
            for poly, allowed in reversed(self.solids):
                if inside_polygon(p, poly):
                    if group not in allowed:
                        return False
                    break
        return True

    def verify(self):
        for box, group, s in self.labels:
            x0, y0, x1, y1 = box
            inner = (x0 + 1, y0 + 1, x1 - 1, y1 - 1)
            for p, q, g in self.segments:
                if (g is None or g != group) and segment_hits_box(p, q, inner):
                    self.problems.append("%s: label %r lies over a line (%s,%s)-(%s,%s)" % (
                        self.title, s, fmt(p[0]), fmt(p[1]), fmt(q[0]), fmt(q[1])))
                    break

    def svg(self):
        head = ('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
                'width="%d" height="%d" viewBox="0 0 %d %d">\n  <title>%s</title>\n'
                '  <rect x="0.5" y="0.5" width="%d" height="%d" fill="#fff" stroke="%s" '
                'stroke-width="1"/>\n' % (self.width, self.height, self.width, self.height,
                                         self.title, self.width - 1, self.height - 1, FRAME))
        return head + "".join("  %s\n" % i for i in self.items) + "</svg>\n"


def inside_polygon(pt, poly):
    x, y = pt
    inside = False
    for i in range(len(poly)):
        (ax, ay), (bx, by) = poly[i - 1], poly[i]
        if (ay > y) != (by > y):
            if x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
    return inside


def text_width(s, size):
    w = 0.0
    for ch in s:
        if ord(ch) > 0x2000:
            w += size
        elif ch.isdigit():
            w += size * 0.64
        elif ch in "MW":
            w += size * 0.92
        else:
            w += size * 0.74
    return w


# --------------------------------------------------------------------------------------------
# Dimension helpers (shape pictures only).
# --------------------------------------------------------------------------------------------


def place_label(pic, s, anchor, group, prefer, leader_to=None, radius=(0, 40),
                alternative=None):
    """Asks for label s near anchor; the labels are placed after every line is drawn (see
    place_pending_labels)."""
    pic.pending.append((s, anchor, group, prefer, leader_to, radius, alternative))


def place_pending_labels(pic):
    for args in pic.pending:
        _place_label_now(pic, *args)
    pic.pending = []


def _place_label_now(pic, s, anchor, group, prefer, leader_to=None, radius=(0, 40),
                     alternative=None):
    """Puts label s near anchor, trying the preferred side first and then rings around it; a
    leader runs to leader_to (or anchor) when the label ends up away from it. Where there is
    no room, the label goes to the alternative anchor (a second corner with the same radius)."""
    if alternative is not None:
        problems = len(pic.problems)
        _place_label_now(pic, s, anchor, group, prefer, leader_to, radius)
        if len(pic.problems) > problems:
            del pic.problems[problems:]
            _place_label_now(pic, s, alternative[0], group, alternative[1], alternative[0],
                             radius)
        return
    w, h = text_width(s, LABEL_SIZE) + 2, LABEL_SIZE * 1.1
    dirs = [prefer] + [prefer + k * s_ for k in range(15, 181, 15) for s_ in (1, -1)]
    for r in range(radius[0], radius[1] + 1, 3):
        for a in dirs:
            u = unit(a)
            cx = anchor[0] + u[0] * (r + w / 2)
            cy = anchor[1] + u[1] * (r + h / 2)
            box = (cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2)
            if pic.free(box, group):
                target = leader_to or anchor
                if r > 6 and leader_to is not False:
                    end = _box_edge_towards(box, target)
                    if not _leader_ok(pic, end, target, group, group in ("A1", "A2")):
                        continue
                    pic.line(end, target, INK, 0.5, group=group)
                pic.text(cx, cy, s, group=group)
                return
    pic.problems.append("%s: no room for label %s" % (pic.title, s))


def _box_edge_towards(box, target):
    cx, cy = (box[0] + box[2]) / 2, (box[1] + box[3]) / 2
    x = min(max(target[0], box[0]), box[2])
    y = min(max(target[1], box[1]), box[3])
    if box[0] < target[0] < box[2] and box[1] < target[1] < box[3]:
        return (cx, cy)
    return (x, y)


def _leader_ok(pic, p, q, group, through_tool=False):
    """A leader crosses no label and no line of the drawing on its way to the point it marks
    (near that point it may cross the outline the point lies on). The leader of an angle may
    cross the tool's outline to reach an arc inside a narrow tip."""
    for b, g, _ in pic.labels:
        if segment_hits_box(p, q, b):
            return False
    length = math.hypot(q[0] - p[0], q[1] - p[1])
    if length < 3:
        return True
    end = add(q, _norm((p[0] - q[0], p[1] - q[1])), min(7.0, length))
    for i, (a, b, g) in enumerate(pic.segments):
        if (g == group and g is not None) or (through_tool and i in pic.tool_lines):
            continue
        if _segments_cross(p, end, a, b):
            return False
    return True


def _segments_cross(p, q, a, b):
    def orient(o, u, v):
        return (u[0] - o[0]) * (v[1] - o[1]) - (u[1] - o[1]) * (v[0] - o[0])

    d1, d2 = orient(a, b, p), orient(a, b, q)
    d3, d4 = orient(p, q, a), orient(p, q, b)
    return (d1 > 0) != (d2 > 0) and (d3 > 0) != (d4 > 0)


def dim_across(pic, p, q, label, group, label_dir):
    """Dimension of a narrow width between p and q with the arrows outside, pointing in; the
    line runs on past q towards the label."""
    d = _norm((q[0] - p[0], q[1] - p[1]))
    a0, b1 = add(p, d, -14), add(q, d, 14)
    pic.line(a0, b1, DIM_INK, 0.6, group=group)
    pic.arrowhead(p, d, group=group)
    pic.arrowhead(q, (-d[0], -d[1]), group=group)
    place_label(pic, label, b1 if label_dir is None else add(q, d, 14), group,
                label_dir if label_dir is not None else math.degrees(math.atan2(-d[1], d[0])),
                leader_to=False, radius=(1, 30))


def dim_angle(pic, c, a0, a1, r, label, group, prefer=None):
    """Angle arc around c from direction a0 to a1 (degrees), arrows at both ends."""
    pts = arc_points(c, r, a0, a1, 3)
    pic.polyline(pts, DIM_INK, 0.6, group=group)
    sgn = 1 if a1 > a0 else -1
    t0 = unit(a0 - sgn * 90)
    t1 = unit(a1 + sgn * 90)
    pic.arrowhead(pts[0], (-t0[0], -t0[1]), length=5, half=1.8, group=group)
    pic.arrowhead(pts[-1], (-t1[0], -t1[1]), length=5, half=1.8, group=group)
    mid_dir = (a0 + a1) / 2
    mid = add(c, unit(mid_dir), r)
    place_label(pic, label, mid, group, prefer if prefer is not None else mid_dir,
                leader_to=mid, radius=(2, 50))


def reference_line(pic, p, direction, length, group):
    pic.line(p, add(p, unit(direction), length), THIN, 0.4, dash="4,2", group=group)


# --------------------------------------------------------------------------------------------
# The tools. A tool is a list of (polygon, fill) plus named points, made in screen coordinates.
# --------------------------------------------------------------------------------------------


class Tool:
    def __init__(self):
        self.parts = []  # (polygon, fill)
        self.lines = []  # extra detail lines (flutes, threads)
        self.tip = None
        self.nose = None  # middle of the nose radius
        self.post = None  # (polygon) the holder block the tool is clamped in
        self.post_face = None  # point on the clamping face (for L)
        self.axis = None  # "down" (shank along X) or "left" (shank along Z)
        self.info = {}

    def all_points(self):
        pts = [p for poly, _ in self.parts for p in poly]
        return pts

    def mirrored(self, width):
        m = Tool()
        f = lambda p: (width - p[0], p[1])
        m.parts = [([f(p) for p in reversed(poly)], fill) for poly, fill in self.parts]
        m.lines = [[f(p) for p in line] for line in self.lines]
        m.tip = f(self.tip)
        m.nose = f(self.nose) if self.nose else None
        m.post = [f(p) for p in reversed(self.post)]
        m.post_face = f(self.post_face)
        m.axis = self.axis
        m.info = {}
        for k, v in self.info.items():
            if isinstance(v, tuple) and len(v) == 2 and isinstance(v[0], float):
                m.info[k] = f(v)
            elif k.endswith("_dir"):
                m.info[k] = 180 - v
            elif k == "shank":
                m.info[k] = (f(v[1]), f(v[0]))
            else:
                m.info[k] = v
        return m


def insert_poly(tip, main_dir, minor_dir, e_main, e_minor=None, triangle=False):
    e_minor = e_main if e_minor is None else e_minor
    a = add(tip, unit(main_dir), e_main)
    b = add(tip, unit(minor_dir), e_minor)
    if triangle:
        return [tip, a, b]
    return [tip, a, add(a, unit(minor_dir), e_minor), b]


def insert_tool(tip, main_dir, minor_dir, e, shank, nose_r=0.0, triangle=False, post=True):
    """A holder with an indexable insert. shank = (kind, x0/y0, x1/y1, end) : ("down", left,
    right, top) for a shank running up to a post above, ("left", top, bottom, right) for a shank
    running right to a post on the right."""
    t = Tool()
    ins = insert_poly(tip, main_dir, minor_dir, e, triangle=triangle)
    corner_pts = ins[1:]
    # the seat: the holder head wraps the insert's back, the cutting corner stands out
    centre = (sum(p[0] for p in ins) / len(ins), sum(p[1] for p in ins) / len(ins))
    out = lambda p, k: add(p, _norm((p[0] - centre[0], p[1] - centre[1])), k)
    back = [out(p, 3.5) for p in corner_pts]
    for direction in (main_dir, minor_dir):
        back.append(out(add(tip, unit(direction), e * 0.62), 3.5))
    kind = shank[0]
    if kind == "down":
        x0, x1, top = shank[1], shank[2], shank[3]
        neck = min(p[1] for p in corner_pts) - 6
        body = [(x0, top), (x1, top), (x1, neck), (x0, neck)]
        head = hull([(x0, neck), (x1, neck)] + back)
        t.post = [(x0 - 16, top - 18), (x1 + 16, top - 18), (x1 + 16, top), (x0 - 16, top)]
        t.post_face = ((x0 + x1) / 2, top)
        t.axis = "down"
        t.info["shank"] = ((x0, top + 20), (x1, top + 20))
    else:
        y0, y1, right = shank[1], shank[2], shank[3]
        neck = max(p[0] for p in corner_pts) + 6
        body = [(neck, y0), (right, y0), (right, y1), (neck, y1)]
        head = hull([(neck, y0), (neck, y1)] + back)
        t.post = [(right, y0 - 16), (right + 18, y0 - 16), (right + 18, y1 + 16),
                  (right, y1 + 16)]
        t.post_face = (right, (y0 + y1) / 2)
        t.axis = "left"
        t.info["shank"] = ((right - 22, y0), (right - 22, y1))
    t.parts.append((body, HOLDER_FILL))
    t.parts.append((head, HOLDER_FILL))
    nose = None
    if nose_r > 0:
        ins, nose = rounded(ins, 0, nose_r)
    t.parts.append((ins, INSERT_FILL))
    t.tip, t.nose = tip, nose
    t.info["main_dir"], t.info["minor_dir"] = main_dir, minor_dir
    if not post:
        t.post = None
    return t


def blade_tool(tip_mid, direction, width, length, end, shank, nose_r=0.0, front_angle=0.0,
               vee=None):
    """A grooving / threading / round-nose blade pointing in `direction` ("down", "up",
    "left") from its tip middle, `length` long, held by a shank; end = "flat", "vee"."""
    t = Tool()
    d = {"down": (0, 1), "up": (0, -1), "left": (-1, 0)}[direction]
    n = (-d[1], d[0])  # across the blade
    tip = tip_mid
    back = add(tip, d, -length)
    if end == "vee":
        half_angle = vee / 2
        reach = (width / 2) / math.tan(math.radians(half_angle))
        base = add(tip, d, -reach)
        blade = [tip, add(base, n, width / 2), add(back, n, width / 2),
                 add(back, n, -width / 2), add(base, n, -width / 2)]
    else:
        # front edge tilted by front_angle: the corner on the -n side leads
        drop = width * math.tan(math.radians(front_angle))
        lead = add(tip, n, width / 2)
        trail = add(add(tip, n, -width / 2), d, -drop)
        blade = [lead, add(back, n, width / 2), add(back, n, -width / 2), trail]
        tip = lead
        side = _norm((back[0] - tip[0], back[1] - tip[1]))
        front = _norm((trail[0] - lead[0], trail[1] - lead[1]))
        t.info["side_dir"] = math.degrees(math.atan2(-side[1], side[0]))
        t.info["front_dir"] = math.degrees(math.atan2(-front[1], front[0]))
    nose = None
    if nose_r > 0:
        blade, nose = rounded(blade, 0, nose_r)
        blade, other = rounded(blade, len(blade) - 1, nose_r)
        # both corners carry the radius; the leader may point at either
        t.info["other_nose"] = other
    t.parts.append((blade, INSERT_FILL))
    t.tip, t.nose = tip, nose
    t.info["blade"] = (add(tip_mid, n, -width / 2), add(tip_mid, n, width / 2))
    t.info["blade_back"] = back
    kind = shank[0]
    if kind == "down":
        x0, x1, top = shank[1], shank[2], shank[3]
        y = back[1] + 2
        t.parts.insert(0, ([(x0, top), (x1, top), (x1, y), (x0, y)], HOLDER_FILL))
        t.post = [(x0 - 16, top - 18), (x1 + 16, top - 18), (x1 + 16, top), (x0 - 16, top)]
        t.post_face = ((x0 + x1) / 2, top)
        t.axis = "down"
        t.info["shank"] = ((x0, top + 20), (x1, top + 20))
    else:
        y0, y1, right = shank[1], shank[2], shank[3]
        x = back[0] - 2
        if kind == "bar":
            # a boring bar: the blade stands on the bar's end
            x = shank[4]
        t.parts.insert(0, ([(x, y0), (right, y0), (right, y1), (x, y1)], HOLDER_FILL))
        t.post = [(right, y0 - 16), (right + 18, y0 - 16), (right + 18, y1 + 16),
                  (right, y1 + 16)]
        t.post_face = (right, (y0 + y1) / 2)
        t.axis = "left"
        t.info["shank"] = ((right - 22, y0), (right - 22, y1))
    return t


def rotary_tool(kind, tip, axis, dia, post_at):
    """Drills, taps, reamers, end mills, face mills, centre drills and boring heads, drawn along
    `axis` ("left": the tool lies along Z and points to -Z; "down": it lies along X and points
    to -X) from the tip to the post."""
    t = Tool()
    if axis == "left":
        to_world = lambda u, v: (tip[0] + u, tip[1] + v)
    else:
        to_world = lambda u, v: (tip[0] - v, tip[1] - u)
    W = lambda pts: [to_world(u, v) for u, v in pts]
    r = dia / 2
    reach = post_at  # distance from the tip to the post face
    lines = []
    if kind == "drill":
        point = r / math.tan(math.radians(59))
        flute_end = reach * 0.58
        body = [(0, 0), (point, -r), (flute_end, -r), (flute_end, r), (point, r)]
        shank = [(flute_end, -r), (reach, -r), (reach, r), (flute_end, r)]
        t.parts += [(W(shank), HOLDER_FILL), (W(body), INSERT_FILL)]
        u = point + 4
        while u + r * 1.2 < flute_end:
            lines.append(W([(u, r), (u + r * 1.2, -r)]))
            u += r * 1.1
        t.info["point"] = (to_world(point, -r), to_world(point, r))
    elif kind == "centre":
        pilot_r, pilot_l = r * 0.32, r * 0.7
        cone = (r - pilot_r) / math.tan(math.radians(30))
        body_end = reach
        body = [(0, -pilot_r), (pilot_l, -pilot_r), (pilot_l + cone, -r), (body_end, -r),
                (body_end, r), (pilot_l + cone, r), (pilot_l, pilot_r), (0, pilot_r)]
        t.parts.append((W(body), INSERT_FILL))
        lines.append(W([(pilot_l, -pilot_r), (pilot_l, pilot_r)]))
        lines.append(W([(pilot_l + cone, -r), (pilot_l + cone, r)]))
    elif kind == "tap":
        chamfer, thread_end = r * 0.9, reach * 0.55
        shank_r = r * 0.72
        pitch = 5.0
        top, bottom = [], []
        u = 0.0
        k = 0
        while u <= thread_end:
            rr = r - (1.6 if k % 2 else 0.0)
            if u < chamfer:
                rr = min(rr, r * 0.55 + (r * 0.45) * u / chamfer)
            top.append((u, -rr))
            bottom.append((u + pitch / 2 * 0.0, rr))
            u += pitch / 2
            k += 1
        body = [(0, -r * 0.55)] + top + [(thread_end, -shank_r), (reach, -shank_r),
                                         (reach, shank_r), (thread_end, shank_r)]
        body += list(reversed(bottom)) + [(0, r * 0.55)]
        t.parts.append((W(body), INSERT_FILL))
        for uu in range(int(chamfer), int(thread_end) - 2, 7):
            lines.append(W([(uu, -r + 2.5), (uu + 3.5, r - 2.5)]))
        t.info["measure_u"] = thread_end * 0.6
    elif kind == "reamer":
        chamfer, flute_end = 3.0, reach * 0.6
        shank_r = r * 0.8
        body = [(0, -r + chamfer), (chamfer, -r), (flute_end, -r), (flute_end + 6, -shank_r),
                (reach, -shank_r), (reach, shank_r), (flute_end + 6, shank_r), (flute_end, r),
                (chamfer, r), (0, r - chamfer)]
        t.parts.append((W(body), INSERT_FILL))
        for v in (-r * 0.45, 0.0, r * 0.45):
            lines.append(W([(chamfer + 2, v), (flute_end - 2, v)]))
        t.info["measure_u"] = flute_end * 0.55
    elif kind == "endmill":
        flute_end = reach * 0.45
        body = [(0, -r + 1.5), (1.5, -r), (flute_end, -r), (flute_end, r), (1.5, r),
                (0, r - 1.5)]
        shank = [(flute_end, -r), (reach, -r), (reach, r), (flute_end, r)]
        t.parts += [(W(shank), HOLDER_FILL), (W(body), INSERT_FILL)]
        u = 4.0
        while u + r * 0.9 < flute_end:
            lines.append(W([(u, r), (u + r * 0.9, -r)]))
            u += r * 0.8
        t.info["measure_u"] = flute_end * 0.5
    elif kind == "facemill":
        body_l = r * 0.55
        arbor_r = r * 0.38
        body = [(0, -r), (body_l, -r), (body_l + 8, -r + 8), (body_l + 8, r - 8), (body_l, r),
                (0, r)]
        arbor = [(body_l + 8, -arbor_r), (reach, -arbor_r), (reach, arbor_r),
                 (body_l + 8, arbor_r)]
        t.parts += [(W(arbor), HOLDER_FILL), (W(body), HOLDER_FILL)]
        for v in (-r, r):
            s = -1 if v < 0 else 1
            ins = [(0, v), (0, v - s * 9), (9, v - s * 9), (9, v)]
            t.parts.append((W(ins), INSERT_FILL))
        for v in (-r * 0.35, r * 0.35):
            ins = [(0, v - 4.5), (0, v + 4.5), (7, v + 4.5), (7, v - 4.5)]
            t.parts.append((W(ins), INSERT_FILL))
        t.info["measure_u"] = body_l * 0.5
    elif kind == "boring":
        # a twin-cutter boring bar: two inserts on the bar's end reach the bored diameter
        bar_r = r * 0.5
        body = [(0, -bar_r), (reach, -bar_r), (reach, bar_r), (0, bar_r)]
        t.parts.append((W(body), HOLDER_FILL))
        for s in (-1, 1):
            ins = [(0, s * (bar_r - 5)), (0, s * r), (8, s * r), (12, s * (bar_r - 5))]
            t.parts.append((W(ins), INSERT_FILL))
        t.info["measure_u"] = 4.0
    t.lines = lines
    t.tip = tip
    t.axis = axis
    t.info["rotary"] = kind
    t.info["dia"] = dia
    t.info["to_world"] = to_world
    t.post_face = to_world(reach, 0)
    pw = max(r + 14, 26)
    t.post = W([(reach, -pw), (reach + 18, -pw), (reach + 18, pw), (reach, pw)])
    return t


# --------------------------------------------------------------------------------------------
# Workpieces around a tool.
# --------------------------------------------------------------------------------------------


def work_regions(tool, context, frame):
    """Polygons of the workpiece for a context: OUTER (material below the tool), INNER (a bore:
    material above and below the bar), FACE (material on the left), "corner_ll" / "corner_lr"
    (material in that quadrant of the tip: the shoulder an outside tool turns and faces),
    AXIAL / RADIAL for the rotary tools."""
    x0, y0, x1, y1 = frame
    pts = tool.all_points()
    tx, ty = tool.tip
    min_x = min(p[0] for p in pts)
    max_y = max(p[1] for p in pts)
    min_y = min(p[1] for p in pts)
    far = 4000
    regions = []
    depth = tool.info.get("groove", 0.0)
    if depth:
        # a grooving blade stands in the groove it has cut
        a, b = tool.info["blade"]
    if context == OUTER:
        top = [(x0 - far, max_y), (x1 + far, max_y)]
        if depth:
            lo, hi = sorted((a[0], b[0]))
            top = [(x0 - far, max_y - depth), (lo, max_y - depth), (lo, max_y), (hi, max_y),
                   (hi, max_y - depth), (x1 + far, max_y - depth)]
        regions.append(top + [(x1 + far, y1 + far), (x0 - far, y1 + far)])
    elif context == INNER:
        face_x = tool.info.get("face_x", x1 + far)
        wall = [(face_x, min_y), (x0 - far, min_y)]
        if depth:
            lo, hi = sorted((a[0], b[0]))
            wall = [(face_x, min_y + depth), (hi, min_y + depth), (hi, min_y), (lo, min_y),
                    (lo, min_y + depth), (x0 - far, min_y + depth)]
        regions.append([(x0 - far, y0 - far), (face_x, y0 - far)] + wall)
        low = tool.info.get("lower_wall")
        if low is not None:
            regions.append([(x0 - far, low), (tool.info.get("face_x", x1 + far), low),
                            (tool.info.get("face_x", x1 + far), y1 + far), (x0 - far, y1 + far)])
    elif context == FACE:
        face = [(min_x, y0 - far), (min_x, y1 + far)]
        if depth:
            lo, hi = sorted((a[1], b[1]))
            face = [(min_x + depth, y0 - far), (min_x + depth, lo), (min_x, lo), (min_x, hi),
                    (min_x + depth, hi), (min_x + depth, y1 + far)]
        regions.append([(x0 - far, y0 - far)] + face + [(x0 - far, y1 + far)])
    elif context == "corner_ll":
        regions.append([(x0 - far, ty), (tx, ty), (tx, y1 + far), (x0 - far, y1 + far)])
    elif context == "corner_lr":
        regions.append([(tx, ty), (x1 + far, ty), (x1 + far, y1 + far), (tx, y1 + far)])
    elif context in (AXIAL, RADIAL):
        # in the tool's own frame: u along its axis from the tip towards the post, v across;
        # the work lies beyond its surface (u < surface) apart from the holes, each given by
        # (radius, depth below the surface)
        surface = tool.info.get("surface", 0.0)
        big = far
        outline = [(surface, -big)]
        depth_so_far = 0.0
        for radius, depth in tool.info.get("holes", []):
            outline += [(surface - depth_so_far, -radius), (surface - depth, -radius)]
            depth_so_far = depth
        mirror = [(u, -v) for u, v in reversed(outline)]
        outline = outline + mirror + [(-big, big), (-big, -big)]
        to_world = tool.info["to_world"]
        regions.append([to_world(u, v) for u, v in outline])
    return regions


# --------------------------------------------------------------------------------------------
# Drawing a scene (tool + workpiece) into a picture through a placement (scale, offset, clip).
# --------------------------------------------------------------------------------------------


class Placement:
    def __init__(self, scale=1.0, dx=0.0, dy=0.0, clip=None):
        self.s, self.dx, self.dy, self.clip = scale, dx, dy, clip

    def p(self, pt):
        return (pt[0] * self.s + self.dx, pt[1] * self.s + self.dy)

    def poly(self, pts):
        out = [self.p(q) for q in pts]
        return clip_polygon(out, self.clip) if self.clip else out

    def seg(self, a, b):
        a, b = self.p(a), self.p(b)
        return clip_segment(a, b, self.clip) if self.clip else (a, b)


def draw_work(pic, regions, place, centre_line=None, frame=None):
    for reg in regions:
        box = place.clip or (1, 1, pic.width - 1, pic.height - 1)
        poly = clip_polygon([place.p(q) for q in reg], box)
        if len(poly) < 3:
            continue
        pic.polygon(poly, WORK_FILL, "none")
        pic.solids.append((poly, ()))
        pic.hatch(poly, WORK_HATCH, 6.0 if place.s > 0.7 else 5.0, 0.5)
        # outline only along the real edges (not along the cut of the frame or cell)
        for i in range(len(poly)):
            a, b = poly[i - 1], poly[i]
            if _on_box_edge(a, b, box):
                continue
            pic.line(a, b, INK, 1.0)
    if centre_line is not None:
        s = place.seg(*centre_line)
        if s:
            pic.line(s[0], s[1], THIN, 0.5, dash="12,3,2,3")


def _on_box_edge(a, b, box):
    x0, y0, x1, y1 = box
    e = 0.01
    return ((abs(a[0] - x0) < e and abs(b[0] - x0) < e) or (abs(a[0] - x1) < e and
            abs(b[0] - x1) < e) or (abs(a[1] - y0) < e and abs(b[1] - y0) < e) or
            (abs(a[1] - y1) < e and abs(b[1] - y1) < e))


def draw_tool(pic, tool, place, with_post=True):
    if with_post and tool.post:
        poly = place.poly(tool.post)
        if len(poly) >= 3:
            pic.polygon(poly, POST_FILL, INK, 1.0)
            pic.solids.append((poly, ()))
            pic.hatch(poly, POST_HATCH, 6.0, 0.4)
            pic.polygon(poly, "none", INK, 1.0)
    inserts = [place.poly(poly) for poly, fill in tool.parts if fill == INSERT_FILL]
    first = len(pic.segments)
    for poly, fill in tool.parts:
        pp = place.poly(poly)
        pic.polygon(pp, fill, INK, 1.2 if fill == INSERT_FILL else 1.0,
                    hidden_by=() if fill == INSERT_FILL else [q for q in inserts if len(q) > 2])
        if len(pp) >= 3:
            # the tip angle of an insert is named inside the insert
            inside = ("A1",) if fill == INSERT_FILL and "main_dir" in tool.info else ()
            pic.solids.append((pp, inside))
    pic.tool_lines.update(range(first, len(pic.segments)))
    for line in tool.lines:
        for i in range(1, len(line)):
            s = place.seg(line[i - 1], line[i])
            if s:
                pic.line(s[0], s[1], "#555", 0.5)


ARROW_VEC = {"left": (-1, 0), "right": (1, 0), "down": (0, 1), "up": (0, -1)}


def cutting_arrow(pic, at, direction, length=22.0, group="arrow"):
    d = ARROW_VEC[direction]
    start = add(at, d, -length / 2)
    end = add(at, d, length / 2)
    pic.line(start, add(end, d, -5), BLUE, 1.4, group=group)
    pic.arrowhead(end, d, BLUE, 7.0, 3.0, group=group)
    return (min(start[0], end[0]) - 3, min(start[1], end[1]) - 3, max(start[0], end[0]) + 3,
            max(start[1], end[1]) + 3)


def place_arrows(pic, tool_tip, directions, prefer, length=20.0, rmax=80):
    """Puts the cutting directions as one small cluster of blue arrows, starting from a common
    point near the tip and pointing away from it, in free space."""
    gap = 3.0
    for r in range(12, rmax, 2):
        for a in [prefer] + [prefer + s * j for j in range(15, 181, 15) for s in (1, -1)]:
            centre = add(tool_tip, unit(a), r)
            boxes = []
            for direction in directions:
                d = ARROW_VEC[direction]
                p = add(centre, d, gap)
                q = add(centre, d, gap + length)
                boxes.append((min(p[0], q[0]) - 4, min(p[1], q[1]) - 4,
                              max(p[0], q[0]) + 4, max(p[1], q[1]) + 4))
            if all(pic.free(box, "arrow", margin=0) for box in boxes):
                for direction, box in zip(directions, boxes):
                    d = ARROW_VEC[direction]
                    start = add(centre, d, gap)
                    end = add(centre, d, gap + length)
                    pic.line(start, add(end, d, -5), BLUE, 1.4, group="arrow")
                    pic.arrowhead(end, d, BLUE, 7.0, 3.0, group="arrow")
                    # the arrows' room counts as taken for the labels placed later
                    pic.labels.append((box, "arrow", "arrow"))
                return
    pic.problems.append("%s: no room for the arrows %s" % (pic.title, directions))


# --------------------------------------------------------------------------------------------
# The 37 shapes.
# --------------------------------------------------------------------------------------------

# The outside tools stand on a post at the top, tip at (T_OUT); the boring bars come from a
# post on the right into a bore; the face tools come from the right towards the face.
T_OUT = (112.0, 128.0)
POST_TOP = 30.0


def od_insert(hand="right", nose_r=0.0, insert=80.0, approach=95.0, shank_w=32.0, e=38.0):
    """Outside turning tool, shank along X, insert leading towards the chuck (right hand); the
    left-hand tool is its mirror image."""
    tip = T_OUT
    main = 180 - approach  # the main edge leaves the tip upwards, leaning off the shoulder
    minor = main - insert
    t = insert_tool(tip, main, minor, e, ("down", tip[0] + 10, tip[0] + 10 + shank_w, POST_TOP),
                    nose_r)
    t.info["ref_dir"] = 180.0
    return t.mirrored(SHAPE_W) if hand == "left" else t


def od_insert_z(nose_r=0.0):
    """Outside turning tool with its shank along Z."""
    tip = (70.0, 118.0)
    t = insert_tool(tip, 85.0, 5.0, 38.0, ("left", tip[1] - 56, tip[1] - 26, 222.0), nose_r)
    t.info["ref_dir"] = 180.0
    return t


def od_neutral(vee=35.0):
    """Neutral copying tool: a 35 degree insert pointing straight at the work."""
    tip = T_OUT
    t = insert_tool(tip, 90 + vee / 2, 90 - vee / 2, 30.0,
                    ("down", tip[0] - 15, tip[0] + 15, POST_TOP))
    t.info["ref_dir"] = 180.0
    return t


def od_thread():
    tip = T_OUT
    return insert_tool(tip, 120.0, 60.0, 32.0, ("down", tip[0] - 16, tip[0] + 16, POST_TOP),
                       triangle=True)


def od_round(nose_r=7.0):
    return blade_tool(T_OUT, "down", 26.0, 46.0, "flat",
                      ("down", T_OUT[0] - 17, T_OUT[0] + 17, POST_TOP), nose_r=nose_r)


def od_groove():
    """Grooving / parting blade; its front edge is ground at an angle, so that the corner on
    the chuck side leads (the tip angle A1 is the angle of that corner, drawn just touching
    the work so that the corner stays in sight)."""
    t = blade_tool((T_OUT[0] + 11, T_OUT[1]), "down", 22.0, 58.0, "flat",
                   ("down", T_OUT[0] - 6, T_OUT[0] + 28, POST_TOP), front_angle=12.0)
    return t


# Bore of the inside tools: upper wall, lower wall, face of the workpiece.
BORE_TOP, BORE_BOTTOM, BORE_FACE = 46.0, 150.0, 188.0
BORE_AXIS = 132.0


def id_bar(main, minor, insert_e=34.0, nose_r=0.0, tip=(62.0, BORE_TOP), bar=(72.0, 98.0),
           triangle=False, ref=180.0):
    t = insert_tool(tip, main, minor, insert_e, ("left", bar[0], bar[1], 222.0), nose_r,
                    triangle)
    t.info["face_x"] = BORE_FACE
    t.info["lower_wall"] = BORE_BOTTOM
    t.info["ref_dir"] = ref
    return t


def id_blade(width, nose_r=0.0):
    tip = (64.0, BORE_TOP)
    t = blade_tool(tip, "up", width, 34.0, "flat",
                   ("bar", 76.0, 102.0, 222.0, tip[0] - width / 2 - 4), nose_r=nose_r)
    t.info["face_x"] = BORE_FACE
    t.info["lower_wall"] = BORE_BOTTOM
    return t


FACE_X = 64.0
FACE_AXIS = 168.0


def face_tool(main, minor, nose_r=0.0, tip=(FACE_X, 80.0), shank=(94.0, 122.0), e=38.0,
              triangle=False, ref=90.0):
    t = insert_tool(tip, main, minor, e, ("left", shank[0], shank[1], 222.0), nose_r, triangle)
    t.info["ref_dir"] = ref
    return t


def face_blade(width, nose_r=0.0):
    tip = (FACE_X, 92.0)
    return blade_tool(tip, "left", width, 44.0, "flat",
                      ("left", 92.0 - width / 2 - 4, 92.0 + width / 2 + 4, 222.0),
                      nose_r=nose_r)


def grooving(tool, depth=12.0):
    tool.info["groove"] = depth
    return tool


AXIS_Y = 92.0


def axial(kind, dia, holes=(), surface=0.0):
    """A rotary tool on the axis, working into the face on the left."""
    t = rotary_tool(kind, (66.0 - surface, AXIS_Y), "left", dia, 156.0 + surface)
    t.info["holes"], t.info["surface"] = list(holes), surface
    return t


def radial(kind, dia, holes=(), surface=0.0):
    """A rotary tool across the axis, working into the outside below."""
    t = rotary_tool(kind, (112.0, 142.0 + surface), "down", dia, 112.0 + surface)
    t.info["holes"], t.info["surface"] = list(holes), surface
    return t


# The nose radius of the inserts whose field set always has NR: drawn large enough to be seen
# in the small cells of the kind pictures, where it tells these shapes from their sharp twins.
NOSE_R = 9.0

# The shape pictures: the tool and the workpiece drawn with it. Outside tools stand on a post
# at the top and meet the work below; boring bars come from a post on the right into a bore;
# face tools come from the right to the face on the left; rotary tools work along the axis
# (into the face) or across it (into the outside).
SHAPES = {
    0: (lambda: od_insert(), "corner_ll"),
    1: (lambda: od_neutral(), OUTER),
    2: (lambda: od_insert_z(), "corner_ll"),
    3: (lambda: od_round(), OUTER),
    4: (lambda: face_blade(26.0, nose_r=7.0), FACE),
    5: (lambda: od_insert(nose_r=NOSE_R), "corner_ll"),
    6: (lambda: od_insert_z(nose_r=NOSE_R), "corner_ll"),
    7: (lambda: id_bar(275.0, 355.0), INNER),
    8: (lambda: id_bar(273.0, 328.0, 32.0), INNER),
    9: (lambda: id_bar(252.5, 287.5, 28.0, tip=(70.0, BORE_TOP), bar=(80.0, 108.0)), INNER),
    10: (lambda: id_blade(24.0, nose_r=7.0), INNER),
    11: (lambda: id_bar(275.0, 355.0, nose_r=NOSE_R), INNER),
    12: (lambda: face_tool(17.5, -17.5, tip=(FACE_X, 92.0), shank=(78.0, 106.0), e=30.0),
         FACE),
    13: (lambda: od_insert("left"), "corner_lr"),
    14: (lambda: od_insert("left", nose_r=NOSE_R), "corner_lr"),
    15: (lambda: id_bar(265.0, 185.0, tip=(96.0, BORE_TOP), bar=(74.0, 100.0), ref=0.0),
         INNER),
    16: (lambda: face_tool(355.0, 275.0), FACE),
    17: (lambda: od_thread(), OUTER),
    18: (lambda: id_bar(300.0, 240.0, 28.0, tip=(68.0, BORE_TOP), bar=(74.0, 100.0),
                        triangle=True), INNER),
    19: (lambda: face_tool(30.0, -30.0, tip=(FACE_X, 92.0), shank=(74.0, 110.0), e=32.0,
                           triangle=True), FACE),
    20: (lambda: od_groove(), OUTER),
    21: (lambda: grooving(id_blade(18.0)), INNER),
    22: (lambda: grooving(face_blade(20.0)), FACE),
    23: (lambda: axial("drill", 28.0), AXIAL),
    24: (lambda: axial("centre", 26.0), AXIAL),
    25: (lambda: radial("drill", 24.0), RADIAL),
    26: (lambda: radial("boring", 46.0, holes=[(14.0, 60.0)]), RADIAL),
    27: (lambda: axial("boring", 48.0, holes=[(15.0, 80.0)]), AXIAL),
    28: (lambda: radial("tap", 22.0, holes=[(9.0, 32.0)]), RADIAL),
    29: (lambda: axial("tap", 24.0, holes=[(10.0, 44.0)]), AXIAL),
    30: (lambda: radial("reamer", 22.0, holes=[(10.0, 32.0)]), RADIAL),
    31: (lambda: axial("reamer", 24.0, holes=[(11.0, 44.0)]), AXIAL),
    32: (lambda: radial("endmill", 24.0), RADIAL),
    33: (lambda: axial("endmill", 24.0), AXIAL),
    34: (lambda: radial("facemill", 80.0), RADIAL),
    35: (lambda: axial("facemill", 90.0), AXIAL),
    36: (lambda: face_tool(355.0, 275.0, nose_r=NOSE_R), FACE),
}


def make_shape(i):
    """The tool of shape picture i and the workpiece its picture shows."""
    maker, context = SHAPES[i]
    return maker(), context


def shape_users():
    """For every shape picture: the (kinds, shape number, field set, own position) using it."""
    users = {}
    for kinds, _, default_pos, shapes in CATALOGUE:
        for number, fields, picture, pos in shapes:
            users.setdefault(picture, []).append((kinds, number, fields, pos or default_pos))
    return users


def field_set_of(picture):
    sets = {fields for _, _, fields, _ in shape_users()[picture]}
    letters = set()
    for s in sets:
        letters |= set(FIELD_LETTERS[s])
    # every pair using a picture needs the same letters, apart from the optional nose row
    base = {frozenset(l for l in FIELD_LETTERS[s] if l != "NR") for s in sets}
    if len(base) != 1:
        raise ValueError("picture %d serves different field sets %s" % (picture, sets))
    return [l for l in ("A1", "A2", "L", "D", "W", "NR") if l in letters]


def directions_of(picture):
    out = []
    for kinds, _, _, _ in shape_users()[picture]:
        for k in kinds:
            a = KIND_ARROW.get(k)
            if a and a not in out:
                out.append(a)
    return out


def scene_frame():
    return (0.0, 0.0, float(SHAPE_W), float(SHAPE_H))


def context_regions(tool, context):
    frame = scene_frame()
    regions = work_regions(tool, context, frame)
    centre = None
    if context == INNER:
        centre = None
    elif context == AXIAL:
        centre = ((-10.0, AXIS_Y), (SHAPE_W + 10.0, AXIS_Y))
    elif context == FACE:
        centre = ((-10.0, FACE_AXIS), (SHAPE_W + 10.0, FACE_AXIS))
    return regions, centre


def dimension_shape(pic, tool, letters):
    """Puts the dimensions of the letters onto a drawn shape."""
    tip = tool.tip
    rot = tool.info.get("rotary")
    if "A1" in letters:
        if rot == "drill":
            a, b = tool.info["point"]
            dirs = [math.degrees(math.atan2(-(p[1] - tip[1]), p[0] - tip[0])) for p in (a, b)]
            lo, hi = sorted(d % 360 for d in dirs)
            if hi - lo > 180:
                lo, hi = hi, lo + 360
            dim_angle(pic, tip, lo, hi, 20.0, "A1", "A1")
        elif "front_dir" in tool.info:
            # grooving blade: the angle at the leading corner between side and front edge
            lo, hi = sorted((tool.info["front_dir"], tool.info["side_dir"]))
            dim_angle(pic, tip, lo, hi, 12.0, "A1", "A1", prefer=150)
        else:
            lo, hi = sorted((tool.info["main_dir"] % 360, tool.info["minor_dir"] % 360))
            if hi - lo > 180:
                lo, hi = hi, lo + 360
            # a narrow tip gets a wider arc, so that the arc stays readable
            dim_angle(pic, tip, lo, hi, 14.0 if hi - lo > 50 else 22.0, "A1", "A1")
    if "A2" in letters:
        main = tool.info["main_dir"] % 360
        ref = tool.info["ref_dir"] % 360
        reference_line(pic, tip, ref, 42.0, "A2")
        lo, hi = sorted((main, ref))
        if hi - lo > 180:
            lo, hi = hi, lo + 360
        dim_angle(pic, tip, lo, hi, 30.0, "A2", "A2")
    if "L" in letters:
        post = tool.post
        if tool.axis == "down":
            x = max(p[0] for p in tool.all_points() + post) + 12
            _dim_v(pic, max(p[0] for p in post), tool.post_face[1], tip, x, "L")
        else:
            y = max(p[1] for p in tool.all_points() + post) + 12
            _dim_h(pic, max(p[1] for p in post), tool.post_face[0], tip, y, "L")
    if "D" in letters:
        if rot:
            r = tool.info["dia"] / 2
            u = tool.info.get("measure_u", 60.0)
            w = tool.info["to_world"]
            dim_across(pic, w(u, -r), w(u, r), "D", "D", None)
        elif "blade" in tool.info and "W" not in letters:
            a, b = tool.info["blade"]
            dim_across(pic, _back_from(a, tool, 16), _back_from(b, tool, 16), "D", "D", None)
        else:
            a, b = tool.info["shank"]
            dim_across(pic, a, b, "D", "D", None)
    if "W" in letters:
        a, b = tool.info["blade"]
        # above the groove, and clear of the tip angle where the blade has one
        back = tool.info.get("groove", 0.0) + (24 if "front_dir" in tool.info else 10)
        dim_across(pic, _back_from(a, tool, back), _back_from(b, tool, back), "W", "W", None)
    if "NR" in letters and tool.nose is not None:
        other = tool.info.get("other_nose")
        place_label(pic, "NR", tool.nose, "NR", _away(tool), leader_to=tool.nose,
                    radius=(10, 60),
                    alternative=(other, _away(tool, other)) if other else None)


def _back_from(p, tool, dist):
    """A point `dist` back from p along the blade, away from its cutting end."""
    back = tool.info["blade_back"]
    a, b = tool.info["blade"]
    mid = ((a[0] + b[0]) / 2, (a[1] + b[1]) / 2)
    return add(p, _norm((back[0] - mid[0], back[1] - mid[1])), dist)


def _away(tool, point=None):
    """Direction (degrees) from the middle of the tool towards its nose (or point)."""
    n = point or tool.nose or tool.tip
    pts = tool.all_points()
    cx = sum(p[0] for p in pts) / len(pts)
    cy = sum(p[1] for p in pts) / len(pts)
    return math.degrees(math.atan2(-(n[1] - cy), n[0] - cx))


def _dim_v(pic, post_x, y_face, tip, x, label):
    """Projection along X: from the post's clamping face down to the tip."""
    pic.line((tip[0] + 3, tip[1]), (x + 3, tip[1]), THIN, 0.4, group=label)
    pic.line((post_x + 2, y_face), (x + 3, y_face), THIN, 0.4, group=label)
    a, b = (x, y_face), (x, tip[1])
    pic.line(a, b, DIM_INK, 0.6, group=label)
    pic.arrowhead(a, (0, -1), group=label)
    pic.arrowhead(b, (0, 1), group=label)
    place_label(pic, label, (x, (y_face + tip[1]) / 2), label, 0, leader_to=False,
                radius=(2, 40))


def _dim_h(pic, post_y, x_face, tip, y, label):
    """Projection along Z: from the post's clamping face left to the tip."""
    pic.line((tip[0], tip[1] + 3), (tip[0], y + 3), THIN, 0.4, group=label)
    pic.line((x_face, post_y + 2), (x_face, y + 3), THIN, 0.4, group=label)
    a, b = (tip[0], y), (x_face, y)
    pic.line(a, b, DIM_INK, 0.6, group=label)
    pic.arrowhead(a, (-1, 0), group=label)
    pic.arrowhead(b, (1, 0), group=label)
    place_label(pic, label, ((x_face + tip[0]) / 2, y), label, 270, leader_to=False,
                radius=(1, 40))


def draw_shape_picture(i):
    tool, context = make_shape(i)
    letters = field_set_of(i)
    pic = Picture(SHAPE_W, SHAPE_H, "tool shape %d" % i)
    regions, centre = context_regions(tool, context)
    place = Placement(clip=(1.0, 1.0, SHAPE_W - 1.0, SHAPE_H - 1.0))
    draw_work(pic, regions, place, centre)
    draw_tool(pic, tool, place)
    dimension_shape(pic, tool, letters)
    dirs = directions_of(i)
    if dirs:
        place_arrows(pic, tool.tip, dirs, _away(tool) + 180 if tool.nose else 225)
    place_pending_labels(pic)
    pic.verify()
    return pic


# --------------------------------------------------------------------------------------------
# Kind pictures: the kind's shapes side by side in numbered cells.
# --------------------------------------------------------------------------------------------


def kind_work(kinds):
    return KIND_WORK[kinds[0]]


def draw_kind_picture(index, kind=None):
    """Kind picture `index` with the feed arrow of `kind` (by default the row's first kind)."""
    row = [r for r in CATALOGUE if r[1] == index][0]
    kinds, _, _, shapes = row
    work = kind_work(kinds)
    arrow = KIND_ARROW.get(kind or kinds[0])
    title = "tool kind picture %d (kinds %s)" % (index, ", ".join(str(k) for k in kinds))
    if kind and kind != kinds[0]:
        title += " with the arrow of kind %d" % kind
    pic = Picture(KIND_W, KIND_H, title)
    n = len(shapes)
    cols = n if n <= 4 else (n + 1) // 2
    rows = 1 if n <= 4 else 2
    cw, ch = (KIND_W - 4) / cols, (KIND_H - 4) / rows
    band = 17.0  # the row of the shape number at the top of each cell
    cells = []
    for k in range(n):
        c, r = k % cols, k // cols
        x0, y0 = 2 + c * cw, 2 + r * ch
        cells.append((x0, y0, x0 + cw, y0 + ch))
    # one scale for the whole picture, so that the tools compare in size
    scale = 1.0
    for (number, fields, picture, pos), cell in zip(shapes, cells):
        focus = focus_box(make_shape(picture)[0], work)
        scale = min(scale, (cw - 6) / (focus[2] - focus[0]), (ch - band - 3) / (focus[3] - focus[1]))
    for (number, fields, picture, pos), cell in zip(shapes, cells):
        draw_cell(pic, cell, picture, work, arrow, number, scale, band)
    # cell borders
    for c in range(1, cols):
        x = 2 + c * cw
        pic.line((x, 2), (x, KIND_H - 2), "#b0b0b0", 0.8)
    for r in range(1, rows):
        y = 2 + r * ch
        pic.line((2, y), (KIND_W - 2, y), "#b0b0b0", 0.8)
    pic.verify()
    return pic


def draw_cell(pic, cell, picture, work, arrow, number, s, band):
    tool = make_shape(picture)[0]
    x0, y0, x1, y1 = cell
    inner = (x0 + 3, y0 + band, x1 - 3, y1 - 3)
    # the part of the scene shown: the tool's cutting end and some workpiece
    focus = focus_box(tool, work)
    dx = (inner[0] + inner[2]) / 2 - (focus[0] + focus[2]) / 2 * s
    dy = (inner[1] + inner[3]) / 2 - (focus[1] + focus[3]) / 2 * s
    clip = (x0 + 1, y0 + band - 1, x1 - 1, y1 - 1)
    place = Placement(s, dx, dy, clip)
    context = work
    if work == INNER and not tool.info.get("lower_wall"):
        # an outside or face shape used inside a bore: the wall just beyond its reach
        context = INNER
    regions = work_regions(tool, context, scene_frame())
    centre = None
    if work == AXIAL:
        centre = ((-400.0, AXIS_Y), (SHAPE_W + 400.0, AXIS_Y))
    draw_work(pic, regions, place, centre)
    draw_tool(pic, tool, place)
    if arrow:
        tip = place.p(tool.tip)
        g = "cell-%d-arrow" % number
        d = ARROW_VEC[arrow]
        # the arrow sits beside the tip on the free side, short enough for the cell
        placed = False
        for r in range(8, 160, 2):
            for a in (135, 45, 225, 315, 90, 180, 0, 270, 160, 20, 200, 340):
                at = add(tip, unit(a), r)
                half = 9.0
                box = (at[0] - (half if d[0] else 4), at[1] - (half if d[1] else 4),
                       at[0] + (half if d[0] else 4), at[1] + (half if d[1] else 4))
                if (box[0] > x0 + 2 and box[2] < x1 - 2 and box[1] > y0 + band - 2 and
                        box[3] < y1 - 2 and pic.free(box, g, margin=0)):
                    cutting_arrow(pic, at, arrow, 16.0, group=g)
                    placed = True
                    break
            if placed:
                break
        if not placed:
            pic.problems.append("%s: no room for the arrow of shape %d" % (pic.title, number))
    # the shape number, boxed, in the cell's top left corner
    g = "cell-%d-number" % number
    box_w = text_width(str(number), NUMBER_SIZE) + 8
    bx, by = x0 + 3, y0 + 2
    pic.polygon([(bx, by), (bx + box_w, by), (bx + box_w, by + 15), (bx, by + 15)], "#fff",
                INK, 0.8, group=g)
    pic.text(bx + box_w / 2, by + 7.5, str(number), NUMBER_SIZE, group=g, backing=False)


def focus_box(tool, work):
    """The part of a shape's scene that a kind picture shows: the tool's cutting end (what
    lies within `reach` of the tip) and a strip of the workpiece beyond it."""
    reach = 64.0 if not tool.info.get("rotary") else 96.0
    if tool.info.get("rotary") == "facemill":
        reach = 120.0
    tx, ty = tool.tip
    window = (tx - reach, ty - reach, tx + reach, ty + reach)
    pts = [p for poly, _ in tool.parts for p in clip_polygon(poly, window)]
    x0, y0 = min(p[0] for p in pts) - 6, min(p[1] for p in pts) - 6
    x1, y1 = max(p[0] for p in pts) + 6, max(p[1] for p in pts) + 6
    strip = 16.0
    if work in (OUTER, RADIAL):
        y1 += strip
    elif work == INNER:
        y0 -= strip
    elif work in (FACE, AXIAL):
        x0 -= strip
    return (x0, y0, x1, y1)


def kind_variants():
    """(picture index, kind) of every kind whose arrow differs from its row's first kind's."""
    variants = []
    for kinds, index, _, _ in CATALOGUE:
        for k in kinds[1:]:
            if KIND_ARROW.get(k) != KIND_ARROW.get(kinds[0]):
                variants.append((index, k))
    return sorted(variants)


def check(folder, pictures):
    """Lists the differences between the folder's tool pictures and `pictures`."""
    made = dict((name, pic.svg()) for name, pic in pictures)
    found = []
    for name in sorted(made):
        path = os.path.join(folder, name)
        if not os.path.exists(path):
            found.append("%s: missing" % name)
            continue
        with open(path, encoding="utf-8", newline="") as f:
            if f.read() != made[name]:
                found.append("%s: differs from what the script makes" % name)
    for name in sorted(os.listdir(folder)):
        if re.fullmatch(r"tool_(kind|shape)_[\d_]+\.svg", name) and name not in made:
            found.append("%s: not made by the script" % name)
    return found


def main():
    args = sys.argv[1:]
    checking = bool(args) and args[0] == "--check"
    if checking:
        args = args[1:]
    out = args[0] if args else os.path.join(HERE, "..", "resources")
    pictures = [("tool_shape_%d.svg" % i, draw_shape_picture(i)) for i in range(37)]
    pictures += [("tool_kind_%d.svg" % i, draw_kind_picture(i)) for i in range(27)]
    pictures += [("tool_kind_%d_%d.svg" % (i, k), draw_kind_picture(i, k))
                 for i, k in kind_variants()]
    problems = [p for _, pic in pictures for p in pic.problems]
    if problems:
        for p in problems:
            print(p, file=sys.stderr)
        print("nothing written", file=sys.stderr)
        return 1
    if checking:
        found = check(out, pictures)
        for line in found:
            print(line, file=sys.stderr)
        return 1 if found else 0
    for name, pic in pictures:
        with open(os.path.join(out, name), "w", encoding="utf-8") as f:
            f.write(pic.svg())
    return 0


if __name__ == "__main__":
    sys.exit(main())
