<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CommandLine</name>
    <message>
        <source>Write study cards and review them one by one.</source>
        <translation>Studiekaarten maken en ze een voor een overhoren.</translation>
    </message>
    <message>
        <source>A deck file (.mqd) to open.</source>
        <translation>Een te openen stapelbestand (.mqd).</translation>
    </message>
    <message>
        <source>Start with a new deck of the cards in LIST, a word list separated by tabs, or by commas when its name ends in .csv.</source>
        <translation>Beginnen met een nieuwe stapel van de kaarten in LIST, een woordenlijst gescheiden door tabs, of door komma’s als de naam op .csv eindigt.</translation>
    </message>
    <message>
        <source>Write the cards of DECK.mqd as a word list separated by tabs, to standard output, and open no window.</source>
        <translation>De kaarten van DECK.mqd als woordenlijst gescheiden door tabs naar de standaarduitvoer schrijven, zonder een venster te openen.</translation>
    </message>
    <message>
        <source>With --export: write the list to LIST instead, separated by commas when its name ends in .csv.</source>
        <translation>Met --export: de lijst in plaats daarvan naar LIST schrijven, gescheiden door komma’s als de naam op .csv eindigt.</translation>
    </message>
    <message>
        <source>--%1 can be given only once.</source>
        <translation>--%1 kan maar één keer worden opgegeven.</translation>
    </message>
    <message>
        <source>Only one deck can be opened at a time.</source>
        <translation>Er kan maar één stapel tegelijk worden geopend.</translation>
    </message>
    <message>
        <source>--import and --export cannot be given together.</source>
        <translation>--import en --export kunnen niet samen worden opgegeven.</translation>
    </message>
    <message>
        <source>A deck to open cannot be given with --import or --export.</source>
        <translation>Met --import of --export kan geen te openen stapel worden opgegeven.</translation>
    </message>
    <message>
        <source>--output goes with --export only.</source>
        <translation>--output hoort alleen bij --export.</translation>
    </message>
    <message>
        <source>Could not load the deck from &apos;%1&apos;. Its name does not end in .mqd.</source>
        <translation>Kan de stapel niet laden uit ‘%1’. De naam eindigt niet op .mqd.</translation>
    </message>
    <message>
        <source>Could not write the list to &apos;%1&apos;. It would replace the deck it is made from.</source>
        <translation>Kan de lijst niet naar ‘%1’ schrijven. Ze zou de stapel vervangen waaruit ze gemaakt wordt.</translation>
    </message>
    <message>
        <source>Could not write the list to &apos;%1&apos;. %2</source>
        <translation>Kan de lijst niet naar ‘%1’ schrijven. %2</translation>
    </message>
    <message>
        <source>Could not write the list to standard output. %1</source>
        <translation>Kan de lijst niet naar de standaarduitvoer schrijven. %1</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set). Start it on a desktop, or without one under a virtual display: xvfb-run memoquill</source>
        <translation>geen beeldscherm gevonden (DISPLAY is niet ingesteld). Start het programma op een bureaublad, of zonder bureaublad in een virtueel beeldscherm: xvfb-run memoquill</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>%1 is the synopsis, &quot;memoquill [--help] ...&quot;, which stays as typed.</extracomment>
        <translation>Gebruik: %1</translation>
    </message>
</context>
<context>
    <name>DeckFile</name>
    <message>
        <source>Could not load the deck from &apos;%1&apos;.<byte value="xd"/>
%2</source>
        <translation>Kan de stapel niet laden uit ‘%1’.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not save the deck to &apos;%1&apos;.<byte value="xd"/>
%2</source>
        <translation>Kan de stapel niet opslaan in ‘%1’.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The file is %1 bytes long; a deck file holds at most %2 bytes.</source>
        <translation>Het bestand is %1 bytes groot; een stapelbestand is hoogstens %2 bytes groot.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Het is een map, geen bestand.</translation>
    </message>
    <message>
        <source>It is a named pipe (FIFO), not a file.</source>
        <translation>Het is een named pipe (FIFO), geen bestand.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>Het is een socket, geen bestand.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>Het is een apparaat, geen bestand.</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>Er is niet genoeg geheugen om het te lezen.</translation>
    </message>
    <message>
        <source>The deck in &apos;%1&apos; has more than %2 cards and cannot be loaded.</source>
        <translation>De stapel in ‘%1’ heeft meer dan %2 kaarten en kan niet worden geladen.</translation>
    </message>
    <message>
        <source>There is not enough memory to write it.</source>
        <translation>Er is niet genoeg geheugen om het te schrijven.</translation>
    </message>
    <message>
        <source>The card &apos;%1&apos; contains the text %2 inside a line, which a deck file cannot hold. Remove it and save again.</source>
        <translation>De kaart ‘%1’ bevat de tekst %2 midden in een regel, wat een stapelbestand niet kan opslaan. Verwijder die tekst en sla opnieuw op.</translation>
    </message>
    <message>
        <source>It is not a Memoquill deck: no card can be read from it.</source>
        <translation>Het is geen Memoquill-stapel: er kan geen enkele kaart uit worden gelezen.</translation>
    </message>
    <message>
        <source>The end of &apos;%1&apos; is not a whole card: its last line was not read, and saving the deck will not keep it.</source>
        <translation>Het einde van ‘%1’ is geen volledige kaart: de laatste regel is niet gelezen en wordt bij het opslaan van de stapel niet bewaard.</translation>
    </message>
    <message>
        <source>The end of &apos;%1&apos; is not a whole card: its last %2 lines were not read, and saving the deck will not keep them.</source>
        <translation>Het einde van ‘%1’ is geen volledige kaart: de laatste %2 regels zijn niet gelezen en worden bij het opslaan van de stapel niet bewaard.</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 bestaat al.
Wilt u het vervangen?</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>It is not a folder of this user&apos;s.</source>
        <translation>Het is geen map van deze gebruiker.</translation>
    </message>
    <message>
        <source>Its permissions cannot be set.</source>
        <translation>De rechten van de map kunnen niet worden ingesteld.</translation>
    </message>
    <message>
        <source>Unsaved cards cannot be kept in %1: %2</source>
        <translation>Niet-opgeslagen kaarten kunnen niet worden bewaard in %1: %2</translation>
    </message>
    <message>
        <source>Its lock file cannot be made.</source>
        <translation>Het vergrendelingsbestand kan niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>The card &apos;%1&apos; contains the text %2 inside a line.</source>
        <translation>De kaart ‘%1’ bevat de tekst %2 midden in een regel.</translation>
    </message>
    <message>
        <source>%1 is a link.</source>
        <translation>%1 is een symbolische koppeling.</translation>
    </message>
    <message>
        <source>Removed the damaged recovery file %1: %2</source>
        <translation>Het beschadigde herstelbestand %1 is verwijderd: %2</translation>
    </message>
    <message>
        <source>Its information file cannot be read.</source>
        <translation>Het bijbehorende informatiebestand kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>It is missing or not a file.</source>
        <translation>Het ontbreekt of is geen bestand.</translation>
    </message>
    <message>
        <source>It holds no whole deck.</source>
        <translation>Het bevat geen volledige stapel.</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>more cards than a deck holds (%1)</source>
        <translation>meer kaarten dan er in een stapel passen (%1)</translation>
    </message>
    <message>
        <source>the name contains %1, which a deck file cannot hold</source>
        <translation>de naam bevat %1, wat een stapelbestand niet kan opslaan</translation>
    </message>
    <message>
        <source>expected 2 or 3 fields separated by commas, found %1</source>
        <translation>2 of 3 velden gescheiden door komma’s verwacht, %1 gevonden</translation>
    </message>
    <message>
        <source>expected 2 or 3 fields separated by tabs, found %1</source>
        <translation>2 of 3 velden gescheiden door tabs verwacht, %1 gevonden</translation>
    </message>
    <message>
        <source>a quoted field is not closed by a quote</source>
        <translation>een veld tussen aanhalingstekens wordt niet met een aanhalingsteken afgesloten</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>Er is niet genoeg geheugen om het te lezen.</translation>
    </message>
</context>
<context>
    <name>memoquill::CardCreate</name>
    <message>
        <source>There currently no cards.  Create a card first by clicking &quot;New Card&quot; or load a Memoquill file<byte value="xd"/>
</source>
        <translation>Er zijn nog geen kaarten. Maak eerst een kaart door op ‘Nieuwe kaart’ te klikken, of open een Memoquill-bestand.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>There currently no cards.  Create a card first <byte value="xd"/>
by clicking &quot;New card&quot;or load a Memoquill file<byte value="xd"/>
</source>
        <translation>Er zijn nog geen kaarten. Maak eerst een kaart<byte value="xd"/>
door op ‘Nieuwe kaart’ te klikken, of open een Memoquill-bestand.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Back text</source>
        <translation>Tekst van de achterkant</translation>
    </message>
    <message>
        <source>Front text</source>
        <translation>Tekst van de voorkant</translation>
    </message>
    <message>
        <source>Card List</source>
        <translation>Kaartenlijst</translation>
    </message>
    <message>
        <source>&amp;Delete Card</source>
        <translation>Kaart &amp;verwijderen</translation>
    </message>
    <message>
        <source>Ne&amp;w Card</source>
        <translation>&amp;Nieuwe kaart</translation>
    </message>
    <message>
        <source>The name of the card shown</source>
        <translation>De naam van de getoonde kaart</translation>
    </message>
    <message>
        <source>Card List</source>
        <comment>caption, 41 pixels wide</comment>
        <translation>Kaarten</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>caption, 25 pixels wide</comment>
        <translatorcomment>&quot;Achter&quot; is 29 px, wider than the 25-pixel caption, and no reader knows &quot;Ak.&quot;; &quot;Rug&quot; (18 px) is the plain word for the back of a card, as of a playing card.</translatorcomment>
        <translation>Rug</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>caption, 25 pixels wide</comment>
        <translatorcomment>&quot;Voorkant&quot; is wider than the 25-pixel caption; &quot;Voor&quot; fits.</translatorcomment>
        <translation>Voor</translation>
    </message>
    <message>
        <source>The cards of the deck; pick one to show and edit it</source>
        <translation>De kaarten van de stapel; kies er een om die te tonen en te bewerken</translation>
    </message>
    <message>
        <source>The front of the card shown</source>
        <translation>De voorkant van de getoonde kaart</translation>
    </message>
    <message>
        <source>The back of the card shown</source>
        <translation>De achterkant van de getoonde kaart</translation>
    </message>
    <message>
        <source>Adds a card, asking for its name</source>
        <translation>Voegt een kaart toe en vraagt om de naam</translation>
    </message>
    <message>
        <source>Deletes the card selected in the card list</source>
        <translation>Verwijdert de kaart die in de kaartenlijst is geselecteerd</translation>
    </message>
    <message>
        <source>Front text scroll bar</source>
        <translation>Schuifbalk van de voorkant</translation>
    </message>
    <message>
        <source>Back text scroll bar</source>
        <translation>Schuifbalk van de achterkant</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menubalk</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als…</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Openen…</translation>
    </message>
    <message>
        <source>Crash my Computer!</source>
        <translation>Laat mijn computer crashen!</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Knippen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Card&amp;Reader</source>
        <translation>Kaarten over&amp;horen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>The deck is full: it cannot hold more than %1 cards.</source>
        <translation>De stapel is vol: er passen niet meer dan %1 kaarten in.</translation>
    </message>
    <message>
        <source>New Card</source>
        <translation>Nieuwe kaart</translation>
    </message>
    <message>
        <source>Please type the name of the new card</source>
        <translation>Typ de naam van de nieuwe kaart</translation>
    </message>
    <message>
        <source>There is already a card with that name.</source>
        <translation>Er is al een kaart met die naam.</translation>
    </message>
    <message>
        <source>Name already in use</source>
        <translation>Naam al in gebruik</translation>
    </message>
    <message>
        <source>There is no card selected</source>
        <translation>Er is geen kaart geselecteerd</translation>
    </message>
    <message>
        <source>Cannot delete what does not exist!</source>
        <translation>Wat niet bestaat, kan niet worden verwijderd!</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete &apos;%1&apos;?</source>
        <translation>Weet u zeker dat u ‘%1’ wilt verwijderen?</translation>
    </message>
    <message>
        <source>Delete Card?</source>
        <translation>Kaart verwijderen?</translation>
    </message>
    <message>
        <source>Memofile (.mqd)</source>
        <translation>Memoquill-bestand (.mqd)</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Bestandsfout</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Naamloos</translation>
    </message>
    <message>
        <source>Are you sure you wish to Load a new project? All unsaved work will be lost.</source>
        <translation>Weet u zeker dat u een nieuw project wilt openen? Al het niet-opgeslagen werk gaat verloren.</translation>
    </message>
    <message>
        <source>Are you sure you wish to start a new project? All unsaved work will be lost.</source>
        <translation>Weet u zeker dat u een nieuw project wilt beginnen? Al het niet-opgeslagen werk gaat verloren.</translation>
    </message>
    <message>
        <source>Load New Project</source>
        <translation>Nieuw project openen</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Nieuw project</translation>
    </message>
    <message>
        <source>There currently no cards.  Create a card first by clicking &apos;New Card&apos;</source>
        <translation>Er zijn nog geen kaarten. Maak eerst een kaart door op ‘Nieuwe kaart’ te klikken.</translation>
    </message>
    <message>
        <source>Invalid file type!</source>
        <translation>Ongeldig bestandstype!</translation>
    </message>
    <message>
        <source>Do you want to save changes to &apos;Untitled&apos;?</source>
        <translation>Wilt u de wijzigingen in ‘Naamloos’ opslaan?</translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <translation>Wijzigingen opslaan?</translation>
    </message>
    <message>
        <source>Do you want to save changes to &apos;%1&apos;?</source>
        <translation>Wilt u de wijzigingen in ‘%1’ opslaan?</translation>
    </message>
    <message>
        <source>Programmed by Alder Quimbly<byte value="xd"/>
Tested by Brisk Oddal<byte value="xd"/>
Title concept by Wend</source>
        <translation>Geprogrammeerd door Alder Quimbly<byte value="xd"/>
Getest door Brisk Oddal<byte value="xd"/>
Titelidee van Wend</translation>
    </message>
    <message>
        <source>Dude! That was really dumb!<byte value="xd"/>
What if that had really crashed your Computer?<byte value="xd"/>
What would you do then?</source>
        <translation>Gast! Dat was echt dom!<byte value="xd"/>
Stel dat je computer daar echt van was gecrasht?<byte value="xd"/>
Wat had je dan gedaan?</translation>
    </message>
    <message>
        <source>What were you thinking?</source>
        <translation>Waar zat je met je hoofd?</translation>
    </message>
    <message>
        <source>Memoquill was not closed properly. Recover the card of &apos;%1&apos; from %2 that was not saved?</source>
        <translation>Memoquill is niet goed afgesloten. Wilt u de niet-opgeslagen kaart van ‘%1’ herstellen (laatste wijziging: %2)?</translation>
    </message>
    <message>
        <source>Memoquill was not closed properly. Recover the %1 cards of &apos;%2&apos; from %3 that were not saved?</source>
        <translation>Memoquill is niet goed afgesloten. Wilt u de %1 niet-opgeslagen kaarten van ‘%2’ herstellen (laatste wijziging: %3)?</translation>
    </message>
    <message>
        <source>Recover Cards?</source>
        <translation>Kaarten herstellen?</translation>
    </message>
</context>
<context>
    <name>memoquill::CardReader</name>
    <message>
        <source>Card text</source>
        <translation>Kaarttekst</translation>
    </message>
    <message>
        <source>Cards Loaded Press &quot;Next Card&quot; to continue.<byte value="xd"/>
</source>
        <translation>Kaarten geladen. Klik op ‘Volgende kaart’ om verder te gaan.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Show Back First</source>
        <comment>check box, 97 pixels wide</comment>
        <translation>Achterkant eerst</translation>
    </message>
    <message>
        <source>Skip First Card</source>
        <comment>check box, 89 pixels wide</comment>
        <translatorcomment>&quot;Eerste kaart overslaan&quot; is wider than the 89-pixel check box; &quot;Zonder kaart 1&quot; read as if a card were named 1: &quot;1e overslaan&quot; (skip the 1st) fits.</translatorcomment>
        <translation>1e overslaan</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Volgende kaart</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Omdraaien</translation>
    </message>
    <message>
        <source>Random</source>
        <comment>check box, 89 pixels wide</comment>
        <translation>Willekeurig</translation>
    </message>
    <message>
        <source>The side of the card shown</source>
        <translation>De getoonde kant van de kaart</translation>
    </message>
    <message>
        <source>Card text scroll bar</source>
        <translation>Schuifbalk van de kaarttekst</translation>
    </message>
    <message>
        <source>Shows the next card</source>
        <translation>Toont de volgende kaart</translation>
    </message>
    <message>
        <source>Turns the card over</source>
        <translation>Draait de kaart om</translation>
    </message>
    <message>
        <source>Picks the next card at random</source>
        <translation>Kiest de volgende kaart willekeurig</translation>
    </message>
    <message>
        <source>Leaves the first card out of the review</source>
        <translation>Laat de eerste kaart weg bij het overhoren</translation>
    </message>
    <message>
        <source>Shows each card&apos;s back before its front</source>
        <translation>Toont van elke kaart de achterkant vóór de voorkant</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menubalk</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als…</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Openen…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Card&amp;Create</source>
        <translation>Kaarten &amp;maken</translation>
    </message>
</context>
</TS>
