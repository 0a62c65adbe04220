<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
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
        <translation>Não foi possível criar “%1”: %2.</translation>
    </message>
    <message>
        <source>No free output name is left for &quot;%1&quot; in &quot;%2&quot;.</source>
        <translation>Não resta nenhum nome de saída livre para “%1” em “%2”.</translation>
    </message>
    <message>
        <source>No output name for &quot;%1&quot; fits in &quot;%2&quot;.</source>
        <translation>Nenhum nome de saída para “%1” é curto o bastante para “%2”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there, or is not a file.</source>
        <translation>“%1” não existe mais ou não é um arquivo.</translation>
    </message>
    <message>
        <source>Can&apos;t open &quot;%1&quot;: %2.</source>
        <translation>Não foi possível abrir “%1”: %2.</translation>
    </message>
    <message>
        <source>Can&apos;t create a file in &quot;%1&quot;: %2.</source>
        <translation>Não foi possível criar um arquivo em “%1”: %2.</translation>
    </message>
    <message>
        <source>The damaged file &quot;%1&quot; is left on disk: it could not be removed (%2).</source>
        <translation>O arquivo danificado “%1” ficou no disco: não foi possível removê-lo (%2).</translation>
    </message>
    <message>
        <source>The codec was stopped by signal %1.</source>
        <translation>O codec foi parado pelo sinal %1.</translation>
    </message>
    <message>
        <source>The codec ended with exit code %1.</source>
        <translation>O codec terminou com o código de saída %1.</translation>
    </message>
    <message>
        <source>The codec could not write the whole file.</source>
        <translation>O codec não conseguiu gravar o arquivo inteiro.</translation>
    </message>
    <message>
        <source>The codec made no file.</source>
        <translation>O codec não gerou nenhum arquivo.</translation>
    </message>
    <message>
        <source>The codec made an empty file.</source>
        <translation>O codec gerou um arquivo vazio.</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: a file or a link has its name.</source>
        <translation>Não foi possível criar a pasta “%1”: um arquivo ou um link já tem esse nome.</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: %2.</source>
        <translation>Não foi possível criar a pasta “%1”: %2.</translation>
    </message>
    <message>
        <source>The codec found no sound in the file.</source>
        <translation>O codec não encontrou som no arquivo.</translation>
    </message>
</context>
<context>
    <name>TConverterForm</name>
    <message>
        <source>Please select one AMR file.</source>
        <translation>Selecione um arquivo AMR.</translation>
    </message>
    <message>
        <source>Select folder to save MP3 files.</source>
        <translation>Selecione a pasta onde salvar os arquivos MP3.</translation>
    </message>
    <message>
        <source>Please select one MP3 file.</source>
        <translation>Selecione um arquivo MP3.</translation>
    </message>
    <message>
        <source>Select folder to save AMR files.</source>
        <translation>Selecione a pasta onde salvar os arquivos AMR.</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the dialog that adds files to a list</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>AMR to MP3</source>
        <translation>AMR para MP3</translation>
    </message>
    <message>
        <source>AMR Audio File</source>
        <translation>Arquivo de áudio AMR</translation>
    </message>
    <message>
        <source>Output MP3 File</source>
        <translation>Arquivo MP3 de saída</translation>
    </message>
    <message>
        <source>Add AMR Audio</source>
        <translation>Adicionar AMR</translation>
    </message>
    <message>
        <source>Convert to MP3</source>
        <translation>Converter para MP3</translation>
    </message>
    <message>
        <source>MP3 to AMR</source>
        <translation>MP3 para AMR</translation>
    </message>
    <message>
        <source>MP3 Audio File</source>
        <translation>Arquivo de áudio MP3</translation>
    </message>
    <message>
        <source>Output AMR File</source>
        <translation>Arquivo AMR de saída</translation>
    </message>
    <message>
        <source>Add MP3 Audio</source>
        <translation>Adicionar MP3</translation>
    </message>
    <message>
        <source>Convert to AMR</source>
        <translation>Converter para AMR</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A button that removes the selected row from the list (the file stays)</extracomment>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A small button that ends the running batch</extracomment>
        <translation>Parar</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>Arquivos MP3</translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation>Arquivos AMR</translation>
    </message>
    <message>
        <source>Phone Recordings</source>
        <extracomment>A file filter: every kind of file phones keep voice recordings in</extracomment>
        <translation>Gravações do celular</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file or folder, then why it could not be converted or added</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or folder(s) could not be added.</source>
        <translation>
            <numerusform>Não foi possível adicionar %n arquivo ou pasta.</numerusform>
            <numerusform>Não foi possível adicionar %n arquivos ou pastas.</numerusform>
        </translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <extracomment>Caption of a message box, in capitals in English</extracomment>
        <translation>INFORMAÇÃO</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; don&apos;t exists.</source>
        <extracomment>Translate the meaning: the folder %1 does not exist</extracomment>
        <translation>A pasta “%1” não existe.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
    <message>
        <source>Audio codec error, please reinstall this software.</source>
        <translation>Erro no codec de áudio. Reinstale este programa.</translation>
    </message>
    <message>
        <source>Start to decode audio ...</source>
        <translation>Iniciando decodificação…</translation>
    </message>
    <message>
        <source>Decoding audio %1</source>
        <extracomment>The status while a file converts; %1 is how much of the output is written so far, such as &quot;125kb&quot;</extracomment>
        <translation>Decodificando áudio %1</translation>
    </message>
    <message>
        <source>Can&apos;t decode file.</source>
        <translation>Não foi possível decodificar o arquivo.</translation>
    </message>
    <message>
        <source>Show no more failures in this batch</source>
        <extracomment>A check box in the message about a file that failed</extracomment>
        <translation>Não mostrar mais falhas deste lote</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be converted.</source>
        <translation>
            <numerusform>Não foi possível converter %n arquivo.</numerusform>
            <numerusform>Não foi possível converter %n arquivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t start to deocde audio.</source>
        <extracomment>The codec program could not be started (translate the meaning; the English spelling is kept as it always was)</extracomment>
        <translation>Não foi possível iniciar a decodificação do áudio.</translation>
    </message>
    <message>
        <source>Success conversion, Output files save in the output folder.</source>
        <extracomment>The batch is over and its last file was converted (translate the meaning: the conversion succeeded and the files are in the chosen folder)</extracomment>
        <translation>Conversão concluída. Os arquivos foram salvos na pasta de saída.</translation>
    </message>
    <message>
        <source>%1 of %2 files done</source>
        <extracomment>Tooltip of the batch&apos;s progress bar</extracomment>
        <translation>%1 de %2 arquivos concluídos</translation>
    </message>
</context>
</TS>
