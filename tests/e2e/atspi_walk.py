#!/usr/bin/env python3
"""Walks the program's windows over AT-SPI as a screen reader sees them.

Opens every window as a user would (the greeting of a first start, the demonstration,
search list-up for the result list window, the options button), pressing the buttons
through their AT-SPI actions, and checks each window's tree:
- every focusable object has a name or is labelled by another object;
- no two objects share a name unless what labels them tells them apart;
- only a top-level window has the frame role.
The trees, the main window's first, are written as text to the file given first.
"""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

out_path, pid = sys.argv[1], int(sys.argv[2])
Atspi.set_timeout(5000, 15000)
failures = []


def wait(what, find, seconds=30):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    sys.exit(f"FAIL: {what} did not appear")


def application():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def windows():
    app = application()
    return [app.get_child_at_index(i) for i in range(app.get_child_count())] if app else []


def window(role, name=None):
    for w in windows():
        if w.get_role() == role and (name is None or w.get_name() == name):
            return w
    return None


def descendants(node, depth=0):
    yield node, depth
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from descendants(child, depth + 1)


def labels(node):
    names = []
    for rel in node.get_relation_set():
        if rel.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            names += [rel.get_target(i).get_name() for i in range(rel.get_n_targets())]
    return names


def in_list(node):
    # The items of a combo box's list are read within their open list.
    parent = node.get_parent()
    return parent is not None and parent.get_role() in (Atspi.Role.LIST, Atspi.Role.COMBO_BOX)


def check(win, what):
    seen = {}
    for node, depth in descendants(win):
        role, name = node.get_role(), node.get_name()
        line = f"{node.get_role_name()} '{name}'" + (f" labelled by {labels(node)}" if labels(node) else "")
        if depth > 0 and role == Atspi.Role.FRAME:
            failures.append(f"{what}: a frame below the window: {line}")
        if node.get_state_set().contains(Atspi.StateType.FOCUSABLE) and not name and not labels(node):
            failures.append(f"{what}: focusable without a name or label: {line}")
        if name and not in_list(node):
            key = (name, tuple(labels(node)))
            if key in seen:
                failures.append(f"{what}: two objects read alike: {seen[key]} and {line}")
            seen[key] = line


def dump(win):
    lines = []
    for node, depth in descendants(win):
        text = f"{'  ' * depth}{node.get_role_name()} \"{node.get_name()}\""
        if labels(node):
            text += f" labelled-by {labels(node)}"
        if node.get_description():
            text += f" — {node.get_description()}"
        lines.append(text)
    return "\n".join(lines) + "\n"


def button(win, name):
    for node, _ in descendants(win):
        if node.get_role() == Atspi.Role.PUSH_BUTTON and node.get_name() == name:
            return node
    sys.exit(f"FAIL: no button '{name}'")


def press(win, name):
    button(win, name).do_action(0)


def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


main_title = "TOLVIN ダウンロードリスト作成 編集 SOFT"
wait("the program on the accessibility bus", application)
main = wait("the main window", lambda: window(Atspi.Role.FRAME, main_title))
greeting = wait("the greeting", lambda: window(Atspi.Role.DIALOG))
check(greeting, "greeting")
trees = dump(greeting)
press(greeting, "OK")
# The demonstration runs; its end button puts the user's texts back.
end_demo = button(main, "デモを終了する")
wait("the demonstration", lambda: True if showing(end_demo) else None)
end_demo.do_action(0)
wait("the end of the demonstration", lambda: None if showing(end_demo) else True)
check(main, "main window")
trees = dump(main) + "\n" + trees
press(main, "検索してリストを作る")
result = wait("the result list window", lambda: next((w for w in windows() if w.get_name().startswith("TOLVIN リスト")), None))
check(result, "result list window")
trees += "\n" + dump(result)
press(main, "オプション")
options = wait("the options window", lambda: window(Atspi.Role.DIALOG, "その他の設定"))
check(options, "options window")
trees += "\n" + dump(options)
with open(out_path, "w", encoding="utf-8") as f:
    f.write(trees)

for f in failures:
    print("FAIL:", f)
if failures:
    sys.exit(1)
print("4 windows walked, 0 failed")
