#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The include graph of the control's sources, and the rules it keeps.

    scripts/include-graph.py [--dot]

Reads every "#include" between files under button/ and checks that
  - no file reaches itself through its includes;
  - button/model includes nothing of button/services (the model owns the
    services through the interfaces of model/ButtonServices.h);
  - button/services and button/render never include the widget's private
    header, and button/render includes nothing of button/services.
Exits 1 and names each broken rule; --dot prints the graph for Graphviz.
"""
import os
import re
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
INCLUDE = re.compile(r'^\s*#\s*include\s+"(button/[^"]+)"', re.M)

FORBIDDEN = [
    ("button/model/", "button/services/", "the model reaches services through model/ButtonServices.h"),
    ("button/services/", "button/model/vexabutton_p.h", "services see the button through ButtonSide"),
    ("button/render/", "button/model/vexabutton_p.h", "renderers draw what they are given"),
    ("button/render/", "button/services/", "renderers draw what they are given"),
]


def graph(root):
    edges = {}
    for folder, _, files in os.walk(os.path.join(root, "button")):
        for name in sorted(files):
            if name.endswith((".h", ".cpp")):
                path = os.path.relpath(os.path.join(folder, name), root)
                with open(os.path.join(root, path), encoding="utf-8") as source:
                    edges[path] = INCLUDE.findall(source.read())
    return edges


def cycles(edges):
    found, state = [], {}

    def visit(node, path):
        state[node] = "open"
        path.append(node)
        for target in edges.get(node, []):
            if state.get(target) == "open":
                found.append(path[path.index(target):] + [target])
            elif target not in state:
                visit(target, path)
        path.pop()
        state[node] = "done"

    for node in sorted(edges):
        if node not in state:
            visit(node, [])
    return found


def main():
    edges = graph(ROOT)
    if "--dot" in sys.argv[1:]:
        print("digraph button {")
        for source in sorted(edges):
            for target in edges[source]:
                print(f'  "{source}" -> "{target}";')
        print("}")
        return 0
    faults = [" -> ".join(cycle) + ": a cycle" for cycle in cycles(edges)]
    for source, targets in sorted(edges.items()):
        for target in targets:
            if target not in edges:
                faults.append(f"{source} includes {target}, which does not exist")
            for where, what, why in FORBIDDEN:
                if source.startswith(where) and target.startswith(what):
                    faults.append(f"{source} includes {target}: {why}")
    for fault in faults:
        print(fault, file=sys.stderr)
    print(f"{len(edges)} files, {sum(map(len, edges.values()))} includes, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
