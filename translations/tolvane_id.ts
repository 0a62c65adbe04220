<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="en">
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
        <translation>Tidak dapat membuat &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>No free output name is left for &quot;%1&quot; in &quot;%2&quot;.</source>
        <translation>Tidak ada lagi nama keluaran yang tersedia untuk &quot;%1&quot; di &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>No output name for &quot;%1&quot; fits in &quot;%2&quot;.</source>
        <translation>Tidak ada nama keluaran untuk &quot;%1&quot; yang muat di &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there, or is not a file.</source>
        <translation>&quot;%1&quot; sudah tidak ada, atau bukan file.</translation>
    </message>
    <message>
        <source>Can&apos;t open &quot;%1&quot;: %2.</source>
        <translation>Tidak dapat membuka &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Can&apos;t create a file in &quot;%1&quot;: %2.</source>
        <translation>Tidak dapat membuat file di &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The damaged file &quot;%1&quot; is left on disk: it could not be removed (%2).</source>
        <translation>File rusak &quot;%1&quot; masih tertinggal di disk: file tersebut tidak dapat dihapus (%2).</translation>
    </message>
    <message>
        <source>The codec was stopped by signal %1.</source>
        <translation>Kodek dihentikan oleh sinyal %1.</translation>
    </message>
    <message>
        <source>The codec ended with exit code %1.</source>
        <translation>Kodek berakhir dengan kode keluar %1.</translation>
    </message>
    <message>
        <source>The codec could not write the whole file.</source>
        <translation>Kodek tidak dapat menulis file secara utuh.</translation>
    </message>
    <message>
        <source>The codec made no file.</source>
        <translation>Kodek tidak menghasilkan file apa pun.</translation>
    </message>
    <message>
        <source>The codec made an empty file.</source>
        <translation>Kodek menghasilkan file kosong.</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: a file or a link has its name.</source>
        <translation>Tidak dapat membuat folder &quot;%1&quot;: sebuah file atau tautan sudah memakai nama itu.</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: %2.</source>
        <translation>Tidak dapat membuat folder &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The codec found no sound in the file.</source>
        <translation>Kodek tidak menemukan suara di dalam file.</translation>
    </message>
</context>
<context>
    <name>TConverterForm</name>
    <message>
        <source>Please select one AMR file.</source>
        <translation>Silakan pilih satu file AMR.</translation>
    </message>
    <message>
        <source>Select folder to save MP3 files.</source>
        <translation>Pilih folder untuk menyimpan file MP3.</translation>
    </message>
    <message>
        <source>Please select one MP3 file.</source>
        <translation>Silakan pilih satu file MP3.</translation>
    </message>
    <message>
        <source>Select folder to save AMR files.</source>
        <translation>Pilih folder untuk menyimpan file AMR.</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the dialog that adds files to a list</extracomment>
        <translation>Buka</translation>
    </message>
    <message>
        <source>AMR to MP3</source>
        <translation>AMR ke MP3</translation>
    </message>
    <message>
        <source>AMR Audio File</source>
        <translation>File Audio AMR</translation>
    </message>
    <message>
        <source>Output MP3 File</source>
        <translation>File MP3 Keluaran</translation>
    </message>
    <message>
        <source>Add AMR Audio</source>
        <translation>Tambah AMR</translation>
    </message>
    <message>
        <source>Convert to MP3</source>
        <translation>Konversi ke MP3</translation>
    </message>
    <message>
        <source>MP3 to AMR</source>
        <translation>MP3 ke AMR</translation>
    </message>
    <message>
        <source>MP3 Audio File</source>
        <translation>File Audio MP3</translation>
    </message>
    <message>
        <source>Output AMR File</source>
        <translation>File AMR Keluaran</translation>
    </message>
    <message>
        <source>Add MP3 Audio</source>
        <translation>Tambah MP3</translation>
    </message>
    <message>
        <source>Convert to AMR</source>
        <translation>Konversi ke AMR</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Ukuran File</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A button that removes the selected row from the list (the file stays)</extracomment>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A small button that ends the running batch</extracomment>
        <translation>Hentikan</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Semua File</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>File MP3</translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation>File AMR</translation>
    </message>
    <message>
        <source>Phone Recordings</source>
        <extracomment>A file filter: every kind of file phones keep voice recordings in</extracomment>
        <translation>Rekaman Ponsel</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file or folder, then why it could not be converted or added</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or folder(s) could not be added.</source>
        <translation>
            <numerusform>%n file atau folder tidak dapat ditambahkan.</numerusform>
        </translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <extracomment>Caption of a message box, in capitals in English</extracomment>
        <translation>Informasi</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; don&apos;t exists.</source>
        <extracomment>Translate the meaning: the folder %1 does not exist</extracomment>
        <translation>Folder &quot;%1&quot; tidak ada.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>Kesalahan</translation>
    </message>
    <message>
        <source>Audio codec error, please reinstall this software.</source>
        <translation>Kesalahan kodek audio, silakan instal ulang perangkat lunak ini.</translation>
    </message>
    <message>
        <source>Start to decode audio ...</source>
        <translation>Mulai mendekode audio...</translation>
    </message>
    <message>
        <source>Decoding audio %1</source>
        <extracomment>The status while a file converts; %1 is how much of the output is written so far, such as &quot;125kb&quot;</extracomment>
        <translation>Mendekode audio %1</translation>
    </message>
    <message>
        <source>Can&apos;t decode file.</source>
        <translation>Tidak dapat mendekode file.</translation>
    </message>
    <message>
        <source>Show no more failures in this batch</source>
        <extracomment>A check box in the message about a file that failed</extracomment>
        <translation>Jangan tampilkan kegagalan lain dalam batch ini</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be converted.</source>
        <translation>
            <numerusform>%n file tidak dapat dikonversi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t start to deocde audio.</source>
        <extracomment>The codec program could not be started (translate the meaning; the English spelling is kept as it always was)</extracomment>
        <translation>Tidak dapat mulai mendekode audio.</translation>
    </message>
    <message>
        <source>Success conversion, Output files save in the output folder.</source>
        <extracomment>The batch is over and its last file was converted (translate the meaning: the conversion succeeded and the files are in the chosen folder)</extracomment>
        <translation>Konversi berhasil. File keluaran disimpan di folder keluaran.</translation>
    </message>
    <message>
        <source>%1 of %2 files done</source>
        <extracomment>Tooltip of the batch&apos;s progress bar</extracomment>
        <translation>%1 dari %2 file selesai</translation>
    </message>
</context>
</TS>
