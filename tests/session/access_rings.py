"""Key moves on the map and the names, seen in pixels: what changes, and the
contrast of the focus marks."""
import subprocess
import time

import pyatspi
from access_quiz import check, finish, key, Quiz


def luminance(rgb):
    def channel(c):
        c /= 255.0
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def screenshot(path):
    subprocess.run(["import", "-silent", "-window", "root", "-depth", "8", f"rgb:{path}"], check=True)
    with open(path, "rb") as f:
        return f.read()


def extents(acc):
    e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (e.x, e.y, e.width, e.height)


def cmd_rings(graph_path, table_path, shots):
    width = int(subprocess.run(["xdpyinfo"], capture_output=True, text=True).stdout.split("dimensions:")[1]
                .split("x")[0])
    quiz = Quiz()
    margin = 5  # the ring lies up to four pixels outside an item's box
    moves = [("Tab", "Restart"), ("Tab", "Exit"), ("Tab", None), ("Down", None), ("Right", None), ("End", None),
             ("Tab", None), ("Right", None), ("Down", None), ("Left", None), ("Up", None)]
    before = screenshot(f"{shots}/ring-0.rgb")
    previous = None
    for step, (k, expect) in enumerate(moves, 1):
        key(k)
        time.sleep(0.4)
        after = screenshot(f"{shots}/ring-{step}.rgb")
        focus = quiz.focused(quiz.map) or quiz.focused(quiz.names)
        if focus is None:
            focus = next(c for c in quiz.frame if c is not None and c.getState().contains(pyatspi.STATE_FOCUSED))
        box = extents(focus)
        changed = []
        row = 3 * width
        for y in range(len(after) // row):
            if after[y * row:(y + 1) * row] != before[y * row:(y + 1) * row]:
                changed += [y * width + x for x in range(width)
                            if after[y * row + 3 * x:y * row + 3 * x + 3] != before[y * row + 3 * x:y * row + 3 * x + 3]]
        xs = [p % width for p in changed]
        ys = [p // width for p in changed]
        areas = [box] + ([previous] if previous else [])

        def inside(x, y):
            return any(a[0] - margin <= x < a[0] + a[2] + margin and a[1] - margin <= y < a[1] + a[3] + margin
                       for a in areas)
        bound = all(inside(x, y) for x, y in zip(xs, ys))
        # The ring's pixels that changed within the focused item, and those
        # of them at 3:1 or more against what lay there before.
        ring = [p for p in changed if inside(p % width, p // width) and
                box[0] - margin <= p % width < box[0] + box[2] + margin and
                box[1] - margin <= p // width < box[1] + box[3] + margin]
        strong = [p for p in ring if contrast(after[3 * p:3 * p + 3], before[3 * p:3 * p + 3]) >= 3.0]
        if ring:
            rx = [p % width for p in ring]
            ry = [p // width for p in ring]
            perimeter = 2 * ((max(rx) - min(rx) + 1) + (max(ry) - min(ry) + 1))
        else:
            perimeter = 0
        name = focus.name if expect is None else expect
        check(f"{k} to '{focus.name}': {len(changed)} pixels changed, all within the old and new focused items",
              bool(changed) and bound and (expect is None or focus.name == expect))
        check(f"  its indicator: {len(strong)} of {len(ring)} changed pixels at 3:1 or more against the unfocused "
              f"look; at least 2 x its perimeter of {perimeter} needed", perimeter > 0 and len(strong) >= 2 * perimeter)
        if strong:
            ratios = sorted(contrast(after[3 * p:3 * p + 3], before[3 * p:3 * p + 3]) for p in strong)
            print(f"     contrast of the indicator's pixels: median {ratios[len(ratios) // 2]:.2f}:1,"
                  f" highest {ratios[-1]:.2f}:1", flush=True)
        before = after
        previous = box
        del name
    finish()
