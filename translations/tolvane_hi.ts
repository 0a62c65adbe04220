<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="en">
<context>
    <name>FormatFileSize</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 बाइट</translation>
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
        <translation>&quot;%1&quot; को बनाया नहीं जा सका: %2।</translation>
    </message>
    <message>
        <source>No free output name is left for &quot;%1&quot; in &quot;%2&quot;.</source>
        <translation>&quot;%2&quot; में &quot;%1&quot; के लिए कोई खाली आउटपुट नाम नहीं बचा है।</translation>
    </message>
    <message>
        <source>No output name for &quot;%1&quot; fits in &quot;%2&quot;.</source>
        <translation>&quot;%1&quot; के लिए कोई भी आउटपुट नाम &quot;%2&quot; में नहीं समाता।</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there, or is not a file.</source>
        <translation>&quot;%1&quot; अब मौजूद नहीं है, या वह फ़ाइल नहीं है।</translation>
    </message>
    <message>
        <source>Can&apos;t open &quot;%1&quot;: %2.</source>
        <translation>&quot;%1&quot; को खोला नहीं जा सका: %2।</translation>
    </message>
    <message>
        <source>Can&apos;t create a file in &quot;%1&quot;: %2.</source>
        <translation>&quot;%1&quot; में फ़ाइल नहीं बनाई जा सकी: %2।</translation>
    </message>
    <message>
        <source>The damaged file &quot;%1&quot; is left on disk: it could not be removed (%2).</source>
        <translation>क्षतिग्रस्त फ़ाइल &quot;%1&quot; डिस्क पर रह गई है: उसे हटाया नहीं जा सका (%2)।</translation>
    </message>
    <message>
        <source>The codec was stopped by signal %1.</source>
        <translation>कोडेक को सिग्नल %1 द्वारा रोक दिया गया।</translation>
    </message>
    <message>
        <source>The codec ended with exit code %1.</source>
        <translation>कोडेक निकास कोड %1 के साथ समाप्त हुआ।</translation>
    </message>
    <message>
        <source>The codec could not write the whole file.</source>
        <translation>कोडेक पूरी फ़ाइल नहीं लिख सका।</translation>
    </message>
    <message>
        <source>The codec made no file.</source>
        <translation>कोडेक ने कोई फ़ाइल नहीं बनाई।</translation>
    </message>
    <message>
        <source>The codec made an empty file.</source>
        <translation>कोडेक ने एक खाली फ़ाइल बनाई।</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: a file or a link has its name.</source>
        <translation>फ़ोल्डर &quot;%1&quot; नहीं बनाया जा सका: इस नाम से एक फ़ाइल या लिंक पहले से मौजूद है।</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: %2.</source>
        <translation>फ़ोल्डर &quot;%1&quot; नहीं बनाया जा सका: %2।</translation>
    </message>
    <message>
        <source>The codec found no sound in the file.</source>
        <translation>कोडेक को फ़ाइल में कोई ध्वनि नहीं मिली।</translation>
    </message>
</context>
<context>
    <name>TConverterForm</name>
    <message>
        <source>Please select one AMR file.</source>
        <translation>कृपया एक AMR फ़ाइल चुनें।</translation>
    </message>
    <message>
        <source>Select folder to save MP3 files.</source>
        <translation>MP3 फ़ाइलें सहेजने के लिए फ़ोल्डर चुनें।</translation>
    </message>
    <message>
        <source>Please select one MP3 file.</source>
        <translation>कृपया एक MP3 फ़ाइल चुनें।</translation>
    </message>
    <message>
        <source>Select folder to save AMR files.</source>
        <translation>AMR फ़ाइलें सहेजने के लिए फ़ोल्डर चुनें।</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the dialog that adds files to a list</extracomment>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>AMR to MP3</source>
        <translation>AMR से MP3</translation>
    </message>
    <message>
        <source>AMR Audio File</source>
        <translation>AMR ऑडियो फ़ाइल</translation>
    </message>
    <message>
        <source>Output MP3 File</source>
        <translation>आउटपुट MP3 फ़ाइल</translation>
    </message>
    <message>
        <source>Add AMR Audio</source>
        <translation>AMR जोड़ें</translation>
    </message>
    <message>
        <source>Convert to MP3</source>
        <translation>MP3 में रूपांतरित करें</translation>
    </message>
    <message>
        <source>MP3 to AMR</source>
        <translation>MP3 से AMR</translation>
    </message>
    <message>
        <source>MP3 Audio File</source>
        <translation>MP3 ऑडियो फ़ाइल</translation>
    </message>
    <message>
        <source>Output AMR File</source>
        <translation>आउटपुट AMR फ़ाइल</translation>
    </message>
    <message>
        <source>Add MP3 Audio</source>
        <translation>MP3 जोड़ें</translation>
    </message>
    <message>
        <source>Convert to AMR</source>
        <translation>AMR में रूपांतरित करें</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>फ़ाइल आकार</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A button that removes the selected row from the list (the file stays)</extracomment>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A small button that ends the running batch</extracomment>
        <translation>रोकें</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>सभी फ़ाइलें</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>MP3 फ़ाइलें</translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation>AMR फ़ाइलें</translation>
    </message>
    <message>
        <source>Phone Recordings</source>
        <extracomment>A file filter: every kind of file phones keep voice recordings in</extracomment>
        <translation>फ़ोन रिकॉर्डिंग</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file or folder, then why it could not be converted or added</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or folder(s) could not be added.</source>
        <translation>
            <numerusform>%n फ़ाइल या फ़ोल्डर नहीं जोड़ा जा सका।</numerusform>
            <numerusform>%n फ़ाइलें या फ़ोल्डर नहीं जोड़े जा सके।</numerusform>
        </translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <extracomment>Caption of a message box, in capitals in English</extracomment>
        <translation>सूचना</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; don&apos;t exists.</source>
        <extracomment>Translate the meaning: the folder %1 does not exist</extracomment>
        <translation>फ़ोल्डर &quot;%1&quot; मौजूद नहीं है।</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>त्रुटि</translation>
    </message>
    <message>
        <source>Audio codec error, please reinstall this software.</source>
        <translation>ऑडियो कोडेक त्रुटि, कृपया यह सॉफ़्टवेयर फिर से इंस्टॉल करें।</translation>
    </message>
    <message>
        <source>Start to decode audio ...</source>
        <translation>ऑडियो डिकोड करना शुरू हो रहा है...</translation>
    </message>
    <message>
        <source>Decoding audio %1</source>
        <extracomment>The status while a file converts; %1 is how much of the output is written so far, such as &quot;125kb&quot;</extracomment>
        <translation>ऑडियो डिकोड हो रहा है: %1</translation>
    </message>
    <message>
        <source>Can&apos;t decode file.</source>
        <translation>फ़ाइल डिकोड नहीं की जा सकी।</translation>
    </message>
    <message>
        <source>Show no more failures in this batch</source>
        <extracomment>A check box in the message about a file that failed</extracomment>
        <translation>इस बैच में और विफलताएँ न दिखाएँ</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be converted.</source>
        <translation>
            <numerusform>%n फ़ाइल रूपांतरित नहीं की जा सकी।</numerusform>
            <numerusform>%n फ़ाइलें रूपांतरित नहीं की जा सकीं।</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t start to deocde audio.</source>
        <extracomment>The codec program could not be started (translate the meaning; the English spelling is kept as it always was)</extracomment>
        <translation>ऑडियो डिकोड करना शुरू नहीं किया जा सका।</translation>
    </message>
    <message>
        <source>Success conversion, Output files save in the output folder.</source>
        <extracomment>The batch is over and its last file was converted (translate the meaning: the conversion succeeded and the files are in the chosen folder)</extracomment>
        <translation>रूपांतरण सफल रहा। आउटपुट फ़ाइलें आउटपुट फ़ोल्डर में सहेज दी गई हैं।</translation>
    </message>
    <message>
        <source>%1 of %2 files done</source>
        <extracomment>Tooltip of the batch&apos;s progress bar</extracomment>
        <translation>पूरी हुई फ़ाइलें: %2 में से %1</translation>
    </message>
</context>
</TS>
