#!/usr/bin/python3
"""Memoquill started with a word list, end to end: `memoquill --import LIST` on a real X
display opens the editor with the list's cards, read back over the accessibility tree as a
screen reader reads them, as a new deck that Save asks a name for.

Usage: import_list.py PATH_TO_MEMOQUILL
"""

import os
import subprocess
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from deckbytes import record  # noqa: E402
from desktop import AccessibilityTree, report_failure, run_walk, wait_for  # noqa: E402

EDITOR = "Memoquill - CardCreate"


class ImportList:
    def __init__(self, desktop, program):
        self.d = desktop
        # As a spreadsheet saves it: a quoted comma, a line break written <br>, a name column.
        self.list = os.path.join(desktop.home, "capitals.csv")
        with open(self.list, "wb") as file:
            file.write("Capital of France?,Paris\r\n"
                       "italy,\"Capital of Italy?\",\"Rome, on the<br>Tiber\"\r\n".encode())
        self.log = open(os.path.join(desktop.root, "memoquill.log"), "w+b")
        self.app = desktop.spawn(
            [program, "--import", self.list], {"QT_QPA_PLATFORM": "xcb",
                                               "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"},
            cwd=desktop.home, stdout=subprocess.DEVNULL, stderr=self.log)
        self.tree = AccessibilityTree(self.app.pid)

    def seen(self, what, read, expected):
        wait_for(lambda: read() == expected, f"{what}: {expected!r}")

    def text(self, name):
        return self.tree.text(self.tree.find(self.tree.window(EDITOR), "text", name))

    def card_list(self):
        return self.tree.children_names(
            self.tree.find(self.tree.window(EDITOR), "list", "Card List"))

    def opened_with_the_cards(self):
        self.editor = self.d.window(EDITOR)
        self.seen("the card list", self.card_list, ["Capital of France?", "italy"])
        self.seen("the first card's front", lambda: self.text("Front text"),
                  "Capital of France?")
        self.seen("the first card's back", lambda: self.text("Back text"), "Paris")

    def saved_as_a_new_deck(self):
        self.d.focus(self.editor)
        self.d.key("ctrl+s")
        dialog = self.d.window("Save As")
        self.seen("the proposed file name", lambda: self.tree.text(self.tree.find(
            self.tree.window("Save As"), "text", "File name:")), "Untitled")
        self.d.focus(dialog)
        deck = os.path.join(self.d.home, "capitals")
        self.d.type(deck)
        self.d.key("Return")
        self.d.window_gone("Save As")
        saved = (record("Capital of France?", "Capital of France?", "Paris")
                 + record("italy", "Capital of Italy?", "Rome, on the\r\nTiber"))

        def written():
            with open(deck + ".mqd", "rb") as file:
                return file.read()
        self.seen("the saved deck", written, saved)

    def steps(self):
        return [("opened with the list's cards", self.opened_with_the_cards),
                ("saved as a new deck", self.saved_as_a_new_deck)]

    def diagnose(self):
        try:
            print(f"card list: {self.card_list()!r}", file=sys.stderr)
        except Exception:  # the tree itself may be what failed
            pass
        report_failure(self.d, self.log, "import_list")


def main():
    run_walk("import list", ImportList)


if __name__ == "__main__":
    main()
