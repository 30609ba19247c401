#!/usr/bin/env python3
"""Checks workspace files and custom maps against their documented layouts
(docs/workspace.md, docs/master-map-format.md, docs/ncm-format.md) with a
writer and a reader of their own, sharing no code with the program.

    check_files.py CLI workspace   workspaces written here read back by the
                                   program, and the program's own written
                                   workspaces parsed here
    check_files.py CLI map         a master map written here, maps built from
                                   it by the program read and checked here
"""
import json
import math
import os
import random
import struct
import subprocess
import sys
import tempfile

CLI = sys.argv[1] if len(sys.argv) > 1 else ""
FAILURES = []


def check(condition, what):
    if not condition:
        FAILURES.append(what)
        print("FAILED:", what, file=sys.stderr)


def write_file(path, data):
    with open(path, "wb" if isinstance(data, bytes) else "w") as f:
        f.write(data)


def read_file(path):
    with open(path, "rb") as f:
        return f.read()


def run(*args, expect=0):
    p = subprocess.run([CLI, *args], capture_output=True, text=True)
    if p.returncode != expect:
        sys.exit("%s exited %d: %s" % (" ".join(args), p.returncode, p.stderr))
    return p.stdout


# --- workspace files -------------------------------------------------------

def number(v):
    """A number as the file writes it: a leading blank unless negative, a
    trailing blank."""
    return ("%d " % v) if v < 0 else (" %d " % v)


def zoned(key, fields):
    """Fields after the key each start at the next column one more than a
    multiple of 14 (1-based)."""
    line = key
    for f in fields:
        line = line.ljust(-(-len(line) // 14) * 14) + f
    return line


def border_lines(index, closed, points, closed_word):
    lines = [zoned("Polygon", [number(index), closed_word, number(len(points))])]
    for i, (x, y) in enumerate(points):
        lines.append(zoned("Point", [number(i), number(x), number(y)]))
    return lines


def parse_workspace(raw):
    """Reads a workspace the way the format says, checking each line's form:
    returns (options as key -> list of value texts, borders)."""
    check(raw.endswith(b"\r\n"), "the file ends with CR LF")
    lines = raw.split(b"\r\n")[:-1]
    check(all(b"\n" not in l and b"\r" not in l for l in lines), "every line ends with CR LF")
    options, borders = {}, []
    i = 0
    while i < len(lines):
        line = lines[i].decode("latin-1")
        key, _, value = line.partition(" ")
        i += 1
        if key != "Polygon":
            check(key != "Point", "no Point line outside a border")
            options.setdefault(key, []).append(value)
            continue
        words = line.split()
        check(len(words) == 4, "a Polygon line holds three fields: %r" % line)
        check(line == zoned("Polygon", [number(int(words[1])), words[2], number(int(words[3]))]),
              "the Polygon line sits in print zones: %r" % line)
        check(int(words[1]) == len(borders), "borders are numbered from 0 in order")
        check(words[2] in ("True", "False"), "the closed flag is True or False")
        points = []
        for k in range(int(words[3])):
            pline = lines[i + k].decode("latin-1")
            pw = pline.split()
            check(pw[0] == "Point" and int(pw[1]) == k, "vertex %d follows its Polygon line" % k)
            check(pline == zoned("Point", [number(k), number(int(pw[2])), number(int(pw[3]))]),
                  "the Point line sits in print zones: %r" % pline)
            points.append((int(pw[2]), int(pw[3])))
        i += int(words[3])
        borders.append((words[2] == "True", points))
    return options, borders


def random_borders(rng, count):
    borders = []
    for _ in range(count):
        n = rng.randint(1, 12)
        pts = [(rng.randint(-2**31, 2**31 - 1), rng.randint(-2**31, 2**31 - 1)) for _ in range(n)]
        borders.append((rng.random() < 0.5, pts))
    return borders


def cli_borders(path):
    doc = json.loads(run("borders", path, "--json"))
    return doc, [(b["closed"], [tuple(p) for p in b["points"]]) for b in doc["borders"]]


def check_workspaces(folder):
    rng = random.Random(20261207)
    for round_ in range(10):
        borders = random_borders(rng, rng.randint(1, 6))
        words = ["True", "TRUE", "true", "tRuE"]
        lines = ["Version 6.0",
                 "UseHighDetailMaps True",
                 "MidX " + number(-10723000),
                 "MidY   " + " 4560000   ",      # a run of blanks before and after
                 "ZoomRange  12.5 ",
                 "CorridorWidth " + number(30000),
                 "DrawBlocks False",
                 "Frobnicate  7 ",               # nobody's key: skipped
                 "LayerOff (10)",
                 "LayerOff (20:3)",
                 "HeaderText Lake  tour",
                 "MapPath /media/cdrom/data"]
        for b, (closed, pts) in enumerate(borders):
            lines += border_lines(b, closed, pts, rng.choice(words) if closed else "False")
        path = os.path.join(folder, "written%d.nmp" % round_)
        write_file(path, ("\r\n".join(lines) + "\r\n").encode("latin-1"))
        doc, read = cli_borders(path)
        check(read == borders, "round %d: borders read as written, in order" % round_)
        check(doc["messages"] == [], "round %d: no messages" % round_)
        o = doc["options"]
        check(o.get("UseHighDetailMaps") is True and o.get("DrawBlocks") is False, "flags read")
        check(o.get("MidX") == -10723000 and o.get("MidY") == 4560000, "numbers read through blanks")
        check(o.get("ZoomRange") == 12.5 and o.get("CorridorWidth") == 30000, "values read")
        check(o.get("HeaderText") == "Lake  tour", "a text keeps its inner blanks")
        check(doc["layersOff"] == ["(10)", "(20:3)"] and "LayerOff" not in o, "layers off read in order")

        # The program's own workspace: a route added to this one, saved.
        out = os.path.join(folder, "saved%d.nmp" % round_)
        run("route-to-border", ROUTE_FILE, "--route", "0", "--into", path, "-o", out)
        options, saved = parse_workspace(read_file(out))
        check(saved[:-1] == borders, "round %d: saved borders unchanged, in order" % round_)
        check(not saved[-1][0] and len(saved[-1][1]) == 3, "the route is an open border of 3 points")
        for (x, y), (lat, lon) in zip(saved[-1][1], ROUTE):
            check(abs(x - to_x(lon)) <= 1 and abs(y - to_y(lat)) <= 1, "route vertex at its position")
        check(list(options)[0] == "Version" and options["Version"] == ["6.0"], "Version comes first")
        check(options["MidX"] == ["-10723000 "] and options["MidY"] == [" 4560000 "],
              "numbers written with their blanks")
        check(options["CorridorWidth"] == [" 30000 "], "the corridor width is kept")
        check(options["LayerOff"] == ["(10)", "(20:3)"], "layers off written one a line")
        check(options["HeaderText"] == ["Lake  tour"] and options["MapPath"] == ["/media/cdrom/data"],
              "texts written unchanged")
        check("Frobnicate" not in options and "File1" not in options and "BaudRate" not in options,
              "a workspace holds only map entries")


EARTH_RADIUS = 6356752.3142


def to_x(lon):
    return round(math.radians(lon) * EARTH_RADIUS)


def to_y(lat):
    return round(math.log(math.tan((math.radians(lat) + math.pi / 2) / 2)) * EARTH_RADIUS)


ROUTE = [(45.5, -122.25), (46.0, -123.0), (44.75, -121.5)]
ROUTE_FILE = ""


def make_route_file(folder):
    global ROUTE_FILE
    text = os.path.join(folder, "route.txt")
    write_file(text, "".join("%s %s P%d\n" % (lat, lon, n) for n, (lat, lon) in enumerate(ROUTE)))
    ROUTE_FILE = os.path.join(folder, "route.nrv")
    run("import-positions", text, "--route", "-o", ROUTE_FILE)


# --- master map and custom maps -------------------------------------------

POINT, LINE, AREA = 1, 2, 3
OUTER = 1 << 31


def record(kind, category, parts):
    """A feature record: parts is a list of vertex lists (areas: closed rings,
    the first outer)."""
    pts = [p for part in parts for p in part]
    xs, ys = [p[0] for p in pts], [p[1] for p in pts]
    sizes = [len(part) | (OUTER if kind == AREA and k == 0 else 0) for k, part in enumerate(parts)]
    out = struct.pack("<BBHI4i", kind, category, len(parts), len(pts), min(xs), min(ys), max(xs), max(ys))
    out += struct.pack("<%dI" % len(sizes), *sizes)
    for x, y in pts:
        out += struct.pack("<ii", x, y)
    return out, (min(xs), min(ys), max(xs), max(ys))


def write_at5(path, features):
    """One index cell over everything: the simplest index the layout allows."""
    body, offsets, boxes = b"", [], []
    for kind, category, parts in features:
        rec, box = record(kind, category, parts)
        offsets.append(64 + len(body))
        body += rec
        boxes.append(box)
    bounds = (min(b[0] for b in boxes), min(b[1] for b in boxes), max(b[2] for b in boxes),
              max(b[3] for b in boxes))
    cell = 24000 * (1 + (max(bounds[2] - bounds[0], bounds[3] - bounds[1]) // 24000))
    header = b"TFMASTER" + struct.pack("<HH4ii2i2III Q", 1, 0, *bounds, cell, bounds[0], bounds[1], 1, 1,
                                       len(features), 0, 64 + len(body))
    assert len(header) == 64
    index = struct.pack("<%dQ" % len(offsets), *offsets) + struct.pack("<II", 0, len(features))
    index += struct.pack("<%dI" % len(features), *range(len(features)))
    write_file(path, header + body + index)


def read_ncm(path):
    data = read_file(path)
    check(data[:2] == b"\x55\xaa", "the map starts with 0x55 0xAA")
    check(data[24] == 0x54 and data[25] == 0x02, "manufacturer and data type at bytes 24 and 25")
    (version, header_size, size, blocks, features, _, _, _, block_size, left, bottom, right, top,
     directory, vertices) = struct.unpack_from("<HHIIIBBHi4iII", data, 8)
    check((version, header_size) == (1, 64), "version 1, header of 64 bytes")
    check(size == len(data), "the header holds the file's size")
    check(len(data) - directory == 12 * blocks, "the directory has one entry per block")
    pos = 65 + data[64]
    pieces = []
    for b in range(blocks):
        column, row, offset = struct.unpack_from("<iiI", data, directory + 12 * b)
        check(offset == pos, "directory entry %d points at its block" % b)
        c2, r2, count, length = struct.unpack_from("<iiII", data, pos)
        check((c2, r2) == (column, row), "block header matches the directory")
        pos += 16
        end = pos + length
        for _ in range(count):
            kind, category, nparts, npoints = struct.unpack_from("<BBHI", data, pos)
            box = struct.unpack_from("<4i", data, pos + 8)
            sizes = struct.unpack_from("<%dI" % nparts, data, pos + 24)
            pos += 24 + 4 * nparts
            flat = struct.unpack_from("<%di" % (2 * npoints), data, pos)
            pos += 8 * npoints
            pts = list(zip(flat[0::2], flat[1::2]))
            parts, start = [], 0
            for s in sizes:
                parts.append((bool(s & OUTER), pts[start:start + (s & ~OUTER)]))
                start += s & ~OUTER
            check(start == npoints, "part sizes add up to the vertex count")
            check(box == (min(p[0] for p in pts), min(p[1] for p in pts), max(p[0] for p in pts),
                          max(p[1] for p in pts)), "a record's bounds are those of its vertices")
            pieces.append((column, row, kind, category, parts))
        check(pos == end, "block %d ends with its last feature" % b)
    check(pos == directory, "the directory follows the last block")
    check(len(pieces) == features, "the feature count")
    check(sum(len(p) for piece in pieces for _, p in piece[4]) == vertices, "the vertex count")
    return {"blockSize": block_size, "bounds": [left, bottom, right, top], "pieces": pieces}


def ring_area(ring):
    return abs(sum(ring[i][0] * ring[i + 1][1] - ring[i + 1][0] * ring[i][1]
                   for i in range(len(ring) - 1))) / 2


def area_of(pieces, category):
    total = 0.0
    for piece in pieces:
        if piece[3] == category:
            total += sum(ring_area(r) * (1 if outer else -1) for outer, r in piece[4])
    return total


def length_of(pieces, category):
    return sum(math.dist(p[i], p[i + 1]) for piece in pieces if piece[3] == category
               for _, p in piece[4] for i in range(len(p) - 1))


def inside_convex(poly, p, margin):
    """Whether p lies inside the counter-clockwise convex polygon, or within
    margin of it."""
    for a, b in zip(poly, poly[1:] + poly[:1]):
        cross = (b[0] - a[0]) * (p[1] - a[1]) - (b[1] - a[1]) * (p[0] - a[0])
        if cross < -margin * math.dist(a, b):
            return False
    return True


def clip_ring(ring, poly):
    """Sutherland-Hodgman: the ring cut by each edge of the convex polygon."""
    out = ring[:-1]
    for a, b in zip(poly, poly[1:] + poly[:1]):
        side = lambda p: (b[0] - a[0]) * (p[1] - a[1]) - (b[1] - a[1]) * (p[0] - a[0])
        src, out = out, []
        for i, p in enumerate(src):
            q = src[i - 1]
            if side(p) >= 0:
                if side(q) < 0:
                    out.append(cut(q, p, side))
                out.append(p)
            elif side(q) >= 0:
                out.append(cut(q, p, side))
    return out + out[:1] if out else []


def cut(q, p, side):
    t = side(q) / (side(q) - side(p))
    return (q[0] + t * (p[0] - q[0]), q[1] + t * (p[1] - q[1]))


def clip_segment(a, b, poly):
    """Cyrus-Beck: the length of segment ab inside the convex polygon."""
    t0, t1 = 0.0, 1.0
    for e0, e1 in zip(poly, poly[1:] + poly[:1]):
        side = lambda p: (e1[0] - e0[0]) * (p[1] - e0[1]) - (e1[1] - e0[1]) * (p[0] - e0[0])
        sa, sb = side(a), side(b)
        if sa < 0 and sb < 0:
            return 0.0
        if sa < 0:
            t0 = max(t0, sa / (sa - sb))
        elif sb < 0:
            t1 = min(t1, sa / (sa - sb))
    return max(0.0, t1 - t0) * math.dist(a, b)


COAST = [(x, 300000 + int(40000 * math.sin(x / 50000))) for x in range(0, 600001, 15000)]
LAND = [(0, -200000), (600000, -200000)] + COAST[::-1] + [(0, -200000)]
LAKE = [(200000, 150000), (200000, 240000), (270000, 240000), (270000, 150000), (200000, 150000)]
RIVER = [(310000, -150000), (330000, 100000), (315000, 420000)]
PLACES = [(x, y) for x in range(7000, 600000, 37000) for y in range(-190000, 420000, 37000)]
ROAD = [(20000, 200000), (580000, 260000)]
PENTAGON = [(300000 + round(190000 * math.cos(math.radians(a))),
             320000 + round(190000 * math.sin(math.radians(a)))) for a in (-80, -8, 64, 136, 208)]
CORRIDOR = 30000
LIBRARY = ("major 1 Water\nminor 1 Shoreline\nminor 2 Rivers\nmajor 3 Land\nminor 60 Land\n"
           "minor 5 Places\nmajor 7 Roads\nminor 10 Roads\n")


def write_map_workspace(path, borders):
    lines = ["HeaderText Independent", "CorridorWidth " + number(CORRIDOR), "LayerOff (7:10)"]
    for b, (closed, pts) in enumerate(borders):
        lines += border_lines(b, closed, pts, "True" if closed else "False")
    write_file(path, ("\r\n".join(lines) + "\r\n").encode("latin-1"))


def build(folder, res, name, borders):
    workspace = os.path.join(folder, name + ".nmp")
    write_map_workspace(workspace, borders)
    out = os.path.join(folder, name + ".ncm")
    built = run("build-map", workspace, "-o", out, "--res", res)
    check(built.startswith("The size of your custom map is "), "%s: the build tells the size" % name)
    estimate = run("estimate", workspace, "--res", res)
    check(estimate.startswith("This custom map will take approximately ") and
          "(%d bytes)" % os.path.getsize(out) in estimate, "%s: the estimate is the built size" % name)
    info = json.loads(run("map-info", out, "--json"))
    check(info["headerText"] == "Independent", "%s: map-info gives the header text" % name)
    m = read_ncm(out)
    check(info["size"] == os.path.getsize(out) and info["blocks"] == len({(p[0], p[1]) for p in m["pieces"]}),
          "%s: map-info gives the file's size and blocks" % name)
    tally = {}
    for p in m["pieces"]:
        t = tally.setdefault(p[3], [0, 0])
        t[0] += 1
        t[1] += sum(len(r) for _, r in p[4])
    check({c["category"]: [c["features"], c["vertices"]] for c in info["categories"]} == tally,
          "%s: map-info's features and vertices per category" % name)
    check(info["blockSize"] == m["blockSize"] == 48000, "%s: blocks of the corridor width in 24000s" % name)
    check(10 not in tally, "%s: nothing of the switched-off roads" % name)
    check(set(tally) <= {1, 2, 5, 60}, "%s: only the selected categories" % name)
    size = m["blockSize"]
    for column, row, kind, category, parts in m["pieces"]:
        for _, pts in parts:
            for x, y in pts:
                if kind == POINT:
                    check(column * size <= x < (column + 1) * size and row * size <= y < (row + 1) * size,
                          "%s: a point lies in its block by its left and lower edges" % name)
                else:
                    check(column * size <= x <= (column + 1) * size and row * size <= y <= (row + 1) * size,
                          "%s: vertex %r lies in its block" % (name, (x, y)))
    return m


def check_maps(folder):
    res = os.path.join(folder, "res")
    os.mkdir(res)
    write_file(os.path.join(res, "MasterDefinitionLibrary.dat"), LIBRARY)
    write_file(os.path.join(res, "MasterList.txt"), "Independent.at5\n")
    write_at5(os.path.join(res, "Independent.at5"),
              [(AREA, 60, [LAND, LAKE]), (LINE, 1, [COAST]), (LINE, 2, [RIVER]), (LINE, 10, [ROAD])] +
              [(POINT, 5, [[p]]) for p in PLACES])

    # A border across the coast keeps exactly the clipped part.
    m = build(folder, res, "polygon", [(True, PENTAGON)])
    land = area_of(m["pieces"], 60)
    want = ring_area(clip_ring(LAND, PENTAGON)) - ring_area(clip_ring(LAKE, PENTAGON))
    check(abs(land - want) <= 1e-5 * want, "the land inside the border, exactly")
    want = sum(clip_segment(COAST[i], COAST[i + 1], PENTAGON) for i in range(len(COAST) - 1))
    check(abs(length_of(m["pieces"], 1) - want) <= 1e-5 * want, "the shoreline inside the border, exactly")
    kept = sorted(r[0] for p in m["pieces"] if p[3] == 5 for _, r in p[4])
    check([p for p in PLACES if inside_convex(PENTAGON, p, -2)] ==
          [p for p in kept if inside_convex(PENTAGON, p, -2)], "every place well inside is kept")
    for p in m["pieces"]:
        for _, pts in p[4]:
            check(all(inside_convex(PENTAGON, v, 1.5) for v in pts), "every vertex inside the border")


def main():
    if len(sys.argv) != 3 or sys.argv[2] not in ("workspace", "map"):
        sys.exit(__doc__)
    with tempfile.TemporaryDirectory() as folder:
        if sys.argv[2] == "workspace":
            make_route_file(folder)
            check_workspaces(folder)
        else:
            check_maps(folder)
    if FAILURES:
        sys.exit("%d checks failed" % len(FAILURES))
    print("all checks passed")


if __name__ == "__main__":
    main()
