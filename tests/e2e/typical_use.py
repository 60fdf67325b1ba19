#!/usr/bin/python3
"""Typical use of Memoquill, end to end, on a real X display.

The built program runs as its own process with the real dialogs and clipboard. This script
only presses keys, types and clicks through the X server, and reads back what a user (or a
screen reader) would see: which windows are shown, their titles, and the texts in the
accessibility tree. The deck file that Save writes is checked byte for byte.

Usage: typical_use.py PATH_TO_MEMOQUILL
"""

import os
import subprocess
import sys

# No byte-code cache in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from deckbytes import record  # noqa: E402
from desktop import (AccessibilityTree, Timeout, run_walk,  # noqa: E402
                     wait_for)

EDITOR = "Memoquill - CardCreate"
READER = "Memoquill - CardReader"


def contents(path):
    with open(path, "rb") as file:
        return file.read()


def expect(actual, expected, what, timeout=10.0):
    """Waits until actual() equals expected; the failure names both."""
    seen = []

    def matches():
        seen[:] = [actual()]
        return seen[0] == expected

    try:
        wait_for(matches, what, timeout)
    except Timeout as error:
        raise AssertionError(f"{what}: expected {expected!r}, got "
                             f"{seen[0] if seen else '<nothing>'!r}") from error


class TypicalUse:
    def __init__(self, desktop, program):
        self.d = desktop
        self.deck = os.path.join(desktop.home, "capitals.mqd")
        self.log = open(os.path.join(desktop.root, "memoquill.log"), "w+b")
        self.app = desktop.spawn(
            [program], {"QT_QPA_PLATFORM": "xcb",
                        # Qt serves the accessibility tree without waiting for a screen reader.
                        "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"},
            cwd=desktop.home, stdout=subprocess.PIPE, stderr=self.log)
        self.tree = AccessibilityTree(self.app.pid)

    # -- what the user sees -------------------------------------------------------------------

    def node(self, window_title, role, name):
        return self.tree.find(self.tree.window(window_title), role, name)

    def text(self, window_title, box_name):
        return self.tree.text(self.node(window_title, "text", box_name))

    def card_list(self):
        return self.tree.children_names(self.node(EDITOR, "list", "Card List"))

    def shown_card(self):
        return self.text(READER, "Card text")

    def expect_editor_shows(self, names, front, back):
        expect(self.card_list, names, "the card list")
        expect(lambda: self.text(EDITOR, "Front text"), front, "the front text box")
        expect(lambda: self.text(EDITOR, "Back text"), back, "the back text box")

    def message_box(self, title, prompt):
        """Waits for the message box titled title and checks its prompt."""
        window = self.d.window(title)
        expect(lambda: self.labels(title), [prompt], f"the text of '{title}'")
        return window

    def labels(self, window_title):
        # The named ones: a message box's icon is an unnamed label.
        return [label.name for label in self.tree.find_all(self.tree.window(window_title),
                                                           "label") if label.name]

    def reader_entry_enabled(self):
        return self.tree.enabled(self.node(EDITOR, "menu item", "CardReader"))

    # -- what the user does -------------------------------------------------------------------

    def click(self, window_title, role, name):
        self.d.click(*self.tree.center(self.node(window_title, role, name)))

    def keys_to(self, window, *keys):
        self.d.focus(window)
        self.d.key(*keys)

    def save_as(self, path):
        dialog = self.d.window("Save As")
        expect(lambda: self.text("Save As", "File name:"), "Untitled", "the proposed file name")
        self.d.focus(dialog)
        # The file name field has the focus and its proposal selected: typing replaces it.
        self.d.type(path)
        self.d.key("Return")
        self.d.window_gone("Save As")

    def open_file(self, name):
        self.d.window("Open")
        dialog = self.tree.window("Open")
        # The detailed file list, filled in the background; the hidden icon list holds the
        # same names.
        entry = wait_for(lambda: [cell for cell in self.tree.find_all(dialog, "table cell", name)
                                  if self.tree.showing(cell)], f"'{name}' in the file list")
        self.d.click(*self.tree.center(entry[0]))
        expect(lambda: self.text("Open", "File name:"), name, "the chosen file name")
        self.click("Open", "push button", "Open")
        self.d.window_gone("Open")

    # -- the walk -----------------------------------------------------------------------------

    def start(self):
        self.editor = self.d.window(EDITOR)
        assert not self.d.visible_windows(READER), "the reader is shown at start"
        expect(self.card_list, [], "the card list at start")
        expect(self.reader_entry_enabled, False, "CardReader in the menu bar without cards")

    def new_card(self, name):
        self.keys_to(self.editor, "alt+w")
        box = self.d.window("New Card")
        expect(lambda: self.labels("New Card"), ["Please type the name of the new card"],
               "the prompt of 'New Card'")
        self.d.focus(box)
        self.d.type(name)
        self.d.key("Return")
        self.d.window_gone("New Card")
        # The editor is the active window again, as a window manager would leave it.
        self.d.focus(self.editor)

    def create_cards(self):
        self.new_card("France")
        self.expect_editor_shows(["France"], "", "")
        expect(self.reader_entry_enabled, True, "CardReader in the menu bar with a card")
        self.click(EDITOR, "text", "Front text")
        self.d.type("Capital of France?")
        self.d.key("Tab")  # leaves the front box for the back box
        self.d.type("Paris")
        self.d.key("Tab")

        self.new_card("Italy")
        self.expect_editor_shows(["France", "Italy"], "", "")
        self.click(EDITOR, "text", "Front text")
        self.d.type("Capital of Italy?")
        # Edit > Copy puts the selection on the desktop's clipboard.
        self.d.key("shift+Home")
        self.d.key("ctrl+c")
        expect(self.d.clipboard, "Capital of Italy?", "the clipboard after Edit > Copy")
        self.click(EDITOR, "text", "Back text")
        self.d.type("Rome")
        # Picking another card leaves the back box, which commits its text.
        self.click(EDITOR, "list item", "France")
        self.expect_editor_shows(["France", "Italy"], "Capital of France?", "Paris")
        self.click(EDITOR, "list item", "Italy")
        self.expect_editor_shows(["France", "Italy"], "Capital of Italy?", "Rome")

    def save(self):
        self.keys_to(self.editor, "ctrl+s")
        self.save_as(self.deck[:-len(".mqd")])
        saved = record("France", "Capital of France?", "Paris") + \
            record("Italy", "Capital of Italy?", "Rome")
        expect(lambda: os.path.exists(self.deck) and contents(self.deck), saved,
               f"the bytes of {self.deck}")
        assert not os.path.exists(self.deck[:-len(".mqd")]), "saved without the extension"

    def review(self):
        self.keys_to(self.editor, "alt+r")
        reader = self.d.window(READER)
        self.d.window_gone(EDITOR)
        expect(self.shown_card, "Capital of France?", "the reader's first card")
        for button, shown in (("Next Card", "Capital of Italy?"), ("Flip", "Rome"),
                              ("Flip", "Capital of Italy?"), ("Next Card", "Capital of France?")):
            self.click(READER, "push button", button)
            expect(self.shown_card, shown, f"the reader after {button}")
        self.keys_to(reader, "alt+c")
        self.editor = self.d.window(EDITOR)
        self.d.window_gone(READER)
        self.d.focus(self.editor)

    def load(self):
        # An unsaved card, which Load must drop.
        self.new_card("Spain")
        self.expect_editor_shows(["France", "Italy", "Spain"], "", "")
        self.keys_to(self.editor, "ctrl+l")
        self.message_box("Load New Project", "Are you sure you wish to Load a new project? "
                                             "All unsaved work will be lost.")
        self.click("Load New Project", "push button", "Yes")
        self.d.window_gone("Load New Project")
        self.open_file(os.path.basename(self.deck))
        self.d.focus(self.editor)
        self.expect_editor_shows(["France", "Italy"], "Capital of France?", "Paris")

    def close(self):
        self.click(EDITOR, "text", "Back text")
        self.d.key("End")
        # Pasted from another program: an en dash, which is byte 0x96 in Windows-1252 and
        # which no key of the virtual keyboard types.
        self.d.set_clipboard(" \u2013 on the Seine")
        self.d.key("ctrl+v")
        expect(lambda: self.text(EDITOR, "Back text"), "Paris \u2013 on the Seine",
               "the back text after Edit > Paste")
        self.d.key("ctrl+q")
        box = self.message_box("Save Changes?", f"Do you want to save changes to '{self.deck}'?")
        self.keys_to(box, "alt+y")
        try:
            code = self.app.wait(timeout=10)
        except subprocess.TimeoutExpired:
            raise AssertionError("Memoquill still runs after Yes to 'Save Changes?'") from None
        assert code == 0, f"Memoquill ended with exit code {code}"
        saved = record("France", "Capital of France?", "Paris \u2013 on the Seine") + \
            record("Italy", "Capital of Italy?", "Rome")
        actual = contents(self.deck)
        assert actual == saved, f"{self.deck} holds {actual!r}, expected {saved!r}"
        output = self.app.stdout.read()
        assert output == b"", f"Memoquill printed {output!r}"

    def steps(self):
        return [("start", self.start), ("new cards, typed and committed", self.create_cards),
                ("save", self.save), ("review", self.review), ("load", self.load),
                ("close and save", self.close)]


if __name__ == "__main__":
    run_walk("typical use", TypicalUse)
