<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Write study cards and review them one by one.</source>
        <translation>Lernkarten schreiben und eine nach der anderen abfragen.</translation>
    </message>
    <message>
        <source>A deck file (.mqd) to open.</source>
        <translation>Eine Lernkartendatei (.mqd), die geöffnet werden soll.</translation>
    </message>
    <message>
        <source>Start with a new deck of the cards in LIST, a word list separated by tabs, or by commas when its name ends in .csv.</source>
        <translation>Mit einem neuen Stapel aus den Karten in LIST beginnen, einer Wortliste mit Tabulatoren als Trennzeichen oder mit Kommas, wenn ihr Name auf .csv endet.</translation>
    </message>
    <message>
        <source>Write the cards of DECK.mqd as a word list separated by tabs, to standard output, and open no window.</source>
        <translation>Die Karten von DECK.mqd als Wortliste mit Tabulatoren als Trennzeichen auf die Standardausgabe schreiben, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>With --export: write the list to LIST instead, separated by commas when its name ends in .csv.</source>
        <translation>Mit --export: die Liste stattdessen in LIST schreiben, mit Kommas als Trennzeichen, wenn ihr Name auf .csv endet.</translation>
    </message>
    <message>
        <source>--%1 can be given only once.</source>
        <translation>--%1 kann nur einmal angegeben werden.</translation>
    </message>
    <message>
        <source>Only one deck can be opened at a time.</source>
        <translation>Es kann nur ein Stapel auf einmal geöffnet werden.</translation>
    </message>
    <message>
        <source>--import and --export cannot be given together.</source>
        <translation>--import und --export können nicht zusammen angegeben werden.</translation>
    </message>
    <message>
        <source>A deck to open cannot be given with --import or --export.</source>
        <translation>Mit --import oder --export kann kein Stapel zum Öffnen angegeben werden.</translation>
    </message>
    <message>
        <source>--output goes with --export only.</source>
        <translation>--output gehört nur zu --export.</translation>
    </message>
    <message>
        <source>Could not load the deck from &apos;%1&apos;. Its name does not end in .mqd.</source>
        <translation>Der Stapel konnte nicht aus „%1“ geladen werden. Der Name endet nicht auf .mqd.</translation>
    </message>
    <message>
        <source>Could not write the list to &apos;%1&apos;. It would replace the deck it is made from.</source>
        <translation>Die Liste konnte nicht in „%1“ geschrieben werden. Sie würde den Stapel ersetzen, aus dem sie entsteht.</translation>
    </message>
    <message>
        <source>Could not write the list to &apos;%1&apos;. %2</source>
        <translation>Die Liste konnte nicht in „%1“ geschrieben werden. %2</translation>
    </message>
    <message>
        <source>Could not write the list to standard output. %1</source>
        <translation>Die Liste konnte nicht auf die Standardausgabe geschrieben werden. %1</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set). Start it on a desktop, or without one under a virtual display: xvfb-run memoquill</source>
        <translation>keine Anzeige gefunden (DISPLAY ist nicht gesetzt). Starten Sie das Programm auf einem Desktop oder ohne Desktop unter einer virtuellen Anzeige: xvfb-run memoquill</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>%1 is the synopsis, &quot;memoquill [--help] ...&quot;, which stays as typed.</extracomment>
        <translation>Aufruf: %1</translation>
    </message>
</context>
<context>
    <name>DeckFile</name>
    <message>
        <source>Could not load the deck from &apos;%1&apos;.<byte value="xd"/>
%2</source>
        <translation>Der Stapel konnte nicht aus „%1“ geladen werden.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not save the deck to &apos;%1&apos;.<byte value="xd"/>
%2</source>
        <translation>Der Stapel konnte nicht in „%1“ gespeichert werden.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The file is %1 bytes long; a deck file holds at most %2 bytes.</source>
        <translation>Die Datei ist %1 Byte groß; eine Lernkartendatei darf höchstens %2 Byte groß sein.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>It is a named pipe (FIFO), not a file.</source>
        <translation>Es ist eine benannte Pipe (FIFO), keine Datei.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>Es ist ein Socket, keine Datei.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>Es ist ein Gerät, keine Datei.</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>Zum Lesen ist nicht genug Speicher frei.</translation>
    </message>
    <message>
        <source>The deck in &apos;%1&apos; has more than %2 cards and cannot be loaded.</source>
        <translation>Der Stapel in „%1“ hat mehr als %2 Karten und kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>There is not enough memory to write it.</source>
        <translation>Zum Schreiben ist nicht genug Speicher frei.</translation>
    </message>
    <message>
        <source>The card &apos;%1&apos; contains the text %2 inside a line, which a deck file cannot hold. Remove it and save again.</source>
        <translation>Die Karte „%1“ enthält den Text %2 mitten in einer Zeile, was in einer Lernkartendatei nicht gespeichert werden kann. Entfernen Sie ihn und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>It is not a Memoquill deck: no card can be read from it.</source>
        <translation>Es ist kein Memoquill-Kartenstapel: Es lässt sich keine Karte daraus lesen.</translation>
    </message>
    <message>
        <source>The end of &apos;%1&apos; is not a whole card: its last line was not read, and saving the deck will not keep it.</source>
        <translation>Das Ende von „%1“ ist keine vollständige Karte: Die letzte Zeile wurde nicht gelesen, und beim Speichern des Stapels geht sie verloren.</translation>
    </message>
    <message>
        <source>The end of &apos;%1&apos; is not a whole card: its last %2 lines were not read, and saving the deck will not keep them.</source>
        <translation>Das Ende von „%1“ ist keine vollständige Karte: Die letzten %2 Zeilen wurden nicht gelesen, und beim Speichern des Stapels gehen sie verloren.</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>It is not a folder of this user&apos;s.</source>
        <translation>Es ist kein Ordner dieses Benutzers.</translation>
    </message>
    <message>
        <source>Its permissions cannot be set.</source>
        <translation>Seine Zugriffsrechte lassen sich nicht setzen.</translation>
    </message>
    <message>
        <source>Unsaved cards cannot be kept in %1: %2</source>
        <translation>Nicht gespeicherte Karten können nicht in %1 aufbewahrt werden: %2</translation>
    </message>
    <message>
        <source>Its lock file cannot be made.</source>
        <translation>Seine Sperrdatei lässt sich nicht anlegen.</translation>
    </message>
    <message>
        <source>The card &apos;%1&apos; contains the text %2 inside a line.</source>
        <translation>Die Karte „%1“ enthält den Text %2 mitten in einer Zeile.</translation>
    </message>
    <message>
        <source>%1 is a link.</source>
        <translation>%1 ist eine Verknüpfung.</translation>
    </message>
    <message>
        <source>Removed the damaged recovery file %1: %2</source>
        <translation>Die beschädigte Wiederherstellungsdatei %1 wurde entfernt: %2</translation>
    </message>
    <message>
        <source>Its information file cannot be read.</source>
        <translation>Ihre Informationsdatei lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>It is missing or not a file.</source>
        <translation>Sie fehlt oder ist keine Datei.</translation>
    </message>
    <message>
        <source>It holds no whole deck.</source>
        <translation>Sie enthält keinen vollständigen Stapel.</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>more cards than a deck holds (%1)</source>
        <translation>mehr Karten, als ein Stapel fasst (%1)</translation>
    </message>
    <message>
        <source>the name contains %1, which a deck file cannot hold</source>
        <translation>der Name enthält %1, was in einer Lernkartendatei nicht gespeichert werden kann</translation>
    </message>
    <message>
        <source>expected 2 or 3 fields separated by commas, found %1</source>
        <translation>2 oder 3 durch Kommas getrennte Felder erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected 2 or 3 fields separated by tabs, found %1</source>
        <translation>2 oder 3 durch Tabulatoren getrennte Felder erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>a quoted field is not closed by a quote</source>
        <translation>ein Feld in Anführungszeichen wird nicht mit einem Anführungszeichen geschlossen</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>Zum Lesen ist nicht genug Speicher frei.</translation>
    </message>
</context>
<context>
    <name>memoquill::CardCreate</name>
    <message>
        <source>There currently no cards.  Create a card first by clicking &quot;New Card&quot; or load a Memoquill file<byte value="xd"/>
</source>
        <translation>Zurzeit gibt es keine Karten. Erstellen Sie zuerst eine Karte mit „Neue Karte“ oder öffnen Sie eine Memoquill-Datei.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>There currently no cards.  Create a card first <byte value="xd"/>
by clicking &quot;New card&quot;or load a Memoquill file<byte value="xd"/>
</source>
        <translation>Zurzeit gibt es keine Karten. Erstellen Sie zuerst eine Karte<byte value="xd"/>
mit „Neue Karte“ oder öffnen Sie eine Memoquill-Datei.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Back text</source>
        <translation>Text der Rückseite</translation>
    </message>
    <message>
        <source>Front text</source>
        <translation>Text der Vorderseite</translation>
    </message>
    <message>
        <source>Card List</source>
        <translation>Kartenliste</translation>
    </message>
    <message>
        <source>&amp;Delete Card</source>
        <translation>Karte &amp;löschen</translation>
    </message>
    <message>
        <source>Ne&amp;w Card</source>
        <translation>&amp;Neue Karte</translation>
    </message>
    <message>
        <source>The name of the card shown</source>
        <translation>Der Name der angezeigten Karte</translation>
    </message>
    <message>
        <source>Card List</source>
        <comment>caption, 41 pixels wide</comment>
        <translatorcomment>“Kartenliste” does not fit 41 pixels; the list below shows what the cards are.</translatorcomment>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>caption, 25 pixels wide</comment>
        <translatorcomment>“Rückseite” and even “Hinten” do not fit 25 pixels; “Hint.” beside “Vorn” reads at once as the back, where “RS” needed the boxes to be understood.</translatorcomment>
        <translation>Hint.</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>caption, 25 pixels wide</comment>
        <translatorcomment>“Vorderseite” and “Vorne” do not fit 25 pixels; “Vorn” is the whole word, read at once as the front.</translatorcomment>
        <translation>Vorn</translation>
    </message>
    <message>
        <source>The cards of the deck; pick one to show and edit it</source>
        <translation>Die Karten des Stapels; wählen Sie eine aus, um sie anzuzeigen und zu bearbeiten</translation>
    </message>
    <message>
        <source>The front of the card shown</source>
        <translation>Die Vorderseite der angezeigten Karte</translation>
    </message>
    <message>
        <source>The back of the card shown</source>
        <translation>Die Rückseite der angezeigten Karte</translation>
    </message>
    <message>
        <source>Adds a card, asking for its name</source>
        <translation>Fügt eine Karte hinzu und fragt nach ihrem Namen</translation>
    </message>
    <message>
        <source>Deletes the card selected in the card list</source>
        <translation>Löscht die in der Kartenliste gewählte Karte</translation>
    </message>
    <message>
        <source>Front text scroll bar</source>
        <translation>Bildlaufleiste der Vorderseite</translation>
    </message>
    <message>
        <source>Back text scroll bar</source>
        <translation>Bildlaufleiste der Rückseite</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter …</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>Ö&amp;ffnen …</translation>
    </message>
    <message>
        <source>Crash my Computer!</source>
        <translation>Meinen Computer abstürzen lassen!</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Card&amp;Reader</source>
        <translation>Karten &amp;abfragen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>The deck is full: it cannot hold more than %1 cards.</source>
        <translation>Der Stapel ist voll: Er kann nicht mehr als %1 Karten enthalten.</translation>
    </message>
    <message>
        <source>New Card</source>
        <translation>Neue Karte</translation>
    </message>
    <message>
        <source>Please type the name of the new card</source>
        <translation>Bitte geben Sie den Namen der neuen Karte ein</translation>
    </message>
    <message>
        <source>There is already a card with that name.</source>
        <translation>Es gibt bereits eine Karte mit diesem Namen.</translation>
    </message>
    <message>
        <source>Name already in use</source>
        <translation>Name bereits vergeben</translation>
    </message>
    <message>
        <source>There is no card selected</source>
        <translation>Es ist keine Karte ausgewählt</translation>
    </message>
    <message>
        <source>Cannot delete what does not exist!</source>
        <translation>Was nicht existiert, kann nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete &apos;%1&apos;?</source>
        <translation>Möchten Sie „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete Card?</source>
        <translation>Karte löschen?</translation>
    </message>
    <message>
        <source>Memofile (.mqd)</source>
        <translation>Memoquill-Datei (.mqd)</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Dateifehler</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Are you sure you wish to Load a new project? All unsaved work will be lost.</source>
        <translation>Möchten Sie wirklich ein neues Projekt öffnen? Alle nicht gespeicherten Änderungen gehen verloren.</translation>
    </message>
    <message>
        <source>Are you sure you wish to start a new project? All unsaved work will be lost.</source>
        <translation>Möchten Sie wirklich ein neues Projekt beginnen? Alle nicht gespeicherten Änderungen gehen verloren.</translation>
    </message>
    <message>
        <source>Load New Project</source>
        <translation>Neues Projekt öffnen</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Neues Projekt</translation>
    </message>
    <message>
        <source>There currently no cards.  Create a card first by clicking &apos;New Card&apos;</source>
        <translation>Zurzeit gibt es keine Karten. Erstellen Sie zuerst eine Karte mit „Neue Karte“.</translation>
    </message>
    <message>
        <source>Invalid file type!</source>
        <translation>Ungültiger Dateityp!</translation>
    </message>
    <message>
        <source>Do you want to save changes to &apos;Untitled&apos;?</source>
        <translation>Möchten Sie die Änderungen an „Unbenannt“ speichern?</translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>Do you want to save changes to &apos;%1&apos;?</source>
        <translation>Möchten Sie die Änderungen an „%1“ speichern?</translation>
    </message>
    <message>
        <source>Programmed by Alder Quimbly<byte value="xd"/>
Tested by Brisk Oddal<byte value="xd"/>
Title concept by Wend</source>
        <translation>Programmiert von Alder Quimbly<byte value="xd"/>
Getestet von Brisk Oddal<byte value="xd"/>
Titelidee von Wend</translation>
    </message>
    <message>
        <source>Dude! That was really dumb!<byte value="xd"/>
What if that had really crashed your Computer?<byte value="xd"/>
What would you do then?</source>
        <translation>Mann! Das war echt dämlich!<byte value="xd"/>
Was, wenn dein Computer davon wirklich abgestürzt wäre?<byte value="xd"/>
Was würdest du dann machen?</translation>
    </message>
    <message>
        <source>What were you thinking?</source>
        <translation>Was hast du dir dabei gedacht?</translation>
    </message>
    <message>
        <source>Memoquill was not closed properly. Recover the card of &apos;%1&apos; from %2 that was not saved?</source>
        <translation>Memoquill wurde nicht ordnungsgemäß beendet. Die nicht gespeicherte Karte von „%1“ von %2 wiederherstellen?</translation>
    </message>
    <message>
        <source>Memoquill was not closed properly. Recover the %1 cards of &apos;%2&apos; from %3 that were not saved?</source>
        <translation>Memoquill wurde nicht ordnungsgemäß beendet. Die %1 nicht gespeicherten Karten von „%2“ von %3 wiederherstellen?</translation>
    </message>
    <message>
        <source>Recover Cards?</source>
        <translation>Karten wiederherstellen?</translation>
    </message>
</context>
<context>
    <name>memoquill::CardReader</name>
    <message>
        <source>Card text</source>
        <translation>Kartentext</translation>
    </message>
    <message>
        <source>Cards Loaded Press &quot;Next Card&quot; to continue.<byte value="xd"/>
</source>
        <translation>Karten geladen. Klicken Sie auf „Nächste Karte“, um fortzufahren.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Show Back First</source>
        <comment>check box, 97 pixels wide</comment>
        <translation>Rückseite zuerst</translation>
    </message>
    <message>
        <source>Skip First Card</source>
        <comment>check box, 89 pixels wide</comment>
        <translatorcomment>“Erste Karte überspringen” does not fit 89 pixels; the ordinal “1.” says the first card, where “Karte 1” read as a card named 1.</translatorcomment>
        <translation>Ohne 1. Karte</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Nächste Karte</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Umdrehen</translation>
    </message>
    <message>
        <source>Random</source>
        <comment>check box, 89 pixels wide</comment>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>The side of the card shown</source>
        <translation>Die angezeigte Seite der Karte</translation>
    </message>
    <message>
        <source>Card text scroll bar</source>
        <translation>Bildlaufleiste des Kartentexts</translation>
    </message>
    <message>
        <source>Shows the next card</source>
        <translation>Zeigt die nächste Karte</translation>
    </message>
    <message>
        <source>Turns the card over</source>
        <translation>Dreht die Karte um</translation>
    </message>
    <message>
        <source>Picks the next card at random</source>
        <translation>Wählt die nächste Karte zufällig aus</translation>
    </message>
    <message>
        <source>Leaves the first card out of the review</source>
        <translation>Lässt die erste Karte bei der Abfrage aus</translation>
    </message>
    <message>
        <source>Shows each card&apos;s back before its front</source>
        <translation>Zeigt bei jeder Karte die Rückseite vor der Vorderseite</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter …</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Öffnen …</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Card&amp;Create</source>
        <translation>Karten &amp;erstellen</translation>
    </message>
</context>
</TS>
