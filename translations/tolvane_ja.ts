<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>FormatFileSize</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 バイト</translation>
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
        <translation>「%1」を作成できません：%2。</translation>
    </message>
    <message>
        <source>No free output name is left for &quot;%1&quot; in &quot;%2&quot;.</source>
        <translation>「%2」には「%1」の出力ファイルに使える名前がもう残っていません。</translation>
    </message>
    <message>
        <source>No output name for &quot;%1&quot; fits in &quot;%2&quot;.</source>
        <translation>「%2」に収まる「%1」の出力ファイル名がありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there, or is not a file.</source>
        <translation>「%1」はもう存在しないか、ファイルではありません。</translation>
    </message>
    <message>
        <source>Can&apos;t open &quot;%1&quot;: %2.</source>
        <translation>「%1」を開けません：%2。</translation>
    </message>
    <message>
        <source>Can&apos;t create a file in &quot;%1&quot;: %2.</source>
        <translation>「%1」にファイルを作成できません：%2。</translation>
    </message>
    <message>
        <source>The damaged file &quot;%1&quot; is left on disk: it could not be removed (%2).</source>
        <translation>破損したファイル「%1」を削除できなかったため、ディスクに残っています（%2）。</translation>
    </message>
    <message>
        <source>The codec was stopped by signal %1.</source>
        <translation>コーデックがシグナル %1 によって停止されました。</translation>
    </message>
    <message>
        <source>The codec ended with exit code %1.</source>
        <translation>コーデックが終了コード %1 で終了しました。</translation>
    </message>
    <message>
        <source>The codec could not write the whole file.</source>
        <translation>コーデックがファイル全体を書き込めませんでした。</translation>
    </message>
    <message>
        <source>The codec made no file.</source>
        <translation>コーデックがファイルを作成しませんでした。</translation>
    </message>
    <message>
        <source>The codec made an empty file.</source>
        <translation>コーデックが空のファイルを作成しました。</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: a file or a link has its name.</source>
        <translation>フォルダー「%1」を作成できません：同じ名前のファイルまたはリンクがあります。</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: %2.</source>
        <translation>フォルダー「%1」を作成できません：%2。</translation>
    </message>
    <message>
        <source>The codec found no sound in the file.</source>
        <translation>コーデックはファイル内に音声を見つけられませんでした。</translation>
    </message>
</context>
<context>
    <name>TConverterForm</name>
    <message>
        <source>Please select one AMR file.</source>
        <translation>AMR ファイルを 1 つ選択してください。</translation>
    </message>
    <message>
        <source>Select folder to save MP3 files.</source>
        <translation>MP3 ファイルの保存先フォルダーを選択</translation>
    </message>
    <message>
        <source>Please select one MP3 file.</source>
        <translation>MP3 ファイルを 1 つ選択してください。</translation>
    </message>
    <message>
        <source>Select folder to save AMR files.</source>
        <translation>AMR ファイルの保存先フォルダーを選択</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the dialog that adds files to a list</extracomment>
        <translation>開く</translation>
    </message>
    <message>
        <source>AMR to MP3</source>
        <translation>AMR から MP3 へ</translation>
    </message>
    <message>
        <source>AMR Audio File</source>
        <translation>AMR 音声ファイル</translation>
    </message>
    <message>
        <source>Output MP3 File</source>
        <translation>出力 MP3 ファイル</translation>
    </message>
    <message>
        <source>Add AMR Audio</source>
        <translation>AMR 音声を追加</translation>
    </message>
    <message>
        <source>Convert to MP3</source>
        <translation>MP3 に変換</translation>
    </message>
    <message>
        <source>MP3 to AMR</source>
        <translation>MP3 から AMR へ</translation>
    </message>
    <message>
        <source>MP3 Audio File</source>
        <translation>MP3 音声ファイル</translation>
    </message>
    <message>
        <source>Output AMR File</source>
        <translation>出力 AMR ファイル</translation>
    </message>
    <message>
        <source>Add MP3 Audio</source>
        <translation>MP3 音声を追加</translation>
    </message>
    <message>
        <source>Convert to AMR</source>
        <translation>AMR に変換</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A button that removes the selected row from the list (the file stays)</extracomment>
        <translation>削除</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A small button that ends the running batch</extracomment>
        <translation>停止</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>MP3 ファイル</translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation>AMR ファイル</translation>
    </message>
    <message>
        <source>Phone Recordings</source>
        <extracomment>A file filter: every kind of file phones keep voice recordings in</extracomment>
        <translation>携帯電話の録音</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file or folder, then why it could not be converted or added</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or folder(s) could not be added.</source>
        <translation>
            <numerusform>%n 個のファイルまたはフォルダーを追加できませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <extracomment>Caption of a message box, in capitals in English</extracomment>
        <translation>情報</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; don&apos;t exists.</source>
        <extracomment>Translate the meaning: the folder %1 does not exist</extracomment>
        <translation>フォルダー「%1」は存在しません。</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Audio codec error, please reinstall this software.</source>
        <translation>音声コーデックのエラーです。このソフトウェアを再インストールしてください。</translation>
    </message>
    <message>
        <source>Start to decode audio ...</source>
        <translation>音声のデコードを開始しています…</translation>
    </message>
    <message>
        <source>Decoding audio %1</source>
        <extracomment>The status while a file converts; %1 is how much of the output is written so far, such as &quot;125kb&quot;</extracomment>
        <translation>音声をデコード中 %1</translation>
    </message>
    <message>
        <source>Can&apos;t decode file.</source>
        <translation>ファイルをデコードできません。</translation>
    </message>
    <message>
        <source>Show no more failures in this batch</source>
        <extracomment>A check box in the message about a file that failed</extracomment>
        <translation>今回の一括変換では以降の失敗を表示しない</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be converted.</source>
        <translation>
            <numerusform>%n 個のファイルを変換できませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t start to deocde audio.</source>
        <extracomment>The codec program could not be started (translate the meaning; the English spelling is kept as it always was)</extracomment>
        <translation>音声のデコードを開始できませんでした。</translation>
    </message>
    <message>
        <source>Success conversion, Output files save in the output folder.</source>
        <extracomment>The batch is over and its last file was converted (translate the meaning: the conversion succeeded and the files are in the chosen folder)</extracomment>
        <translation>変換に成功しました。出力ファイルは出力フォルダーに保存されています。</translation>
    </message>
    <message>
        <source>%1 of %2 files done</source>
        <extracomment>Tooltip of the batch&apos;s progress bar</extracomment>
        <translation>%2 個のファイルのうち %1 個が完了</translation>
    </message>
</context>
</TS>
