#!/usr/bin/python3
"""Memoquill on a desktop with a window manager (Debian's openbox), end to end.

Opened with a deck as a file manager opens it; its windows coming back where they stood after
a switch between them; a FIFO named like a deck refused at once; and Save As asking about the
file it will write. As in typical_use.py, only the X server and the accessibility tree are
used to act and to look.

Usage: desktop_citizen.py PATH_TO_MEMOQUILL
"""

import os
import shutil
import subprocess
import sys
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import AccessibilityTree, run_walk, wait_for  # noqa: E402
from deckbytes import record  # noqa: E402
from typical_use import EDITOR, READER, contents, expect  # noqa: E402


class Citizen:
    def __init__(self, desktop, program):
        self.d = desktop
        self.deck = os.path.join(desktop.home, "capitals.mqd")
        with open(self.deck, "wb") as file:
            file.write(record("France", "Capital of France?", "Paris")
                       + record("Italy", "Capital of Italy?", "Rome"))
        self.log = open(os.path.join(desktop.root, "memoquill.log"), "w+b")
        self.app = desktop.spawn(
            [program, self.deck], {"QT_QPA_PLATFORM": "xcb",
                                   "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"},
            cwd=desktop.home, stdout=subprocess.DEVNULL, stderr=self.log)
        self.tree = AccessibilityTree(self.app.pid)

    def node(self, window_title, role, name):
        return self.tree.find(self.tree.window(window_title), role, name)

    def card_list(self):
        return self.tree.children_names(self.node(EDITOR, "list", "Card List"))

    def labels(self, window_title):
        return [label.name for label in self.tree.find_all(self.tree.window(window_title),
                                                           "label") if label.name]

    def keys_to(self, window, *keys):
        self.d.focus(window)
        self.d.key(*keys)

    def position(self, window):
        return self.d.geometry(window)[:2]

    def move(self, window, x, y):
        """Moves a window's frame to x, y and returns where its contents then stand."""
        before = self.position(window)
        self.d.xdotool("windowmove", "--sync", window, x, y)
        place = wait_for(lambda: self.position(window) != before and self.position(window),
                         "the window to move")
        time.sleep(0.2)  # the window manager's own follow-up, if any
        expect(lambda: self.position(window), place, "the window to stay where it was moved")
        return place

    # -- the walk -----------------------------------------------------------------------------

    def opened_with_a_deck(self):
        self.editor = self.d.window(EDITOR)
        expect(self.card_list, ["France", "Italy"], "the card list of the deck given at start")
        expect(lambda: self.tree.text(self.node(EDITOR, "text", "Front text")),
               "Capital of France?", "the first card's front")

    def windows_come_back_where_they_stood(self):
        # Moved as a user drags them, away from where the window manager put them.
        editor_place = self.move(self.editor, 200, 377)
        self.keys_to(self.editor, "alt+r")
        reader = self.d.window(READER)
        self.d.window_gone(EDITOR)
        reader_place = self.move(reader, 640, 300)
        for _ in range(2):
            self.keys_to(reader, "alt+c")
            self.editor = self.d.window(EDITOR)
            self.d.window_gone(READER)
            expect(lambda: self.position(self.editor), editor_place, "the editor's place")
            self.keys_to(self.editor, "alt+r")
            reader = self.d.window(READER)
            self.d.window_gone(EDITOR)
            expect(lambda: self.position(reader), reader_place, "the reader's place")
        self.keys_to(reader, "alt+c")
        self.editor = self.d.window(EDITOR)

    def fifo_is_refused(self):
        fifo = os.path.join(self.d.home, "pipe.mqd")
        os.mkfifo(fifo)
        self.keys_to(self.editor, "ctrl+l")
        question = self.d.window("Load New Project")
        self.keys_to(question, "alt+y")
        dialog = self.d.window("Open")
        self.d.focus(dialog)
        self.d.type(fifo)
        started = time.monotonic()
        self.d.key("Return")
        box = self.d.window("File Error", timeout=5)
        took = time.monotonic() - started
        assert took < 2, f"the FIFO took {took:.1f}s to be refused"
        expect(lambda: self.labels("File Error"),
               [f"Could not load the deck from '{fifo}'.\nIt is a named pipe (FIFO), not a file."],
               "the message for the FIFO")
        self.keys_to(box, "Return")
        self.d.window_gone("File Error")
        # Still answering: New Card opens its box.
        self.keys_to(self.editor, "alt+w")
        self.d.window("New Card")
        self.d.type("Spain")
        self.d.key("Return")
        self.d.window_gone("New Card")
        expect(self.card_list, ["Spain"], "the card list after New Card")

    def save_as_asks_about_the_file_it_writes(self):
        existing = os.path.join(self.d.home, "deck.mqd")
        with open(existing, "wb") as file:
            file.write(b"old")
        self.keys_to(self.editor, "ctrl+a")
        dialog = self.d.window("Save As")
        self.d.focus(dialog)
        self.d.type(existing[:-len(".mqd")])
        self.d.key("Return")
        expect(lambda: self.labels("Save As")[-1:],
               ["deck.mqd already exists.\nDo you want to replace it?"],
               "the replace question", timeout=5)
        question = [window for window in self.d.visible_windows("Save As") if window != dialog]
        assert question, "no question window"
        self.keys_to(question[0], "alt+y")
        self.d.window_gone("Save As")
        expect(lambda: contents(existing), record("Spain", "", ""), "the bytes of deck.mqd")
        assert not os.path.exists(existing[:-len(".mqd")]), "saved without the extension"

    def steps(self):
        return [("opened with a deck", self.opened_with_a_deck),
                ("windows come back where they stood", self.windows_come_back_where_they_stood),
                ("a FIFO is refused", self.fifo_is_refused),
                ("Save As asks about the file it writes",
                 self.save_as_asks_about_the_file_it_writes)]


def start_window_manager(desktop):
    if not shutil.which("openbox"):
        raise RuntimeError("missing: openbox (package openbox); run tools/setup")
    desktop.spawn(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                  stderr=subprocess.DEVNULL)

    def managing():
        result = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=desktop.env,
                                capture_output=True, text=True, timeout=10)
        return "window id" in result.stdout
    wait_for(managing, "openbox to manage the screen")


if __name__ == "__main__":
    run_walk("desktop citizen", Citizen, prepare=start_window_manager)
