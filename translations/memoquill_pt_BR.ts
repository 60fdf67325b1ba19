<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Write study cards and review them one by one.</source>
        <translation>Escreva cartões de estudo e revise-os um a um.</translation>
    </message>
    <message>
        <source>A deck file (.mqd) to open.</source>
        <translation>Um arquivo de baralho (.mqd) para abrir.</translation>
    </message>
    <message>
        <source>Start with a new deck of the cards in LIST, a word list separated by tabs, or by commas when its name ends in .csv.</source>
        <translation>Comece com um novo baralho feito dos cartões de LIST, uma lista de palavras separada por tabulações, ou por vírgulas quando o nome terminar em .csv.</translation>
    </message>
    <message>
        <source>Write the cards of DECK.mqd as a word list separated by tabs, to standard output, and open no window.</source>
        <translation>Escreva os cartões de DECK.mqd na saída padrão como uma lista de palavras separada por tabulações, sem abrir nenhuma janela.</translation>
    </message>
    <message>
        <source>With --export: write the list to LIST instead, separated by commas when its name ends in .csv.</source>
        <translation>Com --export: grave a lista em LIST em vez da saída padrão, separada por vírgulas quando o nome terminar em .csv.</translation>
    </message>
    <message>
        <source>--%1 can be given only once.</source>
        <translation>--%1 só pode ser informado uma vez.</translation>
    </message>
    <message>
        <source>Only one deck can be opened at a time.</source>
        <translation>Só é possível abrir um baralho por vez.</translation>
    </message>
    <message>
        <source>--import and --export cannot be given together.</source>
        <translation>--import e --export não podem ser usados juntos.</translation>
    </message>
    <message>
        <source>A deck to open cannot be given with --import or --export.</source>
        <translation>Não é possível informar um baralho para abrir com --import ou --export.</translation>
    </message>
    <message>
        <source>--output goes with --export only.</source>
        <translation>--output só pode ser usado com --export.</translation>
    </message>
    <message>
        <source>Could not load the deck from &apos;%1&apos;. Its name does not end in .mqd.</source>
        <translation>Não foi possível carregar o baralho de “%1”. O nome não termina em .mqd.</translation>
    </message>
    <message>
        <source>Could not write the list to &apos;%1&apos;. It would replace the deck it is made from.</source>
        <translation>Não foi possível gravar a lista em “%1”. Ela substituiria o baralho do qual é gerada.</translation>
    </message>
    <message>
        <source>Could not write the list to &apos;%1&apos;. %2</source>
        <translation>Não foi possível gravar a lista em “%1”. %2</translation>
    </message>
    <message>
        <source>Could not write the list to standard output. %1</source>
        <translation>Não foi possível escrever a lista na saída padrão. %1</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set). Start it on a desktop, or without one under a virtual display: xvfb-run memoquill</source>
        <translation>nenhuma tela encontrada (a variável DISPLAY não está definida). Inicie o programa em um ambiente gráfico ou, sem um, em uma tela virtual: xvfb-run memoquill</translation>
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
        <translation>Não foi possível carregar o baralho de “%1”.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not save the deck to &apos;%1&apos;.<byte value="xd"/>
%2</source>
        <translation>Não foi possível salvar o baralho em “%1”.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The file is %1 bytes long; a deck file holds at most %2 bytes.</source>
        <translation>O arquivo tem %1 bytes; um arquivo de baralho tem no máximo %2 bytes.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>É uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>It is a named pipe (FIFO), not a file.</source>
        <translation>É um pipe nomeado (FIFO), não um arquivo.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>É um socket, não um arquivo.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>É um dispositivo, não um arquivo.</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>Não há memória suficiente para a leitura.</translation>
    </message>
    <message>
        <source>The deck in &apos;%1&apos; has more than %2 cards and cannot be loaded.</source>
        <translation>O baralho em “%1” tem mais de %2 cartões e não pode ser carregado.</translation>
    </message>
    <message>
        <source>There is not enough memory to write it.</source>
        <translation>Não há memória suficiente para a gravação.</translation>
    </message>
    <message>
        <source>The card &apos;%1&apos; contains the text %2 inside a line, which a deck file cannot hold. Remove it and save again.</source>
        <translation>O cartão “%1” contém o texto %2 no meio de uma linha, o que um arquivo de baralho não comporta. Remova esse texto e salve novamente.</translation>
    </message>
    <message>
        <source>It is not a Memoquill deck: no card can be read from it.</source>
        <translation>Não é um baralho do Memoquill: não é possível ler nenhum cartão dele.</translation>
    </message>
    <message>
        <source>The end of &apos;%1&apos; is not a whole card: its last line was not read, and saving the deck will not keep it.</source>
        <translation>O final de “%1” não é um cartão completo: a última linha não foi lida e não será mantida ao salvar o baralho.</translation>
    </message>
    <message>
        <source>The end of &apos;%1&apos; is not a whole card: its last %2 lines were not read, and saving the deck will not keep them.</source>
        <translation>O final de “%1” não é um cartão completo: as últimas %2 linhas não foram lidas e não serão mantidas ao salvar o baralho.</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>It is not a folder of this user&apos;s.</source>
        <translation>Não é uma pasta deste usuário.</translation>
    </message>
    <message>
        <source>Its permissions cannot be set.</source>
        <translation>Não é possível definir as permissões da pasta.</translation>
    </message>
    <message>
        <source>Unsaved cards cannot be kept in %1: %2</source>
        <translation>Não foi possível guardar os cartões não salvos em %1: %2</translation>
    </message>
    <message>
        <source>Its lock file cannot be made.</source>
        <translation>Não é possível criar o arquivo de bloqueio.</translation>
    </message>
    <message>
        <source>The card &apos;%1&apos; contains the text %2 inside a line.</source>
        <translation>O cartão “%1” contém o texto %2 no meio de uma linha.</translation>
    </message>
    <message>
        <source>%1 is a link.</source>
        <translation>%1 é um link simbólico.</translation>
    </message>
    <message>
        <source>Removed the damaged recovery file %1: %2</source>
        <translation>O arquivo de recuperação danificado %1 foi removido: %2</translation>
    </message>
    <message>
        <source>Its information file cannot be read.</source>
        <translation>Não é possível ler o arquivo de informações dele.</translation>
    </message>
    <message>
        <source>It is missing or not a file.</source>
        <translation>Não existe ou não é um arquivo.</translation>
    </message>
    <message>
        <source>It holds no whole deck.</source>
        <translation>Não contém um baralho completo.</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>more cards than a deck holds (%1)</source>
        <translation>mais cartões do que cabem em um baralho (%1)</translation>
    </message>
    <message>
        <source>the name contains %1, which a deck file cannot hold</source>
        <translation>o nome contém %1, o que um arquivo de baralho não comporta</translation>
    </message>
    <message>
        <source>expected 2 or 3 fields separated by commas, found %1</source>
        <translation>esperados 2 ou 3 campos separados por vírgulas, encontrados %1</translation>
    </message>
    <message>
        <source>expected 2 or 3 fields separated by tabs, found %1</source>
        <translation>esperados 2 ou 3 campos separados por tabulações, encontrados %1</translation>
    </message>
    <message>
        <source>a quoted field is not closed by a quote</source>
        <translation>um campo entre aspas não é fechado por aspas</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>Não há memória suficiente para a leitura.</translation>
    </message>
</context>
<context>
    <name>memoquill::CardCreate</name>
    <message>
        <source>There currently no cards.  Create a card first by clicking &quot;New Card&quot; or load a Memoquill file<byte value="xd"/>
</source>
        <translation>No momento não há cartões. Crie primeiro um cartão clicando em “Novo cartão” ou abra um arquivo do Memoquill.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>There currently no cards.  Create a card first <byte value="xd"/>
by clicking &quot;New card&quot;or load a Memoquill file<byte value="xd"/>
</source>
        <translation>No momento não há cartões. Crie primeiro um cartão<byte value="xd"/>
clicando em “Novo cartão” ou abra um arquivo do Memoquill.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Back text</source>
        <translation>Texto do verso</translation>
    </message>
    <message>
        <source>Front text</source>
        <translation>Texto da frente</translation>
    </message>
    <message>
        <source>Card List</source>
        <translation>Lista de cartões</translation>
    </message>
    <message>
        <source>&amp;Delete Card</source>
        <translation>E&amp;xcluir cartão</translation>
    </message>
    <message>
        <source>Ne&amp;w Card</source>
        <translation>&amp;Novo cartão</translation>
    </message>
    <message>
        <source>The name of the card shown</source>
        <translation>O nome do cartão exibido</translation>
    </message>
    <message>
        <source>Card List</source>
        <comment>caption, 41 pixels wide</comment>
        <translation>Cartões</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>caption, 25 pixels wide</comment>
        <translatorcomment>&quot;Vers.&quot; reads as &quot;versão&quot;, and the whole &quot;Verso&quot; is a pixel wider than the 25-pixel caption: &quot;Trás&quot; (the back side, as in &quot;frente e trás&quot;) is understood at once beside the front box&apos;s caption.</translatorcomment>
        <translation>Trás</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>caption, 25 pixels wide</comment>
        <translatorcomment>&quot;Frente&quot; is 4 pixels wider than the 25-pixel caption and would be cut; shortened, beside the full &quot;Verso&quot;.</translatorcomment>
        <translation>Fren.</translation>
    </message>
    <message>
        <source>The cards of the deck; pick one to show and edit it</source>
        <translation>Os cartões do baralho; escolha um para exibi-lo e editá-lo</translation>
    </message>
    <message>
        <source>The front of the card shown</source>
        <translation>A frente do cartão exibido</translation>
    </message>
    <message>
        <source>The back of the card shown</source>
        <translation>O verso do cartão exibido</translation>
    </message>
    <message>
        <source>Adds a card, asking for its name</source>
        <translation>Adiciona um cartão, pedindo o nome dele</translation>
    </message>
    <message>
        <source>Deletes the card selected in the card list</source>
        <translation>Exclui o cartão selecionado na lista de cartões</translation>
    </message>
    <message>
        <source>Front text scroll bar</source>
        <translation>Barra de rolagem da frente</translation>
    </message>
    <message>
        <source>Back text scroll bar</source>
        <translation>Barra de rolagem do verso</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menus</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como…</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Crash my Computer!</source>
        <translation>Travar meu computador!</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
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
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Card&amp;Reader</source>
        <translation>&amp;Revisar cartões</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>The deck is full: it cannot hold more than %1 cards.</source>
        <translation>O baralho está cheio: não pode ter mais de %1 cartões.</translation>
    </message>
    <message>
        <source>New Card</source>
        <translation>Novo cartão</translation>
    </message>
    <message>
        <source>Please type the name of the new card</source>
        <translation>Digite o nome do novo cartão</translation>
    </message>
    <message>
        <source>There is already a card with that name.</source>
        <translation>Já existe um cartão com esse nome.</translation>
    </message>
    <message>
        <source>Name already in use</source>
        <translation>Nome já em uso</translation>
    </message>
    <message>
        <source>There is no card selected</source>
        <translation>Nenhum cartão selecionado</translation>
    </message>
    <message>
        <source>Cannot delete what does not exist!</source>
        <translation>Não é possível excluir o que não existe!</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete &apos;%1&apos;?</source>
        <translation>Tem certeza de que deseja excluir “%1”?</translation>
    </message>
    <message>
        <source>Delete Card?</source>
        <translation>Excluir cartão?</translation>
    </message>
    <message>
        <source>Memofile (.mqd)</source>
        <translation>Arquivo do Memoquill (.mqd)</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Erro de arquivo</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>Are you sure you wish to Load a new project? All unsaved work will be lost.</source>
        <translation>Tem certeza de que deseja abrir um novo projeto? Todo o trabalho não salvo será perdido.</translation>
    </message>
    <message>
        <source>Are you sure you wish to start a new project? All unsaved work will be lost.</source>
        <translation>Tem certeza de que deseja iniciar um novo projeto? Todo o trabalho não salvo será perdido.</translation>
    </message>
    <message>
        <source>Load New Project</source>
        <translation>Abrir novo projeto</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Novo projeto</translation>
    </message>
    <message>
        <source>There currently no cards.  Create a card first by clicking &apos;New Card&apos;</source>
        <translation>No momento não há cartões. Crie primeiro um cartão clicando em “Novo cartão”.</translation>
    </message>
    <message>
        <source>Invalid file type!</source>
        <translation>Tipo de arquivo inválido!</translation>
    </message>
    <message>
        <source>Do you want to save changes to &apos;Untitled&apos;?</source>
        <translation>Deseja salvar as alterações em “Sem título”?</translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <translation>Salvar alterações?</translation>
    </message>
    <message>
        <source>Do you want to save changes to &apos;%1&apos;?</source>
        <translation>Deseja salvar as alterações em “%1”?</translation>
    </message>
    <message>
        <source>Programmed by Alder Quimbly<byte value="xd"/>
Tested by Brisk Oddal<byte value="xd"/>
Title concept by Wend</source>
        <translation>Programado por Alder Quimbly<byte value="xd"/>
Testado por Brisk Oddal<byte value="xd"/>
Título idealizado por Wend</translation>
    </message>
    <message>
        <source>Dude! That was really dumb!<byte value="xd"/>
What if that had really crashed your Computer?<byte value="xd"/>
What would you do then?</source>
        <translation>Cara! Isso foi muita burrice!<byte value="xd"/>
E se isso tivesse travado seu computador de verdade?<byte value="xd"/>
O que você ia fazer, hein?</translation>
    </message>
    <message>
        <source>What were you thinking?</source>
        <translation>Onde você estava com a cabeça?</translation>
    </message>
    <message>
        <source>Memoquill was not closed properly. Recover the card of &apos;%1&apos; from %2 that was not saved?</source>
        <translation>O Memoquill não foi fechado corretamente. Deseja recuperar o cartão não salvo de “%1” (última alteração: %2)?</translation>
    </message>
    <message>
        <source>Memoquill was not closed properly. Recover the %1 cards of &apos;%2&apos; from %3 that were not saved?</source>
        <translation>O Memoquill não foi fechado corretamente. Deseja recuperar os %1 cartões não salvos de “%2” (última alteração: %3)?</translation>
    </message>
    <message>
        <source>Recover Cards?</source>
        <translation>Recuperar cartões?</translation>
    </message>
</context>
<context>
    <name>memoquill::CardReader</name>
    <message>
        <source>Card text</source>
        <translation>Texto do cartão</translation>
    </message>
    <message>
        <source>Cards Loaded Press &quot;Next Card&quot; to continue.<byte value="xd"/>
</source>
        <translation>Cartões carregados. Clique em “Próximo cartão” para continuar.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Show Back First</source>
        <comment>check box, 97 pixels wide</comment>
        <translation>Verso primeiro</translation>
    </message>
    <message>
        <source>Skip First Card</source>
        <comment>check box, 89 pixels wide</comment>
        <translatorcomment>&quot;Pular o primeiro cartão&quot; is wider than the 89-pixel check box.</translatorcomment>
        <translation>Pular 1º cartão</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Próximo cartão</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Virar</translation>
    </message>
    <message>
        <source>Random</source>
        <comment>check box, 89 pixels wide</comment>
        <translation>Aleatório</translation>
    </message>
    <message>
        <source>The side of the card shown</source>
        <translation>O lado exibido do cartão</translation>
    </message>
    <message>
        <source>Card text scroll bar</source>
        <translation>Barra de rolagem do texto do cartão</translation>
    </message>
    <message>
        <source>Shows the next card</source>
        <translation>Exibe o próximo cartão</translation>
    </message>
    <message>
        <source>Turns the card over</source>
        <translation>Vira o cartão</translation>
    </message>
    <message>
        <source>Picks the next card at random</source>
        <translation>Escolhe o próximo cartão ao acaso</translation>
    </message>
    <message>
        <source>Leaves the first card out of the review</source>
        <translation>Deixa o primeiro cartão fora da revisão</translation>
    </message>
    <message>
        <source>Shows each card&apos;s back before its front</source>
        <translation>Exibe o verso de cada cartão antes da frente</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menus</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como…</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Card&amp;Create</source>
        <translation>&amp;Criar cartões</translation>
    </message>
</context>
</TS>
