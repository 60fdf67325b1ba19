<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>Write study cards and review them one by one.</source>
        <translation>编写学习卡片，并逐张复习。</translation>
    </message>
    <message>
        <source>A deck file (.mqd) to open.</source>
        <translation>要打开的卡组文件（.mqd）。</translation>
    </message>
    <message>
        <source>Start with a new deck of the cards in LIST, a word list separated by tabs, or by commas when its name ends in .csv.</source>
        <translation>用 LIST 中的卡片新建卡组并启动。LIST 是以制表符分隔的单词列表；如果其文件名以 .csv 结尾，则以逗号分隔。</translation>
    </message>
    <message>
        <source>Write the cards of DECK.mqd as a word list separated by tabs, to standard output, and open no window.</source>
        <translation>将 DECK.mqd 中的卡片以制表符分隔的单词列表写到标准输出，不打开任何窗口。</translation>
    </message>
    <message>
        <source>With --export: write the list to LIST instead, separated by commas when its name ends in .csv.</source>
        <translation>与 --export 一起使用：改为将列表写入 LIST；如果其文件名以 .csv 结尾，则以逗号分隔。</translation>
    </message>
    <message>
        <source>--%1 can be given only once.</source>
        <translation>--%1 只能指定一次。</translation>
    </message>
    <message>
        <source>Only one deck can be opened at a time.</source>
        <translation>一次只能打开一个卡组。</translation>
    </message>
    <message>
        <source>--import and --export cannot be given together.</source>
        <translation>--import 和 --export 不能同时指定。</translation>
    </message>
    <message>
        <source>A deck to open cannot be given with --import or --export.</source>
        <translation>指定 --import 或 --export 时，不能再指定要打开的卡组。</translation>
    </message>
    <message>
        <source>--output goes with --export only.</source>
        <translation>--output 只能与 --export 一起使用。</translation>
    </message>
    <message>
        <source>Could not load the deck from &apos;%1&apos;. Its name does not end in .mqd.</source>
        <translation>无法从“%1”加载卡组。文件名不以 .mqd 结尾。</translation>
    </message>
    <message>
        <source>Could not write the list to &apos;%1&apos;. It would replace the deck it is made from.</source>
        <translation>无法将列表写入“%1”。这会覆盖生成该列表的卡组。</translation>
    </message>
    <message>
        <source>Could not write the list to &apos;%1&apos;. %2</source>
        <translation>无法将列表写入“%1”。%2</translation>
    </message>
    <message>
        <source>Could not write the list to standard output. %1</source>
        <translation>无法将列表写到标准输出。%1</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set). Start it on a desktop, or without one under a virtual display: xvfb-run memoquill</source>
        <translation>找不到图形显示（未设置 DISPLAY）。请在桌面环境中启动；没有桌面时，可在虚拟显示环境下启动：xvfb-run memoquill</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>%1 is the synopsis, &quot;memoquill [--help] ...&quot;, which stays as typed.</extracomment>
        <translation>用法：%1</translation>
    </message>
</context>
<context>
    <name>DeckFile</name>
    <message>
        <source>Could not load the deck from &apos;%1&apos;.<byte value="xd"/>
%2</source>
        <translation>无法从“%1”加载卡组。<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not save the deck to &apos;%1&apos;.<byte value="xd"/>
%2</source>
        <translation>无法将卡组保存到“%1”。<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The file is %1 bytes long; a deck file holds at most %2 bytes.</source>
        <translation>文件大小为 %1 字节；卡组文件最多只能有 %2 字节。</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>这是文件夹，不是文件。</translation>
    </message>
    <message>
        <source>It is a named pipe (FIFO), not a file.</source>
        <translation>这是命名管道（FIFO），不是文件。</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>这是套接字，不是文件。</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>这是设备，不是文件。</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>内存不足，无法读取。</translation>
    </message>
    <message>
        <source>The deck in &apos;%1&apos; has more than %2 cards and cannot be loaded.</source>
        <translation>“%1”中的卡组有超过 %2 张卡片，无法加载。</translation>
    </message>
    <message>
        <source>There is not enough memory to write it.</source>
        <translation>内存不足，无法写入。</translation>
    </message>
    <message>
        <source>The card &apos;%1&apos; contains the text %2 inside a line, which a deck file cannot hold. Remove it and save again.</source>
        <translation>卡片“%1”的某一行中间含有文本 %2，卡组文件无法保存它。请将其删除后重新保存。</translation>
    </message>
    <message>
        <source>It is not a Memoquill deck: no card can be read from it.</source>
        <translation>这不是 Memoquill 卡组：无法从中读取任何卡片。</translation>
    </message>
    <message>
        <source>The end of &apos;%1&apos; is not a whole card: its last line was not read, and saving the deck will not keep it.</source>
        <translation>“%1”的末尾不是完整的卡片：最后一行未被读取，保存卡组时不会保留该行。</translation>
    </message>
    <message>
        <source>The end of &apos;%1&apos; is not a whole card: its last %2 lines were not read, and saving the deck will not keep them.</source>
        <translation>“%1”的末尾不是完整的卡片：最后 %2 行未被读取，保存卡组时不会保留这些行。</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>It is not a folder of this user&apos;s.</source>
        <translation>这不是当前用户的文件夹。</translation>
    </message>
    <message>
        <source>Its permissions cannot be set.</source>
        <translation>无法设置其权限。</translation>
    </message>
    <message>
        <source>Unsaved cards cannot be kept in %1: %2</source>
        <translation>无法在 %1 中保留未保存的卡片：%2</translation>
    </message>
    <message>
        <source>Its lock file cannot be made.</source>
        <translation>无法创建其锁文件。</translation>
    </message>
    <message>
        <source>The card &apos;%1&apos; contains the text %2 inside a line.</source>
        <translation>卡片“%1”的某一行中间含有文本 %2。</translation>
    </message>
    <message>
        <source>%1 is a link.</source>
        <translation>%1 是符号链接。</translation>
    </message>
    <message>
        <source>Removed the damaged recovery file %1: %2</source>
        <translation>已删除损坏的恢复文件 %1：%2</translation>
    </message>
    <message>
        <source>Its information file cannot be read.</source>
        <translation>无法读取其信息文件。</translation>
    </message>
    <message>
        <source>It is missing or not a file.</source>
        <translation>它不存在，或者不是文件。</translation>
    </message>
    <message>
        <source>It holds no whole deck.</source>
        <translation>其中没有完整的卡组。</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>more cards than a deck holds (%1)</source>
        <translation>卡片数超出了卡组的容量（%1）</translation>
    </message>
    <message>
        <source>the name contains %1, which a deck file cannot hold</source>
        <translation>名称中含有 %1，卡组文件无法保存它</translation>
    </message>
    <message>
        <source>expected 2 or 3 fields separated by commas, found %1</source>
        <translation>应有 2 或 3 个以逗号分隔的字段，实际有 %1 个</translation>
    </message>
    <message>
        <source>expected 2 or 3 fields separated by tabs, found %1</source>
        <translation>应有 2 或 3 个以制表符分隔的字段，实际有 %1 个</translation>
    </message>
    <message>
        <source>a quoted field is not closed by a quote</source>
        <translation>带引号的字段缺少结束引号</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>内存不足，无法读取。</translation>
    </message>
</context>
<context>
    <name>memoquill::CardCreate</name>
    <message>
        <source>There currently no cards.  Create a card first by clicking &quot;New Card&quot; or load a Memoquill file<byte value="xd"/>
</source>
        <translation>目前还没有卡片。请先点击“新建卡片”创建卡片，或打开一个 Memoquill 文件。<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>There currently no cards.  Create a card first <byte value="xd"/>
by clicking &quot;New card&quot;or load a Memoquill file<byte value="xd"/>
</source>
        <translation>目前还没有卡片。请先点击“新建卡片”<byte value="xd"/>
创建卡片，或打开一个 Memoquill 文件。<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Back text</source>
        <translation>背面文本</translation>
    </message>
    <message>
        <source>Front text</source>
        <translation>正面文本</translation>
    </message>
    <message>
        <source>Card List</source>
        <translation>卡片列表</translation>
    </message>
    <message>
        <source>&amp;Delete Card</source>
        <translation>删除卡片(&amp;D)</translation>
    </message>
    <message>
        <source>Ne&amp;w Card</source>
        <translation>新建卡片(&amp;W)</translation>
    </message>
    <message>
        <source>The name of the card shown</source>
        <translation>当前卡片的名称</translation>
    </message>
    <message>
        <source>Card List</source>
        <comment>caption, 41 pixels wide</comment>
        <translatorcomment>&quot;卡片列表&quot; needs 40 to 44 of the 41 pixels; above the list, &quot;卡片&quot; says the same.</translatorcomment>
        <translation>卡片</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>caption, 25 pixels wide</comment>
        <translation>背面</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>caption, 25 pixels wide</comment>
        <translation>正面</translation>
    </message>
    <message>
        <source>The cards of the deck; pick one to show and edit it</source>
        <translation>卡组中的卡片；选择一张即可显示并编辑</translation>
    </message>
    <message>
        <source>The front of the card shown</source>
        <translation>当前卡片的正面</translation>
    </message>
    <message>
        <source>The back of the card shown</source>
        <translation>当前卡片的背面</translation>
    </message>
    <message>
        <source>Adds a card, asking for its name</source>
        <translation>添加一张卡片，并询问其名称</translation>
    </message>
    <message>
        <source>Deletes the card selected in the card list</source>
        <translation>删除卡片列表中选中的卡片</translation>
    </message>
    <message>
        <source>Front text scroll bar</source>
        <translation>正面文本滚动条</translation>
    </message>
    <message>
        <source>Back text scroll bar</source>
        <translation>背面文本滚动条</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>菜单栏</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>新建(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为…</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>打开(&amp;L)…</translation>
    </message>
    <message>
        <source>Crash my Computer!</source>
        <translation>让我的电脑崩溃！</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Card&amp;Reader</source>
        <translation>复习卡片(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>The deck is full: it cannot hold more than %1 cards.</source>
        <translation>卡组已满：最多只能容纳 %1 张卡片。</translation>
    </message>
    <message>
        <source>New Card</source>
        <translation>新建卡片</translation>
    </message>
    <message>
        <source>Please type the name of the new card</source>
        <translation>请输入新卡片的名称</translation>
    </message>
    <message>
        <source>There is already a card with that name.</source>
        <translation>已有同名的卡片。</translation>
    </message>
    <message>
        <source>Name already in use</source>
        <translation>名称已被使用</translation>
    </message>
    <message>
        <source>There is no card selected</source>
        <translation>没有选中任何卡片</translation>
    </message>
    <message>
        <source>Cannot delete what does not exist!</source>
        <translation>不存在的东西可删不了！</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete &apos;%1&apos;?</source>
        <translation>确定要删除“%1”吗？</translation>
    </message>
    <message>
        <source>Delete Card?</source>
        <translation>删除卡片？</translation>
    </message>
    <message>
        <source>Memofile (.mqd)</source>
        <translation>Memoquill 文件 (.mqd)</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>文件错误</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>Are you sure you wish to Load a new project? All unsaved work will be lost.</source>
        <translation>确定要打开新项目吗？所有未保存的工作都将丢失。</translation>
    </message>
    <message>
        <source>Are you sure you wish to start a new project? All unsaved work will be lost.</source>
        <translation>确定要开始新项目吗？所有未保存的工作都将丢失。</translation>
    </message>
    <message>
        <source>Load New Project</source>
        <translation>打开新项目</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>新项目</translation>
    </message>
    <message>
        <source>There currently no cards.  Create a card first by clicking &apos;New Card&apos;</source>
        <translation>目前还没有卡片。请先点击“新建卡片”创建卡片。</translation>
    </message>
    <message>
        <source>Invalid file type!</source>
        <translation>文件类型无效！</translation>
    </message>
    <message>
        <source>Do you want to save changes to &apos;Untitled&apos;?</source>
        <translation>要保存对“未命名”的更改吗？</translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <translation>保存更改？</translation>
    </message>
    <message>
        <source>Do you want to save changes to &apos;%1&apos;?</source>
        <translation>要保存对“%1”的更改吗？</translation>
    </message>
    <message>
        <source>Programmed by Alder Quimbly<byte value="xd"/>
Tested by Brisk Oddal<byte value="xd"/>
Title concept by Wend</source>
        <translation>编程：Alder Quimbly<byte value="xd"/>
测试：Brisk Oddal<byte value="xd"/>
标题创意：Wend</translation>
    </message>
    <message>
        <source>Dude! That was really dumb!<byte value="xd"/>
What if that had really crashed your Computer?<byte value="xd"/>
What would you do then?</source>
        <translation>老兄！这也太傻了吧！<byte value="xd"/>
要是你的电脑真的崩溃了呢？<byte value="xd"/>
到时候你打算怎么收场？</translation>
    </message>
    <message>
        <source>What were you thinking?</source>
        <translation>你到底在想什么？</translation>
    </message>
    <message>
        <source>Memoquill was not closed properly. Recover the card of &apos;%1&apos; from %2 that was not saved?</source>
        <translation>Memoquill 未正常关闭。要恢复“%1”中 %2 时未保存的卡片吗？</translation>
    </message>
    <message>
        <source>Memoquill was not closed properly. Recover the %1 cards of &apos;%2&apos; from %3 that were not saved?</source>
        <translation>Memoquill 未正常关闭。要恢复“%2”中 %3 时未保存的 %1 张卡片吗？</translation>
    </message>
    <message>
        <source>Recover Cards?</source>
        <translation>恢复卡片？</translation>
    </message>
</context>
<context>
    <name>memoquill::CardReader</name>
    <message>
        <source>Card text</source>
        <translation>卡片文本</translation>
    </message>
    <message>
        <source>Cards Loaded Press &quot;Next Card&quot; to continue.<byte value="xd"/>
</source>
        <translation>卡片已加载。请点击“下一张”继续。<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Show Back First</source>
        <comment>check box, 97 pixels wide</comment>
        <translation>先显示背面</translation>
    </message>
    <message>
        <source>Skip First Card</source>
        <comment>check box, 89 pixels wide</comment>
        <translation>跳过第一张</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>下一张</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>翻面</translation>
    </message>
    <message>
        <source>Random</source>
        <comment>check box, 89 pixels wide</comment>
        <translation>随机顺序</translation>
    </message>
    <message>
        <source>The side of the card shown</source>
        <translation>卡片当前显示的一面</translation>
    </message>
    <message>
        <source>Card text scroll bar</source>
        <translation>卡片文本滚动条</translation>
    </message>
    <message>
        <source>Shows the next card</source>
        <translation>显示下一张卡片</translation>
    </message>
    <message>
        <source>Turns the card over</source>
        <translation>将卡片翻面</translation>
    </message>
    <message>
        <source>Picks the next card at random</source>
        <translation>随机选择下一张卡片</translation>
    </message>
    <message>
        <source>Leaves the first card out of the review</source>
        <translation>复习时跳过第一张卡片</translation>
    </message>
    <message>
        <source>Shows each card&apos;s back before its front</source>
        <translation>每张卡片先显示背面，再显示正面</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>菜单栏</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为…</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>打开…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Card&amp;Create</source>
        <translation>制作卡片(&amp;C)</translation>
    </message>
</context>
</TS>
