#!/usr/bin/python3
"""Unsaved typing survives kill -9, end to end, on a real X display.

The real program gets a card and typed text through XTest, is killed with SIGKILL once its
recovery file is written, and is started again: the recovery question is answered over AT-SPI,
and the recovered deck saved byte for byte as it was typed.

Usage: recovery.py PATH_TO_MEMOQUILL
"""

import glob
import os
import signal
import subprocess
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import AccessibilityTree, run_walk, wait_for  # noqa: E402
from deckbytes import record  # noqa: E402
from typical_use import EDITOR, TypicalUse, contents, expect  # noqa: E402


class Recovery(TypicalUse):
    def __init__(self, desktop, program):
        super().__init__(desktop, program)
        self.program = program
        self.folder = os.path.join(desktop.home, ".local", "state", "memoquill", "recovery")
        self.deck = os.path.join(desktop.home, "kiwi.mqd")
        self.typed = record("Kiwi", "Green inside", "")

    def recovered(self):
        # The deck is written before its info file, and only the two together are offered.
        decks = glob.glob(os.path.join(self.folder, "*.mqd"))
        if len(decks) != 1 or not os.path.exists(decks[0][:-len(".mqd")] + ".info"):
            return None
        return contents(decks[0])

    def type_and_kill(self):
        self.start()
        self.new_card("Kiwi")
        self.click(EDITOR, "text", "Front text")
        self.d.type("Green inside")
        # Kept within a few seconds of the typing, though nothing was committed or saved.
        expect(self.recovered, self.typed, "the recovery file", timeout=10)
        os.kill(self.app.pid, signal.SIGKILL)
        self.app.wait(timeout=10)

    def restart_and_recover(self):
        self.app = self.d.spawn(
            [self.program], {"QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"},
            cwd=self.d.home, stdout=subprocess.PIPE, stderr=self.log)
        self.tree = AccessibilityTree(self.app.pid)
        self.d.window("Recover Cards?")
        wait_for(lambda: any(label.startswith("Memoquill was not closed properly. Recover the "
                                              "card of 'Untitled' from ")
                             for label in self.labels("Recover Cards?")), "the recovery question")
        self.click("Recover Cards?", "push button", "Yes")
        self.d.window_gone("Recover Cards?")
        self.editor = self.d.window(EDITOR)
        self.expect_editor_shows(["Kiwi"], "Green inside", "")

    def save_and_end(self):
        self.keys_to(self.editor, "ctrl+s")
        self.save_as(self.deck[:-len(".mqd")])
        expect(lambda: os.path.exists(self.deck) and contents(self.deck), self.typed,
               f"the bytes of {self.deck}")
        expect(lambda: glob.glob(os.path.join(self.folder, "*")), [], "the recovery folder")
        self.keys_to(self.editor, "ctrl+q")
        box = self.message_box("Save Changes?", f"Do you want to save changes to '{self.deck}'?")
        self.keys_to(box, "alt+n")
        code = self.app.wait(timeout=10)
        assert code == 0, f"Memoquill ended with exit code {code}"

    def steps(self):
        return [("type, then kill -9", self.type_and_kill),
                ("start again and recover", self.restart_and_recover),
                ("save and end", self.save_and_end)]


if __name__ == "__main__":
    run_walk("recovery", Recovery)
