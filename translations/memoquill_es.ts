<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <source>Write study cards and review them one by one.</source>
        <translation>Escribir tarjetas de estudio y repasarlas una a una.</translation>
    </message>
    <message>
        <source>A deck file (.mqd) to open.</source>
        <translation>Un archivo de mazo (.mqd) que abrir.</translation>
    </message>
    <message>
        <source>Start with a new deck of the cards in LIST, a word list separated by tabs, or by commas when its name ends in .csv.</source>
        <translation>Empezar con un mazo nuevo con las tarjetas de LIST, una lista de palabras separadas por tabuladores, o por comas si su nombre termina en .csv.</translation>
    </message>
    <message>
        <source>Write the cards of DECK.mqd as a word list separated by tabs, to standard output, and open no window.</source>
        <translation>Escribir las tarjetas de DECK.mqd como lista de palabras separadas por tabuladores en la salida estándar, sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <source>With --export: write the list to LIST instead, separated by commas when its name ends in .csv.</source>
        <translation>Con --export: escribir la lista en LIST en lugar de en la salida estándar, separada por comas si su nombre termina en .csv.</translation>
    </message>
    <message>
        <source>--%1 can be given only once.</source>
        <translation>--%1 solo se puede indicar una vez.</translation>
    </message>
    <message>
        <source>Only one deck can be opened at a time.</source>
        <translation>Solo se puede abrir un mazo a la vez.</translation>
    </message>
    <message>
        <source>--import and --export cannot be given together.</source>
        <translation>--import y --export no se pueden indicar juntos.</translation>
    </message>
    <message>
        <source>A deck to open cannot be given with --import or --export.</source>
        <translation>No se puede indicar un mazo que abrir junto con --import o --export.</translation>
    </message>
    <message>
        <source>--output goes with --export only.</source>
        <translation>--output solo va con --export.</translation>
    </message>
    <message>
        <source>Could not load the deck from &apos;%1&apos;. Its name does not end in .mqd.</source>
        <translation>No se pudo cargar el mazo de «%1». Su nombre no termina en .mqd.</translation>
    </message>
    <message>
        <source>Could not write the list to &apos;%1&apos;. It would replace the deck it is made from.</source>
        <translation>No se pudo escribir la lista en «%1». Reemplazaría el mazo del que se obtiene.</translation>
    </message>
    <message>
        <source>Could not write the list to &apos;%1&apos;. %2</source>
        <translation>No se pudo escribir la lista en «%1». %2</translation>
    </message>
    <message>
        <source>Could not write the list to standard output. %1</source>
        <translation>No se pudo escribir la lista en la salida estándar. %1</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set). Start it on a desktop, or without one under a virtual display: xvfb-run memoquill</source>
        <translation>no se encontró ninguna pantalla (DISPLAY no está definida). Inicia el programa en un escritorio o, sin escritorio, en una pantalla virtual: xvfb-run memoquill</translation>
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
        <translation>No se pudo cargar el mazo de «%1».<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not save the deck to &apos;%1&apos;.<byte value="xd"/>
%2</source>
        <translation>No se pudo guardar el mazo en «%1».<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The file is %1 bytes long; a deck file holds at most %2 bytes.</source>
        <translation>El archivo ocupa %1 bytes; un archivo de mazo ocupa como máximo %2 bytes.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>It is a named pipe (FIFO), not a file.</source>
        <translation>Es una tubería con nombre (FIFO), no un archivo.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>Es un socket, no un archivo.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>Es un dispositivo, no un archivo.</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>No hay memoria suficiente para leerlo.</translation>
    </message>
    <message>
        <source>The deck in &apos;%1&apos; has more than %2 cards and cannot be loaded.</source>
        <translation>El mazo de «%1» tiene más de %2 tarjetas y no se puede cargar.</translation>
    </message>
    <message>
        <source>There is not enough memory to write it.</source>
        <translation>No hay memoria suficiente para escribirlo.</translation>
    </message>
    <message>
        <source>The card &apos;%1&apos; contains the text %2 inside a line, which a deck file cannot hold. Remove it and save again.</source>
        <translation>La tarjeta «%1» contiene el texto %2 dentro de una línea, algo que un archivo de mazo no puede guardar. Quítalo y vuelve a guardar.</translation>
    </message>
    <message>
        <source>It is not a Memoquill deck: no card can be read from it.</source>
        <translation>No es un mazo de Memoquill: no se puede leer ninguna tarjeta de él.</translation>
    </message>
    <message>
        <source>The end of &apos;%1&apos; is not a whole card: its last line was not read, and saving the deck will not keep it.</source>
        <translation>El final de «%1» no es una tarjeta completa: su última línea no se leyó, y al guardar el mazo no se conservará.</translation>
    </message>
    <message>
        <source>The end of &apos;%1&apos; is not a whole card: its last %2 lines were not read, and saving the deck will not keep them.</source>
        <translation>El final de «%1» no es una tarjeta completa: sus últimas %2 líneas no se leyeron, y al guardar el mazo no se conservarán.</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Quieres reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>It is not a folder of this user&apos;s.</source>
        <translation>No es una carpeta de este usuario.</translation>
    </message>
    <message>
        <source>Its permissions cannot be set.</source>
        <translation>No se pueden establecer sus permisos.</translation>
    </message>
    <message>
        <source>Unsaved cards cannot be kept in %1: %2</source>
        <translation>No se pueden conservar las tarjetas sin guardar en %1: %2</translation>
    </message>
    <message>
        <source>Its lock file cannot be made.</source>
        <translation>No se puede crear su archivo de bloqueo.</translation>
    </message>
    <message>
        <source>The card &apos;%1&apos; contains the text %2 inside a line.</source>
        <translation>La tarjeta «%1» contiene el texto %2 en medio de una línea.</translation>
    </message>
    <message>
        <source>%1 is a link.</source>
        <translation>%1 es un enlace.</translation>
    </message>
    <message>
        <source>Removed the damaged recovery file %1: %2</source>
        <translation>Se eliminó el archivo de recuperación dañado %1: %2</translation>
    </message>
    <message>
        <source>Its information file cannot be read.</source>
        <translation>No se puede leer su archivo de información.</translation>
    </message>
    <message>
        <source>It is missing or not a file.</source>
        <translation>Falta o no es un archivo.</translation>
    </message>
    <message>
        <source>It holds no whole deck.</source>
        <translation>No contiene un mazo completo.</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>more cards than a deck holds (%1)</source>
        <translation>más tarjetas de las que caben en un mazo (%1)</translation>
    </message>
    <message>
        <source>the name contains %1, which a deck file cannot hold</source>
        <translation>el nombre contiene %1, que un archivo de mazo no puede guardar</translation>
    </message>
    <message>
        <source>expected 2 or 3 fields separated by commas, found %1</source>
        <translation>se esperaban 2 o 3 campos separados por comas, hay %1</translation>
    </message>
    <message>
        <source>expected 2 or 3 fields separated by tabs, found %1</source>
        <translation>se esperaban 2 o 3 campos separados por tabuladores, hay %1</translation>
    </message>
    <message>
        <source>a quoted field is not closed by a quote</source>
        <translation>un campo entre comillas no se cierra con comillas</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>No hay memoria suficiente para leerlo.</translation>
    </message>
</context>
<context>
    <name>memoquill::CardCreate</name>
    <message>
        <source>There currently no cards.  Create a card first by clicking &quot;New Card&quot; or load a Memoquill file<byte value="xd"/>
</source>
        <translation>De momento no hay tarjetas. Crea primero una tarjeta con «Nueva tarjeta» o abre un archivo de Memoquill.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>There currently no cards.  Create a card first <byte value="xd"/>
by clicking &quot;New card&quot;or load a Memoquill file<byte value="xd"/>
</source>
        <translation>De momento no hay tarjetas. Crea primero una tarjeta<byte value="xd"/>
con «Nueva tarjeta» o abre un archivo de Memoquill.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Back text</source>
        <translation>Texto del reverso</translation>
    </message>
    <message>
        <source>Front text</source>
        <translation>Texto del anverso</translation>
    </message>
    <message>
        <source>Card List</source>
        <translation>Lista de tarjetas</translation>
    </message>
    <message>
        <source>&amp;Delete Card</source>
        <translation>E&amp;liminar tarjeta</translation>
    </message>
    <message>
        <source>Ne&amp;w Card</source>
        <translation>&amp;Nueva tarjeta</translation>
    </message>
    <message>
        <source>The name of the card shown</source>
        <translation>El nombre de la tarjeta mostrada</translation>
    </message>
    <message>
        <source>Card List</source>
        <comment>caption, 41 pixels wide</comment>
        <translatorcomment>“Lista de tarjetas” does not fit 41 pixels; the list below shows what the cards are.</translatorcomment>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>caption, 25 pixels wide</comment>
        <translatorcomment>“Reverso” does not fit 25 pixels; “Anv.” and “Rev.” are the usual short forms of anverso and reverso, read at once as a pair.</translatorcomment>
        <translation>Rev.</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>caption, 25 pixels wide</comment>
        <translatorcomment>“Anverso” does not fit 25 pixels; “Anv.” and “Rev.” are the usual short forms of anverso and reverso, read at once as a pair.</translatorcomment>
        <translation>Anv.</translation>
    </message>
    <message>
        <source>The cards of the deck; pick one to show and edit it</source>
        <translation>Las tarjetas del mazo; elige una para verla y editarla</translation>
    </message>
    <message>
        <source>The front of the card shown</source>
        <translation>El anverso de la tarjeta mostrada</translation>
    </message>
    <message>
        <source>The back of the card shown</source>
        <translation>El reverso de la tarjeta mostrada</translation>
    </message>
    <message>
        <source>Adds a card, asking for its name</source>
        <translation>Añade una tarjeta y pide su nombre</translation>
    </message>
    <message>
        <source>Deletes the card selected in the card list</source>
        <translation>Elimina la tarjeta seleccionada en la lista de tarjetas</translation>
    </message>
    <message>
        <source>Front text scroll bar</source>
        <translation>Barra de desplazamiento del anverso</translation>
    </message>
    <message>
        <source>Back text scroll bar</source>
        <translation>Barra de desplazamiento del reverso</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Crash my Computer!</source>
        <translation>¡Colgar mi ordenador!</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Card&amp;Reader</source>
        <translation>&amp;Repasar tarjetas</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>The deck is full: it cannot hold more than %1 cards.</source>
        <translation>El mazo está lleno: no puede tener más de %1 tarjetas.</translation>
    </message>
    <message>
        <source>New Card</source>
        <translation>Nueva tarjeta</translation>
    </message>
    <message>
        <source>Please type the name of the new card</source>
        <translation>Escribe el nombre de la nueva tarjeta</translation>
    </message>
    <message>
        <source>There is already a card with that name.</source>
        <translation>Ya hay una tarjeta con ese nombre.</translation>
    </message>
    <message>
        <source>Name already in use</source>
        <translation>Nombre ya en uso</translation>
    </message>
    <message>
        <source>There is no card selected</source>
        <translation>No hay ninguna tarjeta seleccionada</translation>
    </message>
    <message>
        <source>Cannot delete what does not exist!</source>
        <translation>¡No se puede eliminar lo que no existe!</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete &apos;%1&apos;?</source>
        <translation>¿Seguro que quieres eliminar «%1»?</translation>
    </message>
    <message>
        <source>Delete Card?</source>
        <translation>¿Eliminar la tarjeta?</translation>
    </message>
    <message>
        <source>Memofile (.mqd)</source>
        <translation>Archivo de Memoquill (.mqd)</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Error de archivo</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Are you sure you wish to Load a new project? All unsaved work will be lost.</source>
        <translation>¿Seguro que quieres abrir un proyecto nuevo? Se perderá todo el trabajo sin guardar.</translation>
    </message>
    <message>
        <source>Are you sure you wish to start a new project? All unsaved work will be lost.</source>
        <translation>¿Seguro que quieres empezar un proyecto nuevo? Se perderá todo el trabajo sin guardar.</translation>
    </message>
    <message>
        <source>Load New Project</source>
        <translation>Abrir un proyecto nuevo</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Proyecto nuevo</translation>
    </message>
    <message>
        <source>There currently no cards.  Create a card first by clicking &apos;New Card&apos;</source>
        <translation>De momento no hay tarjetas. Crea primero una tarjeta con «Nueva tarjeta».</translation>
    </message>
    <message>
        <source>Invalid file type!</source>
        <translation>¡Tipo de archivo no válido!</translation>
    </message>
    <message>
        <source>Do you want to save changes to &apos;Untitled&apos;?</source>
        <translation>¿Quieres guardar los cambios de «Sin título»?</translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <translation>¿Guardar los cambios?</translation>
    </message>
    <message>
        <source>Do you want to save changes to &apos;%1&apos;?</source>
        <translation>¿Quieres guardar los cambios de «%1»?</translation>
    </message>
    <message>
        <source>Programmed by Alder Quimbly<byte value="xd"/>
Tested by Brisk Oddal<byte value="xd"/>
Title concept by Wend</source>
        <translation>Programado por Alder Quimbly<byte value="xd"/>
Probado por Brisk Oddal<byte value="xd"/>
Idea del título: Wend</translation>
    </message>
    <message>
        <source>Dude! That was really dumb!<byte value="xd"/>
What if that had really crashed your Computer?<byte value="xd"/>
What would you do then?</source>
        <translation>¡Tío! ¡Eso ha sido una tontería!<byte value="xd"/>
¿Y si de verdad se hubiera colgado tu ordenador?<byte value="xd"/>
¿Qué harías entonces?</translation>
    </message>
    <message>
        <source>What were you thinking?</source>
        <translation>¿En qué estabas pensando?</translation>
    </message>
    <message>
        <source>Memoquill was not closed properly. Recover the card of &apos;%1&apos; from %2 that was not saved?</source>
        <translation>Memoquill no se cerró correctamente. ¿Recuperar la tarjeta sin guardar de «%1» de las %2?</translation>
    </message>
    <message>
        <source>Memoquill was not closed properly. Recover the %1 cards of &apos;%2&apos; from %3 that were not saved?</source>
        <translation>Memoquill no se cerró correctamente. ¿Recuperar las %1 tarjetas sin guardar de «%2» de las %3?</translation>
    </message>
    <message>
        <source>Recover Cards?</source>
        <translation>¿Recuperar tarjetas?</translation>
    </message>
</context>
<context>
    <name>memoquill::CardReader</name>
    <message>
        <source>Card text</source>
        <translation>Texto de la tarjeta</translation>
    </message>
    <message>
        <source>Cards Loaded Press &quot;Next Card&quot; to continue.<byte value="xd"/>
</source>
        <translation>Tarjetas cargadas. Pulsa «Siguiente tarjeta» para continuar.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Show Back First</source>
        <comment>check box, 97 pixels wide</comment>
        <translation>Reverso primero</translation>
    </message>
    <message>
        <source>Skip First Card</source>
        <comment>check box, 89 pixels wide</comment>
        <translatorcomment>“Omitir la primera tarjeta” does not fit 89 pixels; “1.ª” is the standard Spanish short form of “primera”, where “la tarjeta 1” read as a card named 1.</translatorcomment>
        <translation>Omitir la 1.ª</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Siguiente tarjeta</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Dar la vuelta</translation>
    </message>
    <message>
        <source>Random</source>
        <comment>check box, 89 pixels wide</comment>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>The side of the card shown</source>
        <translation>La cara de la tarjeta que se muestra</translation>
    </message>
    <message>
        <source>Card text scroll bar</source>
        <translation>Barra de desplazamiento del texto de la tarjeta</translation>
    </message>
    <message>
        <source>Shows the next card</source>
        <translation>Muestra la siguiente tarjeta</translation>
    </message>
    <message>
        <source>Turns the card over</source>
        <translation>Da la vuelta a la tarjeta</translation>
    </message>
    <message>
        <source>Picks the next card at random</source>
        <translation>Elige la siguiente tarjeta al azar</translation>
    </message>
    <message>
        <source>Leaves the first card out of the review</source>
        <translation>Deja la primera tarjeta fuera del repaso</translation>
    </message>
    <message>
        <source>Shows each card&apos;s back before its front</source>
        <translation>Muestra el reverso de cada tarjeta antes que el anverso</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Card&amp;Create</source>
        <translation>&amp;Crear tarjetas</translation>
    </message>
</context>
</TS>
