<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CommandLine</name>
    <message>
        <source>Write study cards and review them one by one.</source>
        <translation>学習カードを作成し、1枚ずつ復習します。</translation>
    </message>
    <message>
        <source>A deck file (.mqd) to open.</source>
        <translation>開くデッキファイル (.mqd)。</translation>
    </message>
    <message>
        <source>Start with a new deck of the cards in LIST, a word list separated by tabs, or by commas when its name ends in .csv.</source>
        <translation>LIST のカードから新しいデッキを作って起動します。LIST はタブ区切りの単語リストで、ファイル名が .csv で終わる場合はカンマ区切りです。</translation>
    </message>
    <message>
        <source>Write the cards of DECK.mqd as a word list separated by tabs, to standard output, and open no window.</source>
        <translation>DECK.mqd のカードをタブ区切りの単語リストとして標準出力に書き出します。ウィンドウは開きません。</translation>
    </message>
    <message>
        <source>With --export: write the list to LIST instead, separated by commas when its name ends in .csv.</source>
        <translation>--export と併用：リストを標準出力ではなく LIST に書き出します。ファイル名が .csv で終わる場合はカンマ区切りにします。</translation>
    </message>
    <message>
        <source>--%1 can be given only once.</source>
        <translation>--%1 は一度しか指定できません。</translation>
    </message>
    <message>
        <source>Only one deck can be opened at a time.</source>
        <translation>一度に開けるデッキは1つだけです。</translation>
    </message>
    <message>
        <source>--import and --export cannot be given together.</source>
        <translation>--import と --export は同時に指定できません。</translation>
    </message>
    <message>
        <source>A deck to open cannot be given with --import or --export.</source>
        <translation>--import や --export と一緒に、開くデッキを指定することはできません。</translation>
    </message>
    <message>
        <source>--output goes with --export only.</source>
        <translation>--output は --export と一緒にしか使えません。</translation>
    </message>
    <message>
        <source>Could not load the deck from &apos;%1&apos;. Its name does not end in .mqd.</source>
        <translation>「%1」からデッキを読み込めませんでした。ファイル名が .mqd で終わっていません。</translation>
    </message>
    <message>
        <source>Could not write the list to &apos;%1&apos;. It would replace the deck it is made from.</source>
        <translation>「%1」にリストを書き込めませんでした。リストの元のデッキを上書きしてしまいます。</translation>
    </message>
    <message>
        <source>Could not write the list to &apos;%1&apos;. %2</source>
        <translation>「%1」にリストを書き込めませんでした。%2</translation>
    </message>
    <message>
        <source>Could not write the list to standard output. %1</source>
        <translation>標準出力にリストを書き込めませんでした。%1</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set). Start it on a desktop, or without one under a virtual display: xvfb-run memoquill</source>
        <translation>ディスプレイが見つかりません（DISPLAY が設定されていません）。デスクトップ上で起動するか、デスクトップがなければ仮想ディスプレイ上で起動してください：xvfb-run memoquill</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>%1 is the synopsis, &quot;memoquill [--help] ...&quot;, which stays as typed.</extracomment>
        <translation>使い方：%1</translation>
    </message>
</context>
<context>
    <name>DeckFile</name>
    <message>
        <source>Could not load the deck from &apos;%1&apos;.<byte value="xd"/>
%2</source>
        <translation>「%1」からデッキを読み込めませんでした。<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not save the deck to &apos;%1&apos;.<byte value="xd"/>
%2</source>
        <translation>「%1」にデッキを保存できませんでした。<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The file is %1 bytes long; a deck file holds at most %2 bytes.</source>
        <translation>ファイルのサイズは %1 バイトです。デッキファイルは %2 バイトまでです。</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>ファイルではなくフォルダーです。</translation>
    </message>
    <message>
        <source>It is a named pipe (FIFO), not a file.</source>
        <translation>ファイルではなく名前付きパイプ (FIFO) です。</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>ファイルではなくソケットです。</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>ファイルではなくデバイスです。</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>読み込むためのメモリが足りません。</translation>
    </message>
    <message>
        <source>The deck in &apos;%1&apos; has more than %2 cards and cannot be loaded.</source>
        <translation>「%1」のデッキはカードが %2 枚を超えているため、読み込めません。</translation>
    </message>
    <message>
        <source>There is not enough memory to write it.</source>
        <translation>書き込むためのメモリが足りません。</translation>
    </message>
    <message>
        <source>The card &apos;%1&apos; contains the text %2 inside a line, which a deck file cannot hold. Remove it and save again.</source>
        <translation>カード「%1」の行の途中に %2 という文字列があります。これはデッキファイルに保存できません。削除してから保存し直してください。</translation>
    </message>
    <message>
        <source>It is not a Memoquill deck: no card can be read from it.</source>
        <translation>Memoquill のデッキではありません。カードを1枚も読み込めません。</translation>
    </message>
    <message>
        <source>The end of &apos;%1&apos; is not a whole card: its last line was not read, and saving the deck will not keep it.</source>
        <translation>「%1」の末尾が完全なカードになっていません。最後の1行は読み込まれておらず、デッキを保存するとその行は失われます。</translation>
    </message>
    <message>
        <source>The end of &apos;%1&apos; is not a whole card: its last %2 lines were not read, and saving the deck will not keep them.</source>
        <translation>「%1」の末尾が完全なカードになっていません。最後の %2 行は読み込まれておらず、デッキを保存するとそれらの行は失われます。</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既に存在します。
置き換えますか？</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>It is not a folder of this user&apos;s.</source>
        <translation>このユーザーのフォルダーではありません。</translation>
    </message>
    <message>
        <source>Its permissions cannot be set.</source>
        <translation>フォルダーのアクセス権を設定できません。</translation>
    </message>
    <message>
        <source>Unsaved cards cannot be kept in %1: %2</source>
        <translation>保存されていないカードを %1 に保管できません：%2</translation>
    </message>
    <message>
        <source>Its lock file cannot be made.</source>
        <translation>ロックファイルを作成できません。</translation>
    </message>
    <message>
        <source>The card &apos;%1&apos; contains the text %2 inside a line.</source>
        <translation>カード「%1」の行の途中に %2 という文字列があります。</translation>
    </message>
    <message>
        <source>%1 is a link.</source>
        <translation>%1 はシンボリックリンクです。</translation>
    </message>
    <message>
        <source>Removed the damaged recovery file %1: %2</source>
        <translation>壊れた復元ファイル %1 を削除しました：%2</translation>
    </message>
    <message>
        <source>Its information file cannot be read.</source>
        <translation>情報ファイルを読み込めません。</translation>
    </message>
    <message>
        <source>It is missing or not a file.</source>
        <translation>見つからないか、ファイルではありません。</translation>
    </message>
    <message>
        <source>It holds no whole deck.</source>
        <translation>完全なデッキが含まれていません。</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>more cards than a deck holds (%1)</source>
        <translation>カードがデッキに入る枚数 (%1) を超えています</translation>
    </message>
    <message>
        <source>the name contains %1, which a deck file cannot hold</source>
        <translation>名前に %1 が含まれています。これはデッキファイルに保存できません</translation>
    </message>
    <message>
        <source>expected 2 or 3 fields separated by commas, found %1</source>
        <translation>カンマ区切りのフィールドが2つか3つ必要ですが、%1 個あります</translation>
    </message>
    <message>
        <source>expected 2 or 3 fields separated by tabs, found %1</source>
        <translation>タブ区切りのフィールドが2つか3つ必要ですが、%1 個あります</translation>
    </message>
    <message>
        <source>a quoted field is not closed by a quote</source>
        <translation>引用符で始まるフィールドが引用符で閉じられていません</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目：%2</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>読み込むためのメモリが足りません。</translation>
    </message>
</context>
<context>
    <name>memoquill::CardCreate</name>
    <message>
        <source>There currently no cards.  Create a card first by clicking &quot;New Card&quot; or load a Memoquill file<byte value="xd"/>
</source>
        <translation>カードはまだありません。「新しいカード」をクリックしてカードを作るか、Memoquill ファイルを開いてください。<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>There currently no cards.  Create a card first <byte value="xd"/>
by clicking &quot;New card&quot;or load a Memoquill file<byte value="xd"/>
</source>
        <translation>カードはまだありません。「新しいカード」をクリックして<byte value="xd"/>
カードを作るか、Memoquill ファイルを開いてください。<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Back text</source>
        <translation>裏面のテキスト</translation>
    </message>
    <message>
        <source>Front text</source>
        <translation>表面のテキスト</translation>
    </message>
    <message>
        <source>Card List</source>
        <translation>カード一覧</translation>
    </message>
    <message>
        <source>&amp;Delete Card</source>
        <translation>カードを削除(&amp;D)</translation>
    </message>
    <message>
        <source>Ne&amp;w Card</source>
        <translation>新しいカード(&amp;W)</translation>
    </message>
    <message>
        <source>The name of the card shown</source>
        <translation>表示中のカードの名前</translation>
    </message>
    <message>
        <source>Card List</source>
        <comment>caption, 41 pixels wide</comment>
        <translatorcomment>&quot;カード一覧&quot; needs about 50 of the 41 pixels; above the list, &quot;カード&quot; says the same.</translatorcomment>
        <translation>カード</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>caption, 25 pixels wide</comment>
        <translation>裏面</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>caption, 25 pixels wide</comment>
        <translation>表面</translation>
    </message>
    <message>
        <source>The cards of the deck; pick one to show and edit it</source>
        <translation>デッキのカード。選ぶと表示して編集できます</translation>
    </message>
    <message>
        <source>The front of the card shown</source>
        <translation>表示中のカードの表面</translation>
    </message>
    <message>
        <source>The back of the card shown</source>
        <translation>表示中のカードの裏面</translation>
    </message>
    <message>
        <source>Adds a card, asking for its name</source>
        <translation>名前を入力してカードを追加します</translation>
    </message>
    <message>
        <source>Deletes the card selected in the card list</source>
        <translation>カード一覧で選んだカードを削除します</translation>
    </message>
    <message>
        <source>Front text scroll bar</source>
        <translation>表面のスクロールバー</translation>
    </message>
    <message>
        <source>Back text scroll bar</source>
        <translation>裏面のスクロールバー</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>メニューバー</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>新規(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存…</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>開く(&amp;L)…</translation>
    </message>
    <message>
        <source>Crash my Computer!</source>
        <translation>パソコンをクラッシュさせる！</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Card&amp;Reader</source>
        <translation>カードを復習(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Memoquill について(&amp;A)</translation>
    </message>
    <message>
        <source>The deck is full: it cannot hold more than %1 cards.</source>
        <translation>デッキがいっぱいです。カードは %1 枚までしか入りません。</translation>
    </message>
    <message>
        <source>New Card</source>
        <translation>新しいカード</translation>
    </message>
    <message>
        <source>Please type the name of the new card</source>
        <translation>新しいカードの名前を入力してください</translation>
    </message>
    <message>
        <source>There is already a card with that name.</source>
        <translation>その名前のカードは既にあります。</translation>
    </message>
    <message>
        <source>Name already in use</source>
        <translation>名前が重複しています</translation>
    </message>
    <message>
        <source>There is no card selected</source>
        <translation>カードが選択されていません</translation>
    </message>
    <message>
        <source>Cannot delete what does not exist!</source>
        <translation>ないものは削除できません！</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete &apos;%1&apos;?</source>
        <translation>「%1」を削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>Delete Card?</source>
        <translation>カードを削除しますか？</translation>
    </message>
    <message>
        <source>Memofile (.mqd)</source>
        <translation>Memoquill ファイル (.mqd)</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>ファイルエラー</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>Are you sure you wish to Load a new project? All unsaved work will be lost.</source>
        <translation>新しいプロジェクトを開いてもよろしいですか？保存していない作業はすべて失われます。</translation>
    </message>
    <message>
        <source>Are you sure you wish to start a new project? All unsaved work will be lost.</source>
        <translation>新しいプロジェクトを始めてもよろしいですか？保存していない作業はすべて失われます。</translation>
    </message>
    <message>
        <source>Load New Project</source>
        <translation>新しいプロジェクトを開く</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>新しいプロジェクト</translation>
    </message>
    <message>
        <source>There currently no cards.  Create a card first by clicking &apos;New Card&apos;</source>
        <translation>カードはまだありません。「新しいカード」をクリックしてカードを作ってください。</translation>
    </message>
    <message>
        <source>Invalid file type!</source>
        <translation>ファイルの種類が正しくありません！</translation>
    </message>
    <message>
        <source>Do you want to save changes to &apos;Untitled&apos;?</source>
        <translation>「無題」への変更を保存しますか？</translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <translation>変更を保存しますか？</translation>
    </message>
    <message>
        <source>Do you want to save changes to &apos;%1&apos;?</source>
        <translation>「%1」への変更を保存しますか？</translation>
    </message>
    <message>
        <source>Programmed by Alder Quimbly<byte value="xd"/>
Tested by Brisk Oddal<byte value="xd"/>
Title concept by Wend</source>
        <translation>プログラム：Alder Quimbly<byte value="xd"/>
テスト：Brisk Oddal<byte value="xd"/>
タイトル考案：Wend</translation>
    </message>
    <message>
        <source>Dude! That was really dumb!<byte value="xd"/>
What if that had really crashed your Computer?<byte value="xd"/>
What would you do then?</source>
        <translation>ちょっと！今のはほんとにバカだったよ！<byte value="xd"/>
もし本当にパソコンがクラッシュしてたら？<byte value="xd"/>
そしたらどうするつもりだったの？</translation>
    </message>
    <message>
        <source>What were you thinking?</source>
        <translation>何考えてたの？</translation>
    </message>
    <message>
        <source>Memoquill was not closed properly. Recover the card of &apos;%1&apos; from %2 that was not saved?</source>
        <translation>Memoquill は正常に終了しませんでした。%2 時点の「%1」の保存されていないカードを復元しますか？</translation>
    </message>
    <message>
        <source>Memoquill was not closed properly. Recover the %1 cards of &apos;%2&apos; from %3 that were not saved?</source>
        <translation>Memoquill は正常に終了しませんでした。%3 時点の「%2」の保存されていないカード %1 枚を復元しますか？</translation>
    </message>
    <message>
        <source>Recover Cards?</source>
        <translation>カードを復元しますか？</translation>
    </message>
</context>
<context>
    <name>memoquill::CardReader</name>
    <message>
        <source>Card text</source>
        <translation>カードのテキスト</translation>
    </message>
    <message>
        <source>Cards Loaded Press &quot;Next Card&quot; to continue.<byte value="xd"/>
</source>
        <translation>カードを読み込みました。「次のカード」を押して続けてください。<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Show Back First</source>
        <comment>check box, 97 pixels wide</comment>
        <translation>裏面から表示</translation>
    </message>
    <message>
        <source>Skip First Card</source>
        <comment>check box, 89 pixels wide</comment>
        <translation>1枚目を除く</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>次のカード</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>裏返す</translation>
    </message>
    <message>
        <source>Random</source>
        <comment>check box, 89 pixels wide</comment>
        <translation>ランダム順</translation>
    </message>
    <message>
        <source>The side of the card shown</source>
        <translation>表示中のカードの面</translation>
    </message>
    <message>
        <source>Card text scroll bar</source>
        <translation>カードのテキストのスクロールバー</translation>
    </message>
    <message>
        <source>Shows the next card</source>
        <translation>次のカードを表示します</translation>
    </message>
    <message>
        <source>Turns the card over</source>
        <translation>カードを裏返します</translation>
    </message>
    <message>
        <source>Picks the next card at random</source>
        <translation>次のカードをランダムに選びます</translation>
    </message>
    <message>
        <source>Leaves the first card out of the review</source>
        <translation>1枚目のカードを復習から除きます</translation>
    </message>
    <message>
        <source>Shows each card&apos;s back before its front</source>
        <translation>各カードの裏面を表面より先に表示します</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>メニューバー</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存…</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>開く…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Card&amp;Create</source>
        <translation>カードを作成(&amp;C)</translation>
    </message>
</context>
</TS>
