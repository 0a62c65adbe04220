<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
        <translation>No se pudo crear «%1»: %2.</translation>
    </message>
    <message>
        <source>No free output name is left for &quot;%1&quot; in &quot;%2&quot;.</source>
        <translation>No queda ningún nombre de salida libre para «%1» en «%2».</translation>
    </message>
    <message>
        <source>No output name for &quot;%1&quot; fits in &quot;%2&quot;.</source>
        <translation>Ningún nombre de salida para «%1» es lo bastante corto para «%2».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there, or is not a file.</source>
        <translation>«%1» ya no existe o no es un archivo.</translation>
    </message>
    <message>
        <source>Can&apos;t open &quot;%1&quot;: %2.</source>
        <translation>No se pudo abrir «%1»: %2.</translation>
    </message>
    <message>
        <source>Can&apos;t create a file in &quot;%1&quot;: %2.</source>
        <translation>No se pudo crear un archivo en «%1»: %2.</translation>
    </message>
    <message>
        <source>The damaged file &quot;%1&quot; is left on disk: it could not be removed (%2).</source>
        <translation>El archivo dañado «%1» ha quedado en el disco: no se pudo eliminar (%2).</translation>
    </message>
    <message>
        <source>The codec was stopped by signal %1.</source>
        <translation>El códec fue detenido por la señal %1.</translation>
    </message>
    <message>
        <source>The codec ended with exit code %1.</source>
        <translation>El códec terminó con el código de salida %1.</translation>
    </message>
    <message>
        <source>The codec could not write the whole file.</source>
        <translation>El códec no pudo escribir el archivo completo.</translation>
    </message>
    <message>
        <source>The codec made no file.</source>
        <translation>El códec no generó ningún archivo.</translation>
    </message>
    <message>
        <source>The codec made an empty file.</source>
        <translation>El códec generó un archivo vacío.</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: a file or a link has its name.</source>
        <translation>No se pudo crear la carpeta «%1»: un archivo o un enlace ya tiene ese nombre.</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: %2.</source>
        <translation>No se pudo crear la carpeta «%1»: %2.</translation>
    </message>
    <message>
        <source>The codec found no sound in the file.</source>
        <translation>El códec no encontró sonido en el archivo.</translation>
    </message>
</context>
<context>
    <name>TConverterForm</name>
    <message>
        <source>Please select one AMR file.</source>
        <translation>Seleccione un archivo AMR.</translation>
    </message>
    <message>
        <source>Select folder to save MP3 files.</source>
        <translation>Seleccione la carpeta donde guardar los archivos MP3.</translation>
    </message>
    <message>
        <source>Please select one MP3 file.</source>
        <translation>Seleccione un archivo MP3.</translation>
    </message>
    <message>
        <source>Select folder to save AMR files.</source>
        <translation>Seleccione la carpeta donde guardar los archivos AMR.</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the dialog that adds files to a list</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>AMR to MP3</source>
        <translation>AMR a MP3</translation>
    </message>
    <message>
        <source>AMR Audio File</source>
        <translation>Archivo de audio AMR</translation>
    </message>
    <message>
        <source>Output MP3 File</source>
        <translation>Archivo MP3 de salida</translation>
    </message>
    <message>
        <source>Add AMR Audio</source>
        <translation>Añadir AMR</translation>
    </message>
    <message>
        <source>Convert to MP3</source>
        <translation>Convertir a MP3</translation>
    </message>
    <message>
        <source>MP3 to AMR</source>
        <translation>MP3 a AMR</translation>
    </message>
    <message>
        <source>MP3 Audio File</source>
        <translation>Archivo de audio MP3</translation>
    </message>
    <message>
        <source>Output AMR File</source>
        <translation>Archivo AMR de salida</translation>
    </message>
    <message>
        <source>Add MP3 Audio</source>
        <translation>Añadir MP3</translation>
    </message>
    <message>
        <source>Convert to AMR</source>
        <translation>Convertir a AMR</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A button that removes the selected row from the list (the file stays)</extracomment>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A small button that ends the running batch</extracomment>
        <translation>Detener</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>Archivos MP3</translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation>Archivos AMR</translation>
    </message>
    <message>
        <source>Phone Recordings</source>
        <extracomment>A file filter: every kind of file phones keep voice recordings in</extracomment>
        <translation>Grabaciones de teléfono</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file or folder, then why it could not be converted or added</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or folder(s) could not be added.</source>
        <translation>
            <numerusform>No se pudo añadir %n archivo o carpeta.</numerusform>
            <numerusform>No se pudieron añadir %n archivos o carpetas.</numerusform>
        </translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <extracomment>Caption of a message box, in capitals in English</extracomment>
        <translation>INFORMACIÓN</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; don&apos;t exists.</source>
        <extracomment>Translate the meaning: the folder %1 does not exist</extracomment>
        <translation>La carpeta «%1» no existe.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Audio codec error, please reinstall this software.</source>
        <translation>Error del códec de audio. Vuelva a instalar este programa.</translation>
    </message>
    <message>
        <source>Start to decode audio ...</source>
        <translation>Iniciando decodificación…</translation>
    </message>
    <message>
        <source>Decoding audio %1</source>
        <extracomment>The status while a file converts; %1 is how much of the output is written so far, such as &quot;125kb&quot;</extracomment>
        <translation>Decodificando audio %1</translation>
    </message>
    <message>
        <source>Can&apos;t decode file.</source>
        <translation>No se pudo decodificar el archivo.</translation>
    </message>
    <message>
        <source>Show no more failures in this batch</source>
        <extracomment>A check box in the message about a file that failed</extracomment>
        <translation>No mostrar más fallos de este lote</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be converted.</source>
        <translation>
            <numerusform>No se pudo convertir %n archivo.</numerusform>
            <numerusform>No se pudieron convertir %n archivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t start to deocde audio.</source>
        <extracomment>The codec program could not be started (translate the meaning; the English spelling is kept as it always was)</extracomment>
        <translation>No se pudo iniciar la decodificación del audio.</translation>
    </message>
    <message>
        <source>Success conversion, Output files save in the output folder.</source>
        <extracomment>The batch is over and its last file was converted (translate the meaning: the conversion succeeded and the files are in the chosen folder)</extracomment>
        <translation>Conversión completada. Los archivos se han guardado en la carpeta de salida.</translation>
    </message>
    <message>
        <source>%1 of %2 files done</source>
        <extracomment>Tooltip of the batch&apos;s progress bar</extracomment>
        <translation>%1 de %2 archivos completados</translation>
    </message>
</context>
</TS>
