"""Orca itself playing the quiz by keys, and what it spoke, read from its
debug log."""
import re
import os
import time
from access_quiz import check, finish, wait_for, key, read_table, read_graph, path_keys, Quiz


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


def cmd_orca(graph_path, table_path, log_path, chosen="Utah"):
    """An opening by keys: the names, a letter to `chosen`, its pick-up, an
    arrow's step, a wrong drop and a right one."""
    table, codes, arrows, quiz, speech, names = orca_session(graph_path, table_path, log_path)
    placed = set()
    count, noun = len(names), quiz.noun

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
    check(f"F6 speaks the focused name and its place ('{first}', '1 of {count}')", first in said and f"1 of {count}" in said)
    check("the names' instructions are spoken on the first entry", "Space or Enter picks it up" in said)
    said = speech.after(chosen[0].lower())
    check(f"a letter speaks the name it reaches: {chosen}",
          chosen in said and f"{names.index(chosen) + 1} of {count}" in said)
    said = speech.after("Return")
    check("Enter speaks the pick-up", f"{chosen} picked up" in said)
    check("the map's instructions are spoken on the first entry", "drops the held name" in said)
    state = quiz.focused(quiz.map)
    here = quiz.state_number(state, table, codes)
    way, there = next((k, n) for k, n in arrows[here].items() if n != here)
    said = speech.after(way)
    check(f"an arrow speaks the {noun} it reaches and where it lies ({way})",
          f"Unnamed {noun} {there + 1}" in said and "of the map" in said and gives_nothing_away(said))
    check("the instructions are not spoken again at each step", "drops the held name" not in said)
    goal = next(n for n, c in codes.items() if c == table[chosen])
    wrong = next(n for n in arrows[goal].values() if n != goal)
    speech.after(*path_keys(arrows, there, wrong))
    said = speech.after("space")
    check("a wrong drop is spoken, once", said.count(f"Wrong: {chosen} does not go there") == 1)
    speech.after(*path_keys(arrows, wrong, goal))
    said = speech.after("Return")
    placed.add(chosen)
    check("a right drop is spoken with the count, once", said.count(f"Right: {chosen} placed, 1 of {count}") == 1)
    said = speech.after("Escape")
    check("Escape with nothing held says nothing new", "Right:" not in said and "let go" not in said)
    speech.after("F6")
    said = speech.after("Return")
    check("Enter on the map with nothing held is spoken, once", said.count("No name is held") == 1)
    check("the map's instructions are not spoken again", "drops the held name" not in said)
    said = speech.after("F1")
    check("F1's box of keys is spoken", "Pick up the chosen name" in said or "Keys" in said)
    said = speech.after("Escape")
    check("closing it speaks where the focus is back", f"Unnamed {noun}" in said or chosen in said)
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


def cmd_orca_where(graph_path, table_path, log_path, *wanted):
    """Orca taken by the arrows to each country given as CODE=words: what it
    speaks there tells where that country lies, in those words."""
    table, codes, arrows, quiz, speech, names = orca_session(graph_path, table_path, log_path)
    if not quiz.focused(quiz.map):
        speech.after("F6")
        speech.after("F6")
    here = quiz.state_number(wait_for("the map to take the focus", lambda: quiz.focused(quiz.map)), table, codes)
    for item in wanted:
        code, words = item.split("=", 1)
        goal = next(n for n, c in codes.items() if c == code)
        said = ""
        for k in path_keys(arrows, here, goal):
            said = speech.after(k)
        here = goal
        check(f"Orca at {code} says where it lies: {words}", words in said)
    finish()
