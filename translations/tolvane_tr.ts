<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>FormatFileSize</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 bayt</translation>
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
        <translation>“%1” oluşturulamadı: %2.</translation>
    </message>
    <message>
        <source>No free output name is left for &quot;%1&quot; in &quot;%2&quot;.</source>
        <translation>“%2” içinde “%1” için kullanılabilecek çıktı dosyası adı kalmadı.</translation>
    </message>
    <message>
        <source>No output name for &quot;%1&quot; fits in &quot;%2&quot;.</source>
        <translation>“%1” için “%2” içine sığan bir çıktı dosyası adı yok.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there, or is not a file.</source>
        <translation>“%1” artık yok ya da bir dosya değil.</translation>
    </message>
    <message>
        <source>Can&apos;t open &quot;%1&quot;: %2.</source>
        <translation>“%1” açılamadı: %2.</translation>
    </message>
    <message>
        <source>Can&apos;t create a file in &quot;%1&quot;: %2.</source>
        <translation>“%1” içinde dosya oluşturulamadı: %2.</translation>
    </message>
    <message>
        <source>The damaged file &quot;%1&quot; is left on disk: it could not be removed (%2).</source>
        <translation>Hasarlı “%1” dosyası diskte kaldı: silinemedi (%2).</translation>
    </message>
    <message>
        <source>The codec was stopped by signal %1.</source>
        <translation>Kodek %1 sinyaliyle durduruldu.</translation>
    </message>
    <message>
        <source>The codec ended with exit code %1.</source>
        <translation>Kodek %1 çıkış koduyla sonlandı.</translation>
    </message>
    <message>
        <source>The codec could not write the whole file.</source>
        <translation>Kodek dosyanın tamamını yazamadı.</translation>
    </message>
    <message>
        <source>The codec made no file.</source>
        <translation>Kodek dosya oluşturmadı.</translation>
    </message>
    <message>
        <source>The codec made an empty file.</source>
        <translation>Kodek boş bir dosya oluşturdu.</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: a file or a link has its name.</source>
        <translation>“%1” klasörü oluşturulamadı: bu adı bir dosya veya bağlantı taşıyor.</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: %2.</source>
        <translation>“%1” klasörü oluşturulamadı: %2.</translation>
    </message>
    <message>
        <source>The codec found no sound in the file.</source>
        <translation>Kodek dosyada ses bulamadı.</translation>
    </message>
</context>
<context>
    <name>TConverterForm</name>
    <message>
        <source>Please select one AMR file.</source>
        <translation>Lütfen bir AMR dosyası seçin.</translation>
    </message>
    <message>
        <source>Select folder to save MP3 files.</source>
        <translation>MP3 dosyalarının kaydedileceği klasörü seçin.</translation>
    </message>
    <message>
        <source>Please select one MP3 file.</source>
        <translation>Lütfen bir MP3 dosyası seçin.</translation>
    </message>
    <message>
        <source>Select folder to save AMR files.</source>
        <translation>AMR dosyalarının kaydedileceği klasörü seçin.</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the dialog that adds files to a list</extracomment>
        <translation>Aç</translation>
    </message>
    <message>
        <source>AMR to MP3</source>
        <translation>AMR&apos;den MP3&apos;e</translation>
    </message>
    <message>
        <source>AMR Audio File</source>
        <translation>AMR ses dosyası</translation>
    </message>
    <message>
        <source>Output MP3 File</source>
        <translation>Çıktı MP3 dosyası</translation>
    </message>
    <message>
        <source>Add AMR Audio</source>
        <translation>AMR ekle</translation>
    </message>
    <message>
        <source>Convert to MP3</source>
        <translation>MP3&apos;e dönüştür</translation>
    </message>
    <message>
        <source>MP3 to AMR</source>
        <translation>MP3&apos;ten AMR&apos;ye</translation>
    </message>
    <message>
        <source>MP3 Audio File</source>
        <translation>MP3 ses dosyası</translation>
    </message>
    <message>
        <source>Output AMR File</source>
        <translation>Çıktı AMR dosyası</translation>
    </message>
    <message>
        <source>Add MP3 Audio</source>
        <translation>MP3 ekle</translation>
    </message>
    <message>
        <source>Convert to AMR</source>
        <translation>AMR&apos;ye dönüştür</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A button that removes the selected row from the list (the file stays)</extracomment>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A small button that ends the running batch</extracomment>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tüm dosyalar</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>MP3 dosyaları</translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation>AMR dosyaları</translation>
    </message>
    <message>
        <source>Phone Recordings</source>
        <extracomment>A file filter: every kind of file phones keep voice recordings in</extracomment>
        <translation>Telefon kayıtları</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file or folder, then why it could not be converted or added</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or folder(s) could not be added.</source>
        <translation>
            <numerusform>%n dosya veya klasör eklenemedi.</numerusform>
        </translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <extracomment>Caption of a message box, in capitals in English</extracomment>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; don&apos;t exists.</source>
        <extracomment>Translate the meaning: the folder %1 does not exist</extracomment>
        <translation>“%1” klasörü mevcut değil.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Audio codec error, please reinstall this software.</source>
        <translation>Ses kodeği hatası. Lütfen programı yeniden yükleyin.</translation>
    </message>
    <message>
        <source>Start to decode audio ...</source>
        <translation>Kod çözme başlıyor…</translation>
    </message>
    <message>
        <source>Decoding audio %1</source>
        <extracomment>The status while a file converts; %1 is how much of the output is written so far, such as &quot;125kb&quot;</extracomment>
        <translation>Kod çözülüyor: %1</translation>
    </message>
    <message>
        <source>Can&apos;t decode file.</source>
        <translation>Dosyanın kodu çözülemedi.</translation>
    </message>
    <message>
        <source>Show no more failures in this batch</source>
        <extracomment>A check box in the message about a file that failed</extracomment>
        <translation>Bu toplu işte başka hata gösterme</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be converted.</source>
        <translation>
            <numerusform>%n dosya dönüştürülemedi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t start to deocde audio.</source>
        <extracomment>The codec program could not be started (translate the meaning; the English spelling is kept as it always was)</extracomment>
        <translation>Sesin kodunu çözme işlemi başlatılamadı.</translation>
    </message>
    <message>
        <source>Success conversion, Output files save in the output folder.</source>
        <extracomment>The batch is over and its last file was converted (translate the meaning: the conversion succeeded and the files are in the chosen folder)</extracomment>
        <translation>Dönüştürme başarılı. Çıktı dosyaları seçilen klasöre kaydedildi.</translation>
    </message>
    <message>
        <source>%1 of %2 files done</source>
        <extracomment>Tooltip of the batch&apos;s progress bar</extracomment>
        <translation>%2 dosyadan %1 tanesi tamamlandı</translation>
    </message>
</context>
</TS>
