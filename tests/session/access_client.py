#!/usr/bin/python3
"""A screen reader's client for the quiz, through AT-SPI (pyatspi), with keys
and clicks sent as a player would (xdotool). Each command prints what it
checks as "ok ..." or "FAILED ..." lines and exits 1 when anything failed.

  access_client.py tree TABLE             the tree: names, states, instructions
  access_client.py rings GRAPH TABLE DIR  key moves: changed pixels, contrast
  access_client.py play GRAPH TABLE N [--wrong]
                                          places N names by keys alone
  access_client.py help                   F1's box of keys, closed by Escape
  access_client.py action GRAPH TABLE     places one name by actions alone
  access_client.py placed NAME            waits until NAME has left the panel
  access_client.py orca GRAPH TABLE LOG   plays by keys and reads what Orca
                                          spoke (its debug log LOG)

GRAPH is `quiz_points --states`: each state's number, code and the states the
arrow keys lead to; TABLE is the state table (name,code per line).
"""
import collections
import re
import os
import subprocess
import sys
import time

import pyatspi

failures = 0


def check(what, ok):
    global failures
    print(("ok   " if ok else "FAILED ") + what, flush=True)
    if not ok:
        failures += 1


def finish():
    sys.exit(1 if failures else 0)


def wait_for(what, predicate, timeout=10.0):
    """Polls until predicate() returns something true; fails loudly after timeout."""
    end = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > end:
            print(f"FAILED waited {timeout:.0f} s for {what}", flush=True)
            sys.exit(1)
        time.sleep(0.05)


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "40", *keys], check=True)


def read_table(path):
    names = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            fields = line.rstrip("\r\n").split(",")
            if len(fields) >= 2:
                names[fields[0]] = fields[1].strip()
    return names


def read_graph(path):
    codes, arrows = {}, {}
    with open(path) as f:
        for line in f:
            n, code, left, right, up, down = line.split()
            codes[int(n)] = code
            arrows[int(n)] = {"Left": int(left), "Right": int(right), "Up": int(up), "Down": int(down)}
    return codes, arrows


def path_keys(arrows, start, goal):
    came = {start: None}
    queue = collections.deque([start])
    while queue and goal not in came:
        s = queue.popleft()
        for k, n in arrows[s].items():
            if n not in came:
                came[n] = (s, k)
                queue.append(n)
    keys = []
    s = goal
    while came[s]:
        s, k = came[s]
        keys.insert(0, k)
    return keys


# --------------------------------------------------------------- the tree

def quiz_frame():
    def find():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None:
                continue
            for window in app:
                if window is not None and window.name == "Orrinvale":
                    return window
        return None
    return wait_for("the quiz's window on the accessibility bus", find)


def child_named(parent, name):
    for child in parent:
        if child is not None and child.name == name:
            return child
    return None


class Quiz:
    def __init__(self):
        self.frame = quiz_frame()
        self.names = wait_for("the list of state names", lambda: child_named(self.frame, "State names"))
        self.map = wait_for("the map of the states", lambda: child_named(self.frame, "Map of the states"))

    def focused(self, container):
        for child in container:
            if child is not None and child.getState().contains(pyatspi.STATE_FOCUSED):
                return child
        return None

    def state_number(self, state, table, codes):
        """The number of a state from its accessible name (a placed state
        carries its name, which the table turns into its code)."""
        if state.name.startswith("Unnamed state "):
            return int(state.name.split()[-1]) - 1
        code = table[state.name]
        return next(n for n, c in codes.items() if c == code)


def dump(acc, depth=0, out=None, limit=4):
    """The tree, trimmed to the first few children of each list."""
    out = [] if out is None else out
    role = acc.getRoleName()
    states = [pyatspi.stateToString(s) for s in acc.getState().getStates()
              if s in (pyatspi.STATE_FOCUSED, pyatspi.STATE_FOCUSABLE, pyatspi.STATE_SELECTED,
                       pyatspi.STATE_CHECKED, pyatspi.STATE_CHECKABLE)]
    line = f"{'  ' * depth}[{role}] \"{acc.name}\""
    if acc.description:
        line += f" ({acc.description})"
    if states:
        line += " {" + ", ".join(states) + "}"
    try:
        action = acc.queryAction()
        if action.nActions:
            line += " actions: " + ", ".join(f"{action.getName(i)} ({action.getDescription(i)})" for i in range(action.nActions))
    except NotImplementedError:
        pass
    out.append(line)
    count = acc.childCount
    for i in range(count):
        if count <= 2 * limit:
            pass
        elif i == limit:
            out.append(f"{'  ' * (depth + 1)}... {count - limit - 1} more ...")
            continue
        elif limit < i < count - 1:
            continue
        child = acc.getChildAtIndex(i)
        if child is not None:
            dump(child, depth + 1, out, limit)
    return out


def cmd_tree(table_path):
    table = read_table(table_path)
    quiz = Quiz()
    print("\n".join(dump(quiz.frame)))
    listed = [child.name for child in quiz.names]
    check(f"the names panel is a list of the table's {len(table)} names in order",
          listed == list(table.keys()) and quiz.names.getRole() == pyatspi.ROLE_LIST)
    check("each name is a focusable list item with the action Pick up",
          all(c.getRole() == pyatspi.ROLE_LIST_ITEM and c.getState().contains(pyatspi.STATE_FOCUSABLE)
              and "Pick up" in [c.queryAction().getDescription(i) for i in range(c.queryAction().nActions)]
              for c in quiz.names))
    states = [child.name for child in quiz.map]
    check(f"the map holds fifty states ({len(states)})", len(states) == 50)
    check("no state is named before its name is placed",
          states == [f"Unnamed state {n}" for n in range(1, 51)]
          and not any(name in c.name or name in c.description for c in quiz.map for name in table))
    instructions = child_named(quiz.frame, "INSTRUCTIONS")
    check("the instructions are text", instructions is not None
          and instructions.description == "DRAG EACH STATE NAME TO ITS PROPER PLACE ON THE MAP")
    text1 = next((c for c in quiz.frame if c is not None and c.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)),
                 None)
    check("Text1 says how to reach the names and holds the focus",
          text1 is not None and "F6" in text1.name and text1.getState().contains(pyatspi.STATE_FOCUSED)
          and text1.queryText().getText(0, -1) == "Text1")
    finish()


# --------------------------------------------------------------- playing

def place_by_keys(quiz, table, codes, arrows, wrong=False, completes=False):
    """Places the name with the focus in the panel: Enter, arrows, Enter."""
    item = wait_for("a focused name in the panel", lambda: quiz.focused(quiz.names))
    name = item.name
    before = quiz.names.childCount
    key("Return")
    state = wait_for(f"the map to take the focus after picking up {name}", lambda: quiz.focused(quiz.map))
    here = quiz.state_number(state, table, codes)
    goal = next(n for n, c in codes.items() if c == table[name])
    if wrong:
        elsewhere = arrows[goal]["Left"] if arrows[goal]["Left"] != goal else arrows[goal]["Right"]
        key(*path_keys(arrows, here, elsewhere), "space")
        told = wait_for("the wrong drop to be told on the state",
                        lambda: (s := quiz.focused(quiz.map)) and s.description.startswith("Wrong") and s)
        check(f"a wrong drop of {name} by keys is told ('{told.description}') and the name stays held",
              any(c.name == name and c.getState().contains(pyatspi.STATE_CHECKED) for c in quiz.names))
        here = elsewhere
    key(*path_keys(arrows, here, goal), "Return")
    if completes:
        return name
    wait_for(f"{name} to leave the panel", lambda: quiz.names.childCount == before - 1)
    placed = quiz.map.getChildAtIndex(goal)
    check_quietly(f"{name} is named on the map once placed", placed.name == name)
    return name


quiet_failures = []


def check_quietly(what, ok):
    """For checks repeated fifty times: only failures are printed."""
    if not ok:
        check(what, False)


def cmd_play(graph_path, table_path, count, wrong):
    table = read_table(table_path)
    codes, arrows = read_graph(graph_path)
    quiz = Quiz()
    if not quiz.focused(quiz.names):
        key("F6")
    placed = []
    for i in range(count):
        last = quiz.names.childCount == 1
        placed.append(place_by_keys(quiz, table, codes, arrows, wrong and i == 0, completes=last))
        if last:
            box = wait_for("the congratulations box", lambda: find_box(quiz))
            check(f"the fiftieth drop by keys shows the box, its two sentences apart for speech: '{box}'",
                  box == "CONGRATULATIONS! THE MAP IS COMPLETE!")
            key("Return")
            wait_for("a fresh board after the box is closed", lambda: quiz.names.childCount == 50)
            check("closed by Return, the box leaves a fresh board of fifty names", True)
    check(f"{count} names placed by keys alone ({', '.join(placed[:3])}{', ...' if count > 3 else ''})",
          len(placed) == count)
    finish()


def find_box(quiz, words="CONGRATULATIONS"):
    """The text of a box that holds `words`, or None."""
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None:
            continue
        for window in app:
            if window is None or window.getRole() not in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT):
                continue
            found = pyatspi.findDescendant(window, lambda a: a is not None and words in (a.name or ""))
            if found is not None:
                return found.name
    return None


def do_action(acc, wanted):
    """Does the action described as `wanted` (its name is a generic one);
    False when there is none."""
    action = acc.queryAction()
    for i in range(action.nActions):
        if action.getDescription(i) == wanted:
            return action.doAction(i) or True
    return False


def cmd_help():
    quiz = Quiz()
    if not quiz.focused(quiz.names):
        key("F6")
    name = wait_for("a focused name", lambda: quiz.focused(quiz.names)).name
    key("F1")

    def box():
        for window in quiz.frame.getApplication():
            if window is not None and window.name == "Keys":
                return window
        return None
    keys = wait_for("the box of keys", box)
    text = " ".join(a.name for a in pyatspi.findAllDescendants(keys, lambda a: a is not None and a.name))
    check("F1 shows a box of keys that names F6, the arrows, Space and Escape",
          all(k in text for k in ("F6", "Arrow keys", "Space, Enter", "Escape")))
    key("Escape")
    wait_for("the box of keys to close", lambda: box() is None)
    back = wait_for("the focus back on a name", lambda: quiz.focused(quiz.names))
    check(f"Escape closes it and the focus is back on {name}", back.name == name)
    finish()


def place_by_actions(quiz, table, codes, item):
    """Picks the name up and drops it on its state by their actions alone;
    the state it went to, or None when an action was missing."""
    name = item.name
    before = quiz.names.childCount
    if not do_action(item, "Pick up"):
        return None
    wait_for(f"{name} to be held (checked)", lambda: item.getState().contains(pyatspi.STATE_CHECKED))
    goal = next(n for n, c in codes.items() if c == table[name])
    if not do_action(quiz.map.getChildAtIndex(goal), "Drop here"):
        return None
    wait_for(f"{name} to leave the panel", lambda: quiz.names.childCount == before - 1)
    return goal


def cmd_action(graph_path, table_path):
    table = read_table(table_path)
    codes, _ = read_graph(graph_path)
    quiz = Quiz()
    item = quiz.names.getChildAtIndex(quiz.names.childCount - 1)
    name = item.name
    goal = place_by_actions(quiz, table, codes, item)
    check(f"{name} placed through its actions Pick up and Drop here alone, and its state now named so",
          goal is not None and quiz.map.getChildAtIndex(goal).name == name)
    finish()


def cmd_placed(name):
    quiz = Quiz()
    wait_for(f"{name} to leave the panel", lambda: child_named(quiz.names, name) is None)
    check(f"{name} has left the panel", True)
    finish()


# --------------------------------------------------------------- the rings

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


# --------------------------------------------------------------- Orca

class Speech:
    """What Orca speaks, from its debug log: the utterances since the last look."""

    def __init__(self, path):
        self.path = path
        self.offset = os.path.getsize(path)

    def settle(self, timeout=20.0):
        """Waits until the log has grown (Orca logs every key and event it
        takes, so a loaded machine's late answer is still waited for), then
        until it has not grown for a second and a half."""
        end = time.monotonic() + timeout
        start = self.offset
        while os.path.getsize(self.path) == start and time.monotonic() < end:
            time.sleep(0.1)
        size = -1
        while time.monotonic() < end:
            time.sleep(1.5)
            now = os.path.getsize(self.path)
            if now == size:
                break
            size = now

    def after(self, *keys):
        """Presses the keys (each released before the next) and returns what was spoken."""
        self.offset = os.path.getsize(self.path)
        for k in keys:
            key(k)
        self.settle()
        with open(self.path, encoding="utf-8", errors="replace") as f:
            f.seek(self.offset)
            text = f.read()
        self.offset += len(text.encode("utf-8", errors="replace"))
        spoken, current = [], None
        for line in text.splitlines():
            if "SPEECH OUTPUT: '" in line:
                current = line.split("SPEECH OUTPUT: '", 1)[1]
                spoken.append(current)
            elif current is not None and line.startswith(" " * 18):
                spoken[-1] += " " + line.strip()
            else:
                current = None
        said = " | ".join(re.sub(r"'\s*\{.*$", "", u).strip() for u in spoken)
        print(f"     Orca: {'+'.join(keys)} -> {said}", flush=True)
        return said


def orca_session(graph_path, table_path, log_path):
    table = read_table(table_path)
    codes, arrows = read_graph(graph_path)
    return table, codes, arrows, Quiz(), Speech(log_path), list(table)


def cmd_orca(graph_path, table_path, log_path):
    table, codes, arrows, quiz, speech, names = orca_session(graph_path, table_path, log_path)
    placed = set()

    def gives_nothing_away(said):
        """Where the map's states are described, no unplaced state is named."""
        for part in said.split(" | "):
            rest = part.split("of the map", 1)[1] if "of the map" in part else ""
            for n in sorted(names, key=len, reverse=True):  # West Virginia before Virginia
                if n in rest:
                    if n not in placed:
                        return False
                    rest = rest.replace(n, "")
        return True

    said = speech.after("F6")
    first = quiz.focused(quiz.names).name
    check(f"F6 speaks the focused name and its place ('{first}', '1 of 50')", first in said and "1 of 50" in said)
    check("the names' instructions are spoken on the first entry", "Space or Enter picks it up" in said)
    said = speech.after("u")
    check("a letter speaks the name it reaches: Utah", "Utah" in said and f"{names.index('Utah') + 1} of 50" in said)
    said = speech.after("Return")
    check("Enter speaks the pick-up", "Utah picked up" in said)
    check("the map's instructions are spoken on the first entry", "drops the held name" in said)
    state = quiz.focused(quiz.map)
    here = quiz.state_number(state, table, codes)
    way, there = next((k, n) for k, n in arrows[here].items() if n != here)
    said = speech.after(way)
    check(f"an arrow speaks the state it reaches and where it lies ({way})",
          f"Unnamed state {there + 1}" in said and "of the map" in said and gives_nothing_away(said))
    check("the instructions are not spoken again at each step", "drops the held name" not in said)
    goal = next(n for n, c in codes.items() if c == table["Utah"])
    wrong = next(n for n in arrows[goal].values() if n != goal)
    speech.after(*path_keys(arrows, there, wrong))
    said = speech.after("space")
    check("a wrong drop is spoken, once", said.count("Wrong: Utah does not go there") == 1)
    speech.after(*path_keys(arrows, wrong, goal))
    said = speech.after("Return")
    placed.add("Utah")
    check("a right drop is spoken with the count, once", said.count("Right: Utah placed, 1 of 50") == 1)
    said = speech.after("Escape")
    check("Escape with nothing held says nothing new", "Right:" not in said and "let go" not in said)
    speech.after("F6")
    said = speech.after("Return")
    check("Enter on the map with nothing held is spoken, once", said.count("No name is held") == 1)
    check("the map's instructions are not spoken again", "drops the held name" not in said)
    said = speech.after("F1")
    check("F1's box of keys is spoken", "Pick up the chosen name" in said or "Keys" in said)
    said = speech.after("Escape")
    check("closing it speaks where the focus is back", "Unnamed state" in said or "Utah" in said)
    finish()


def cmd_fill(graph_path, table_path):
    """Places every name but the last through actions, quickly and quietly."""
    table = read_table(table_path)
    codes, _ = read_graph(graph_path)
    quiz = Quiz()
    while quiz.names.childCount > 1:
        if place_by_actions(quiz, table, codes, quiz.names.getChildAtIndex(0)) is None:
            break
    check("all names but one placed through actions", quiz.names.childCount == 1)
    finish()


def cmd_practice(graph_path, table_path):
    """Two practice rounds through actions: the first name dropped wrongly
    once, then every name placed; the second round holds that name alone."""
    table = read_table(table_path)
    codes, arrows = read_graph(graph_path)
    quiz = Quiz()
    check("a first practice session deals all fifty names", quiz.names.childCount == 50)
    first = quiz.names.getChildAtIndex(0)
    missed = first.name
    goal = next(n for n, c in codes.items() if c == table[missed])
    do_action(first, "Pick up")
    wait_for(f"{missed} to be held", lambda: first.getState().contains(pyatspi.STATE_CHECKED))
    elsewhere = arrows[goal]["Right"] if arrows[goal]["Right"] != goal else arrows[goal]["Left"]
    do_action(quiz.map.getChildAtIndex(elsewhere), "Drop here")
    check(f"{missed} dropped on another state stays in the panel", quiz.names.childCount == 50)

    def end_round(summary):
        while quiz.names.childCount > 1:
            if place_by_actions(quiz, table, codes, quiz.names.getChildAtIndex(0)) is None:
                return None
        # The last drop by keys: an action's reply would wait for the boxes.
        if not quiz.focused(quiz.names):
            key("F6")
        place_by_keys(quiz, table, codes, arrows, completes=True)
        wait_for("the congratulations box", lambda: find_box(quiz))
        key("Return")
        text = " ".join(wait_for("the round's summary", lambda: find_box(quiz, "Placed at the first try")).split())
        check(f"the summary follows the congratulations: {text!r}", text.startswith(summary))
        key("Return")
        wait_for("the summary to close", lambda: find_box(quiz, "Placed at the first try") is None)
        return text

    text = end_round("Placed at the first try: 49 of 50. Missed: %s (1 wrong drop)." % missed)
    if text is None:
        check("the first round placed through actions", False)
        finish()
    panel = wait_for("the next round's panel", lambda: quiz.names.childCount == 1 and quiz.names.getChildAtIndex(0))
    check(f"the second round deals {missed} alone", panel.name == missed)
    named = sum(1 for s in quiz.map if s is not None and not s.name.startswith("Unnamed state"))
    check(f"the other 49 states start named on the map ({named})", named == 49)
    end_round("Placed at the first try: 1 of 1. Nothing missed.")
    wait_for("a full board once nothing was missed", lambda: quiz.names.childCount == 50)
    check("a round without a miss ends the cycle: the next board is full", True)
    finish()


def cmd_orca_ending(graph_path, table_path, log_path):
    """The last name by keys with Orca: the box, and after it."""
    table, codes, arrows, quiz, speech, names = orca_session(graph_path, table_path, log_path)
    if not quiz.focused(quiz.names):
        speech.after("F6")
    last = wait_for("the last name focused", lambda: quiz.focused(quiz.names)).name
    said = speech.after("Return")
    state = wait_for("the map to take the focus", lambda: quiz.focused(quiz.map))
    here = quiz.state_number(state, table, codes)
    goal = next(n for n, c in codes.items() if c == table[last])
    speech.after(*path_keys(arrows, here, goal))
    said = speech.after("Return")
    check("the fiftieth drop speaks the box, two sentences", "CONGRATULATIONS! THE MAP IS COMPLETE!" in said)
    said = speech.after("Return")
    check("closing the box speaks the new board and the first name",
          "a new board is dealt" in said and names[0] in said)
    finish()


def cmd_orca_practice(graph_path, table_path, log_path, due):
    """A practice round of the one due name by keys with Orca: the
    congratulations, then the round's summary, each spoken."""
    table, codes, arrows, quiz, speech, names = orca_session(graph_path, table_path, log_path)
    said = speech.after("F6")
    check(f"the round's one name is said with its place: {due}, 1 of 1", f"{due}. | 1 of 1" in said)
    speech.after("Return")
    state = wait_for("the map to take the focus", lambda: quiz.focused(quiz.map))
    goal = next(n for n, c in codes.items() if c == table[due])
    speech.after(*path_keys(arrows, quiz.state_number(state, table, codes), goal))
    said = speech.after("Return")
    check("the round's last drop speaks the congratulations", "CONGRATULATIONS! THE MAP IS COMPLETE!" in said)
    said = speech.after("Return")
    check("then the round's summary is spoken",
          "Placed at the first try: 1 of 1." in said and "Nothing missed." in said)
    speech.after("Return")
    finish()


def main():
    command, args = sys.argv[1], sys.argv[2:]
    if command == "tree":
        cmd_tree(*args)
    elif command == "play":
        cmd_play(args[0], args[1], int(args[2]), "--wrong" in args[3:])
    elif command == "help":
        cmd_help()
    elif command == "action":
        cmd_action(*args)
    elif command == "placed":
        cmd_placed(*args)
    elif command == "rings":
        cmd_rings(*args)
    elif command == "orca":
        cmd_orca(*args)
    elif command == "fill":
        cmd_fill(*args)
    elif command == "orca-practice":
        cmd_orca_practice(*args)
    elif command == "practice":
        cmd_practice(*args)
    elif command == "orca-ending":
        cmd_orca_ending(*args)
    else:
        sys.exit(f"unknown command {command}")


if __name__ == "__main__":
    main()
