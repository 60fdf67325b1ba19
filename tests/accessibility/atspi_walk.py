#!/usr/bin/python3
"""What a screen reader on the Linux desktop gets from the running program.

Starts the built program on a private X display and session bus, and walks both windows'
accessibility trees over AT-SPI, as Orca does: every control and menu item must be there with
its name and role. The Qt-level walk (tst_accessibility) checks the details; this checks that
they reach the desktop.

Usage: atspi_walk.py PATH_TO_MEMOQUILL
"""

import os
import subprocess
import sys

# No byte-code cache in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from desktop import AccessibilityTree, Desktop  # noqa: E402

# Roles a screen reader announces by name; containers and separators it passes through.
NAMED_ROLES = {"push button", "check box", "text", "label", "list", "list item", "menu bar", "popup menu",
               "menu item", "scroll bar", "frame"}

MENUS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support", "menus.txt")


def designed_menus(window):
    """(role, name) of the menu bar, its entries, their menus and items as menus.txt designs
    them for window ("CardCreate" or "CardReader"); the names drop the access key's &."""
    nodes = {("menu bar", "Menu bar")}
    current = None
    with open(MENUS, encoding="utf-8") as lines:
        for line in lines:
            if line.startswith("["):
                current = line.strip()[1:-1]
            elif current == window and line.strip() and not line.startswith("#"):
                caption = line.split("|")[1].strip()
                if caption == "-":
                    continue
                nodes.add(("menu item", caption.replace("&", "")))
                if line.startswith(" "):
                    # An item: its entry opens a menu of the entry's name.
                    nodes.add(("popup menu", entry))
                else:
                    entry = caption.replace("&", "")
    return nodes


EDITOR = {
    ("frame", "Memoquill - CardCreate"), ("text", "Front text"), ("text", "Back text"),
    ("list", "Card List"), ("list item", "Lisbon"), ("push button", "New Card"),
    ("push button", "Delete Card"), ("label", "Card List"), ("label", "Front"),
    ("label", "Back"), ("label", "Lisbon"),
} | designed_menus("CardCreate")
READER = {
    ("frame", "Memoquill - CardReader"), ("text", "Card text"), ("push button", "Next Card"),
    ("push button", "Flip"), ("check box", "Random"), ("check box", "Skip First Card"),
    ("check box", "Show Back First"),
} | designed_menus("CardReader")

def announced(tree, window):
    """(role, name) of every node a screen reader reaches: shown controls, and the menus with
    their items, which are announced as they open."""
    found = []
    stack = [(window, False)]
    while stack:
        node, in_menu = stack.pop()
        if node is None:
            continue
        role = node.getRoleName()
        in_menu = in_menu or role == "menu bar"
        if not in_menu and not tree.showing(node):
            continue
        found.append((role, node.name))
        stack.extend((node.getChildAtIndex(i), in_menu) for i in range(node.childCount))
    return found


def check_window(tree, title, expected):
    nodes = announced(tree, tree.window(title))
    unnamed = sorted({role for role, name in nodes if role in NAMED_ROLES and not name})
    missing = sorted(expected - set(nodes))
    problems = []
    if unnamed:
        problems.append(f"unnamed {', '.join(unnamed)}")
    if missing:
        problems.append(f"missing {missing}")
    if problems:
        raise AssertionError(f"'{title}': " + "; ".join(problems))
    print(f"'{title}': {len(nodes)} nodes, all named")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with Desktop() as desktop:
        desktop.use_in_this_process()
        app = desktop.spawn([os.path.abspath(sys.argv[1])],
                            {"QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"},
                            cwd=desktop.home, stderr=subprocess.DEVNULL)
        tree = AccessibilityTree(app.pid)

        editor = desktop.window("Memoquill - CardCreate")
        desktop.focus(editor)
        desktop.key("alt+w")
        box = desktop.window("New Card")
        desktop.focus(box)
        desktop.type("Lisbon")
        desktop.key("Return")
        desktop.window_gone("New Card")
        check_window(tree, "Memoquill - CardCreate", EDITOR)

        desktop.focus(editor)
        desktop.key("alt+r")
        reader = desktop.window("Memoquill - CardReader")
        check_window(tree, "Memoquill - CardReader", READER)

        desktop.focus(reader)
        desktop.key("ctrl+q")
        desktop.focus(desktop.window("Save Changes?"))
        desktop.key("alt+n")
        if app.wait(timeout=10) != 0:
            raise AssertionError(f"Memoquill ended with exit code {app.returncode}")


if __name__ == "__main__":
    main()
