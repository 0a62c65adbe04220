<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>FormatFileSize</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 Byte</translation>
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
        <translation>„%1“ kann nicht erstellt werden: %2.</translation>
    </message>
    <message>
        <source>No free output name is left for &quot;%1&quot; in &quot;%2&quot;.</source>
        <translation>Für „%1“ ist in „%2“ kein freier Ausgabename mehr übrig.</translation>
    </message>
    <message>
        <source>No output name for &quot;%1&quot; fits in &quot;%2&quot;.</source>
        <translation>Kein Ausgabename für „%1“ ist kurz genug für „%2“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there, or is not a file.</source>
        <translation>„%1“ ist nicht mehr vorhanden oder keine Datei.</translation>
    </message>
    <message>
        <source>Can&apos;t open &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Can&apos;t create a file in &quot;%1&quot;: %2.</source>
        <translation>In „%1“ kann keine Datei erstellt werden: %2.</translation>
    </message>
    <message>
        <source>The damaged file &quot;%1&quot; is left on disk: it could not be removed (%2).</source>
        <translation>Die beschädigte Datei „%1“ bleibt auf dem Datenträger, da sie nicht gelöscht werden konnte (%2).</translation>
    </message>
    <message>
        <source>The codec was stopped by signal %1.</source>
        <translation>Der Codec wurde durch Signal %1 gestoppt.</translation>
    </message>
    <message>
        <source>The codec ended with exit code %1.</source>
        <translation>Der Codec wurde mit dem Exit-Code %1 beendet.</translation>
    </message>
    <message>
        <source>The codec could not write the whole file.</source>
        <translation>Der Codec konnte die Datei nicht vollständig schreiben.</translation>
    </message>
    <message>
        <source>The codec made no file.</source>
        <translation>Der Codec hat keine Datei erzeugt.</translation>
    </message>
    <message>
        <source>The codec made an empty file.</source>
        <translation>Der Codec hat eine leere Datei erzeugt.</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: a file or a link has its name.</source>
        <translation>Der Ordner „%1“ kann nicht erstellt werden: Eine Datei oder ein Link trägt bereits diesen Namen.</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: %2.</source>
        <translation>Der Ordner „%1“ kann nicht erstellt werden: %2.</translation>
    </message>
    <message>
        <source>The codec found no sound in the file.</source>
        <translation>Der Codec hat in der Datei keinen Ton gefunden.</translation>
    </message>
</context>
<context>
    <name>TConverterForm</name>
    <message>
        <source>Please select one AMR file.</source>
        <translation>Bitte wählen Sie eine AMR-Datei aus.</translation>
    </message>
    <message>
        <source>Select folder to save MP3 files.</source>
        <translation>Wählen Sie den Ordner zum Speichern der MP3-Dateien.</translation>
    </message>
    <message>
        <source>Please select one MP3 file.</source>
        <translation>Bitte wählen Sie eine MP3-Datei aus.</translation>
    </message>
    <message>
        <source>Select folder to save AMR files.</source>
        <translation>Wählen Sie den Ordner zum Speichern der AMR-Dateien.</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the dialog that adds files to a list</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>AMR to MP3</source>
        <translation>AMR nach MP3</translation>
    </message>
    <message>
        <source>AMR Audio File</source>
        <translation>AMR-Audiodatei</translation>
    </message>
    <message>
        <source>Output MP3 File</source>
        <translation>MP3-Ausgabedatei</translation>
    </message>
    <message>
        <source>Add AMR Audio</source>
        <translation>AMR hinzufügen</translation>
    </message>
    <message>
        <source>Convert to MP3</source>
        <translation>In MP3 konvertieren</translation>
    </message>
    <message>
        <source>MP3 to AMR</source>
        <translation>MP3 nach AMR</translation>
    </message>
    <message>
        <source>MP3 Audio File</source>
        <translation>MP3-Audiodatei</translation>
    </message>
    <message>
        <source>Output AMR File</source>
        <translation>AMR-Ausgabedatei</translation>
    </message>
    <message>
        <source>Add MP3 Audio</source>
        <translation>MP3 hinzufügen</translation>
    </message>
    <message>
        <source>Convert to AMR</source>
        <translation>In AMR konvertieren</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A button that removes the selected row from the list (the file stays)</extracomment>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A small button that ends the running batch</extracomment>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>MP3-Dateien</translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation>AMR-Dateien</translation>
    </message>
    <message>
        <source>Phone Recordings</source>
        <extracomment>A file filter: every kind of file phones keep voice recordings in</extracomment>
        <translation>Handyaufnahmen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file or folder, then why it could not be converted or added</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or folder(s) could not be added.</source>
        <translation>
            <numerusform>%n Datei oder Ordner konnte nicht hinzugefügt werden.</numerusform>
            <numerusform>%n Dateien oder Ordner konnten nicht hinzugefügt werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <extracomment>Caption of a message box, in capitals in English</extracomment>
        <translation>INFORMATION</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; don&apos;t exists.</source>
        <extracomment>Translate the meaning: the folder %1 does not exist</extracomment>
        <translation>Der Ordner „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Audio codec error, please reinstall this software.</source>
        <translation>Fehler im Audio-Codec. Bitte installieren Sie das Programm neu.</translation>
    </message>
    <message>
        <source>Start to decode audio ...</source>
        <translation>Dekodierung startet…</translation>
    </message>
    <message>
        <source>Decoding audio %1</source>
        <extracomment>The status while a file converts; %1 is how much of the output is written so far, such as &quot;125kb&quot;</extracomment>
        <translation>Dekodierung läuft: %1</translation>
    </message>
    <message>
        <source>Can&apos;t decode file.</source>
        <translation>Die Datei konnte nicht dekodiert werden.</translation>
    </message>
    <message>
        <source>Show no more failures in this batch</source>
        <extracomment>A check box in the message about a file that failed</extracomment>
        <translation>Keine weiteren Fehler in diesem Stapel anzeigen</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be converted.</source>
        <translation>
            <numerusform>%n Datei konnte nicht konvertiert werden.</numerusform>
            <numerusform>%n Dateien konnten nicht konvertiert werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t start to deocde audio.</source>
        <extracomment>The codec program could not be started (translate the meaning; the English spelling is kept as it always was)</extracomment>
        <translation>Die Dekodierung des Audios konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Success conversion, Output files save in the output folder.</source>
        <extracomment>The batch is over and its last file was converted (translate the meaning: the conversion succeeded and the files are in the chosen folder)</extracomment>
        <translation>Konvertierung erfolgreich. Die Ausgabedateien wurden im Ausgabeordner gespeichert.</translation>
    </message>
    <message>
        <source>%1 of %2 files done</source>
        <extracomment>Tooltip of the batch&apos;s progress bar</extracomment>
        <translation>%1 von %2 Dateien fertig</translation>
    </message>
</context>
</TS>
