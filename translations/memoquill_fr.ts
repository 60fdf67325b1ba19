<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Write study cards and review them one by one.</source>
        <translation>Rédiger des cartes de révision et les revoir une à une.</translation>
    </message>
    <message>
        <source>A deck file (.mqd) to open.</source>
        <translation>Un fichier de cartes (.mqd) à ouvrir.</translation>
    </message>
    <message>
        <source>Start with a new deck of the cards in LIST, a word list separated by tabs, or by commas when its name ends in .csv.</source>
        <translation>Commencer avec un nouveau paquet fait des cartes de LIST, une liste de mots séparés par des tabulations, ou par des virgules si son nom se termine par .csv.</translation>
    </message>
    <message>
        <source>Write the cards of DECK.mqd as a word list separated by tabs, to standard output, and open no window.</source>
        <translation>Écrire les cartes de DECK.mqd en liste de mots séparés par des tabulations sur la sortie standard, sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>With --export: write the list to LIST instead, separated by commas when its name ends in .csv.</source>
        <translation>Avec --export&#xa0;: écrire plutôt la liste dans LIST, séparée par des virgules si son nom se termine par .csv.</translation>
    </message>
    <message>
        <source>--%1 can be given only once.</source>
        <translation>--%1 ne peut être donné qu’une seule fois.</translation>
    </message>
    <message>
        <source>Only one deck can be opened at a time.</source>
        <translation>Un seul paquet peut être ouvert à la fois.</translation>
    </message>
    <message>
        <source>--import and --export cannot be given together.</source>
        <translation>--import et --export ne peuvent pas être donnés ensemble.</translation>
    </message>
    <message>
        <source>A deck to open cannot be given with --import or --export.</source>
        <translation>Aucun paquet à ouvrir ne peut être donné avec --import ou --export.</translation>
    </message>
    <message>
        <source>--output goes with --export only.</source>
        <translation>--output ne s’emploie qu’avec --export.</translation>
    </message>
    <message>
        <source>Could not load the deck from &apos;%1&apos;. Its name does not end in .mqd.</source>
        <translation>Impossible de charger le paquet depuis «&#xa0;%1&#xa0;». Son nom ne se termine pas par .mqd.</translation>
    </message>
    <message>
        <source>Could not write the list to &apos;%1&apos;. It would replace the deck it is made from.</source>
        <translation>Impossible d’écrire la liste dans «&#xa0;%1&#xa0;». Elle remplacerait le paquet dont elle est issue.</translation>
    </message>
    <message>
        <source>Could not write the list to &apos;%1&apos;. %2</source>
        <translation>Impossible d’écrire la liste dans «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Could not write the list to standard output. %1</source>
        <translation>Impossible d’écrire la liste sur la sortie standard. %1</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set). Start it on a desktop, or without one under a virtual display: xvfb-run memoquill</source>
        <translation>aucun affichage trouvé (DISPLAY n’est pas défini). Lancez le programme sur un bureau, ou sans bureau sous un affichage virtuel&#xa0;: xvfb-run memoquill</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>%1 is the synopsis, &quot;memoquill [--help] ...&quot;, which stays as typed.</extracomment>
        <translation>Utilisation : %1</translation>
    </message>
</context>
<context>
    <name>DeckFile</name>
    <message>
        <source>Could not load the deck from &apos;%1&apos;.<byte value="xd"/>
%2</source>
        <translation>Impossible de charger le paquet depuis «&#xa0;%1&#xa0;».<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not save the deck to &apos;%1&apos;.<byte value="xd"/>
%2</source>
        <translation>Impossible d’enregistrer le paquet dans «&#xa0;%1&#xa0;».<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The file is %1 bytes long; a deck file holds at most %2 bytes.</source>
        <translation>Le fichier fait %1 octets&#xa0;; un fichier de cartes en fait au plus %2.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C’est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>It is a named pipe (FIFO), not a file.</source>
        <translation>C’est un tube nommé (FIFO), pas un fichier.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>C’est un socket, pas un fichier.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>C’est un périphérique, pas un fichier.</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>Il n’y a pas assez de mémoire pour le lire.</translation>
    </message>
    <message>
        <source>The deck in &apos;%1&apos; has more than %2 cards and cannot be loaded.</source>
        <translation>Le paquet de «&#xa0;%1&#xa0;» compte plus de %2 cartes et ne peut pas être chargé.</translation>
    </message>
    <message>
        <source>There is not enough memory to write it.</source>
        <translation>Il n’y a pas assez de mémoire pour l’écrire.</translation>
    </message>
    <message>
        <source>The card &apos;%1&apos; contains the text %2 inside a line, which a deck file cannot hold. Remove it and save again.</source>
        <translation>La carte «&#xa0;%1&#xa0;» contient le texte %2 au milieu d’une ligne, ce qu’un fichier de cartes ne peut pas contenir. Supprimez-le et enregistrez à nouveau.</translation>
    </message>
    <message>
        <source>It is not a Memoquill deck: no card can be read from it.</source>
        <translation>Ce n’est pas un paquet de cartes Memoquill : aucune carte ne peut y être lue.</translation>
    </message>
    <message>
        <source>The end of &apos;%1&apos; is not a whole card: its last line was not read, and saving the deck will not keep it.</source>
        <translation>La fin de « %1 » n’est pas une carte complète : sa dernière ligne n’a pas été lue, et l’enregistrement du paquet ne la conservera pas.</translation>
    </message>
    <message>
        <source>The end of &apos;%1&apos; is not a whole card: its last %2 lines were not read, and saving the deck will not keep them.</source>
        <translation>La fin de « %1 » n’est pas une carte complète : ses %2 dernières lignes n’ont pas été lues, et l’enregistrement du paquet ne les conservera pas.</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>It is not a folder of this user&apos;s.</source>
        <translation>Ce n’est pas un dossier de cet utilisateur.</translation>
    </message>
    <message>
        <source>Its permissions cannot be set.</source>
        <translation>Impossible de régler ses droits d’accès.</translation>
    </message>
    <message>
        <source>Unsaved cards cannot be kept in %1: %2</source>
        <translation>Impossible de conserver les cartes non enregistrées dans %1 : %2</translation>
    </message>
    <message>
        <source>Its lock file cannot be made.</source>
        <translation>Impossible de créer son fichier de verrou.</translation>
    </message>
    <message>
        <source>The card &apos;%1&apos; contains the text %2 inside a line.</source>
        <translation>La carte « %1 » contient le texte %2 au milieu d’une ligne.</translation>
    </message>
    <message>
        <source>%1 is a link.</source>
        <translation>%1 est un lien.</translation>
    </message>
    <message>
        <source>Removed the damaged recovery file %1: %2</source>
        <translation>Fichier de récupération endommagé %1 supprimé : %2</translation>
    </message>
    <message>
        <source>Its information file cannot be read.</source>
        <translation>Son fichier d’informations est illisible.</translation>
    </message>
    <message>
        <source>It is missing or not a file.</source>
        <translation>Il est absent ou n’est pas un fichier.</translation>
    </message>
    <message>
        <source>It holds no whole deck.</source>
        <translation>Il ne contient pas de paquet complet.</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>more cards than a deck holds (%1)</source>
        <translation>plus de cartes qu’un paquet ne peut en contenir (%1)</translation>
    </message>
    <message>
        <source>the name contains %1, which a deck file cannot hold</source>
        <translation>le nom contient %1, qu’un fichier de cartes ne peut pas contenir</translation>
    </message>
    <message>
        <source>expected 2 or 3 fields separated by commas, found %1</source>
        <translation>2 ou 3 champs séparés par des virgules attendus, %1 trouvé(s)</translation>
    </message>
    <message>
        <source>expected 2 or 3 fields separated by tabs, found %1</source>
        <translation>2 ou 3 champs séparés par des tabulations attendus, %1 trouvé(s)</translation>
    </message>
    <message>
        <source>a quoted field is not closed by a quote</source>
        <translation>un champ entre guillemets n’est pas fermé par un guillemet</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>Il n’y a pas assez de mémoire pour le lire.</translation>
    </message>
</context>
<context>
    <name>memoquill::CardCreate</name>
    <message>
        <source>There currently no cards.  Create a card first by clicking &quot;New Card&quot; or load a Memoquill file<byte value="xd"/>
</source>
        <translation>Il n’y a aucune carte pour l’instant. Créez d’abord une carte avec «&#xa0;Nouvelle carte&#xa0;» ou ouvrez un fichier Memoquill.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>There currently no cards.  Create a card first <byte value="xd"/>
by clicking &quot;New card&quot;or load a Memoquill file<byte value="xd"/>
</source>
        <translation>Il n’y a aucune carte pour l’instant. Créez d’abord une carte<byte value="xd"/>
avec «&#xa0;Nouvelle carte&#xa0;» ou ouvrez un fichier Memoquill.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Back text</source>
        <translation>Texte du dos</translation>
    </message>
    <message>
        <source>Front text</source>
        <translation>Texte de la face</translation>
    </message>
    <message>
        <source>Card List</source>
        <translation>Liste des cartes</translation>
    </message>
    <message>
        <source>&amp;Delete Card</source>
        <translation>&amp;Supprimer la carte</translation>
    </message>
    <message>
        <source>Ne&amp;w Card</source>
        <translation>&amp;Nouvelle carte</translation>
    </message>
    <message>
        <source>The name of the card shown</source>
        <translation>Le nom de la carte affichée</translation>
    </message>
    <message>
        <source>Card List</source>
        <comment>caption, 41 pixels wide</comment>
        <translatorcomment>“Liste des cartes” does not fit 41 pixels; the list below shows what the cards are.</translatorcomment>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>caption, 25 pixels wide</comment>
        <translatorcomment>“Verso”, the usual word, does not fit 25 pixels; “Face” and “Dos”, the sides of a playing card, do and are read at once.</translatorcomment>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>caption, 25 pixels wide</comment>
        <translatorcomment>“Recto”, the usual word, does not fit 25 pixels; “Face” and “Dos”, the sides of a playing card, do and are read at once.</translatorcomment>
        <translation>Face</translation>
    </message>
    <message>
        <source>The cards of the deck; pick one to show and edit it</source>
        <translation>Les cartes du paquet&#xa0;; choisissez-en une pour l’afficher et la modifier</translation>
    </message>
    <message>
        <source>The front of the card shown</source>
        <translation>La face de la carte affichée</translation>
    </message>
    <message>
        <source>The back of the card shown</source>
        <translation>Le dos de la carte affichée</translation>
    </message>
    <message>
        <source>Adds a card, asking for its name</source>
        <translation>Ajoute une carte en demandant son nom</translation>
    </message>
    <message>
        <source>Deletes the card selected in the card list</source>
        <translation>Supprime la carte sélectionnée dans la liste des cartes</translation>
    </message>
    <message>
        <source>Front text scroll bar</source>
        <translation>Barre de défilement de la face</translation>
    </message>
    <message>
        <source>Back text scroll bar</source>
        <translation>Barre de défilement du dos</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Crash my Computer!</source>
        <translation>Planter mon ordinateur&#xa0;!</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Card&amp;Reader</source>
        <translation>&amp;Réviser les cartes</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>The deck is full: it cannot hold more than %1 cards.</source>
        <translation>Le paquet est plein&#xa0;: il ne peut pas contenir plus de %1 cartes.</translation>
    </message>
    <message>
        <source>New Card</source>
        <translation>Nouvelle carte</translation>
    </message>
    <message>
        <source>Please type the name of the new card</source>
        <translation>Veuillez saisir le nom de la nouvelle carte</translation>
    </message>
    <message>
        <source>There is already a card with that name.</source>
        <translation>Une carte porte déjà ce nom.</translation>
    </message>
    <message>
        <source>Name already in use</source>
        <translation>Nom déjà utilisé</translation>
    </message>
    <message>
        <source>There is no card selected</source>
        <translation>Aucune carte n’est sélectionnée</translation>
    </message>
    <message>
        <source>Cannot delete what does not exist!</source>
        <translation>Impossible de supprimer ce qui n’existe pas&#xa0;!</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete &apos;%1&apos;?</source>
        <translation>Voulez-vous vraiment supprimer «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Delete Card?</source>
        <translation>Supprimer la carte&#xa0;?</translation>
    </message>
    <message>
        <source>Memofile (.mqd)</source>
        <translation>Fichier Memoquill (.mqd)</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Erreur de fichier</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Are you sure you wish to Load a new project? All unsaved work will be lost.</source>
        <translation>Voulez-vous vraiment ouvrir un nouveau projet&#xa0;? Tout travail non enregistré sera perdu.</translation>
    </message>
    <message>
        <source>Are you sure you wish to start a new project? All unsaved work will be lost.</source>
        <translation>Voulez-vous vraiment commencer un nouveau projet&#xa0;? Tout travail non enregistré sera perdu.</translation>
    </message>
    <message>
        <source>Load New Project</source>
        <translation>Ouvrir un nouveau projet</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Nouveau projet</translation>
    </message>
    <message>
        <source>There currently no cards.  Create a card first by clicking &apos;New Card&apos;</source>
        <translation>Il n’y a aucune carte pour l’instant. Créez d’abord une carte avec «&#xa0;Nouvelle carte&#xa0;».</translation>
    </message>
    <message>
        <source>Invalid file type!</source>
        <translation>Type de fichier non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Do you want to save changes to &apos;Untitled&apos;?</source>
        <translation>Voulez-vous enregistrer les modifications de «&#xa0;Sans titre&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <translation>Enregistrer les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to save changes to &apos;%1&apos;?</source>
        <translation>Voulez-vous enregistrer les modifications de «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Programmed by Alder Quimbly<byte value="xd"/>
Tested by Brisk Oddal<byte value="xd"/>
Title concept by Wend</source>
        <translation>Programmé par Alder Quimbly<byte value="xd"/>
Testé par Brisk Oddal<byte value="xd"/>
Idée du titre&#xa0;: Wend</translation>
    </message>
    <message>
        <source>Dude! That was really dumb!<byte value="xd"/>
What if that had really crashed your Computer?<byte value="xd"/>
What would you do then?</source>
        <translation>Mec&#xa0;! C’était vraiment débile&#xa0;!<byte value="xd"/>
Et si ça avait vraiment planté ton ordinateur&#xa0;?<byte value="xd"/>
Tu aurais fait quoi, alors&#xa0;?</translation>
    </message>
    <message>
        <source>What were you thinking?</source>
        <translation>Mais à quoi tu pensais&#xa0;?</translation>
    </message>
    <message>
        <source>Memoquill was not closed properly. Recover the card of &apos;%1&apos; from %2 that was not saved?</source>
        <translation>Memoquill n’a pas été fermé correctement. Récupérer la carte non enregistrée de « %1 » datant de %2 ?</translation>
    </message>
    <message>
        <source>Memoquill was not closed properly. Recover the %1 cards of &apos;%2&apos; from %3 that were not saved?</source>
        <translation>Memoquill n’a pas été fermé correctement. Récupérer les %1 cartes non enregistrées de « %2 » datant de %3 ?</translation>
    </message>
    <message>
        <source>Recover Cards?</source>
        <translation>Récupérer les cartes ?</translation>
    </message>
</context>
<context>
    <name>memoquill::CardReader</name>
    <message>
        <source>Card text</source>
        <translation>Texte de la carte</translation>
    </message>
    <message>
        <source>Cards Loaded Press &quot;Next Card&quot; to continue.<byte value="xd"/>
</source>
        <translation>Cartes chargées. Cliquez sur «&#xa0;Carte suivante&#xa0;» pour continuer.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Show Back First</source>
        <comment>check box, 97 pixels wide</comment>
        <translation>Dos d’abord</translation>
    </message>
    <message>
        <source>Skip First Card</source>
        <comment>check box, 89 pixels wide</comment>
        <translatorcomment>“Passer la première carte” does not fit 89 pixels; “1re” is the standard French short form of “première”.</translatorcomment>
        <translation>Passer la 1re</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Carte suivante</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Retourner</translation>
    </message>
    <message>
        <source>Random</source>
        <comment>check box, 89 pixels wide</comment>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>The side of the card shown</source>
        <translation>Le côté affiché de la carte</translation>
    </message>
    <message>
        <source>Card text scroll bar</source>
        <translation>Barre de défilement du texte de la carte</translation>
    </message>
    <message>
        <source>Shows the next card</source>
        <translation>Affiche la carte suivante</translation>
    </message>
    <message>
        <source>Turns the card over</source>
        <translation>Retourne la carte</translation>
    </message>
    <message>
        <source>Picks the next card at random</source>
        <translation>Choisit la carte suivante au hasard</translation>
    </message>
    <message>
        <source>Leaves the first card out of the review</source>
        <translation>Exclut la première carte de la révision</translation>
    </message>
    <message>
        <source>Shows each card&apos;s back before its front</source>
        <translation>Affiche le dos de chaque carte avant sa face</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Card&amp;Create</source>
        <translation>&amp;Créer des cartes</translation>
    </message>
</context>
</TS>
