<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CommandLine</name>
    <message>
        <source>Write study cards and review them one by one.</source>
        <translation>Twórz fiszki i powtarzaj je jedną po drugiej.</translation>
    </message>
    <message>
        <source>A deck file (.mqd) to open.</source>
        <translation>Plik talii (.mqd) do otwarcia.</translation>
    </message>
    <message>
        <source>Start with a new deck of the cards in LIST, a word list separated by tabs, or by commas when its name ends in .csv.</source>
        <translation>Zacznij od nowej talii z fiszek zapisanych w LIST: liście słówek rozdzielanej tabulatorami albo przecinkami, jeśli jej nazwa kończy się na .csv.</translation>
    </message>
    <message>
        <source>Write the cards of DECK.mqd as a word list separated by tabs, to standard output, and open no window.</source>
        <translation>Wypisz fiszki z DECK.mqd na standardowe wyjście jako listę słówek rozdzielaną tabulatorami, bez otwierania okna.</translation>
    </message>
    <message>
        <source>With --export: write the list to LIST instead, separated by commas when its name ends in .csv.</source>
        <translation>Z --export: zapisz listę do LIST zamiast na standardowe wyjście, rozdzielaną przecinkami, jeśli nazwa kończy się na .csv.</translation>
    </message>
    <message>
        <source>--%1 can be given only once.</source>
        <translation>--%1 można podać tylko raz.</translation>
    </message>
    <message>
        <source>Only one deck can be opened at a time.</source>
        <translation>Naraz można otworzyć tylko jedną talię.</translation>
    </message>
    <message>
        <source>--import and --export cannot be given together.</source>
        <translation>Nie można podać jednocześnie --import i --export.</translation>
    </message>
    <message>
        <source>A deck to open cannot be given with --import or --export.</source>
        <translation>Razem z --import lub --export nie można podać talii do otwarcia.</translation>
    </message>
    <message>
        <source>--output goes with --export only.</source>
        <translation>--output działa tylko z --export.</translation>
    </message>
    <message>
        <source>Could not load the deck from &apos;%1&apos;. Its name does not end in .mqd.</source>
        <translation>Nie można wczytać talii z „%1”. Nazwa nie kończy się na .mqd.</translation>
    </message>
    <message>
        <source>Could not write the list to &apos;%1&apos;. It would replace the deck it is made from.</source>
        <translation>Nie można zapisać listy do „%1”. Zastąpiłaby talię, z której powstaje.</translation>
    </message>
    <message>
        <source>Could not write the list to &apos;%1&apos;. %2</source>
        <translation>Nie można zapisać listy do „%1”. %2</translation>
    </message>
    <message>
        <source>Could not write the list to standard output. %1</source>
        <translation>Nie można wypisać listy na standardowe wyjście. %1</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set). Start it on a desktop, or without one under a virtual display: xvfb-run memoquill</source>
        <translation>nie znaleziono ekranu (zmienna DISPLAY nie jest ustawiona). Uruchom program w środowisku graficznym albo, bez niego, na ekranie wirtualnym: xvfb-run memoquill</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>%1 is the synopsis, &quot;memoquill [--help] ...&quot;, which stays as typed.</extracomment>
        <translation>Użycie: %1</translation>
    </message>
</context>
<context>
    <name>DeckFile</name>
    <message>
        <source>Could not load the deck from &apos;%1&apos;.<byte value="xd"/>
%2</source>
        <translation>Nie można wczytać talii z „%1”.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not save the deck to &apos;%1&apos;.<byte value="xd"/>
%2</source>
        <translation>Nie można zapisać talii w „%1”.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The file is %1 bytes long; a deck file holds at most %2 bytes.</source>
        <translatorcomment>The unit as &quot;B&quot;: the plural of &quot;bajt&quot; depends on the last digits of the number.</translatorcomment>
        <translation>Plik ma %1 B, a plik talii może mieć najwyżej %2 B.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>To jest folder, a nie plik.</translation>
    </message>
    <message>
        <source>It is a named pipe (FIFO), not a file.</source>
        <translation>To jest potok nazwany (FIFO), a nie plik.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>To jest gniazdo, a nie plik.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>To jest urządzenie, a nie plik.</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>Za mało pamięci do odczytu.</translation>
    </message>
    <message>
        <source>The deck in &apos;%1&apos; has more than %2 cards and cannot be loaded.</source>
        <translation>Talia w „%1” ma więcej niż %2 fiszek i nie można jej wczytać.</translation>
    </message>
    <message>
        <source>There is not enough memory to write it.</source>
        <translation>Za mało pamięci do zapisu.</translation>
    </message>
    <message>
        <source>The card &apos;%1&apos; contains the text %2 inside a line, which a deck file cannot hold. Remove it and save again.</source>
        <translation>Fiszka „%1” zawiera tekst %2 w środku wiersza, czego plik talii nie może przechować. Usuń ten tekst i zapisz ponownie.</translation>
    </message>
    <message>
        <source>It is not a Memoquill deck: no card can be read from it.</source>
        <translation>To nie jest talia Memoquill: nie można z tego pliku odczytać żadnej fiszki.</translation>
    </message>
    <message>
        <source>The end of &apos;%1&apos; is not a whole card: its last line was not read, and saving the deck will not keep it.</source>
        <translation>Koniec pliku „%1” nie jest pełną fiszką: nie wczytano ostatniego wiersza, a zapisanie talii go nie zachowa.</translation>
    </message>
    <message>
        <source>The end of &apos;%1&apos; is not a whole card: its last %2 lines were not read, and saving the deck will not keep them.</source>
        <translation>Koniec pliku „%1” nie jest pełną fiszką: nie wczytano ostatnich %2 wierszy, a zapisanie talii ich nie zachowa.</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 już istnieje.
Czy zastąpić ten plik?</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>It is not a folder of this user&apos;s.</source>
        <translation>To nie jest folder tego użytkownika.</translation>
    </message>
    <message>
        <source>Its permissions cannot be set.</source>
        <translation>Nie można ustawić uprawnień folderu.</translation>
    </message>
    <message>
        <source>Unsaved cards cannot be kept in %1: %2</source>
        <translation>Nie można przechować niezapisanych fiszek w %1: %2</translation>
    </message>
    <message>
        <source>Its lock file cannot be made.</source>
        <translation>Nie można utworzyć pliku blokady.</translation>
    </message>
    <message>
        <source>The card &apos;%1&apos; contains the text %2 inside a line.</source>
        <translation>Fiszka „%1” zawiera tekst %2 w środku wiersza.</translation>
    </message>
    <message>
        <source>%1 is a link.</source>
        <translation>%1 jest dowiązaniem symbolicznym.</translation>
    </message>
    <message>
        <source>Removed the damaged recovery file %1: %2</source>
        <translation>Usunięto uszkodzony plik odzyskiwania %1: %2</translation>
    </message>
    <message>
        <source>Its information file cannot be read.</source>
        <translation>Nie można odczytać powiązanego pliku z informacjami.</translation>
    </message>
    <message>
        <source>It is missing or not a file.</source>
        <translation>Nie istnieje lub nie jest plikiem.</translation>
    </message>
    <message>
        <source>It holds no whole deck.</source>
        <translation>Nie zawiera pełnej talii.</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>more cards than a deck holds (%1)</source>
        <translation>więcej fiszek, niż mieści talia (%1)</translation>
    </message>
    <message>
        <source>the name contains %1, which a deck file cannot hold</source>
        <translation>nazwa zawiera %1, czego plik talii nie może przechować</translation>
    </message>
    <message>
        <source>expected 2 or 3 fields separated by commas, found %1</source>
        <translation>oczekiwano 2 lub 3 pól rozdzielonych przecinkami, znaleziono %1</translation>
    </message>
    <message>
        <source>expected 2 or 3 fields separated by tabs, found %1</source>
        <translation>oczekiwano 2 lub 3 pól rozdzielonych tabulatorami, znaleziono %1</translation>
    </message>
    <message>
        <source>a quoted field is not closed by a quote</source>
        <translation>pole w cudzysłowie nie jest zamknięte cudzysłowem</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>Za mało pamięci do odczytu.</translation>
    </message>
</context>
<context>
    <name>memoquill::CardCreate</name>
    <message>
        <source>There currently no cards.  Create a card first by clicking &quot;New Card&quot; or load a Memoquill file<byte value="xd"/>
</source>
        <translation>Obecnie nie ma żadnych fiszek. Najpierw utwórz fiszkę, klikając „Nowa fiszka”, albo otwórz plik Memoquill.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>There currently no cards.  Create a card first <byte value="xd"/>
by clicking &quot;New card&quot;or load a Memoquill file<byte value="xd"/>
</source>
        <translation>Obecnie nie ma żadnych fiszek. Najpierw utwórz fiszkę,<byte value="xd"/>
klikając „Nowa fiszka”, albo otwórz plik Memoquill.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Back text</source>
        <translation>Tekst tyłu</translation>
    </message>
    <message>
        <source>Front text</source>
        <translation>Tekst przodu</translation>
    </message>
    <message>
        <source>Card List</source>
        <translation>Lista fiszek</translation>
    </message>
    <message>
        <source>&amp;Delete Card</source>
        <translation>&amp;Usuń fiszkę</translation>
    </message>
    <message>
        <source>Ne&amp;w Card</source>
        <translation>&amp;Nowa fiszka</translation>
    </message>
    <message>
        <source>The name of the card shown</source>
        <translation>Nazwa wyświetlanej fiszki</translation>
    </message>
    <message>
        <source>Card List</source>
        <comment>caption, 41 pixels wide</comment>
        <translation>Fiszki</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>caption, 25 pixels wide</comment>
        <translation>Tył</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>caption, 25 pixels wide</comment>
        <translatorcomment>&quot;Prz.&quot; is no abbreviation Polish readers know, and &quot;Przód&quot; is a pixel wider than the 25-pixel caption: &quot;Lico&quot; (the face of a card) reads at once beside &quot;Tył&quot;.</translatorcomment>
        <translation>Lico</translation>
    </message>
    <message>
        <source>The cards of the deck; pick one to show and edit it</source>
        <translation>Fiszki z talii; wybierz jedną, aby ją wyświetlić i edytować</translation>
    </message>
    <message>
        <source>The front of the card shown</source>
        <translation>Przód wyświetlanej fiszki</translation>
    </message>
    <message>
        <source>The back of the card shown</source>
        <translation>Tył wyświetlanej fiszki</translation>
    </message>
    <message>
        <source>Adds a card, asking for its name</source>
        <translation>Dodaje fiszkę, pytając o jej nazwę</translation>
    </message>
    <message>
        <source>Deletes the card selected in the card list</source>
        <translation>Usuwa fiszkę zaznaczoną na liście fiszek</translation>
    </message>
    <message>
        <source>Front text scroll bar</source>
        <translation>Pasek przewijania przodu</translation>
    </message>
    <message>
        <source>Back text scroll bar</source>
        <translation>Pasek przewijania tyłu</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Pasek menu</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako…</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Otwórz…</translation>
    </message>
    <message>
        <source>Crash my Computer!</source>
        <translation>Zawieś mi komputer!</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edycja</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Card&amp;Reader</source>
        <translation>Po&amp;wtórz fiszki</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>The deck is full: it cannot hold more than %1 cards.</source>
        <translation>Talia jest pełna: nie może mieć więcej niż %1 fiszek.</translation>
    </message>
    <message>
        <source>New Card</source>
        <translation>Nowa fiszka</translation>
    </message>
    <message>
        <source>Please type the name of the new card</source>
        <translation>Wpisz nazwę nowej fiszki</translation>
    </message>
    <message>
        <source>There is already a card with that name.</source>
        <translation>Fiszka o tej nazwie już istnieje.</translation>
    </message>
    <message>
        <source>Name already in use</source>
        <translation>Nazwa jest już zajęta</translation>
    </message>
    <message>
        <source>There is no card selected</source>
        <translation>Nie zaznaczono żadnej fiszki</translation>
    </message>
    <message>
        <source>Cannot delete what does not exist!</source>
        <translation>Nie można usunąć czegoś, co nie istnieje!</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete &apos;%1&apos;?</source>
        <translation>Czy na pewno usunąć „%1”?</translation>
    </message>
    <message>
        <source>Delete Card?</source>
        <translation>Usunąć fiszkę?</translation>
    </message>
    <message>
        <source>Memofile (.mqd)</source>
        <translation>Plik Memoquill (.mqd)</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Błąd pliku</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Bez tytułu</translation>
    </message>
    <message>
        <source>Are you sure you wish to Load a new project? All unsaved work will be lost.</source>
        <translation>Czy na pewno otworzyć nowy projekt? Cała niezapisana praca zostanie utracona.</translation>
    </message>
    <message>
        <source>Are you sure you wish to start a new project? All unsaved work will be lost.</source>
        <translation>Czy na pewno rozpocząć nowy projekt? Cała niezapisana praca zostanie utracona.</translation>
    </message>
    <message>
        <source>Load New Project</source>
        <translation>Otwieranie nowego projektu</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Nowy projekt</translation>
    </message>
    <message>
        <source>There currently no cards.  Create a card first by clicking &apos;New Card&apos;</source>
        <translation>Obecnie nie ma żadnych fiszek. Najpierw utwórz fiszkę, klikając „Nowa fiszka”.</translation>
    </message>
    <message>
        <source>Invalid file type!</source>
        <translation>Nieprawidłowy typ pliku!</translation>
    </message>
    <message>
        <source>Do you want to save changes to &apos;Untitled&apos;?</source>
        <translation>Czy zapisać zmiany w „Bez tytułu”?</translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <translation>Zapisać zmiany?</translation>
    </message>
    <message>
        <source>Do you want to save changes to &apos;%1&apos;?</source>
        <translation>Czy zapisać zmiany w „%1”?</translation>
    </message>
    <message>
        <source>Programmed by Alder Quimbly<byte value="xd"/>
Tested by Brisk Oddal<byte value="xd"/>
Title concept by Wend</source>
        <translation>Programowanie: Alder Quimbly<byte value="xd"/>
Testy: Brisk Oddal<byte value="xd"/>
Pomysł na tytuł: Wend</translation>
    </message>
    <message>
        <source>Dude! That was really dumb!<byte value="xd"/>
What if that had really crashed your Computer?<byte value="xd"/>
What would you do then?</source>
        <translation>Stary! To było naprawdę głupie!<byte value="xd"/>
A gdyby to naprawdę zawiesiło ci komputer?<byte value="xd"/>
I co wtedy?</translation>
    </message>
    <message>
        <source>What were you thinking?</source>
        <translation>Co ci strzeliło do głowy?</translation>
    </message>
    <message>
        <source>Memoquill was not closed properly. Recover the card of &apos;%1&apos; from %2 that was not saved?</source>
        <translation>Memoquill nie został poprawnie zamknięty. Czy odzyskać niezapisaną fiszkę z talii „%1” (ostatnia zmiana: %2)?</translation>
    </message>
    <message>
        <source>Memoquill was not closed properly. Recover the %1 cards of &apos;%2&apos; from %3 that were not saved?</source>
        <translation>Memoquill nie został poprawnie zamknięty. Czy odzyskać niezapisane fiszki z talii „%2” (liczba fiszek: %1, ostatnia zmiana: %3)?</translation>
    </message>
    <message>
        <source>Recover Cards?</source>
        <translation>Odzyskać fiszki?</translation>
    </message>
</context>
<context>
    <name>memoquill::CardReader</name>
    <message>
        <source>Card text</source>
        <translation>Tekst fiszki</translation>
    </message>
    <message>
        <source>Cards Loaded Press &quot;Next Card&quot; to continue.<byte value="xd"/>
</source>
        <translation>Fiszki wczytane. Kliknij „Następna fiszka”, aby kontynuować.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Show Back First</source>
        <comment>check box, 97 pixels wide</comment>
        <translation>Najpierw tył</translation>
    </message>
    <message>
        <source>Skip First Card</source>
        <comment>check box, 89 pixels wide</comment>
        <translatorcomment>&quot;Pomiń pierwszą fiszkę&quot; is wider than the 89-pixel check box; &quot;Bez 1. fiszki&quot; (without the 1st card) names the card, where &quot;Bez pierwszej&quot; left the reader guessing.</translatorcomment>
        <translation>Bez 1. fiszki</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Następna fiszka</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Odwróć</translation>
    </message>
    <message>
        <source>Random</source>
        <comment>check box, 89 pixels wide</comment>
        <translation>Losowo</translation>
    </message>
    <message>
        <source>The side of the card shown</source>
        <translation>Wyświetlana strona fiszki</translation>
    </message>
    <message>
        <source>Card text scroll bar</source>
        <translation>Pasek przewijania tekstu fiszki</translation>
    </message>
    <message>
        <source>Shows the next card</source>
        <translation>Pokazuje następną fiszkę</translation>
    </message>
    <message>
        <source>Turns the card over</source>
        <translation>Odwraca fiszkę</translation>
    </message>
    <message>
        <source>Picks the next card at random</source>
        <translation>Wybiera następną fiszkę losowo</translation>
    </message>
    <message>
        <source>Leaves the first card out of the review</source>
        <translation>Pomija pierwszą fiszkę podczas powtórki</translation>
    </message>
    <message>
        <source>Shows each card&apos;s back before its front</source>
        <translation>Pokazuje tył każdej fiszki przed jej przodem</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Pasek menu</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako…</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Otwórz…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Card&amp;Create</source>
        <translation>&amp;Utwórz fiszki</translation>
    </message>
</context>
</TS>
