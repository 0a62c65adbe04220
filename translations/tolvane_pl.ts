<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>FormatFileSize</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
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
        <translation>Nie można utworzyć „%1”: %2.</translation>
    </message>
    <message>
        <source>No free output name is left for &quot;%1&quot; in &quot;%2&quot;.</source>
        <translation>W „%2” nie ma już wolnej nazwy pliku wyjściowego dla „%1”.</translation>
    </message>
    <message>
        <source>No output name for &quot;%1&quot; fits in &quot;%2&quot;.</source>
        <translation>Dla „%1” nie ma nazwy pliku wyjściowego dopuszczalnej w „%2”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there, or is not a file.</source>
        <translation>„%1” już nie istnieje lub nie jest plikiem.</translation>
    </message>
    <message>
        <source>Can&apos;t open &quot;%1&quot;: %2.</source>
        <translation>Nie można otworzyć „%1”: %2.</translation>
    </message>
    <message>
        <source>Can&apos;t create a file in &quot;%1&quot;: %2.</source>
        <translation>Nie można utworzyć pliku w „%1”: %2.</translation>
    </message>
    <message>
        <source>The damaged file &quot;%1&quot; is left on disk: it could not be removed (%2).</source>
        <translation>Uszkodzony plik „%1” pozostał na dysku: nie udało się go usunąć (%2).</translation>
    </message>
    <message>
        <source>The codec was stopped by signal %1.</source>
        <translation>Kodek został zatrzymany sygnałem %1.</translation>
    </message>
    <message>
        <source>The codec ended with exit code %1.</source>
        <translation>Kodek zakończył działanie z kodem %1.</translation>
    </message>
    <message>
        <source>The codec could not write the whole file.</source>
        <translation>Kodek nie mógł zapisać całego pliku.</translation>
    </message>
    <message>
        <source>The codec made no file.</source>
        <translation>Kodek nie utworzył pliku.</translation>
    </message>
    <message>
        <source>The codec made an empty file.</source>
        <translation>Kodek utworzył pusty plik.</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: a file or a link has its name.</source>
        <translation>Nie można utworzyć folderu „%1”: plik lub dowiązanie ma już tę nazwę.</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: %2.</source>
        <translation>Nie można utworzyć folderu „%1”: %2.</translation>
    </message>
    <message>
        <source>The codec found no sound in the file.</source>
        <translation>Kodek nie znalazł w pliku dźwięku.</translation>
    </message>
</context>
<context>
    <name>TConverterForm</name>
    <message>
        <source>Please select one AMR file.</source>
        <translation>Wybierz plik AMR.</translation>
    </message>
    <message>
        <source>Select folder to save MP3 files.</source>
        <translation>Wybierz folder do zapisania plików MP3.</translation>
    </message>
    <message>
        <source>Please select one MP3 file.</source>
        <translation>Wybierz plik MP3.</translation>
    </message>
    <message>
        <source>Select folder to save AMR files.</source>
        <translation>Wybierz folder do zapisania plików AMR.</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the dialog that adds files to a list</extracomment>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>AMR to MP3</source>
        <translation>AMR do MP3</translation>
    </message>
    <message>
        <source>AMR Audio File</source>
        <translation>Plik audio AMR</translation>
    </message>
    <message>
        <source>Output MP3 File</source>
        <translation>Plik wyjściowy MP3</translation>
    </message>
    <message>
        <source>Add AMR Audio</source>
        <translation>Dodaj AMR</translation>
    </message>
    <message>
        <source>Convert to MP3</source>
        <translation>Konwertuj do MP3</translation>
    </message>
    <message>
        <source>MP3 to AMR</source>
        <translation>MP3 do AMR</translation>
    </message>
    <message>
        <source>MP3 Audio File</source>
        <translation>Plik audio MP3</translation>
    </message>
    <message>
        <source>Output AMR File</source>
        <translation>Plik wyjściowy AMR</translation>
    </message>
    <message>
        <source>Add MP3 Audio</source>
        <translation>Dodaj MP3</translation>
    </message>
    <message>
        <source>Convert to AMR</source>
        <translation>Konwertuj do AMR</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A button that removes the selected row from the list (the file stays)</extracomment>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A small button that ends the running batch</extracomment>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>Pliki MP3</translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation>Pliki AMR</translation>
    </message>
    <message>
        <source>Phone Recordings</source>
        <extracomment>A file filter: every kind of file phones keep voice recordings in</extracomment>
        <translation>Nagrania z telefonu</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file or folder, then why it could not be converted or added</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or folder(s) could not be added.</source>
        <translation>
            <numerusform>%n plik lub folder nie został dodany.</numerusform>
            <numerusform>%n pliki lub foldery nie zostały dodane.</numerusform>
            <numerusform>%n plików lub folderów nie zostało dodanych.</numerusform>
        </translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <extracomment>Caption of a message box, in capitals in English</extracomment>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; don&apos;t exists.</source>
        <extracomment>Translate the meaning: the folder %1 does not exist</extracomment>
        <translation>Folder „%1” nie istnieje.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Audio codec error, please reinstall this software.</source>
        <translation>Błąd kodeka audio. Zainstaluj program ponownie.</translation>
    </message>
    <message>
        <source>Start to decode audio ...</source>
        <translation>Rozpoczynanie dekodowania…</translation>
    </message>
    <message>
        <source>Decoding audio %1</source>
        <extracomment>The status while a file converts; %1 is how much of the output is written so far, such as &quot;125kb&quot;</extracomment>
        <translation>Dekodowanie: %1</translation>
    </message>
    <message>
        <source>Can&apos;t decode file.</source>
        <translation>Nie można zdekodować pliku.</translation>
    </message>
    <message>
        <source>Show no more failures in this batch</source>
        <extracomment>A check box in the message about a file that failed</extracomment>
        <translation>Nie pokazuj więcej błędów w tej partii</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be converted.</source>
        <translation>
            <numerusform>%n plik nie został przekonwertowany.</numerusform>
            <numerusform>%n pliki nie zostały przekonwertowane.</numerusform>
            <numerusform>%n plików nie zostało przekonwertowanych.</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t start to deocde audio.</source>
        <extracomment>The codec program could not be started (translate the meaning; the English spelling is kept as it always was)</extracomment>
        <translation>Nie można rozpocząć dekodowania dźwięku.</translation>
    </message>
    <message>
        <source>Success conversion, Output files save in the output folder.</source>
        <extracomment>The batch is over and its last file was converted (translate the meaning: the conversion succeeded and the files are in the chosen folder)</extracomment>
        <translation>Konwersja zakończona pomyślnie. Pliki zapisano w wybranym folderze.</translation>
    </message>
    <message>
        <source>%1 of %2 files done</source>
        <extracomment>Tooltip of the batch&apos;s progress bar</extracomment>
        <translation>Ukończone pliki: %1 z %2</translation>
    </message>
</context>
</TS>
