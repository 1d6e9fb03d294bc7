"""What every step of the access test shares: checks that print ok or FAILED,
waits, keys, the state table and the arrow graph, and the quiz as AT-SPI
shows it."""
import collections
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
    with open(path, encoding="cp1252") as f:  # as the quiz reads its tables
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
    """The quiz's window: its panel of names and its map, of states or of
    countries (`noun`)."""
    def __init__(self):
        self.frame = quiz_frame()
        self.noun = wait_for("the list of names", lambda: next(
            (noun for noun in ("state", "country") if child_named(self.frame, noun.capitalize() + " names")), None))
        plural = {"state": "states", "country": "countries"}[self.noun]
        self.names = child_named(self.frame, self.noun.capitalize() + " names")
        self.map = wait_for("the map", lambda: child_named(self.frame, "Map of the " + plural))

    def focused(self, container):
        for child in container:
            if child is not None and child.getState().contains(pyatspi.STATE_FOCUSED):
                return child
        return None

    def state_number(self, state, table, codes):
        """The number of a state from its accessible name (a placed state
        carries its name, which the table turns into its code)."""
        if state.name.startswith(f"Unnamed {self.noun} "):
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
