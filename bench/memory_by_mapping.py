#!/usr/bin/env python3
"""Where two processes' resident memory differs, mapping by mapping: sums
the Rss of /proc/PID/smaps by what each mapping maps (a file by its name,
anonymous memory as [anon], the heap as [heap]) for the quiz and for the
bare window, and prints the largest differences.
   memory_by_mapping.py QUIZ_PID BARE_PID [ROWS]"""
import collections
import os
import re
import sys


def by_mapping(pid):
    sums = collections.Counter()
    name = None
    with open(f"/proc/{pid}/smaps") as smaps:
        for line in smaps:
            head = re.match(r"^[0-9a-f]+-[0-9a-f]+ \S+ \S+ \S+ \S+\s*(.*)$", line)
            if head:
                name = head.group(1).strip() or "[anon]"
                if name.startswith("/"):
                    name = os.path.basename(name)
                    name = re.sub(r"\.so[.0-9]*$", ".so", name)
            elif line.startswith("Rss:"):
                sums[name] += int(line.split()[1])
    return sums


def main():
    quiz, bare = by_mapping(sys.argv[1]), by_mapping(sys.argv[2])
    rows = int(sys.argv[3]) if len(sys.argv) > 3 else 20
    total_q, total_b = sum(quiz.values()), sum(bare.values())
    print(f"resident: quiz {total_q / 1024:.1f} MB, bare window {total_b / 1024:.1f} MB, "
          f"{(total_q - total_b) / 1024:.1f} MB more")
    diff = {k: quiz[k] - bare[k] for k in set(quiz) | set(bare)}
    print(f"{'mapping':<44} {'quiz KB':>8} {'bare KB':>8} {'more KB':>8}")
    for name, more in sorted(diff.items(), key=lambda kv: -abs(kv[1]))[:rows]:
        print(f"{name[:44]:<44} {quiz[name]:>8} {bare[name]:>8} {more:>8}")


main()
