<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CommandLine</name>
    <message>
        <source>Write study cards and review them one by one.</source>
        <translation>Составление учебных карточек и их повторение по одной.</translation>
    </message>
    <message>
        <source>A deck file (.mqd) to open.</source>
        <translation>Файл колоды (.mqd), который нужно открыть.</translation>
    </message>
    <message>
        <source>Start with a new deck of the cards in LIST, a word list separated by tabs, or by commas when its name ends in .csv.</source>
        <translation>Начать с новой колоды из карточек списка LIST — списка слов, разделённых табуляцией, или запятыми, если имя файла оканчивается на .csv.</translation>
    </message>
    <message>
        <source>Write the cards of DECK.mqd as a word list separated by tabs, to standard output, and open no window.</source>
        <translation>Вывести карточки из DECK.mqd на стандартный вывод в виде списка слов, разделённых табуляцией, не открывая окон.</translation>
    </message>
    <message>
        <source>With --export: write the list to LIST instead, separated by commas when its name ends in .csv.</source>
        <translation>Вместе с --export: записать список не на стандартный вывод, а в LIST, разделяя запятыми, если имя файла оканчивается на .csv.</translation>
    </message>
    <message>
        <source>--%1 can be given only once.</source>
        <translation>--%1 можно указать только один раз.</translation>
    </message>
    <message>
        <source>Only one deck can be opened at a time.</source>
        <translation>Одновременно можно открыть только одну колоду.</translation>
    </message>
    <message>
        <source>--import and --export cannot be given together.</source>
        <translation>--import и --export нельзя указывать вместе.</translation>
    </message>
    <message>
        <source>A deck to open cannot be given with --import or --export.</source>
        <translation>Вместе с --import или --export нельзя указывать колоду для открытия.</translation>
    </message>
    <message>
        <source>--output goes with --export only.</source>
        <translation>--output используется только вместе с --export.</translation>
    </message>
    <message>
        <source>Could not load the deck from &apos;%1&apos;. Its name does not end in .mqd.</source>
        <translation>Не удалось загрузить колоду из «%1». Имя файла не оканчивается на .mqd.</translation>
    </message>
    <message>
        <source>Could not write the list to &apos;%1&apos;. It would replace the deck it is made from.</source>
        <translation>Не удалось записать список в «%1». Он заменил бы колоду, из которой составлен.</translation>
    </message>
    <message>
        <source>Could not write the list to &apos;%1&apos;. %2</source>
        <translation>Не удалось записать список в «%1». %2</translation>
    </message>
    <message>
        <source>Could not write the list to standard output. %1</source>
        <translation>Не удалось записать список на стандартный вывод. %1</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set). Start it on a desktop, or without one under a virtual display: xvfb-run memoquill</source>
        <translation>графический дисплей не найден (переменная DISPLAY не задана). Запустите программу в графической среде или, если её нет, на виртуальном дисплее: xvfb-run memoquill</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>%1 is the synopsis, &quot;memoquill [--help] ...&quot;, which stays as typed.</extracomment>
        <translation>Использование: %1</translation>
    </message>
</context>
<context>
    <name>DeckFile</name>
    <message>
        <source>Could not load the deck from &apos;%1&apos;.<byte value="xd"/>
%2</source>
        <translation>Не удалось загрузить колоду из «%1».<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not save the deck to &apos;%1&apos;.<byte value="xd"/>
%2</source>
        <translation>Не удалось сохранить колоду в «%1».<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The file is %1 bytes long; a deck file holds at most %2 bytes.</source>
        <translatorcomment>&quot;Б&quot;, the byte unit, needs no plural ending to agree with the number.</translatorcomment>
        <translation>Размер файла — %1 Б, а файл колоды может занимать не более %2 Б.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Это папка, а не файл.</translation>
    </message>
    <message>
        <source>It is a named pipe (FIFO), not a file.</source>
        <translation>Это именованный канал (FIFO), а не файл.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>Это сокет, а не файл.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>Это устройство, а не файл.</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>Недостаточно памяти, чтобы его прочитать.</translation>
    </message>
    <message>
        <source>The deck in &apos;%1&apos; has more than %2 cards and cannot be loaded.</source>
        <translation>Колода в «%1» содержит более %2 карточек и не может быть загружена.</translation>
    </message>
    <message>
        <source>There is not enough memory to write it.</source>
        <translation>Недостаточно памяти, чтобы его записать.</translation>
    </message>
    <message>
        <source>The card &apos;%1&apos; contains the text %2 inside a line, which a deck file cannot hold. Remove it and save again.</source>
        <translation>Карточка «%1» содержит внутри строки текст %2, который нельзя сохранить в файле колоды. Удалите его и сохраните снова.</translation>
    </message>
    <message>
        <source>It is not a Memoquill deck: no card can be read from it.</source>
        <translation>Это не колода Memoquill: из файла нельзя прочитать ни одной карточки.</translation>
    </message>
    <message>
        <source>The end of &apos;%1&apos; is not a whole card: its last line was not read, and saving the deck will not keep it.</source>
        <translation>Конец файла «%1» не является целой карточкой: последняя строка не прочитана и при сохранении колоды будет потеряна.</translation>
    </message>
    <message>
        <source>The end of &apos;%1&apos; is not a whole card: its last %2 lines were not read, and saving the deck will not keep them.</source>
        <translation>Конец файла «%1» не является целой карточкой: последние строки не прочитаны и при сохранении колоды будут потеряны (строк: %2).</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Файл %1 уже существует.
Заменить его?</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>It is not a folder of this user&apos;s.</source>
        <translation>Это не папка текущего пользователя.</translation>
    </message>
    <message>
        <source>Its permissions cannot be set.</source>
        <translation>Не удаётся задать для неё права доступа.</translation>
    </message>
    <message>
        <source>Unsaved cards cannot be kept in %1: %2</source>
        <translation>Не удаётся хранить несохранённые карточки в %1: %2</translation>
    </message>
    <message>
        <source>Its lock file cannot be made.</source>
        <translation>Не удаётся создать в ней файл блокировки.</translation>
    </message>
    <message>
        <source>The card &apos;%1&apos; contains the text %2 inside a line.</source>
        <translation>Карточка «%1» содержит внутри строки текст %2.</translation>
    </message>
    <message>
        <source>%1 is a link.</source>
        <translation>%1 — символическая ссылка.</translation>
    </message>
    <message>
        <source>Removed the damaged recovery file %1: %2</source>
        <translation>Удалён повреждённый файл восстановления %1: %2</translation>
    </message>
    <message>
        <source>Its information file cannot be read.</source>
        <translation>Не удаётся прочитать его информационный файл.</translation>
    </message>
    <message>
        <source>It is missing or not a file.</source>
        <translation>Он отсутствует или не является файлом.</translation>
    </message>
    <message>
        <source>It holds no whole deck.</source>
        <translation>В нём нет целой колоды.</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>more cards than a deck holds (%1)</source>
        <translation>карточек больше, чем вмещает колода (%1)</translation>
    </message>
    <message>
        <source>the name contains %1, which a deck file cannot hold</source>
        <translation>название содержит %1, а этого нельзя сохранить в файле колоды</translation>
    </message>
    <message>
        <source>expected 2 or 3 fields separated by commas, found %1</source>
        <translation>ожидалось 2 или 3 поля, разделённых запятыми, найдено: %1</translation>
    </message>
    <message>
        <source>expected 2 or 3 fields separated by tabs, found %1</source>
        <translation>ожидалось 2 или 3 поля, разделённых табуляцией, найдено: %1</translation>
    </message>
    <message>
        <source>a quoted field is not closed by a quote</source>
        <translation>поле в кавычках не закрыто кавычкой</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>Недостаточно памяти, чтобы его прочитать.</translation>
    </message>
</context>
<context>
    <name>memoquill::CardCreate</name>
    <message>
        <source>There currently no cards.  Create a card first by clicking &quot;New Card&quot; or load a Memoquill file<byte value="xd"/>
</source>
        <translation>Карточек пока нет. Сначала создайте карточку кнопкой «Новая карточка» или откройте файл Memoquill.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>There currently no cards.  Create a card first <byte value="xd"/>
by clicking &quot;New card&quot;or load a Memoquill file<byte value="xd"/>
</source>
        <translation>Карточек пока нет. Сначала создайте карточку<byte value="xd"/>
кнопкой «Новая карточка» или откройте файл Memoquill.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Back text</source>
        <translation>Текст оборотной стороны</translation>
    </message>
    <message>
        <source>Front text</source>
        <translation>Текст лицевой стороны</translation>
    </message>
    <message>
        <source>Card List</source>
        <translation>Список карточек</translation>
    </message>
    <message>
        <source>&amp;Delete Card</source>
        <translation>&amp;Удалить карточку</translation>
    </message>
    <message>
        <source>Ne&amp;w Card</source>
        <translation>&amp;Новая карточка</translation>
    </message>
    <message>
        <source>The name of the card shown</source>
        <translation>Название текущей карточки</translation>
    </message>
    <message>
        <source>Card List</source>
        <comment>caption, 41 pixels wide</comment>
        <translatorcomment>&quot;Карточки&quot; needs 42 of the 41 pixels; &quot;Колода&quot; (deck) names the same list.</translatorcomment>
        <translation>Колода</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>caption, 25 pixels wide</comment>
        <translatorcomment>&quot;Оборот&quot; needs 35 of the 25 pixels; &quot;об.&quot; is its usual abbreviation.</translatorcomment>
        <translation>Об.</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>caption, 25 pixels wide</comment>
        <translation>Лицо</translation>
    </message>
    <message>
        <source>The cards of the deck; pick one to show and edit it</source>
        <translation>Карточки колоды; выберите одну, чтобы показать и изменить её</translation>
    </message>
    <message>
        <source>The front of the card shown</source>
        <translation>Лицевая сторона текущей карточки</translation>
    </message>
    <message>
        <source>The back of the card shown</source>
        <translation>Оборотная сторона текущей карточки</translation>
    </message>
    <message>
        <source>Adds a card, asking for its name</source>
        <translation>Добавляет карточку, запрашивая её название</translation>
    </message>
    <message>
        <source>Deletes the card selected in the card list</source>
        <translation>Удаляет карточку, выбранную в списке карточек</translation>
    </message>
    <message>
        <source>Front text scroll bar</source>
        <translation>Полоса прокрутки лицевой стороны</translation>
    </message>
    <message>
        <source>Back text scroll bar</source>
        <translation>Полоса прокрутки оборотной стороны</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Строка меню</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как…</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Открыть…</translation>
    </message>
    <message>
        <source>Crash my Computer!</source>
        <translation>Обрушить мой компьютер!</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Card&amp;Reader</source>
        <translation>Повторение &amp;карточек</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>The deck is full: it cannot hold more than %1 cards.</source>
        <translation>Колода заполнена: в ней не может быть больше %1 карточек.</translation>
    </message>
    <message>
        <source>New Card</source>
        <translation>Новая карточка</translation>
    </message>
    <message>
        <source>Please type the name of the new card</source>
        <translation>Введите название новой карточки</translation>
    </message>
    <message>
        <source>There is already a card with that name.</source>
        <translation>Карточка с таким названием уже есть.</translation>
    </message>
    <message>
        <source>Name already in use</source>
        <translation>Название уже занято</translation>
    </message>
    <message>
        <source>There is no card selected</source>
        <translation>Карточка не выбрана</translation>
    </message>
    <message>
        <source>Cannot delete what does not exist!</source>
        <translation>Нельзя удалить то, чего нет!</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete &apos;%1&apos;?</source>
        <translation>Вы действительно хотите удалить «%1»?</translation>
    </message>
    <message>
        <source>Delete Card?</source>
        <translation>Удалить карточку?</translation>
    </message>
    <message>
        <source>Memofile (.mqd)</source>
        <translation>Файл Memoquill (.mqd)</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Ошибка файла</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Без имени</translation>
    </message>
    <message>
        <source>Are you sure you wish to Load a new project? All unsaved work will be lost.</source>
        <translation>Вы действительно хотите открыть новый проект? Все несохранённые изменения будут потеряны.</translation>
    </message>
    <message>
        <source>Are you sure you wish to start a new project? All unsaved work will be lost.</source>
        <translation>Вы действительно хотите начать новый проект? Все несохранённые изменения будут потеряны.</translation>
    </message>
    <message>
        <source>Load New Project</source>
        <translation>Открыть новый проект</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Новый проект</translation>
    </message>
    <message>
        <source>There currently no cards.  Create a card first by clicking &apos;New Card&apos;</source>
        <translation>Карточек пока нет. Сначала создайте карточку кнопкой «Новая карточка».</translation>
    </message>
    <message>
        <source>Invalid file type!</source>
        <translation>Недопустимый тип файла!</translation>
    </message>
    <message>
        <source>Do you want to save changes to &apos;Untitled&apos;?</source>
        <translation>Сохранить изменения в «Без имени»?</translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <translation>Сохранить изменения?</translation>
    </message>
    <message>
        <source>Do you want to save changes to &apos;%1&apos;?</source>
        <translation>Сохранить изменения в «%1»?</translation>
    </message>
    <message>
        <source>Programmed by Alder Quimbly<byte value="xd"/>
Tested by Brisk Oddal<byte value="xd"/>
Title concept by Wend</source>
        <translation>Программирование: Alder Quimbly<byte value="xd"/>
Тестирование: Brisk Oddal<byte value="xd"/>
Идея названия: Wend</translation>
    </message>
    <message>
        <source>Dude! That was really dumb!<byte value="xd"/>
What if that had really crashed your Computer?<byte value="xd"/>
What would you do then?</source>
        <translation>Чувак! Это было реально глупо!<byte value="xd"/>
А если бы твой компьютер и правда рухнул?<byte value="xd"/>
Что бы ты тогда делал?</translation>
    </message>
    <message>
        <source>What were you thinking?</source>
        <translation>О чём ты вообще думал?</translation>
    </message>
    <message>
        <source>Memoquill was not closed properly. Recover the card of &apos;%1&apos; from %2 that was not saved?</source>
        <translation>Работа Memoquill была завершена некорректно. Восстановить несохранённую карточку колоды «%1» от %2?</translation>
    </message>
    <message>
        <source>Memoquill was not closed properly. Recover the %1 cards of &apos;%2&apos; from %3 that were not saved?</source>
        <translation>Работа Memoquill была завершена некорректно. Восстановить несохранённые карточки колоды «%2» от %3 (карточек: %1)?</translation>
    </message>
    <message>
        <source>Recover Cards?</source>
        <translation>Восстановить карточки?</translation>
    </message>
</context>
<context>
    <name>memoquill::CardReader</name>
    <message>
        <source>Card text</source>
        <translation>Текст карточки</translation>
    </message>
    <message>
        <source>Cards Loaded Press &quot;Next Card&quot; to continue.<byte value="xd"/>
</source>
        <translation>Карточки загружены. Нажмите «Следующая карточка», чтобы продолжить.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Show Back First</source>
        <comment>check box, 97 pixels wide</comment>
        <translatorcomment>&quot;Сначала оборот&quot; needs 99 of the 97 pixels; &quot;сперва&quot; means the same.</translatorcomment>
        <translation>Сперва оборот</translation>
    </message>
    <message>
        <source>Skip First Card</source>
        <comment>check box, 89 pixels wide</comment>
        <translatorcomment>&quot;Без первой карточки&quot; does not fit 89 pixels; the feminine &quot;первой&quot; leaves &quot;карточки&quot; understood.</translatorcomment>
        <translation>Без первой</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Следующая карточка</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Перевернуть</translation>
    </message>
    <message>
        <source>Random</source>
        <comment>check box, 89 pixels wide</comment>
        <translation>Вперемешку</translation>
    </message>
    <message>
        <source>The side of the card shown</source>
        <translation>Видимая сторона карточки</translation>
    </message>
    <message>
        <source>Card text scroll bar</source>
        <translation>Полоса прокрутки текста карточки</translation>
    </message>
    <message>
        <source>Shows the next card</source>
        <translation>Показывает следующую карточку</translation>
    </message>
    <message>
        <source>Turns the card over</source>
        <translation>Переворачивает карточку</translation>
    </message>
    <message>
        <source>Picks the next card at random</source>
        <translation>Выбирает следующую карточку случайным образом</translation>
    </message>
    <message>
        <source>Leaves the first card out of the review</source>
        <translation>Исключает первую карточку из повторения</translation>
    </message>
    <message>
        <source>Shows each card&apos;s back before its front</source>
        <translation>Показывает оборотную сторону каждой карточки раньше лицевой</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Строка меню</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как…</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Открыть…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Card&amp;Create</source>
        <translation>&amp;Создание карточек</translation>
    </message>
</context>
</TS>
