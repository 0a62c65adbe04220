<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>FormatFileSize</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 位元組</translation>
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
        <translation>無法建立「%1」：%2。</translation>
    </message>
    <message>
        <source>No free output name is left for &quot;%1&quot; in &quot;%2&quot;.</source>
        <translation>「%2」中已沒有可供「%1」使用的輸出檔名。</translation>
    </message>
    <message>
        <source>No output name for &quot;%1&quot; fits in &quot;%2&quot;.</source>
        <translation>在「%2」中找不到適合「%1」的輸出檔名。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there, or is not a file.</source>
        <translation>「%1」已不存在，或不是檔案。</translation>
    </message>
    <message>
        <source>Can&apos;t open &quot;%1&quot;: %2.</source>
        <translation>無法開啟「%1」：%2。</translation>
    </message>
    <message>
        <source>Can&apos;t create a file in &quot;%1&quot;: %2.</source>
        <translation>無法在「%1」中建立檔案：%2。</translation>
    </message>
    <message>
        <source>The damaged file &quot;%1&quot; is left on disk: it could not be removed (%2).</source>
        <translation>損毀的檔案「%1」仍留在磁碟上：無法將其刪除（%2）。</translation>
    </message>
    <message>
        <source>The codec was stopped by signal %1.</source>
        <translation>編解碼器被訊號 %1 終止。</translation>
    </message>
    <message>
        <source>The codec ended with exit code %1.</source>
        <translation>編解碼器已結束，結束代碼為 %1。</translation>
    </message>
    <message>
        <source>The codec could not write the whole file.</source>
        <translation>編解碼器無法寫入完整的檔案。</translation>
    </message>
    <message>
        <source>The codec made no file.</source>
        <translation>編解碼器沒有產生檔案。</translation>
    </message>
    <message>
        <source>The codec made an empty file.</source>
        <translation>編解碼器產生了空白檔案。</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: a file or a link has its name.</source>
        <translation>無法建立資料夾「%1」：已有同名的檔案或連結。</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: %2.</source>
        <translation>無法建立資料夾「%1」：%2。</translation>
    </message>
    <message>
        <source>The codec found no sound in the file.</source>
        <translation>編解碼器在檔案中找不到聲音。</translation>
    </message>
</context>
<context>
    <name>TConverterForm</name>
    <message>
        <source>Please select one AMR file.</source>
        <translation>請選擇一個 AMR 檔案。</translation>
    </message>
    <message>
        <source>Select folder to save MP3 files.</source>
        <translation>選擇儲存 MP3 檔案的資料夾</translation>
    </message>
    <message>
        <source>Please select one MP3 file.</source>
        <translation>請選擇一個 MP3 檔案。</translation>
    </message>
    <message>
        <source>Select folder to save AMR files.</source>
        <translation>選擇儲存 AMR 檔案的資料夾</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the dialog that adds files to a list</extracomment>
        <translation>開啟</translation>
    </message>
    <message>
        <source>AMR to MP3</source>
        <translation>AMR 轉 MP3</translation>
    </message>
    <message>
        <source>AMR Audio File</source>
        <translation>AMR 音訊檔案</translation>
    </message>
    <message>
        <source>Output MP3 File</source>
        <translation>輸出 MP3 檔案</translation>
    </message>
    <message>
        <source>Add AMR Audio</source>
        <translation>新增 AMR 音訊</translation>
    </message>
    <message>
        <source>Convert to MP3</source>
        <translation>轉換為 MP3</translation>
    </message>
    <message>
        <source>MP3 to AMR</source>
        <translation>MP3 轉 AMR</translation>
    </message>
    <message>
        <source>MP3 Audio File</source>
        <translation>MP3 音訊檔案</translation>
    </message>
    <message>
        <source>Output AMR File</source>
        <translation>輸出 AMR 檔案</translation>
    </message>
    <message>
        <source>Add MP3 Audio</source>
        <translation>新增 MP3 音訊</translation>
    </message>
    <message>
        <source>Convert to AMR</source>
        <translation>轉換為 AMR</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>檔案大小</translation>
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
        <translation>所有檔案</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>MP3 檔案</translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation>AMR 檔案</translation>
    </message>
    <message>
        <source>Phone Recordings</source>
        <extracomment>A file filter: every kind of file phones keep voice recordings in</extracomment>
        <translation>手機錄音</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file or folder, then why it could not be converted or added</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or folder(s) could not be added.</source>
        <translation>
            <numerusform>有 %n 個檔案或資料夾無法新增。</numerusform>
        </translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <extracomment>Caption of a message box, in capitals in English</extracomment>
        <translation>資訊</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; don&apos;t exists.</source>
        <extracomment>Translate the meaning: the folder %1 does not exist</extracomment>
        <translation>資料夾「%1」不存在。</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Audio codec error, please reinstall this software.</source>
        <translation>音訊編解碼器發生錯誤，請重新安裝本軟體。</translation>
    </message>
    <message>
        <source>Start to decode audio ...</source>
        <translation>開始解碼音訊…</translation>
    </message>
    <message>
        <source>Decoding audio %1</source>
        <extracomment>The status while a file converts; %1 is how much of the output is written so far, such as &quot;125kb&quot;</extracomment>
        <translation>正在解碼音訊 %1</translation>
    </message>
    <message>
        <source>Can&apos;t decode file.</source>
        <translation>無法解碼檔案。</translation>
    </message>
    <message>
        <source>Show no more failures in this batch</source>
        <extracomment>A check box in the message about a file that failed</extracomment>
        <translation>本批次中不再顯示失敗訊息</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be converted.</source>
        <translation>
            <numerusform>有 %n 個檔案無法轉換。</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t start to deocde audio.</source>
        <extracomment>The codec program could not be started (translate the meaning; the English spelling is kept as it always was)</extracomment>
        <translation>無法開始解碼音訊。</translation>
    </message>
    <message>
        <source>Success conversion, Output files save in the output folder.</source>
        <extracomment>The batch is over and its last file was converted (translate the meaning: the conversion succeeded and the files are in the chosen folder)</extracomment>
        <translation>轉換成功，輸出檔案已儲存至輸出資料夾。</translation>
    </message>
    <message>
        <source>%1 of %2 files done</source>
        <extracomment>Tooltip of the batch&apos;s progress bar</extracomment>
        <translation>已完成 %1/%2 個檔案</translation>
    </message>
</context>
</TS>
