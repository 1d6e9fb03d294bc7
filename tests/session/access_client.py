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
  access_client.py game GRAPH TABLE HOW   a whole game, by `actions` or `keys`
                                          alone, to its fresh board
  access_client.py drop N                 the action Drop here on the map's Nth
  access_client.py placed NAME            waits until NAME has left the panel
  access_client.py orca GRAPH TABLE LOG   plays by keys and reads what Orca
                                          spoke (its debug log LOG)

GRAPH is `quiz_points --states`: each state's number, code and the states the
arrow keys lead to; TABLE is the state table (name,code per line). A
continent's map is played as the states' is, its countries for states.
"""
import subprocess
import sys

import pyatspi

from access_quiz import (Quiz, check, child_named, do_action, dump, find_box, finish, key, place_by_actions,
                         place_by_keys, read_graph, read_table, wait_for)
from access_orca import cmd_orca, cmd_orca_ending, cmd_orca_practice, cmd_orca_where
from access_rings import cmd_rings


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
            wait_for("a fresh board after the box is closed", lambda: quiz.names.childCount == len(table))
            check(f"closed by Return, the box leaves a fresh board of {len(table)} names", True)
    check(f"{count} names placed by keys alone ({', '.join(placed[:3])}{', ...' if count > 3 else ''})",
          len(placed) == count)
    finish()


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


def cmd_game(graph_path, table_path, how):
    """Every name placed by actions or by keys alone; the last drop's action
    is done by another process, since its reply waits for the box."""
    table = read_table(table_path)
    codes, arrows = read_graph(graph_path)
    quiz = Quiz()
    while quiz.names.childCount > 1:
        if how == "keys":
            if not quiz.focused(quiz.names):
                key("F6")
            place_by_keys(quiz, table, codes, arrows)
        elif place_by_actions(quiz, table, codes, quiz.names.getChildAtIndex(0)) is None:
            break
    check(f"all names but one placed by {how} alone", quiz.names.childCount == 1)
    last = quiz.names.getChildAtIndex(0)
    goal = next(n for n, c in codes.items() if c == table[last.name])
    if how == "keys":
        place_by_keys(quiz, table, codes, arrows, completes=True)
    else:
        do_action(last, "Pick up")
        wait_for(f"{last.name} to be held", lambda: last.getState().contains(pyatspi.STATE_CHECKED))
        drop = subprocess.Popen([sys.executable, __file__, "drop", str(goal)])
    box = wait_for("the congratulations box", lambda: find_box(quiz))
    check(f"the last of {len(table)} names shows the congratulations: '{box}'",
          box == "CONGRATULATIONS! THE MAP IS COMPLETE!")
    key("Return")
    wait_for("a fresh board after the box", lambda: quiz.names.childCount == len(table), timeout=20)
    check(f"a fresh board of {len(table)} names follows", True)
    if how != "keys":
        drop.wait(timeout=20)
    finish()


def cmd_drop(number):
    do_action(Quiz().map.getChildAtIndex(int(number)), "Drop here")


def cmd_placed(name):
    quiz = Quiz()
    wait_for(f"{name} to leave the panel", lambda: child_named(quiz.names, name) is None)
    check(f"{name} has left the panel", True)
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
    elif command == "game":
        cmd_game(*args)
    elif command == "drop":
        cmd_drop(*args)
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
    elif command == "orca-where":
        cmd_orca_where(*args)
    else:
        sys.exit(f"unknown command {command}")


if __name__ == "__main__":
    main()
