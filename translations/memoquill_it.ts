<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CommandLine</name>
    <message>
        <source>Write study cards and review them one by one.</source>
        <translation>Scrivi le tue carte di studio e ripassale una alla volta.</translation>
    </message>
    <message>
        <source>A deck file (.mqd) to open.</source>
        <translation>Un file di mazzo (.mqd) da aprire.</translation>
    </message>
    <message>
        <source>Start with a new deck of the cards in LIST, a word list separated by tabs, or by commas when its name ends in .csv.</source>
        <translation>Inizia con un nuovo mazzo formato dalle carte di LIST, un elenco di parole separate da tabulazioni, o da virgole se il nome termina in .csv.</translation>
    </message>
    <message>
        <source>Write the cards of DECK.mqd as a word list separated by tabs, to standard output, and open no window.</source>
        <translation>Scrivi le carte di DECK.mqd sullo standard output come elenco di parole separate da tabulazioni, senza aprire finestre.</translation>
    </message>
    <message>
        <source>With --export: write the list to LIST instead, separated by commas when its name ends in .csv.</source>
        <translation>Con --export: scrivi l’elenco in LIST anziché sullo standard output, separato da virgole se il nome termina in .csv.</translation>
    </message>
    <message>
        <source>--%1 can be given only once.</source>
        <translation>--%1 può essere indicato una sola volta.</translation>
    </message>
    <message>
        <source>Only one deck can be opened at a time.</source>
        <translation>Si può aprire un solo mazzo alla volta.</translation>
    </message>
    <message>
        <source>--import and --export cannot be given together.</source>
        <translation>--import e --export non possono essere usati insieme.</translation>
    </message>
    <message>
        <source>A deck to open cannot be given with --import or --export.</source>
        <translation>Con --import o --export non si può indicare un mazzo da aprire.</translation>
    </message>
    <message>
        <source>--output goes with --export only.</source>
        <translation>--output si usa solo con --export.</translation>
    </message>
    <message>
        <source>Could not load the deck from &apos;%1&apos;. Its name does not end in .mqd.</source>
        <translation>Impossibile caricare il mazzo da «%1». Il nome non termina in .mqd.</translation>
    </message>
    <message>
        <source>Could not write the list to &apos;%1&apos;. It would replace the deck it is made from.</source>
        <translation>Impossibile scrivere l’elenco in «%1». Sostituirebbe il mazzo da cui è tratto.</translation>
    </message>
    <message>
        <source>Could not write the list to &apos;%1&apos;. %2</source>
        <translation>Impossibile scrivere l’elenco in «%1». %2</translation>
    </message>
    <message>
        <source>Could not write the list to standard output. %1</source>
        <translation>Impossibile scrivere l’elenco sullo standard output. %1</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set). Start it on a desktop, or without one under a virtual display: xvfb-run memoquill</source>
        <translation>nessun display trovato (la variabile DISPLAY non è impostata). Avvia il programma da un desktop o, senza desktop, in un display virtuale: xvfb-run memoquill</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>%1 is the synopsis, &quot;memoquill [--help] ...&quot;, which stays as typed.</extracomment>
        <translation>Uso: %1</translation>
    </message>
</context>
<context>
    <name>DeckFile</name>
    <message>
        <source>Could not load the deck from &apos;%1&apos;.<byte value="xd"/>
%2</source>
        <translation>Impossibile caricare il mazzo da «%1».<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not save the deck to &apos;%1&apos;.<byte value="xd"/>
%2</source>
        <translation>Impossibile salvare il mazzo in «%1».<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The file is %1 bytes long; a deck file holds at most %2 bytes.</source>
        <translation>Il file è di %1 byte; un file di mazzo può essere al massimo di %2 byte.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>È una cartella, non un file.</translation>
    </message>
    <message>
        <source>It is a named pipe (FIFO), not a file.</source>
        <translation>È una pipe con nome (FIFO), non un file.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>È un socket, non un file.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>È un dispositivo, non un file.</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>Memoria insufficiente per leggerlo.</translation>
    </message>
    <message>
        <source>The deck in &apos;%1&apos; has more than %2 cards and cannot be loaded.</source>
        <translation>Il mazzo in «%1» ha più di %2 carte e non può essere caricato.</translation>
    </message>
    <message>
        <source>There is not enough memory to write it.</source>
        <translation>Memoria insufficiente per scriverlo.</translation>
    </message>
    <message>
        <source>The card &apos;%1&apos; contains the text %2 inside a line, which a deck file cannot hold. Remove it and save again.</source>
        <translation>La carta «%1» contiene il testo %2 all’interno di una riga, cosa che un file di mazzo non può contenere. Rimuovilo e salva di nuovo.</translation>
    </message>
    <message>
        <source>It is not a Memoquill deck: no card can be read from it.</source>
        <translation>Non è un mazzo Memoquill: non è possibile leggerne alcuna carta.</translation>
    </message>
    <message>
        <source>The end of &apos;%1&apos; is not a whole card: its last line was not read, and saving the deck will not keep it.</source>
        <translation>La fine di «%1» non è una carta completa: l’ultima riga non è stata letta e, salvando il mazzo, non verrà conservata.</translation>
    </message>
    <message>
        <source>The end of &apos;%1&apos; is not a whole card: its last %2 lines were not read, and saving the deck will not keep them.</source>
        <translation>La fine di «%1» non è una carta completa: le ultime %2 righe non sono state lette e, salvando il mazzo, non verranno conservate.</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Vuoi sostituirlo?</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>It is not a folder of this user&apos;s.</source>
        <translation>Non è una cartella di proprietà di questo utente.</translation>
    </message>
    <message>
        <source>Its permissions cannot be set.</source>
        <translation>Impossibile impostare i permessi della cartella.</translation>
    </message>
    <message>
        <source>Unsaved cards cannot be kept in %1: %2</source>
        <translation>Impossibile conservare le carte non salvate in %1: %2</translation>
    </message>
    <message>
        <source>Its lock file cannot be made.</source>
        <translation>Impossibile creare il file di blocco.</translation>
    </message>
    <message>
        <source>The card &apos;%1&apos; contains the text %2 inside a line.</source>
        <translation>La carta «%1» contiene il testo %2 all’interno di una riga.</translation>
    </message>
    <message>
        <source>%1 is a link.</source>
        <translation>%1 è un collegamento simbolico.</translation>
    </message>
    <message>
        <source>Removed the damaged recovery file %1: %2</source>
        <translation>Rimosso il file di recupero danneggiato %1: %2</translation>
    </message>
    <message>
        <source>Its information file cannot be read.</source>
        <translation>Impossibile leggere il suo file di informazioni.</translation>
    </message>
    <message>
        <source>It is missing or not a file.</source>
        <translation>Non esiste o non è un file.</translation>
    </message>
    <message>
        <source>It holds no whole deck.</source>
        <translation>Non contiene un mazzo completo.</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>more cards than a deck holds (%1)</source>
        <translation>più carte di quante ne possa contenere un mazzo (%1)</translation>
    </message>
    <message>
        <source>the name contains %1, which a deck file cannot hold</source>
        <translation>il nome contiene %1, che un file di mazzo non può contenere</translation>
    </message>
    <message>
        <source>expected 2 or 3 fields separated by commas, found %1</source>
        <translation>attesi 2 o 3 campi separati da virgole, trovati %1</translation>
    </message>
    <message>
        <source>expected 2 or 3 fields separated by tabs, found %1</source>
        <translation>attesi 2 o 3 campi separati da tabulazioni, trovati %1</translation>
    </message>
    <message>
        <source>a quoted field is not closed by a quote</source>
        <translation>un campo tra virgolette non ha le virgolette di chiusura</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>Memoria insufficiente per leggerlo.</translation>
    </message>
</context>
<context>
    <name>memoquill::CardCreate</name>
    <message>
        <source>There currently no cards.  Create a card first by clicking &quot;New Card&quot; or load a Memoquill file<byte value="xd"/>
</source>
        <translation>Al momento non ci sono carte. Crea prima una carta facendo clic su «Nuova carta» oppure apri un file Memoquill.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>There currently no cards.  Create a card first <byte value="xd"/>
by clicking &quot;New card&quot;or load a Memoquill file<byte value="xd"/>
</source>
        <translation>Al momento non ci sono carte. Crea prima una carta<byte value="xd"/>
facendo clic su «Nuova carta» oppure apri un file Memoquill.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Back text</source>
        <translation>Testo del retro</translation>
    </message>
    <message>
        <source>Front text</source>
        <translation>Testo del fronte</translation>
    </message>
    <message>
        <source>Card List</source>
        <translation>Elenco delle carte</translation>
    </message>
    <message>
        <source>&amp;Delete Card</source>
        <translation>&amp;Elimina carta</translation>
    </message>
    <message>
        <source>Ne&amp;w Card</source>
        <translation>&amp;Nuova carta</translation>
    </message>
    <message>
        <source>The name of the card shown</source>
        <translation>Il nome della carta mostrata</translation>
    </message>
    <message>
        <source>Card List</source>
        <comment>caption, 41 pixels wide</comment>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>caption, 25 pixels wide</comment>
        <translation>Retro</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>caption, 25 pixels wide</comment>
        <translatorcomment>&quot;Fronte&quot; is wider than the 25-pixel caption; shortened, beside the full &quot;Retro&quot;.</translatorcomment>
        <translation>Fron.</translation>
    </message>
    <message>
        <source>The cards of the deck; pick one to show and edit it</source>
        <translation>Le carte del mazzo; scegline una per vederla e modificarla</translation>
    </message>
    <message>
        <source>The front of the card shown</source>
        <translation>Il fronte della carta mostrata</translation>
    </message>
    <message>
        <source>The back of the card shown</source>
        <translation>Il retro della carta mostrata</translation>
    </message>
    <message>
        <source>Adds a card, asking for its name</source>
        <translation>Aggiunge una carta, chiedendone il nome</translation>
    </message>
    <message>
        <source>Deletes the card selected in the card list</source>
        <translation>Elimina la carta selezionata nell’elenco delle carte</translation>
    </message>
    <message>
        <source>Front text scroll bar</source>
        <translation>Barra di scorrimento del fronte</translation>
    </message>
    <message>
        <source>Back text scroll bar</source>
        <translation>Barra di scorrimento del retro</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra dei menu</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva come…</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Apri…</translation>
    </message>
    <message>
        <source>Crash my Computer!</source>
        <translation>Manda in tilt il mio computer!</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Card&amp;Reader</source>
        <translation>&amp;Ripassa carte</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>The deck is full: it cannot hold more than %1 cards.</source>
        <translation>Il mazzo è pieno: non può contenere più di %1 carte.</translation>
    </message>
    <message>
        <source>New Card</source>
        <translation>Nuova carta</translation>
    </message>
    <message>
        <source>Please type the name of the new card</source>
        <translation>Digita il nome della nuova carta</translation>
    </message>
    <message>
        <source>There is already a card with that name.</source>
        <translation>Esiste già una carta con questo nome.</translation>
    </message>
    <message>
        <source>Name already in use</source>
        <translation>Nome già in uso</translation>
    </message>
    <message>
        <source>There is no card selected</source>
        <translation>Nessuna carta selezionata</translation>
    </message>
    <message>
        <source>Cannot delete what does not exist!</source>
        <translation>Non si può eliminare ciò che non esiste!</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete &apos;%1&apos;?</source>
        <translation>Vuoi davvero eliminare «%1»?</translation>
    </message>
    <message>
        <source>Delete Card?</source>
        <translation>Eliminare la carta?</translation>
    </message>
    <message>
        <source>Memofile (.mqd)</source>
        <translation>File Memoquill (.mqd)</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Errore di file</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>Are you sure you wish to Load a new project? All unsaved work will be lost.</source>
        <translation>Vuoi davvero aprire un nuovo progetto? Tutto il lavoro non salvato andrà perso.</translation>
    </message>
    <message>
        <source>Are you sure you wish to start a new project? All unsaved work will be lost.</source>
        <translation>Vuoi davvero iniziare un nuovo progetto? Tutto il lavoro non salvato andrà perso.</translation>
    </message>
    <message>
        <source>Load New Project</source>
        <translation>Apri nuovo progetto</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Nuovo progetto</translation>
    </message>
    <message>
        <source>There currently no cards.  Create a card first by clicking &apos;New Card&apos;</source>
        <translation>Al momento non ci sono carte. Crea prima una carta facendo clic su «Nuova carta».</translation>
    </message>
    <message>
        <source>Invalid file type!</source>
        <translation>Tipo di file non valido!</translation>
    </message>
    <message>
        <source>Do you want to save changes to &apos;Untitled&apos;?</source>
        <translation>Vuoi salvare le modifiche a «Senza titolo»?</translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <translation>Salvare le modifiche?</translation>
    </message>
    <message>
        <source>Do you want to save changes to &apos;%1&apos;?</source>
        <translation>Vuoi salvare le modifiche a «%1»?</translation>
    </message>
    <message>
        <source>Programmed by Alder Quimbly<byte value="xd"/>
Tested by Brisk Oddal<byte value="xd"/>
Title concept by Wend</source>
        <translation>Programmato da Alder Quimbly<byte value="xd"/>
Testato da Brisk Oddal<byte value="xd"/>
Idea del titolo di Wend</translation>
    </message>
    <message>
        <source>Dude! That was really dumb!<byte value="xd"/>
What if that had really crashed your Computer?<byte value="xd"/>
What would you do then?</source>
        <translation>Ehi, amico! Questa è stata proprio una stupidata!<byte value="xd"/>
E se il tuo computer fosse andato in tilt sul serio?<byte value="xd"/>
E poi che avresti fatto?</translation>
    </message>
    <message>
        <source>What were you thinking?</source>
        <translation>Ma che ti è saltato in mente?</translation>
    </message>
    <message>
        <source>Memoquill was not closed properly. Recover the card of &apos;%1&apos; from %2 that was not saved?</source>
        <translation>Memoquill non è stato chiuso correttamente. Vuoi recuperare la carta non salvata di «%1» (ultima modifica: %2)?</translation>
    </message>
    <message>
        <source>Memoquill was not closed properly. Recover the %1 cards of &apos;%2&apos; from %3 that were not saved?</source>
        <translation>Memoquill non è stato chiuso correttamente. Vuoi recuperare le %1 carte non salvate di «%2» (ultima modifica: %3)?</translation>
    </message>
    <message>
        <source>Recover Cards?</source>
        <translation>Recuperare le carte?</translation>
    </message>
</context>
<context>
    <name>memoquill::CardReader</name>
    <message>
        <source>Card text</source>
        <translation>Testo della carta</translation>
    </message>
    <message>
        <source>Cards Loaded Press &quot;Next Card&quot; to continue.<byte value="xd"/>
</source>
        <translation>Carte caricate. Premi «Carta successiva» per continuare.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Show Back First</source>
        <comment>check box, 97 pixels wide</comment>
        <translation>Prima il retro</translation>
    </message>
    <message>
        <source>Skip First Card</source>
        <comment>check box, 89 pixels wide</comment>
        <translatorcomment>&quot;Salta la prima carta&quot; is wider than the 89-pixel check box; &quot;1ª&quot; keeps the word &quot;carta&quot; and no longer reads like &quot;Prima il retro&quot; below it; without the article it fits the check box.</translatorcomment>
        <translation>Salta 1ª carta</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Carta successiva</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Gira</translation>
    </message>
    <message>
        <source>Random</source>
        <comment>check box, 89 pixels wide</comment>
        <translation>Casuale</translation>
    </message>
    <message>
        <source>The side of the card shown</source>
        <translation>Il lato mostrato della carta</translation>
    </message>
    <message>
        <source>Card text scroll bar</source>
        <translation>Barra di scorrimento del testo della carta</translation>
    </message>
    <message>
        <source>Shows the next card</source>
        <translation>Mostra la carta successiva</translation>
    </message>
    <message>
        <source>Turns the card over</source>
        <translation>Gira la carta</translation>
    </message>
    <message>
        <source>Picks the next card at random</source>
        <translation>Sceglie a caso la carta successiva</translation>
    </message>
    <message>
        <source>Leaves the first card out of the review</source>
        <translation>Esclude la prima carta dal ripasso</translation>
    </message>
    <message>
        <source>Shows each card&apos;s back before its front</source>
        <translation>Mostra il retro di ogni carta prima del fronte</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra dei menu</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva come…</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Apri…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Card&amp;Create</source>
        <translation>&amp;Crea carte</translation>
    </message>
</context>
</TS>
