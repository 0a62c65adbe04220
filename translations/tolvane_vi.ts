<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="en">
<context>
    <name>FormatFileSize</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 byte</translation>
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
        <translation>Không thể tạo &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>No free output name is left for &quot;%1&quot; in &quot;%2&quot;.</source>
        <translation>Không còn tên đầu ra nào trống cho &quot;%1&quot; trong &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>No output name for &quot;%1&quot; fits in &quot;%2&quot;.</source>
        <translation>Không có tên đầu ra nào cho &quot;%1&quot; vừa với &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there, or is not a file.</source>
        <translation>&quot;%1&quot; không còn tồn tại hoặc không phải là tệp.</translation>
    </message>
    <message>
        <source>Can&apos;t open &quot;%1&quot;: %2.</source>
        <translation>Không thể mở &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Can&apos;t create a file in &quot;%1&quot;: %2.</source>
        <translation>Không thể tạo tệp trong &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The damaged file &quot;%1&quot; is left on disk: it could not be removed (%2).</source>
        <translation>Tệp bị hỏng &quot;%1&quot; vẫn còn trên đĩa: không thể xóa tệp này (%2).</translation>
    </message>
    <message>
        <source>The codec was stopped by signal %1.</source>
        <translation>Codec đã bị dừng bởi tín hiệu %1.</translation>
    </message>
    <message>
        <source>The codec ended with exit code %1.</source>
        <translation>Codec đã kết thúc với mã thoát %1.</translation>
    </message>
    <message>
        <source>The codec could not write the whole file.</source>
        <translation>Codec không thể ghi toàn bộ tệp.</translation>
    </message>
    <message>
        <source>The codec made no file.</source>
        <translation>Codec không tạo ra tệp nào.</translation>
    </message>
    <message>
        <source>The codec made an empty file.</source>
        <translation>Codec đã tạo ra một tệp rỗng.</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: a file or a link has its name.</source>
        <translation>Không thể tạo thư mục &quot;%1&quot;: một tệp hoặc liên kết đã mang tên này.</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: %2.</source>
        <translation>Không thể tạo thư mục &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The codec found no sound in the file.</source>
        <translation>Codec không tìm thấy âm thanh nào trong tệp.</translation>
    </message>
</context>
<context>
    <name>TConverterForm</name>
    <message>
        <source>Please select one AMR file.</source>
        <translation>Vui lòng chọn một tệp AMR.</translation>
    </message>
    <message>
        <source>Select folder to save MP3 files.</source>
        <translation>Chọn thư mục để lưu các tệp MP3.</translation>
    </message>
    <message>
        <source>Please select one MP3 file.</source>
        <translation>Vui lòng chọn một tệp MP3.</translation>
    </message>
    <message>
        <source>Select folder to save AMR files.</source>
        <translation>Chọn thư mục để lưu các tệp AMR.</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the dialog that adds files to a list</extracomment>
        <translation>Mở</translation>
    </message>
    <message>
        <source>AMR to MP3</source>
        <translation>AMR sang MP3</translation>
    </message>
    <message>
        <source>AMR Audio File</source>
        <translation>Tệp âm thanh AMR</translation>
    </message>
    <message>
        <source>Output MP3 File</source>
        <translation>Tệp MP3 đầu ra</translation>
    </message>
    <message>
        <source>Add AMR Audio</source>
        <translation>Thêm AMR</translation>
    </message>
    <message>
        <source>Convert to MP3</source>
        <translation>Chuyển đổi sang MP3</translation>
    </message>
    <message>
        <source>MP3 to AMR</source>
        <translation>MP3 sang AMR</translation>
    </message>
    <message>
        <source>MP3 Audio File</source>
        <translation>Tệp âm thanh MP3</translation>
    </message>
    <message>
        <source>Output AMR File</source>
        <translation>Tệp AMR đầu ra</translation>
    </message>
    <message>
        <source>Add MP3 Audio</source>
        <translation>Thêm MP3</translation>
    </message>
    <message>
        <source>Convert to AMR</source>
        <translation>Chuyển đổi sang AMR</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Kích thước tệp</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A button that removes the selected row from the list (the file stays)</extracomment>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A small button that ends the running batch</extracomment>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tất cả tệp</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>Tệp MP3</translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation>Tệp AMR</translation>
    </message>
    <message>
        <source>Phone Recordings</source>
        <extracomment>A file filter: every kind of file phones keep voice recordings in</extracomment>
        <translation>Bản ghi âm điện thoại</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file or folder, then why it could not be converted or added</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or folder(s) could not be added.</source>
        <translation>
            <numerusform>Không thể thêm %n tệp hoặc thư mục.</numerusform>
        </translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <extracomment>Caption of a message box, in capitals in English</extracomment>
        <translation>Thông tin</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; don&apos;t exists.</source>
        <extracomment>Translate the meaning: the folder %1 does not exist</extracomment>
        <translation>Thư mục &quot;%1&quot; không tồn tại.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>Lỗi</translation>
    </message>
    <message>
        <source>Audio codec error, please reinstall this software.</source>
        <translation>Lỗi codec âm thanh, vui lòng cài đặt lại phần mềm này.</translation>
    </message>
    <message>
        <source>Start to decode audio ...</source>
        <translation>Bắt đầu giải mã âm thanh...</translation>
    </message>
    <message>
        <source>Decoding audio %1</source>
        <extracomment>The status while a file converts; %1 is how much of the output is written so far, such as &quot;125kb&quot;</extracomment>
        <translation>Đang giải mã âm thanh %1</translation>
    </message>
    <message>
        <source>Can&apos;t decode file.</source>
        <translation>Không thể giải mã tệp.</translation>
    </message>
    <message>
        <source>Show no more failures in this batch</source>
        <extracomment>A check box in the message about a file that failed</extracomment>
        <translation>Không hiển thị thêm lỗi trong đợt chuyển đổi này</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be converted.</source>
        <translation>
            <numerusform>Không thể chuyển đổi %n tệp.</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t start to deocde audio.</source>
        <extracomment>The codec program could not be started (translate the meaning; the English spelling is kept as it always was)</extracomment>
        <translation>Không thể bắt đầu giải mã âm thanh.</translation>
    </message>
    <message>
        <source>Success conversion, Output files save in the output folder.</source>
        <extracomment>The batch is over and its last file was converted (translate the meaning: the conversion succeeded and the files are in the chosen folder)</extracomment>
        <translation>Chuyển đổi thành công. Các tệp đầu ra đã được lưu trong thư mục đầu ra.</translation>
    </message>
    <message>
        <source>%1 of %2 files done</source>
        <extracomment>Tooltip of the batch&apos;s progress bar</extracomment>
        <translation>Đã xong %1 trên %2 tệp</translation>
    </message>
</context>
</TS>
