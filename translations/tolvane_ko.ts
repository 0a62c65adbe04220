<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>FormatFileSize</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1바이트</translation>
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
        <translation>“%1”을(를) 만들 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>No free output name is left for &quot;%1&quot; in &quot;%2&quot;.</source>
        <translation>“%2”에 “%1”의 출력 파일에 사용할 수 있는 이름이 더 이상 없습니다.</translation>
    </message>
    <message>
        <source>No output name for &quot;%1&quot; fits in &quot;%2&quot;.</source>
        <translation>“%2”에 들어갈 수 있는 “%1”의 출력 파일 이름이 없습니다.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there, or is not a file.</source>
        <translation>“%1”이(가) 더 이상 없거나 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>Can&apos;t open &quot;%1&quot;: %2.</source>
        <translation>“%1”을(를) 열 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>Can&apos;t create a file in &quot;%1&quot;: %2.</source>
        <translation>“%1”에 파일을 만들 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>The damaged file &quot;%1&quot; is left on disk: it could not be removed (%2).</source>
        <translation>손상된 파일 “%1”을(를) 삭제할 수 없어 디스크에 남아 있습니다(%2).</translation>
    </message>
    <message>
        <source>The codec was stopped by signal %1.</source>
        <translation>코덱이 시그널 %1에 의해 중지되었습니다.</translation>
    </message>
    <message>
        <source>The codec ended with exit code %1.</source>
        <translation>코덱이 종료되었습니다(종료 코드 %1).</translation>
    </message>
    <message>
        <source>The codec could not write the whole file.</source>
        <translation>코덱이 파일 전체를 쓰지 못했습니다.</translation>
    </message>
    <message>
        <source>The codec made no file.</source>
        <translation>코덱이 파일을 만들지 않았습니다.</translation>
    </message>
    <message>
        <source>The codec made an empty file.</source>
        <translation>코덱이 빈 파일을 만들었습니다.</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: a file or a link has its name.</source>
        <translation>폴더 “%1”을(를) 만들 수 없습니다: 같은 이름의 파일이나 링크가 있습니다.</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;: %2.</source>
        <translation>폴더 “%1”을(를) 만들 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>The codec found no sound in the file.</source>
        <translation>코덱이 파일에서 소리를 찾지 못했습니다.</translation>
    </message>
</context>
<context>
    <name>TConverterForm</name>
    <message>
        <source>Please select one AMR file.</source>
        <translation>AMR 파일을 하나 선택하십시오.</translation>
    </message>
    <message>
        <source>Select folder to save MP3 files.</source>
        <translation>MP3 파일을 저장할 폴더 선택</translation>
    </message>
    <message>
        <source>Please select one MP3 file.</source>
        <translation>MP3 파일을 하나 선택하십시오.</translation>
    </message>
    <message>
        <source>Select folder to save AMR files.</source>
        <translation>AMR 파일을 저장할 폴더 선택</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the dialog that adds files to a list</extracomment>
        <translation>열기</translation>
    </message>
    <message>
        <source>AMR to MP3</source>
        <translation>AMR에서 MP3로</translation>
    </message>
    <message>
        <source>AMR Audio File</source>
        <translation>AMR 오디오 파일</translation>
    </message>
    <message>
        <source>Output MP3 File</source>
        <translation>출력 MP3 파일</translation>
    </message>
    <message>
        <source>Add AMR Audio</source>
        <translation>AMR 파일 추가</translation>
    </message>
    <message>
        <source>Convert to MP3</source>
        <translation>MP3로 변환</translation>
    </message>
    <message>
        <source>MP3 to AMR</source>
        <translation>MP3에서 AMR로</translation>
    </message>
    <message>
        <source>MP3 Audio File</source>
        <translation>MP3 오디오 파일</translation>
    </message>
    <message>
        <source>Output AMR File</source>
        <translation>출력 AMR 파일</translation>
    </message>
    <message>
        <source>Add MP3 Audio</source>
        <translation>MP3 파일 추가</translation>
    </message>
    <message>
        <source>Convert to AMR</source>
        <translation>AMR로 변환</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>파일 크기</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A button that removes the selected row from the list (the file stays)</extracomment>
        <translation>제거</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A small button that ends the running batch</extracomment>
        <translation>중지</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>모든 파일</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>MP3 파일</translation>
    </message>
    <message>
        <source>AMR Files</source>
        <translation>AMR 파일</translation>
    </message>
    <message>
        <source>Phone Recordings</source>
        <extracomment>A file filter: every kind of file phones keep voice recordings in</extracomment>
        <translation>휴대폰 녹음</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file or folder, then why it could not be converted or added</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) or folder(s) could not be added.</source>
        <translation>
            <numerusform>파일 또는 폴더 %n개를 추가하지 못했습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <extracomment>Caption of a message box, in capitals in English</extracomment>
        <translation>정보</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; don&apos;t exists.</source>
        <extracomment>Translate the meaning: the folder %1 does not exist</extracomment>
        <translation>“%1” 폴더가 존재하지 않습니다.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Audio codec error, please reinstall this software.</source>
        <translation>오디오 코덱 오류입니다. 이 소프트웨어를 다시 설치하십시오.</translation>
    </message>
    <message>
        <source>Start to decode audio ...</source>
        <translation>오디오 디코딩을 시작하는 중…</translation>
    </message>
    <message>
        <source>Decoding audio %1</source>
        <extracomment>The status while a file converts; %1 is how much of the output is written so far, such as &quot;125kb&quot;</extracomment>
        <translation>오디오 디코딩 중 %1</translation>
    </message>
    <message>
        <source>Can&apos;t decode file.</source>
        <translation>파일을 디코딩할 수 없습니다.</translation>
    </message>
    <message>
        <source>Show no more failures in this batch</source>
        <extracomment>A check box in the message about a file that failed</extracomment>
        <translation>이번 일괄 작업에서는 실패를 더 이상 표시하지 않음</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be converted.</source>
        <translation>
            <numerusform>파일 %n개를 변환하지 못했습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t start to deocde audio.</source>
        <extracomment>The codec program could not be started (translate the meaning; the English spelling is kept as it always was)</extracomment>
        <translation>오디오 디코딩을 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>Success conversion, Output files save in the output folder.</source>
        <extracomment>The batch is over and its last file was converted (translate the meaning: the conversion succeeded and the files are in the chosen folder)</extracomment>
        <translation>변환에 성공했습니다. 출력 파일은 출력 폴더에 저장되었습니다.</translation>
    </message>
    <message>
        <source>%1 of %2 files done</source>
        <extracomment>Tooltip of the batch&apos;s progress bar</extracomment>
        <translation>파일 %2개 중 %1개 완료</translation>
    </message>
</context>
</TS>
