<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>CommandLine</name>
    <message>
        <source>Write study cards and review them one by one.</source>
        <translation>كتابة بطاقات دراسية ومراجعتها بطاقةً بطاقة.</translation>
    </message>
    <message>
        <source>A deck file (.mqd) to open.</source>
        <translation>ملف رزمة (.mqd) المراد فتحه.</translation>
    </message>
    <message>
        <source>Start with a new deck of the cards in LIST, a word list separated by tabs, or by commas when its name ends in .csv.</source>
        <translation>البدء برزمة جديدة من بطاقات LIST، وهي قائمة كلمات مفصولة بعلامات جدولة، أو بفواصل إذا انتهى اسمها بـ .csv.</translation>
    </message>
    <message>
        <source>Write the cards of DECK.mqd as a word list separated by tabs, to standard output, and open no window.</source>
        <translation>كتابة بطاقات DECK.mqd إلى المخرج القياسي كقائمة كلمات مفصولة بعلامات جدولة، دون فتح أي نافذة.</translation>
    </message>
    <message>
        <source>With --export: write the list to LIST instead, separated by commas when its name ends in .csv.</source>
        <translation>مع --export: كتابة القائمة إلى LIST بدلًا من ذلك، مفصولةً بفواصل إذا انتهى اسمها بـ .csv.</translation>
    </message>
    <message>
        <source>--%1 can be given only once.</source>
        <translation>لا يمكن تحديد --%1 إلا مرة واحدة.</translation>
    </message>
    <message>
        <source>Only one deck can be opened at a time.</source>
        <translation>لا يمكن فتح أكثر من رزمة واحدة في الوقت نفسه.</translation>
    </message>
    <message>
        <source>--import and --export cannot be given together.</source>
        <translation>لا يمكن تحديد --import و --export معًا.</translation>
    </message>
    <message>
        <source>A deck to open cannot be given with --import or --export.</source>
        <translation>لا يمكن تحديد رزمة لفتحها مع --import أو --export.</translation>
    </message>
    <message>
        <source>--output goes with --export only.</source>
        <translation>لا يُستخدم --output إلا مع --export.</translation>
    </message>
    <message>
        <source>Could not load the deck from &apos;%1&apos;. Its name does not end in .mqd.</source>
        <translation>تعذّر تحميل الرزمة من «⁨%1⁩». اسم الملف لا ينتهي بـ .mqd.</translation>
    </message>
    <message>
        <source>Could not write the list to &apos;%1&apos;. It would replace the deck it is made from.</source>
        <translation>تعذّرت كتابة القائمة إلى «⁨%1⁩». فهي ستحل محل الرزمة التي أُخذت منها.</translation>
    </message>
    <message>
        <source>Could not write the list to &apos;%1&apos;. %2</source>
        <translation>تعذّرت كتابة القائمة إلى «⁨%1⁩». %2</translation>
    </message>
    <message>
        <source>Could not write the list to standard output. %1</source>
        <translation>تعذّرت كتابة القائمة إلى المخرج القياسي. %1</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set). Start it on a desktop, or without one under a virtual display: xvfb-run memoquill</source>
        <translation>لم يُعثر على بيئة عرض رسومية (المتغير DISPLAY غير مضبوط). شغّل البرنامج ضمن سطح مكتب، أو من دونه ضمن بيئة عرض افتراضية: xvfb-run memoquill</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>%1 is the synopsis, &quot;memoquill [--help] ...&quot;, which stays as typed.</extracomment>
        <translation>الاستخدام: %1</translation>
    </message>
</context>
<context>
    <name>DeckFile</name>
    <message>
        <source>Could not load the deck from &apos;%1&apos;.<byte value="xd"/>
%2</source>
        <translation>تعذّر تحميل الرزمة من «⁨%1⁩».<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not save the deck to &apos;%1&apos;.<byte value="xd"/>
%2</source>
        <translation>تعذّر حفظ الرزمة في «⁨%1⁩».<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The file is %1 bytes long; a deck file holds at most %2 bytes.</source>
        <translation>حجم الملف %1 بايت، وملف الرزمة لا يتسع لأكثر من %2 بايت.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>هذا مجلد وليس ملفًا.</translation>
    </message>
    <message>
        <source>It is a named pipe (FIFO), not a file.</source>
        <translation>هذا أنبوب مسمّى (FIFO) وليس ملفًا.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>هذا مقبس وليس ملفًا.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>هذا جهاز وليس ملفًا.</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>لا تتوفر ذاكرة كافية لقراءته.</translation>
    </message>
    <message>
        <source>The deck in &apos;%1&apos; has more than %2 cards and cannot be loaded.</source>
        <translation>الرزمة في «⁨%1⁩» فيها أكثر من %2 بطاقة، ولا يمكن تحميلها.</translation>
    </message>
    <message>
        <source>There is not enough memory to write it.</source>
        <translation>لا تتوفر ذاكرة كافية لكتابته.</translation>
    </message>
    <message>
        <source>The card &apos;%1&apos; contains the text %2 inside a line, which a deck file cannot hold. Remove it and save again.</source>
        <translation>تحتوي البطاقة «⁨%1⁩» على النص ⁨%2⁩ في وسط سطر، وهذا ما لا يستطيع ملف الرزمة حفظه. أزِله ثم احفظ من جديد.</translation>
    </message>
    <message>
        <source>It is not a Memoquill deck: no card can be read from it.</source>
        <translation>هذا الملف ليس رزمة Memoquill: لا يمكن قراءة أي بطاقة منه.</translation>
    </message>
    <message>
        <source>The end of &apos;%1&apos; is not a whole card: its last line was not read, and saving the deck will not keep it.</source>
        <translation>نهاية «⁨%1⁩» ليست بطاقة كاملة: لم يُقرأ السطر الأخير منه، ولن يُحتفظ به عند حفظ الرزمة.</translation>
    </message>
    <message>
        <source>The end of &apos;%1&apos; is not a whole card: its last %2 lines were not read, and saving the deck will not keep them.</source>
        <translation>نهاية «⁨%1⁩» ليست بطاقة كاملة: لم تُقرأ الأسطر الأخيرة منه (عددها %2)، ولن يُحتفظ بها عند حفظ الرزمة.</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>الملف ⁨%1⁩ موجود بالفعل.
هل تريد استبداله؟</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>It is not a folder of this user&apos;s.</source>
        <translation>ليس مجلدًا يملكه المستخدم الحالي.</translation>
    </message>
    <message>
        <source>Its permissions cannot be set.</source>
        <translation>لا يمكن ضبط أذوناته.</translation>
    </message>
    <message>
        <source>Unsaved cards cannot be kept in %1: %2</source>
        <translation>لا يمكن الاحتفاظ بالبطاقات غير المحفوظة في ⁨%1⁩: %2</translation>
    </message>
    <message>
        <source>Its lock file cannot be made.</source>
        <translation>لا يمكن إنشاء ملف القفل الخاص به.</translation>
    </message>
    <message>
        <source>The card &apos;%1&apos; contains the text %2 inside a line.</source>
        <translation>تحتوي البطاقة «⁨%1⁩» على النص ⁨%2⁩ في وسط سطر.</translation>
    </message>
    <message>
        <source>%1 is a link.</source>
        <translation>⁨%1⁩ رابط رمزي.</translation>
    </message>
    <message>
        <source>Removed the damaged recovery file %1: %2</source>
        <translation>تم حذف ملف الاستعادة التالف ⁨%1⁩: %2</translation>
    </message>
    <message>
        <source>Its information file cannot be read.</source>
        <translation>لا يمكن قراءة ملف معلوماته.</translation>
    </message>
    <message>
        <source>It is missing or not a file.</source>
        <translation>غير موجود أو ليس ملفًا.</translation>
    </message>
    <message>
        <source>It holds no whole deck.</source>
        <translation>لا يحتوي على رزمة كاملة.</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>more cards than a deck holds (%1)</source>
        <translation>بطاقات أكثر مما تتسع له الرزمة (%1)</translation>
    </message>
    <message>
        <source>the name contains %1, which a deck file cannot hold</source>
        <translation>الاسم يحتوي على ⁨%1⁩، وهذا ما لا يستطيع ملف الرزمة حفظه</translation>
    </message>
    <message>
        <source>expected 2 or 3 fields separated by commas, found %1</source>
        <translation>المتوقع 2 أو 3 حقول مفصولة بفواصل، والموجود %1</translation>
    </message>
    <message>
        <source>expected 2 or 3 fields separated by tabs, found %1</source>
        <translation>المتوقع 2 أو 3 حقول مفصولة بعلامات جدولة، والموجود %1</translation>
    </message>
    <message>
        <source>a quoted field is not closed by a quote</source>
        <translation>حقل يبدأ بعلامة اقتباس لا تغلقه علامة اقتباس</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>السطر %1: %2</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>لا تتوفر ذاكرة كافية لقراءته.</translation>
    </message>
</context>
<context>
    <name>memoquill::CardCreate</name>
    <message>
        <source>There currently no cards.  Create a card first by clicking &quot;New Card&quot; or load a Memoquill file<byte value="xd"/>
</source>
        <translation>لا توجد بطاقات حاليًا. أنشئ بطاقة أولًا بالنقر على «بطاقة جديدة» أو افتح ملف Memoquill.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>There currently no cards.  Create a card first <byte value="xd"/>
by clicking &quot;New card&quot;or load a Memoquill file<byte value="xd"/>
</source>
        <translation>لا توجد بطاقات حاليًا. أنشئ بطاقة أولًا<byte value="xd"/>
بالنقر على «بطاقة جديدة» أو افتح ملف Memoquill.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Back text</source>
        <translation>نص الظهر</translation>
    </message>
    <message>
        <source>Front text</source>
        <translation>نص الوجه</translation>
    </message>
    <message>
        <source>Card List</source>
        <translation>قائمة البطاقات</translation>
    </message>
    <message>
        <source>&amp;Delete Card</source>
        <translatorcomment>Access keys as the English letter in parentheses: Qt 6.4 breaks the joining of an underlined Arabic letter (ملف shows its م unjoined), and a Latin letter works with either keyboard layout.</translatorcomment>
        <translation>حذف البطاقة (&amp;D)</translation>
    </message>
    <message>
        <source>Ne&amp;w Card</source>
        <translation>بطاقة جديدة (&amp;W)</translation>
    </message>
    <message>
        <source>The name of the card shown</source>
        <translation>اسم البطاقة المعروضة</translation>
    </message>
    <message>
        <source>Card List</source>
        <comment>caption, 41 pixels wide</comment>
        <translatorcomment>&quot;قائمة البطاقات&quot; needs far more than the 41 pixels; above the list, &quot;البطاقات&quot; says the same.</translatorcomment>
        <translation>البطاقات</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>caption, 25 pixels wide</comment>
        <translation>الظهر</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>caption, 25 pixels wide</comment>
        <translation>الوجه</translation>
    </message>
    <message>
        <source>The cards of the deck; pick one to show and edit it</source>
        <translation>بطاقات الرزمة؛ اختر إحداها لعرضها وتحريرها</translation>
    </message>
    <message>
        <source>The front of the card shown</source>
        <translation>وجه البطاقة المعروضة</translation>
    </message>
    <message>
        <source>The back of the card shown</source>
        <translation>ظهر البطاقة المعروضة</translation>
    </message>
    <message>
        <source>Adds a card, asking for its name</source>
        <translation>يضيف بطاقة بعد أن يسأل عن اسمها</translation>
    </message>
    <message>
        <source>Deletes the card selected in the card list</source>
        <translation>يحذف البطاقة المحددة في قائمة البطاقات</translation>
    </message>
    <message>
        <source>Front text scroll bar</source>
        <translation>شريط تمرير نص الوجه</translation>
    </message>
    <message>
        <source>Back text scroll bar</source>
        <translation>شريط تمرير نص الظهر</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>شريط القوائم</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ملف (&amp;F)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>جديد (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>حفظ (&amp;S)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>حفظ باسم…</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>فتح (&amp;L)…</translation>
    </message>
    <message>
        <source>Crash my Computer!</source>
        <translation>اجعل حاسوبي ينهار!</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خروج (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>تحرير (&amp;E)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Card&amp;Reader</source>
        <translation>مراجعة البطاقات (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>حول البرنامج (&amp;A)</translation>
    </message>
    <message>
        <source>The deck is full: it cannot hold more than %1 cards.</source>
        <translation>الرزمة ممتلئة: لا تتسع لأكثر من %1 بطاقة.</translation>
    </message>
    <message>
        <source>New Card</source>
        <translation>بطاقة جديدة</translation>
    </message>
    <message>
        <source>Please type the name of the new card</source>
        <translation>اكتب اسم البطاقة الجديدة من فضلك</translation>
    </message>
    <message>
        <source>There is already a card with that name.</source>
        <translation>توجد بطاقة بهذا الاسم بالفعل.</translation>
    </message>
    <message>
        <source>Name already in use</source>
        <translation>الاسم مستخدم بالفعل</translation>
    </message>
    <message>
        <source>There is no card selected</source>
        <translation>لا توجد بطاقة محددة</translation>
    </message>
    <message>
        <source>Cannot delete what does not exist!</source>
        <translation>لا يمكن حذف ما لا وجود له!</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete &apos;%1&apos;?</source>
        <translation>هل أنت متأكد من أنك تريد حذف «⁨%1⁩»؟</translation>
    </message>
    <message>
        <source>Delete Card?</source>
        <translation>حذف البطاقة؟</translation>
    </message>
    <message>
        <source>Memofile (.mqd)</source>
        <translation>ملف Memoquill (.mqd)</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>خطأ في الملف</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>بلا عنوان</translation>
    </message>
    <message>
        <source>Are you sure you wish to Load a new project? All unsaved work will be lost.</source>
        <translation>هل أنت متأكد من أنك تريد فتح مشروع جديد؟ سيضيع كل عمل لم يُحفظ.</translation>
    </message>
    <message>
        <source>Are you sure you wish to start a new project? All unsaved work will be lost.</source>
        <translation>هل أنت متأكد من أنك تريد بدء مشروع جديد؟ سيضيع كل عمل لم يُحفظ.</translation>
    </message>
    <message>
        <source>Load New Project</source>
        <translation>فتح مشروع جديد</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>مشروع جديد</translation>
    </message>
    <message>
        <source>There currently no cards.  Create a card first by clicking &apos;New Card&apos;</source>
        <translation>لا توجد بطاقات حاليًا. أنشئ بطاقة أولًا بالنقر على «بطاقة جديدة».</translation>
    </message>
    <message>
        <source>Invalid file type!</source>
        <translation>نوع ملف غير صالح!</translation>
    </message>
    <message>
        <source>Do you want to save changes to &apos;Untitled&apos;?</source>
        <translation>هل تريد حفظ التغييرات في «بلا عنوان»؟</translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <translation>حفظ التغييرات؟</translation>
    </message>
    <message>
        <source>Do you want to save changes to &apos;%1&apos;?</source>
        <translation>هل تريد حفظ التغييرات في «⁨%1⁩»؟</translation>
    </message>
    <message>
        <source>Programmed by Alder Quimbly<byte value="xd"/>
Tested by Brisk Oddal<byte value="xd"/>
Title concept by Wend</source>
        <translation>البرمجة: Alder Quimbly<byte value="xd"/>
الاختبار: Brisk Oddal<byte value="xd"/>
فكرة العنوان: Wend</translation>
    </message>
    <message>
        <source>Dude! That was really dumb!<byte value="xd"/>
What if that had really crashed your Computer?<byte value="xd"/>
What would you do then?</source>
        <translation>يا صاح! كان هذا غباءً حقًا!<byte value="xd"/>
ماذا لو انهار حاسوبك فعلًا؟<byte value="xd"/>
ماذا كنت ستفعل حينها؟</translation>
    </message>
    <message>
        <source>What were you thinking?</source>
        <translation>بمَ كنت تفكر؟</translation>
    </message>
    <message>
        <source>Memoquill was not closed properly. Recover the card of &apos;%1&apos; from %2 that was not saved?</source>
        <translation>لم يُغلق Memoquill بشكل صحيح. هل تريد استعادة البطاقة غير المحفوظة من «⁨%1⁩» كما كانت في %2؟</translation>
    </message>
    <message>
        <source>Memoquill was not closed properly. Recover the %1 cards of &apos;%2&apos; from %3 that were not saved?</source>
        <translation>لم يُغلق Memoquill بشكل صحيح. هل تريد استعادة البطاقات غير المحفوظة من «⁨%2⁩» (عددها %1) كما كانت في %3؟</translation>
    </message>
    <message>
        <source>Recover Cards?</source>
        <translation>استعادة البطاقات؟</translation>
    </message>
</context>
<context>
    <name>memoquill::CardReader</name>
    <message>
        <source>Card text</source>
        <translation>نص البطاقة</translation>
    </message>
    <message>
        <source>Cards Loaded Press &quot;Next Card&quot; to continue.<byte value="xd"/>
</source>
        <translation>تم تحميل البطاقات. اضغط «البطاقة التالية» للمتابعة.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Show Back First</source>
        <comment>check box, 97 pixels wide</comment>
        <translation>الظهر أولًا</translation>
    </message>
    <message>
        <source>Skip First Card</source>
        <comment>check box, 89 pixels wide</comment>
        <translatorcomment>&quot;تخطي البطاقة الأولى&quot; needs 112 of the 89 pixels; the feminine &quot;الأولى&quot; leaves &quot;البطاقة&quot; understood.</translatorcomment>
        <translation>تخطي الأولى</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>البطاقة التالية</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>اقلب البطاقة</translation>
    </message>
    <message>
        <source>Random</source>
        <comment>check box, 89 pixels wide</comment>
        <translation>عشوائيًا</translation>
    </message>
    <message>
        <source>The side of the card shown</source>
        <translation>الجانب المعروض من البطاقة</translation>
    </message>
    <message>
        <source>Card text scroll bar</source>
        <translation>شريط تمرير نص البطاقة</translation>
    </message>
    <message>
        <source>Shows the next card</source>
        <translation>يعرض البطاقة التالية</translation>
    </message>
    <message>
        <source>Turns the card over</source>
        <translation>يقلب البطاقة</translation>
    </message>
    <message>
        <source>Picks the next card at random</source>
        <translation>يختار البطاقة التالية عشوائيًا</translation>
    </message>
    <message>
        <source>Leaves the first card out of the review</source>
        <translation>يستبعد البطاقة الأولى من المراجعة</translation>
    </message>
    <message>
        <source>Shows each card&apos;s back before its front</source>
        <translation>يعرض ظهر كل بطاقة قبل وجهها</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>شريط القوائم</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ملف (&amp;F)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>حفظ باسم…</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>فتح…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Card&amp;Create</source>
        <translation>إنشاء البطاقات (&amp;C)</translation>
    </message>
</context>
</TS>
