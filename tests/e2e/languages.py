#!/usr/bin/python3
"""Memoquill in German, French and Spanish, end to end, as a screen reader hears it.

For each language the built program starts with LANG naming that language's locale, as a
desktop session sets it, and nothing else choosing a language. The menus, buttons and check
boxes of both windows, the New Card input box and two message boxes with their buttons are
read back over AT-SPI and compared with the program's own translation files and with Qt's
translations of its standard buttons.

Usage: languages.py PATH_TO_MEMOQUILL
"""

import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from desktop import AccessibilityTree, report_failure, run_walk, wait_for  # noqa: E402

TRANSLATIONS = os.path.join(HERE, "..", "..", "translations")
EDITOR = "Memoquill - CardCreate"
READER = "Memoquill - CardReader"

LOCALES = {"de": "de_DE.UTF-8", "fr": "fr_FR.UTF-8", "es": "es_ES.UTF-8"}
# What Qt draws on its standard buttons, from Debian's qt6-translations-l10n. "OK" stays "OK"
# in German and French, and "No" stays "No" in Spanish.
QT_BUTTONS = {
    "de": {"OK": "OK", "Cancel": "Abbrechen", "Yes": "Ja", "No": "Nein"},
    "fr": {"OK": "OK", "Cancel": "Annuler", "Yes": "Oui", "No": "Non"},
    "es": {"OK": "Aceptar", "Cancel": "Cancelar", "Yes": "Sí", "No": "No"},
}

# (role, caption as written in the source), with the ampersand before the access key.
EDITOR_CAPTIONS = [
    ("menu item", "&File"), ("menu item", "Ne&w"), ("menu item", "&Save"),
    ("menu item", "Save As"), ("menu item", "&Load"), ("menu item", "Crash my Computer!"),
    ("menu item", "E&xit"), ("menu item", "&Edit"), ("menu item", "Cut"),
    ("menu item", "Copy"), ("menu item", "Paste"), ("menu item", "Card&Reader"),
    ("menu item", "&About"), ("push button", "Ne&w Card"), ("push button", "&Delete Card"),
    ("label", "Card List"), ("label", "Front"), ("label", "Back"),
]
READER_CAPTIONS = [
    ("menu item", "&File"), ("menu item", "New"), ("menu item", "Save"),
    ("menu item", "Save As"), ("menu item", "Load"), ("menu item", "Exit"),
    ("menu item", "Card&Create"), ("push button", "Next Card"), ("push button", "Flip"),
    ("check box", "Random"), ("check box", "Skip First Card"),
    ("check box", "Show Back First"),
]
NEW_CARD = ("New Card", "Please type the name of the new card")
NEW_PROJECT = ("New Project",
               "Are you sure you wish to start a new project? All unsaved work will be lost.")
SAVE_CHANGES = ("Save Changes?", "Do you want to save changes to 'Untitled'?")


def shown(caption):
    """A caption as it is shown and named: without the ampersand marking its access key."""
    return re.sub(r"&(.)", r"\1", caption)


class Translation:
    """One language's finished translations, from the file the build compiles into the
    program."""

    def __init__(self, language):
        self.language = language
        self.path = os.path.normpath(os.path.join(TRANSLATIONS, f"memoquill_{language}.ts"))
        self.texts = {}
        for message in ElementTree.parse(self.path).iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") or not translation.text:
                continue  # unfinished or no longer used: the program shows the source text
            self.texts.setdefault(message.findtext("source"), set()).add(translation.text)

    def __call__(self, source):
        """The names a caption may show in this language: one per context translating it."""
        if source not in self.texts:
            raise AssertionError(f"{self.path} has no finished translation of {source!r}")
        return {shown(text) for text in self.texts[source]}


class Languages:
    def __init__(self, desktop, program):
        self.d = desktop
        self.program = program
        self.log = open(os.path.join(desktop.root, "memoquill.log"), "w+b")

    # -- looking ------------------------------------------------------------------------------

    def names(self, window_title, role):
        return {node.name for node in self.tree.find_all(self.tree.window(window_title), role)
                if node.name}

    def window_titles(self):
        app = self.tree.application()
        windows = [app.getChildAtIndex(i) for i in range(app.childCount if app else 0)]
        return {window.name for window in windows if window and self.tree.showing(window)}

    def expect_captions(self, window_title, captions):
        """Waits until every caption shows in translation; the failure lists the rest."""
        missing = []

        def all_shown():
            missing[:] = [(role, source, sorted(self.tr(source))) for role, source in captions
                          if not self.tr(source) & self.names(window_title, role)]
            return not missing

        try:
            wait_for(all_shown, f"the translated captions of '{window_title}'")
        except AssertionError:
            raise AssertionError(f"'{window_title}' in {self.tr.language} lacks "
                                 + "; ".join(f"{role} {source!r} as {shown_as}"
                                             for role, source, shown_as in missing)) from None

    def shown_windows(self):
        """The program's shown X windows. Found by its process, since xdotool cannot match
        every translated title."""
        return {int(word) for word in self.d.xdotool("search", "--onlyvisible", "--pid",
                                                     self.app.pid, check=False).split()}

    def box_window(self):
        """The X window of the one box the program shows over its windows."""
        def one_box():
            ids = self.shown_windows() - set(self.d.visible_windows(EDITOR)) \
                - set(self.d.visible_windows(READER))
            return len(ids) == 1 and ids.pop()
        return wait_for(one_box, "a box over the program's windows")

    def box(self, source_title, prompt, buttons):
        """Waits for the box whose title is the translation of source_title, checks its prompt
        and its buttons, and returns its title as shown and its X window."""
        window = self.box_window()
        titles = self.tr(source_title)
        title = wait_for(lambda: next(iter(titles & self.window_titles()), None),
                         f"a box titled {sorted(titles)}")
        expected = {QT_BUTTONS[self.tr.language][button] for button in buttons}

        def complete():
            shown_buttons = self.names(title, "push button")
            labels = self.names(title, "label")
            return shown_buttons == expected and self.tr(prompt) & labels

        try:
            wait_for(complete, f"the prompt and buttons of '{title}'")
        except AssertionError:
            raise AssertionError(
                f"'{title}' shows buttons {sorted(self.names(title, 'push button'))} and texts "
                f"{sorted(self.names(title, 'label'))}; expected buttons {sorted(expected)}"
                f" and the text {sorted(self.tr(prompt))}") from None
        return title, window

    def box_gone(self, window):
        wait_for(lambda: window not in self.shown_windows(), "the box to close")

    # -- doing --------------------------------------------------------------------------------

    def click(self, window_title, role, name):
        self.d.click(*self.tree.center(self.tree.find(self.tree.window(window_title), role,
                                                      name)))

    def click_caption(self, window_title, role, source):
        names = self.tr(source) & self.names(window_title, role)
        self.click(window_title, role, names.pop())

    def press(self, window_title, button):
        self.click(window_title, "push button", QT_BUTTONS[self.tr.language][button])

    # -- the walk -----------------------------------------------------------------------------

    def start(self, language):
        self.tr = Translation(language)
        # The session's language as a desktop sets it; LC_ALL (C.UTF-8 on this desktop) would
        # win over LANG, and an empty one counts as unset.
        self.app = self.d.spawn(
            [self.program], {"QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
                             "LANG": LOCALES[language], "LC_ALL": ""},
            cwd=self.d.home, stdout=subprocess.PIPE, stderr=self.log)
        self.tree = AccessibilityTree(self.app.pid)
        self.editor = self.d.window(EDITOR)
        self.expect_captions(EDITOR, EDITOR_CAPTIONS)

    def new_card(self):
        self.click_caption(EDITOR, "push button", "Ne&w Card")
        _, box = self.box(*NEW_CARD, ["OK", "Cancel"])
        self.d.focus(box)
        self.d.type("Lisbon")
        self.d.key("Return")
        self.box_gone(box)
        wait_for(lambda: "Lisbon" in self.names(EDITOR, "list item"), "the new card in the list")

    def new_project_question(self):
        self.d.focus(self.editor)
        self.d.key("ctrl+n")
        title, box = self.box(*NEW_PROJECT, ["Yes", "No"])
        self.press(title, "No")
        self.box_gone(box)

    def reader(self):
        self.d.focus(self.editor)
        self.click_caption(EDITOR, "menu item", "Card&Reader")
        self.reader_window = self.d.window(READER)
        self.expect_captions(READER, READER_CAPTIONS)

    def close_question(self):
        self.d.focus(self.reader_window)
        self.d.key("ctrl+q")
        title, _ = self.box(*SAVE_CHANGES, ["Yes", "No", "Cancel"])
        self.press(title, "No")
        try:
            code = self.app.wait(timeout=10)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"Memoquill still runs after '{title}' was answered") from None
        assert code == 0, f"Memoquill ended with exit code {code}"
        output = self.app.stdout.read()
        self.app.stdout.close()
        assert output == b"", f"Memoquill printed {output!r}"

    def steps(self):
        steps = []
        for language in LOCALES:
            steps += [(f"{language}: the editor", lambda language=language: self.start(language)),
                      (f"{language}: the New Card box", self.new_card),
                      (f"{language}: the New Project question", self.new_project_question),
                      (f"{language}: the reader", self.reader),
                      (f"{language}: the Save Changes question", self.close_question)]
        return steps

    def diagnose(self):
        report_failure(self.d, self.log, "languages")


def main():
    run_walk("languages", Languages)


if __name__ == "__main__":
    main()
