<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>FormatFileSize</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 Б</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 КБ</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>TBatch</name>
    <message>
        <source>Can&apos;t create &quot;%1&quot;: %2.</source>
        <translation>Не вдалося створити «%1»: %2.</translation>
    </message>
    <message>
        <source>No free output name is left for &quot;%1&quot; in &quot;%2&quot;.</source>
        <translation>Для «%1» у «%2» не залишилося вільної назви вихідного файлу.</translation>
    </message>
    <message>
        <source>No output name for &quot;%1&quot; fits in &quot;%2&quot;.</source>
        <translation>Для «%1» немає назви вихідного файлу, допустимої в «%2».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there, or is not a file.</source>
        <translation>«%1» більше не існує або не є файлом.</translation>
    </message>
    <message>
        <source>Can&apos;t open &quot;%1&quot;: %2.</source>
        <translation>Не вдалося відкрити «%1»: %2.</translation>
    </message>
    <message>
        <source>Can&apos;t create a file in &quot;%1&quot;: %2.</source>
        <translation>Не вдалося створити файл у «%1»: %2.</translation>
    </message>
    <message>
        <source>The damaged file &quot;%1&quot; is left on disk: it could not be removed (%2).</source>
        <translation>Пошкоджений файл «%1» залишився на диску: його не вдалося видалити (%2).</translation>
    </message>
    <message>
        <source>The codec was stopped by signal %1.</source>
        <translation>Кодек зупинено сигналом %1.</translation>
    </message>
    <message>
        <source>The codec ended with exit code %1.</source>
        <translation>Кодек завершився з кодом %1.</translation>
    </message>
    <message>
        <source>The codec could not write the whole file.</source>
        <translation>Кодеку не вдалося записати файл повністю.</translation>
    </message>
    <message>
        <source>The codec made no file.</source>
        <translation>Кодек не створив файл.</translation>
    </message>
    <message>
        <source>The codec made an empty file.</source>
        <translation>Кодек створив порожній файл.</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: a file or a link has its name.</source>
        <translation>Не вдалося створити папку «%1»: це ім’я вже має файл або посилання.</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: %2.</source>
        <translation>Не вдалося створити папку «%1»: %2.</translation>
    </message>
    <message>
        <source>The codec found no sound in the file.</source>
        <translation>Кодек не знайшов у файлі звуку.</translation>
    </message>
</context>
<context>
    <name>TConverterForm</name>
    <message>
        <source>Please select one AMR file.</source>
        <translation>Виберіть файл AMR.</translation>
    </message>
    <message>
        <source>Select folder to save MP3 files.</source>
        <translation>Виберіть папку для збереження файлів MP3.</translation>
    </message>
    <message>
        <source>Please select one MP3 file.</source>
        <translation>Виберіть файл MP3.</translation>
    </message>
    <message>
        <source>Select folder to save AMR files.</source>
        <translation>Виберіть папку для збереження файлів AMR.</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the dialog that adds files to a list</extracomment>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>AMR to MP3</source>
        <translation>AMR в MP3</translation>
    </message>
    <message>
        <source>AMR Audio File</source>
        <translation>Аудіофайл AMR</translation>
    </message>
    <message>
        <source>Output MP3 File</source>
        <translation>Вихідний файл MP3</translation>
    </message>
    <message>
        <source>Add AMR Audio</source>
        <translation>Додати AMR</translation>
    </message>
    <message>
        <source>Convert to MP3</source>
        <translation>Конвертувати в MP3</translation>
    </message>
    <message>
        <source>MP3 to AMR</source>
        <translation>MP3 в AMR</translation>
    </message>
    <message>
        <source>MP3 Audio File</source>
        <translation>Аудіофайл MP3</translation>
    </message>
    <message>
        <source>Output AMR File</source>
        <translation>Вихідний файл AMR</translation>
    </message>
    <message>
        <source>Add MP3 Audio</source>
        <translation>Додати MP3</translation>
    </message>
    <message>
        <source>Convert to AMR</source>
        <translation>Конвертувати в AMR</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Розмір</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A button that removes the selected row from the list (the file stays)</extracomment>
        <translation>Вилучити</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A small button that ends the running batch</extracomment>
        <translation>Зупинити</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Усі файли</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>Файли MP3</translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation>Файли AMR</translation>
    </message>
    <message>
        <source>Phone Recordings</source>
        <extracomment>A file filter: every kind of file phones keep voice recordings in</extracomment>
        <translation>Записи з телефону</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file or folder, then why it could not be converted or added</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or folder(s) could not be added.</source>
        <translation>
            <numerusform>Не вдалося додати %n файл або папку.</numerusform>
            <numerusform>Не вдалося додати %n файли або папки.</numerusform>
            <numerusform>Не вдалося додати %n файлів або папок.</numerusform>
        </translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <extracomment>Caption of a message box, in capitals in English</extracomment>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; don&apos;t exists.</source>
        <extracomment>Translate the meaning: the folder %1 does not exist</extracomment>
        <translation>Папка «%1» не існує.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Audio codec error, please reinstall this software.</source>
        <translation>Помилка аудіокодека. Перевстановіть програму.</translation>
    </message>
    <message>
        <source>Start to decode audio ...</source>
        <translation>Запуск декодування…</translation>
    </message>
    <message>
        <source>Decoding audio %1</source>
        <extracomment>The status while a file converts; %1 is how much of the output is written so far, such as &quot;125kb&quot;</extracomment>
        <translation>Декодування: %1</translation>
    </message>
    <message>
        <source>Can&apos;t decode file.</source>
        <translation>Не вдалося декодувати файл.</translation>
    </message>
    <message>
        <source>Show no more failures in this batch</source>
        <extracomment>A check box in the message about a file that failed</extracomment>
        <translation>Більше не показувати помилки в цьому пакеті</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be converted.</source>
        <translation>
            <numerusform>Не вдалося конвертувати %n файл.</numerusform>
            <numerusform>Не вдалося конвертувати %n файли.</numerusform>
            <numerusform>Не вдалося конвертувати %n файлів.</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t start to deocde audio.</source>
        <extracomment>The codec program could not be started (translate the meaning; the English spelling is kept as it always was)</extracomment>
        <translation>Не вдалося запустити декодування аудіо.</translation>
    </message>
    <message>
        <source>Success conversion, Output files save in the output folder.</source>
        <extracomment>The batch is over and its last file was converted (translate the meaning: the conversion succeeded and the files are in the chosen folder)</extracomment>
        <translation>Конвертацію успішно завершено. Файли збережено у вибраній папці.</translation>
    </message>
    <message>
        <source>%1 of %2 files done</source>
        <extracomment>Tooltip of the batch&apos;s progress bar</extracomment>
        <translation>Готово файлів: %1 з %2</translation>
    </message>
</context>
</TS>
