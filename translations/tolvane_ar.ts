<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>FormatFileSize</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 م.بايت</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 بايت</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 ك.بايت</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>TBatch</name>
    <message>
        <source>Can&apos;t create &quot;%1&quot;: %2.</source>
        <translation>تعذّر إنشاء «%1»: %2.</translation>
    </message>
    <message>
        <source>No free output name is left for &quot;%1&quot; in &quot;%2&quot;.</source>
        <translation>لم يتبقَّ في «%2» اسم متاح للملف الناتج عن «%1».</translation>
    </message>
    <message>
        <source>No output name for &quot;%1&quot; fits in &quot;%2&quot;.</source>
        <translation>لا يتّسع «%2» لأي اسم للملف الناتج عن «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there, or is not a file.</source>
        <translation>لم يعد «%1» موجودًا، أو أنه ليس ملفًا.</translation>
    </message>
    <message>
        <source>Can&apos;t open &quot;%1&quot;: %2.</source>
        <translation>تعذّر فتح «%1»: %2.</translation>
    </message>
    <message>
        <source>Can&apos;t create a file in &quot;%1&quot;: %2.</source>
        <translation>تعذّر إنشاء ملف في «%1»: %2.</translation>
    </message>
    <message>
        <source>The damaged file &quot;%1&quot; is left on disk: it could not be removed (%2).</source>
        <translation>بقي الملف التالف «%1» على القرص: تعذّر حذفه (%2).</translation>
    </message>
    <message>
        <source>The codec was stopped by signal %1.</source>
        <translation>أُوقِف برنامج الترميز بالإشارة %1.</translation>
    </message>
    <message>
        <source>The codec ended with exit code %1.</source>
        <translation>انتهى برنامج الترميز برمز الخروج %1.</translation>
    </message>
    <message>
        <source>The codec could not write the whole file.</source>
        <translation>تعذّر على برنامج الترميز كتابة الملف كاملًا.</translation>
    </message>
    <message>
        <source>The codec made no file.</source>
        <translation>لم يُنشئ برنامج الترميز أي ملف.</translation>
    </message>
    <message>
        <source>The codec made an empty file.</source>
        <translation>أنشأ برنامج الترميز ملفًا فارغًا.</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: a file or a link has its name.</source>
        <translation>تعذّر إنشاء المجلد «%1»: يحمل اسمَه ملفٌ أو رابط.</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: %2.</source>
        <translation>تعذّر إنشاء المجلد «%1»: %2.</translation>
    </message>
    <message>
        <source>The codec found no sound in the file.</source>
        <translation>لم يجد برنامج الترميز أي صوت في الملف.</translation>
    </message>
</context>
<context>
    <name>TConverterForm</name>
    <message>
        <source>Please select one AMR file.</source>
        <translation>يُرجى تحديد ملف AMR واحد على الأقل.</translation>
    </message>
    <message>
        <source>Select folder to save MP3 files.</source>
        <translation>حدّد مجلدًا لحفظ ملفات MP3.</translation>
    </message>
    <message>
        <source>Please select one MP3 file.</source>
        <translation>يُرجى تحديد ملف MP3 واحد على الأقل.</translation>
    </message>
    <message>
        <source>Select folder to save AMR files.</source>
        <translation>حدّد مجلدًا لحفظ ملفات AMR.</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the dialog that adds files to a list</extracomment>
        <translation>فتح</translation>
    </message>
    <message>
        <source>AMR to MP3</source>
        <translation>AMR إلى MP3</translation>
    </message>
    <message>
        <source>AMR Audio File</source>
        <translation>ملف صوت AMR</translation>
    </message>
    <message>
        <source>Output MP3 File</source>
        <translation>ملف MP3 الناتج</translation>
    </message>
    <message>
        <source>Add AMR Audio</source>
        <translation>إضافة صوت AMR</translation>
    </message>
    <message>
        <source>Convert to MP3</source>
        <translation>تحويل إلى MP3</translation>
    </message>
    <message>
        <source>MP3 to AMR</source>
        <translation>MP3 إلى AMR</translation>
    </message>
    <message>
        <source>MP3 Audio File</source>
        <translation>ملف صوت MP3</translation>
    </message>
    <message>
        <source>Output AMR File</source>
        <translation>ملف AMR الناتج</translation>
    </message>
    <message>
        <source>Add MP3 Audio</source>
        <translation>إضافة صوت MP3</translation>
    </message>
    <message>
        <source>Convert to AMR</source>
        <translation>تحويل إلى AMR</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>حجم الملف</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A button that removes the selected row from the list (the file stays)</extracomment>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A small button that ends the running batch</extracomment>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>كل الملفات</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>ملفات MP3</translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation>ملفات AMR</translation>
    </message>
    <message>
        <source>Phone Recordings</source>
        <extracomment>A file filter: every kind of file phones keep voice recordings in</extracomment>
        <translation>تسجيلات الهاتف</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file or folder, then why it could not be converted or added</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or folder(s) could not be added.</source>
        <translation>
            <numerusform>تعذّرت إضافة %n ملف أو مجلد.</numerusform>
            <numerusform>تعذّرت إضافة ملف أو مجلد واحد.</numerusform>
            <numerusform>تعذّرت إضافة ملفين أو مجلدين.</numerusform>
            <numerusform>تعذّرت إضافة %n ملفات أو مجلدات.</numerusform>
            <numerusform>تعذّرت إضافة %n ملفًا أو مجلدًا.</numerusform>
            <numerusform>تعذّرت إضافة %n ملف أو مجلد.</numerusform>
        </translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <extracomment>Caption of a message box, in capitals in English</extracomment>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; don&apos;t exists.</source>
        <extracomment>Translate the meaning: the folder %1 does not exist</extracomment>
        <translation>المجلد «%1» غير موجود.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Audio codec error, please reinstall this software.</source>
        <translation>خطأ في برنامج ترميز الصوت، يُرجى إعادة تثبيت هذا البرنامج.</translation>
    </message>
    <message>
        <source>Start to decode audio ...</source>
        <translation>بدء فك ترميز الصوت…</translation>
    </message>
    <message>
        <source>Decoding audio %1</source>
        <extracomment>The status while a file converts; %1 is how much of the output is written so far, such as &quot;125kb&quot;</extracomment>
        <translation>جارٍ فك ترميز الصوت %1</translation>
    </message>
    <message>
        <source>Can&apos;t decode file.</source>
        <translation>تعذّر فك ترميز الملف.</translation>
    </message>
    <message>
        <source>Show no more failures in this batch</source>
        <extracomment>A check box in the message about a file that failed</extracomment>
        <translation>عدم إظهار حالات فشل أخرى في هذه الدفعة</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be converted.</source>
        <translation>
            <numerusform>تعذّر تحويل %n ملف.</numerusform>
            <numerusform>تعذّر تحويل ملف واحد.</numerusform>
            <numerusform>تعذّر تحويل ملفين.</numerusform>
            <numerusform>تعذّر تحويل %n ملفات.</numerusform>
            <numerusform>تعذّر تحويل %n ملفًا.</numerusform>
            <numerusform>تعذّر تحويل %n ملف.</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t start to deocde audio.</source>
        <extracomment>The codec program could not be started (translate the meaning; the English spelling is kept as it always was)</extracomment>
        <translation>تعذّر بدء فك ترميز الصوت.</translation>
    </message>
    <message>
        <source>Success conversion, Output files save in the output folder.</source>
        <extracomment>The batch is over and its last file was converted (translate the meaning: the conversion succeeded and the files are in the chosen folder)</extracomment>
        <translation>نجح التحويل، وحُفظت الملفات الناتجة في مجلد الإخراج.</translation>
    </message>
    <message>
        <source>%1 of %2 files done</source>
        <extracomment>Tooltip of the batch&apos;s progress bar</extracomment>
        <translation>الملفات المكتملة: %1 من %2</translation>
    </message>
</context>
</TS>
