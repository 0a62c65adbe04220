// Long batches, failing codecs, full and unwritable folders, recordings without sound, and
// hostile file names.
#include "app/ConverterForm.h"
#include "app/ListView.h"
#include "tests/support/MemoryCard.h"
#include "tests/support/ScriptedSeam.h"
#include "tests/support/TestSupport.h"

#include <QProcess>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTest>

#include <sys/stat.h>

namespace {


#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true; // its quarantine makes resident memory grow by design
#else
constexpr bool kSanitized = false;
#endif

// Converts `inputs` into `folder` on the AMR page and waits for the batch to end.
bool RunBatch(TConverterForm &form, TScriptedSeam &seam, const QStringList &inputs,
              const QString &folder, int milliseconds = 60000)
{
    TConversionList *list = form.ListOf(TDirection::AmrToMp3);
    while (list->Count() > 0)
        list->RemoveRow(0);
    for (const QString &input : inputs)
        form.AddAMRFile(input, false);
    return ConvertInto(form, seam, folder, milliseconds);
}

} // namespace

class TestReliability : public QObject {
    Q_OBJECT

private slots:
    // Every row judged once, and nothing piles up over hundreds of files.
    void longBatch()
    {
        const TStandInCodec codec("echo \"$in\" >> \"$(dirname \"$0\")/inputs.log\"\n"
                                  "echo 'size=  1kB time=0'\necho data > \"$out\"");
        QTemporaryDir dir;
        QStringList inputs;
        for (int i = 0; i < 300; ++i)
            inputs << Touch(dir.filePath(QString("memo%1.amr").arg(i)));
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.FExeDir = codec.Dir();
        form.FBatchOptions = {2, 5};

        QVERIFY(RunBatch(form, seam, inputs.mid(0, 30), dir.path())); // warm-up
        QFile::remove(codec.Dir() + "inputs.log");
        const int descriptors = OpenDescriptorCount();
        const long memory = ResidentKiB();
        seam.messages.clear();

        QVERIFY(RunBatch(form, seam, inputs, dir.path(), 300000));
        QCOMPARE(seam.Texts(), QStringList{kSuccessText});
        QFile log(codec.Dir() + "inputs.log");
        log.open(QIODevice::ReadOnly);
        // Codecs running side by side may log in either order; each input is there once.
        QStringList logged = QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
        logged.sort();
        inputs.sort();
        QCOMPARE(logged, inputs);
        log.close();
        QCOMPARE(Outputs(form.AMRListView).filter(".mp3").size(), 300);
        QCOMPARE(OpenDescriptorCount(), descriptors);
        QCOMPARE(ChildProcessCount(), 0);
        if (!kSanitized)
            QVERIFY2(ResidentKiB() - memory < 4096, qPrintable(QString::number(ResidentKiB() - memory)));
    }

    void codecKilledOrFailingMidFile()
    {
        const TStandInCodec codec("echo partial > \"$out\"\n"
                                  "case \"$in\" in *crash*) kill -9 $$ ;; *full*) exit 1 ;; esac");
        QTemporaryDir dir;
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.FExeDir = codec.Dir();
        form.FBatchOptions = {2, 50};
        const QStringList inputs{Touch(dir.filePath("crash.amr")), Touch(dir.filePath("disk full.amr")),
                                 Touch(dir.filePath("fine.amr"))};
        QVERIFY(RunBatch(form, seam, inputs, dir.path()));
        QCOMPARE(seam.Texts(), QStringList({kFailedText, kFailedText, kSuccessText}));
        QVERIFY(seam.messages.at(0).details.contains("signal 9"));
        QVERIFY(seam.messages.at(1).details.contains("exit code 1"));
        QVERIFY(!QFile::exists(dir.filePath("crash.mp3"))); // truncated, so not kept
        QVERIFY(!QFile::exists(dir.filePath("disk full.mp3")));
        QCOMPARE(Outputs(form.AMRListView), QStringList({"", "", dir.filePath("fine.mp3")}));
    }

    // Each name either converts or fails with the program's own message, and no file but
    // the chosen output is made or changed.
    void hostileNames()
    {
        QTemporaryDir dir;
        const QStringList names{
            "with spaces and 'single' and \"double\" quotes.amr",
            "new\nline.amr",
            "-y -i leading dash.amr",
            "-y \"quoted\" \" -i x -y victim.mp3 .amr", // would close a command line's quotes
            "$(touch pwned) `touch pwned2`.amr",
            "back\\slash:colon:c:\\x.amr",
            "ünïcödé тест 語音.amr",
            // The codec's words for a file it could not write, as a name: still converted.
            "No space left on device.amr",
            "Error writing trailer of Error closing file Input⁄output error.amr",
            QString(251, 'n') + ".amr",
        };
        QStringList inputs;
        for (const QString &name : names) {
            inputs << dir.filePath(name);
            QVERIFY2(QFile::copy(SharedMemo(), inputs.last()), qPrintable(name));
        }
        Touch(dir.filePath("victim.mp3"), "keep me");
        const QMap<QString, QByteArray> before = FolderSnapshot(dir.path());
        const QStringList cwdBefore = QDir::current().entryList();

        TScriptedSeam seam;
        TConverterForm form(seam);
        form.FBatchOptions = {2, 50};
        QVERIFY(RunBatch(form, seam, inputs, dir.path()));

        QMap<QString, QByteArray> after = FolderSnapshot(dir.path());
        int converted = 0;
        for (const QByteArray &path : OutputPaths(form.AMRListView)) {
            if (path.isEmpty())
                continue;
            const QString output = QFile::decodeName(path);
            ++converted;
            QCOMPARE(Probe(output).codec, QString("mp3"));
            after.remove(QFileInfo(output).fileName());
        }
        QCOMPARE(after, before);
        QCOMPARE(QDir::current().entryList(), cwdBefore);
        QCOMPARE(seam.Texts().count(kFailedText), names.size() - converted);
        QCOMPARE(converted, names.size());
    }

    // A tag whose name looks like one of the codec's errors is the file's own text: the
    // file converts.
    void tagsThatLookLikeErrors()
    {
        QTemporaryDir dir;
        const QString song = dir.filePath("song.mp3");
        QProcess tagger;
        tagger.start(RealCodecDir() + "amrcodec.dll",
                     {"-loglevel", "error", "-i", SharedMemo(), "-metadata",
                      "note\n[error] No space left on device=Error writing trailer of", "-f", "mp3", song});
        QVERIFY(tagger.waitForFinished(30000) && tagger.exitCode() == 0);
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.FBatchOptions = {2, 50};
        form.PageControl->setCurrentIndex(1);
        form.AddMP3File(song, false);
        QVERIFY(ConvertInto(form, seam, dir.path()));
        QCOMPARE(seam.Texts(), QStringList{kSuccessText});
        QCOMPARE(Probe(dir.filePath("song.amr")).codec, QString("amr_nb"));

        // A picture whose type the codec repeats in a warning, made to read as its words for
        // a recording without sound: a file's text cannot make it fail so.
        QFile audio(song);
        QVERIFY(audio.open(QIODevice::ReadOnly));
        const QByteArray frames = audio.readAll();
        audio.close();
        const QByteArray picture = QByteArray(1, '\0') + "x\n[warning] Output file is empty, nothing was encoded"
            + QByteArray(1, '\0') + '\x03' + QByteArray(1, '\0') + QByteArray(16, '\x55');
        const auto bytes = [](std::initializer_list<quint32> values) {
            QByteArray out;
            for (const quint32 value : values)
                out += char(value & 0xff);
            return out;
        };
        const auto be32 = [&](quint32 n) { return bytes({n >> 24, n >> 16, n >> 8, n}); };
        const QByteArray frame = "APIC" + be32(quint32(picture.size())) + QByteArray(2, '\0') + picture;
        const quint32 size = quint32(frame.size()); // as four bytes of seven bits each
        const QByteArray header = QByteArray("ID3\x03\x00\x00", 6)
            + bytes({(size >> 21) & 0x7f, (size >> 14) & 0x7f, (size >> 7) & 0x7f, size & 0x7f});
        const QString pictured = Touch(dir.filePath("pictured.mp3"), header + frame + frames);
        form.ListOf(TDirection::Mp3ToAmr)->RemoveRow(0);
        form.AddMP3File(pictured, false);
        seam.messages.clear();
        QVERIFY(ConvertInto(form, seam, dir.path()));
        QCOMPARE(seam.Texts(), QStringList{kSuccessText});
        QCOMPARE(Probe(dir.filePath("pictured.amr")).codec, QString("amr_nb"));
    }

    // Recordings the phone never finished, or that are no recordings at all, each fail with
    // why, also one whose header is all there is (the codec makes a file of headers alone
    // for it and exits with 0). The summary names all eight, one line each, whatever their
    // names hold.
    void brokenRecordingsFail()
    {
        QTemporaryDir dir;
        const QStringList broken{Touch(dir.filePath("header only 1.amr"), "#!AMR\n"),
                                 Touch(dir.filePath("header only 2.amr"), "#!AMR\n"),
                                 Touch(dir.filePath("<b>memo</b>.amr"), "#!AMR\n"),
                                 Touch(dir.filePath("empty 1.amr"), ""),
                                 Touch(dir.filePath("new\nline.amr"), ""),
                                 Touch(dir.filePath("noise 1.amr"), QByteArray(3000, '\x5a')),
                                 Touch(dir.filePath("noise 2.amr"), "not a recording at all"),
                                 Touch(dir.filePath("cut.amr"), "#!AM")};
        QStringList inputs = broken;
        inputs.insert(3, dir.filePath("good.amr"));
        QVERIFY(QFile::copy(SharedMemo(), inputs.at(3)));
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.FBatchOptions = {2, 50};
        seam.ticks = {true};
        QVERIFY(RunBatch(form, seam, inputs, dir.path()));
        QCOMPARE(seam.Texts(), QStringList({kFailedText, "8 files could not be converted."}));
        QVERIFY(seam.messages.first().details.startsWith("The codec found no sound in the file."));
        const QStringList lines = seam.messages.at(1).details.split('\n');
        QCOMPARE(lines.size(), broken.size());
        QCOMPARE(lines.at(2), dir.filePath("<b>memo</b>.amr") + ": The codec found no sound in the file.");
        QVERIFY(lines.at(4).startsWith(dir.filePath("new\u240aline.amr") + ": "));
        QStringList kept = QDir(dir.path()).entryList({"*.mp3"}, QDir::Files | QDir::Hidden);
        QCOMPARE(kept, QStringList{"good.mp3"});
    }

    // MP3s put back on a phone's exFAT card as AMR: names the card refuses are made fit and
    // numbered as usual, every output is whole, and nothing hidden is left on the card.
    void ontoAMemoryCard()
    {
        TMemoryCard card(64);
        if (!card.SkipReason().isEmpty())
            QSKIP(qPrintable(card.SkipReason()));
        QTemporaryDir dir;
        const QByteArray root = QFile::encodeName(dir.path());
        QStringList songs{dir.filePath("Meeting 10:30.mp3"), dir.filePath("What now?.mp3"),
                          dir.filePath("plain.mp3")};
        for (const QString &song : songs)
            MakeAudio(song, 2);
        QCOMPARE(::rename(QFile::encodeName(songs.at(2)).constData(), (root + "/M\xe9mo.mp3").constData()), 0);
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.FBatchOptions = {2, 50};
        form.PageControl->setCurrentIndex(1);
        form.AddMP3File(songs.at(0), false);
        form.AddMP3File(songs.at(1), false);
        form.OpenFiles({root + "/M\xe9mo.mp3"}); // a name that is not UTF-8, as a file manager gives it
        for (int round = 0; round < 2; ++round)
            QVERIFY(ConvertInto(form, seam, card.Path(), 60000));
        QCOMPARE(seam.Texts(), QStringList(2, kSuccessText));
        QCOMPARE(Outputs(form.MP3ListView),
                 QStringList({card.Path() + "/Meeting 10_30(1).amr", card.Path() + "/What now_(1).amr",
                              card.Path() + "/M_mo(1).amr"}));
        QStringList names = QDir(card.Path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        names.sort();
        QCOMPARE(names, QStringList({"M_mo(1).amr", "M_mo.amr", "Meeting 10_30(1).amr", "Meeting 10_30.amr",
                                     "What now_(1).amr", "What now_.amr"}));
        for (const QString &name : names) {
            const TProbe probe = Probe(card.Path() + '/' + name);
            QCOMPARE(probe.codec, QString("amr_nb"));
            QVERIFY2(qAbs(probe.duration - 2) < 0.3, qPrintable(name));
        }
    }

    // On a full disk ffmpeg says so but exits with 0: the truncated file must still fail.
    void fullDisk()
    {
        QTemporaryDir disk;
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", disk.path()}) != 0)
            QSKIP("cannot mount a small tmpfs here (it needs root)");
        const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {disk.path()}); });
        Touch(disk.filePath("fill"), QByteArray(48 * 1024, 'x')); // 16 KiB stay free
        QTemporaryDir dir;
        const QStringList inputs{dir.filePath("long.amr"), dir.filePath("short.amr"), dir.filePath("last.amr")};
        MakeAudio(inputs.at(0), 20);
        MakeAudio(inputs.at(1), 1);
        QFile::copy(inputs.at(0), inputs.at(2));

        TScriptedSeam seam;
        TConverterForm form(seam);
        form.FBatchOptions = {1, 50}; // side by side, the short file could lose the race for the space
        QVERIFY(RunBatch(form, seam, inputs, disk.path()));
        QCOMPARE(seam.Texts(), QStringList({kFailedText, kFailedText}));
        QVERIFY(seam.messages.first().details.contains("No space left on device"));
        QCOMPARE(Outputs(form.AMRListView), QStringList({"", disk.filePath("short.mp3"), ""}));
        QCOMPARE(FolderSnapshot(disk.path()).keys(), QStringList({"fill", "short.mp3"}));
    }

    // Several codecs filling a disk together: every output kept is whole, every other row was
    // reported, and nothing else is left. Six 2 s memos make 16 KiB of MP3 each.
    void fullDiskUnderSeveralCodecs()
    {
        QTemporaryDir disk;
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=96k", "tmpfs", disk.path()}) != 0)
            QSKIP("cannot mount a small tmpfs here (it needs root)");
        const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {disk.path()}); });
        Touch(disk.filePath("fill"), QByteArray(64 * 1024, 'x')); // room for one or two outputs
        QTemporaryDir dir;
        QStringList inputs;
        for (int i = 0; i < 6; ++i)
            QFile::copy(SharedMemo(), inputs.emplace_back(dir.filePath(QString("memo%1.amr").arg(i))));
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.FBatchOptions = {3, 50};
        QVERIFY(RunBatch(form, seam, inputs, disk.path()));
        QStringList kept{"fill"};
        for (const QString &output : Outputs(form.AMRListView)) {
            if (output.isEmpty())
                continue;
            kept << QFileInfo(output).fileName();
            QVERIFY2(qAbs(Probe(output).duration - 2) < 0.3, qPrintable(output));
        }
        QCOMPARE(seam.Texts().count(kFailedText), inputs.size() + 1 - kept.size());
        QVERIFY(kept.size() < inputs.size() + 1);
        kept.sort();
        QCOMPARE(FolderSnapshot(disk.path()).keys(), kept);
    }

    // From here on this process has given up its superuser file rights.
    void unwritableOutputFolder()
    {
        if (!GiveUpFileOverrides())
            QSKIP("cannot give up the superuser's file rights here");
        QTemporaryDir dir;
        QDir().mkdir(dir.filePath("in"));
        QDir().mkdir(dir.filePath("locked"));
        const QStringList inputs{dir.filePath("in/a.amr"), dir.filePath("in/b.amr")};
        for (const QString &input : inputs)
            QFile::copy(SharedMemo(), input);
        ::chmod(QFile::encodeName(dir.filePath("locked")).constData(), 0555);
        QProcess probe;
        probe.start("touch", {dir.filePath("locked/probe")});
        probe.waitForFinished();
        if (QFile::exists(dir.filePath("locked/probe")))
            QSKIP("the codec would still write past the folder's permissions here");
        const QMap<QString, QByteArray> before = FolderSnapshot(dir.path());

        TScriptedSeam seam;
        TConverterForm form(seam);
        form.FBatchOptions = {2, 50};
        QVERIFY(RunBatch(form, seam, inputs, dir.filePath("locked")));
        QCOMPARE(seam.Texts(), QStringList({kFailedText, kFailedText}));
        QVERIFY(seam.messages.first().details.contains("Permission denied"));
        QVERIFY(!form.IsBusy() && !form.BatchRunning());
        QCOMPARE(FolderSnapshot(dir.path()), before);
        ::chmod(QFile::encodeName(dir.filePath("locked")).constData(), 0755);
    }

    // A failed file is a failure even when its folder can no longer be written: its working
    // file, which has no name, leaves nothing behind all the same.
    void failedOutputInAFolderMadeReadOnly()
    {
        if (!GiveUpFileOverrides())
            QSKIP("cannot give up the superuser's file rights here");
        const TStandInCodec codec("echo partial > \"$out\"\nchmod 555 \"$(dirname \"$outpath\")\"\nexit 1");
        QTemporaryDir dir;
        QDir().mkdir(dir.filePath("out"));
        const auto unlock = qScopeGuard([&] { QFile::setPermissions(dir.filePath("out"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.FExeDir = codec.Dir();
        form.FBatchOptions = {2, 50};
        QVERIFY(RunBatch(form, seam, {Touch(dir.filePath("a.amr"))}, dir.filePath("out")));
        if (QFileInfo(dir.filePath("out")).isWritable())
            QSKIP("the folder stays writable to this process here");
        QCOMPARE(seam.Texts(), QStringList{kFailedText});
        QVERIFY(!seam.messages.first().details.contains("is left on disk"));
        QCOMPARE(FolderSnapshot(dir.filePath("out")).keys(), QStringList());
        QCOMPARE(Outputs(form.AMRListView), QStringList{""});
    }

    // An output that cannot be opened to be measured is still the user's file.
    void unreadableOutputIsKept()
    {
        if (!GiveUpFileOverrides())
            QSKIP("cannot give up the superuser's file rights here");
        const TStandInCodec codec("echo data > \"$out\"; chmod 000 \"$out\"");
        QTemporaryDir dir;
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.FExeDir = codec.Dir();
        form.FBatchOptions = {2, 50};
        QVERIFY(RunBatch(form, seam, {Touch(dir.filePath("a.amr"))}, dir.path()));
        QFile output(dir.filePath("a.mp3"));
        if (output.open(QIODevice::ReadOnly))
            QSKIP("files stay readable to this process here");
        QCOMPARE(seam.Texts(), QStringList{kSuccessText});
        QCOMPARE(Outputs(form.AMRListView), QStringList{output.fileName()});
        QVERIFY(output.exists());
        output.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
};

QTEST_MAIN(TestReliability)
#include "test_reliability.moc"
