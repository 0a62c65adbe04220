<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>FormatFileSize</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 字节</translation>
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
        <translation>无法创建“%1”：%2。</translation>
    </message>
    <message>
        <source>No free output name is left for &quot;%1&quot; in &quot;%2&quot;.</source>
        <translation>“%2”中已没有可供“%1”使用的输出文件名。</translation>
    </message>
    <message>
        <source>No output name for &quot;%1&quot; fits in &quot;%2&quot;.</source>
        <translation>在“%2”中找不到适合“%1”的输出文件名。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there, or is not a file.</source>
        <translation>“%1”已不存在，或者不是文件。</translation>
    </message>
    <message>
        <source>Can&apos;t open &quot;%1&quot;: %2.</source>
        <translation>无法打开“%1”：%2。</translation>
    </message>
    <message>
        <source>Can&apos;t create a file in &quot;%1&quot;: %2.</source>
        <translation>无法在“%1”中创建文件：%2。</translation>
    </message>
    <message>
        <source>The damaged file &quot;%1&quot; is left on disk: it could not be removed (%2).</source>
        <translation>损坏的文件“%1”仍留在磁盘上：无法将其删除（%2）。</translation>
    </message>
    <message>
        <source>The codec was stopped by signal %1.</source>
        <translation>编解码器被信号 %1 终止。</translation>
    </message>
    <message>
        <source>The codec ended with exit code %1.</source>
        <translation>编解码器已退出，退出代码为 %1。</translation>
    </message>
    <message>
        <source>The codec could not write the whole file.</source>
        <translation>编解码器未能写入完整的文件。</translation>
    </message>
    <message>
        <source>The codec made no file.</source>
        <translation>编解码器没有生成文件。</translation>
    </message>
    <message>
        <source>The codec made an empty file.</source>
        <translation>编解码器生成了空文件。</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: a file or a link has its name.</source>
        <translation>无法创建文件夹“%1”：已有同名的文件或链接。</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: %2.</source>
        <translation>无法创建文件夹“%1”：%2。</translation>
    </message>
    <message>
        <source>The codec found no sound in the file.</source>
        <translation>编解码器在文件中没有找到声音。</translation>
    </message>
</context>
<context>
    <name>TConverterForm</name>
    <message>
        <source>Please select one AMR file.</source>
        <translation>请选择一个 AMR 文件。</translation>
    </message>
    <message>
        <source>Select folder to save MP3 files.</source>
        <translation>选择保存 MP3 文件的文件夹</translation>
    </message>
    <message>
        <source>Please select one MP3 file.</source>
        <translation>请选择一个 MP3 文件。</translation>
    </message>
    <message>
        <source>Select folder to save AMR files.</source>
        <translation>选择保存 AMR 文件的文件夹</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the dialog that adds files to a list</extracomment>
        <translation>打开</translation>
    </message>
    <message>
        <source>AMR to MP3</source>
        <translation>AMR 转 MP3</translation>
    </message>
    <message>
        <source>AMR Audio File</source>
        <translation>AMR 音频文件</translation>
    </message>
    <message>
        <source>Output MP3 File</source>
        <translation>输出 MP3 文件</translation>
    </message>
    <message>
        <source>Add AMR Audio</source>
        <translation>添加 AMR 音频</translation>
    </message>
    <message>
        <source>Convert to MP3</source>
        <translation>转换为 MP3</translation>
    </message>
    <message>
        <source>MP3 to AMR</source>
        <translation>MP3 转 AMR</translation>
    </message>
    <message>
        <source>MP3 Audio File</source>
        <translation>MP3 音频文件</translation>
    </message>
    <message>
        <source>Output AMR File</source>
        <translation>输出 AMR 文件</translation>
    </message>
    <message>
        <source>Add MP3 Audio</source>
        <translation>添加 MP3 音频</translation>
    </message>
    <message>
        <source>Convert to AMR</source>
        <translation>转换为 AMR</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>文件大小</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A button that removes the selected row from the list (the file stays)</extracomment>
        <translation>移除</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A small button that ends the running batch</extracomment>
        <translation>停止</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>MP3 文件</translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation>AMR 文件</translation>
    </message>
    <message>
        <source>Phone Recordings</source>
        <extracomment>A file filter: every kind of file phones keep voice recordings in</extracomment>
        <translation>手机录音</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file or folder, then why it could not be converted or added</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or folder(s) could not be added.</source>
        <translation>
            <numerusform>有 %n 个文件或文件夹无法添加。</numerusform>
        </translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <extracomment>Caption of a message box, in capitals in English</extracomment>
        <translation>信息</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; don&apos;t exists.</source>
        <extracomment>Translate the meaning: the folder %1 does not exist</extracomment>
        <translation>文件夹“%1”不存在。</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Audio codec error, please reinstall this software.</source>
        <translation>音频编解码器出错，请重新安装本软件。</translation>
    </message>
    <message>
        <source>Start to decode audio ...</source>
        <translation>开始解码音频…</translation>
    </message>
    <message>
        <source>Decoding audio %1</source>
        <extracomment>The status while a file converts; %1 is how much of the output is written so far, such as &quot;125kb&quot;</extracomment>
        <translation>正在解码音频 %1</translation>
    </message>
    <message>
        <source>Can&apos;t decode file.</source>
        <translation>无法解码文件。</translation>
    </message>
    <message>
        <source>Show no more failures in this batch</source>
        <extracomment>A check box in the message about a file that failed</extracomment>
        <translation>本批次中不再显示失败信息</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be converted.</source>
        <translation>
            <numerusform>有 %n 个文件无法转换。</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t start to deocde audio.</source>
        <extracomment>The codec program could not be started (translate the meaning; the English spelling is kept as it always was)</extracomment>
        <translation>无法开始解码音频。</translation>
    </message>
    <message>
        <source>Success conversion, Output files save in the output folder.</source>
        <extracomment>The batch is over and its last file was converted (translate the meaning: the conversion succeeded and the files are in the chosen folder)</extracomment>
        <translation>转换成功，输出文件已保存到输出文件夹中。</translation>
    </message>
    <message>
        <source>%1 of %2 files done</source>
        <extracomment>Tooltip of the batch&apos;s progress bar</extracomment>
        <translation>已完成 %1/%2 个文件</translation>
    </message>
</context>
</TS>
