// Whole batches through the window: the Convert buttons, output names, the monitor's
// judgement of each file, trees kept, and what the window shows of it all.
#include "app/ConverterForm.h"
#include "app/ListView.h"
#include "tests/support/ScriptedSeam.h"
#include "tests/support/SlowMount.h"
#include "tests/support/TestSupport.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QScopeGuard>
#include <QPushButton>
#include <QAccessible>
#include <QProcess>
#include <QSet>
#include <QUrl>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace {

// A stand-in whose behaviour follows the input's name; it logs every input it is given, and
// every input whose output it has written (in part, for one that hangs).
const QByteArray kByName = R"(echo "$in" >> "$(dirname "$0")/inputs.log"
case "$in" in
  *silent*) echo "Unknown encoder 'nothing'" ;;
  *empty*) : > "$out" ;;
  *slow*) sleep 0.4; echo data > "$out" ;;
  *hang*) echo partial > "$out"; echo "$in" >> "$(dirname "$0")/written.log"; exec sleep 60 ;;
  *) echo "size=       1kB time=00:00:01.00"; echo data > "$out" ;;
esac
echo "$in" >> "$(dirname "$0")/written.log")";

// The inputs a stand-in has written an output for, so far.
QByteArray WrittenLog(const TStandInCodec &codec)
{
    QFile log(codec.Dir() + "written.log");
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

int Written(const TStandInCodec &codec)
{
    return int(WrittenLog(codec).count('\n'));
}

// Access and modification times of a file, to the nanosecond.
QList<qint64> Times(const QByteArray &path)
{
    struct stat entry {};
    ::stat(path.constData(), &entry);
    return {entry.st_atim.tv_sec, entry.st_atim.tv_nsec, entry.st_mtim.tv_sec, entry.st_mtim.tv_nsec};
}

QList<qint64> Times(const QString &path)
{
    return Times(QFile::encodeName(path));
}

// Dates a memo as if recorded years ago, at a time with nanoseconds.
void DateBack(const QByteArray &path, qint64 seconds)
{
    const struct timespec times[2] = {{seconds + 60, 987654321}, {seconds, 123456789}};
    ::utimensat(AT_FDCWD, path.constData(), times, 0);
}

void DateBack(const QString &path, qint64 seconds)
{
    DateBack(QFile::encodeName(path), seconds);
}

// Makes a recording at `path` with the real codec: two seconds of tone, then `options`.
void Record(const QString &path, const QStringList &options)
{
    const QStringList arguments{"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                "sine=frequency=440:beep_factor=3:duration=2"};
    QProcess codec;
    codec.start(RealCodecDir() + "amrcodec.dll", arguments + options + QStringList{path});
    QVERIFY(codec.waitForFinished(30000) && codec.exitCode() == 0);
}

// Everything in `folder`, hidden entries too.
QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// The row a batch has reached: the one it selected.
int RowReached(const TConverterForm &form)
{
    return form.AMRListView->SelectedRow();
}

struct TSession {
    TScriptedSeam seam;
    TConverterForm form{seam};
    QTemporaryDir dir;

    explicit TSession(const QString &exeDir = RealCodecDir(), int codecs = 2)
    {
        form.FExeDir = exeDir;
        form.FBatchOptions = {codecs, 50};
    }
    void Add(const QStringList &paths)
    {
        for (const QString &path : paths)
            form.PageControl->currentIndex() == 0 ? form.AddAMRFile(path, false)
                                                  : form.AddMP3File(path, false);
        QVERIFY(WaitForAdds(form));
    }
    void SetOutput(TDirection page, int row, const QByteArray &output)
    {
        form.ListOf(page)->SetOutput(row, output);
    }
    bool Convert(const QString &folder, int milliseconds = 20000)
    {
        return ConvertInto(form, seam, folder, milliseconds);
    }
    QString Path(const QString &name) const { return dir.filePath(name); }
};

} // namespace

class TestBatch : public QObject {
    Q_OBJECT

private slots:
    void refusedBeforeStarting()
    {
        TSession batch;
        batch.form.AMRMP3ButtonClick();
        batch.form.PageControl->setCurrentIndex(1);
        batch.form.MP3AMRButtonClick();
        QCOMPARE(batch.seam.Texts(), QStringList({"Please select one AMR file.", "Please select one MP3 file."}));
        QCOMPARE(batch.seam.messages.first().icon, QMessageBox::Information);

        // A codec file missing, here as a link that dangles after an upgrade.
        const TStandInCodec codec(kByName);
        QFile::remove(codec.Dir() + "avformat.dll");
        QFile::link("/nonexistent/libavformat.so.0", codec.Dir() + "avformat.dll");
        batch.form.FExeDir = codec.Dir();
        batch.Add({Touch(batch.Path("in/a.mp3"))});
        batch.SetOutput(TDirection::Mp3ToAmr, 0, "earlier output");
        batch.seam.messages.clear();
        batch.form.MP3AMRButton->click();
        QCOMPARE(batch.seam.Texts(), QStringList{"Audio codec error, please reinstall this software."});
        QCOMPARE(batch.seam.messages.first().caption, QString("ERROR"));
        QCOMPARE(batch.seam.messages.first().icon, QMessageBox::Critical);
        QVERIFY(batch.seam.folderRequests.isEmpty());

        // Cancelled chooser, then a folder that is not there.
        batch.form.FExeDir = RealCodecDir();
        batch.seam.messages.clear();
        batch.form.MP3AMRButtonClick();
        QVERIFY(batch.seam.messages.isEmpty());
        QCOMPARE(batch.seam.folderRequests.last().title, QString("Select folder to save AMR files."));
        QCOMPARE(batch.seam.folderRequests.last().folder, batch.Path("in"));
        batch.Convert(batch.Path("gone"));
        QCOMPARE(batch.seam.Texts(), QStringList{"Directory \"" + batch.Path("gone") + "\" don't exists."});
        QCOMPARE(batch.seam.messages.first().caption, QString("ERROR"));
        QCOMPARE(Outputs(batch.form.MP3ListView), QStringList{"earlier output"});
        QVERIFY(!batch.form.IsBusy() && !batch.form.BatchRunning());
    }

    void goodStartAndWhereTheChooserOpens()
    {
        const TStandInCodec codec("exec sleep 60");
        TSession batch(codec.Dir(), 1);
        batch.Add({Touch(batch.Path("a/x.amr")), Touch(batch.Path("a/y.amr"))});
        batch.SetOutput(TDirection::AmrToMp3, 1, "stale");
        QDir().mkpath(batch.Path("out"));
        batch.seam.folderAnswers = {batch.Path("out")};
        batch.form.AMRMP3ButtonClick();
        QCOMPARE(batch.seam.folderRequests.last().title, QString("Select folder to save MP3 files."));
        QCOMPARE(batch.seam.folderRequests.last().folder, batch.Path("a"));
        QVERIFY(batch.form.IsBusy());
        QTRY_COMPARE(Outputs(batch.form.AMRListView), QStringList({"", ""}));
        QTRY_COMPARE(RowReached(batch.form), 0);
        QTRY_COMPARE(ChildProcessCount(), 1);
        // The codec writes a file of the batch's own that has no name yet.
        QCOMPARE(Entries(batch.Path("out")), QStringList());
        batch.form.FormDestroy();
        batch.form.EnableControls(true);
        QTRY_COMPARE(ChildProcessCount(), 0);
        QCOMPARE(Entries(batch.Path("out")), QStringList());

        // The chosen folder stands until a file is added from elsewhere.
        batch.form.AMRMP3ButtonClick();
        QCOMPARE(batch.seam.folderRequests.last().folder, batch.Path("out"));
        batch.Add({Touch(batch.Path("c/z.amr"))});
        batch.form.AMRMP3ButtonClick();
        QCOMPARE(batch.seam.folderRequests.last().folder, batch.Path("c"));
    }

    void realAmrToMp3()
    {
        TSession batch;
        const QList<double> seconds{1.5, 3, 6};
        QStringList inputs;
        for (int i = 0; i < seconds.size(); ++i) {
            inputs << batch.Path(QString("memos/memo %1.amr").arg(i));
            QDir().mkpath(batch.Path("memos"));
            MakeAudio(inputs.last(), seconds.at(i));
            DateBack(inputs.last(), 1500000000 + i * 86400);
        }
        const auto before = FolderSnapshot(batch.Path("memos"));
        batch.Add(inputs);
        QDir().mkpath(batch.Path("out"));
        QVERIFY(batch.Convert(batch.Path("out")));

        QCOMPARE(batch.seam.Texts(), QStringList{kSuccessText});
        QCOMPARE(batch.seam.messages.first().icon, QMessageBox::Information);
        const QStringList outputs = Outputs(batch.form.AMRListView);
        for (int i = 0; i < seconds.size(); ++i) // the recording's date, before a read moves it
            QCOMPARE(Times(outputs.at(i)), Times(inputs.at(i)));
        for (int i = 0; i < seconds.size(); ++i) {
            QCOMPARE(outputs.at(i), batch.Path(QString("out/memo %1.mp3").arg(i)));
            const TProbe probe = Probe(outputs.at(i));
            QCOMPARE(probe.codec, QString("mp3"));
            QCOMPARE(probe.bitRate, 64000); // not the encoder's 8 kbit/s for 8 kHz speech
            QCOMPARE(probe.sampleRate, 8000);
            QCOMPARE(probe.channels, 1);
            QVERIFY2(qAbs(probe.duration - seconds.at(i)) < 0.3, qPrintable(QString::number(probe.duration)));
        }
        QVERIFY(!batch.form.BatchRunning() && batch.form.PageControl->isEnabled());
        QCOMPARE(FolderSnapshot(batch.Path("memos")), before);
        QCOMPARE(Entries(batch.Path("out")), QStringList({"memo 0.mp3", "memo 1.mp3", "memo 2.mp3"}));
    }

    void realMp3ToAmr()
    {
        TSession batch;
        batch.form.PageControl->setCurrentIndex(1);
        QDir().mkpath(batch.Path("in"));
        MakeAudio(batch.Path("in/song.mp3"), 2);
        MakeAudio(batch.Path("in/tune"), 1); // an MP3 without an extension
        DateBack(batch.Path("in/song.mp3"), 1400000000);
        batch.Add({batch.Path("in/song.mp3"), batch.Path("in/tune")});
        QVERIFY(batch.Convert(batch.Path("in")));
        QCOMPARE(batch.seam.Texts(), QStringList{kSuccessText});
        QCOMPARE(Outputs(batch.form.MP3ListView),
                 QStringList({batch.Path("in/song.amr"), batch.Path("in/tune.amr")}));
        QCOMPARE(Times(batch.Path("in/song.amr")), Times(batch.Path("in/song.mp3")));
        for (const QString &output : Outputs(batch.form.MP3ListView)) {
            const TProbe probe = Probe(output);
            QCOMPARE(probe.codec, QString("amr_nb"));
            // The 7.95k mode reads as 8000 bit/s with its framing; "-ab 8" gave 4.75k (5200).
            QVERIFY2(qAbs(probe.bitRate - 8000) < 300, qPrintable(QString::number(probe.bitRate)));
            QCOMPARE(probe.sampleRate, 8000);
            QCOMPARE(probe.channels, 1);
        }
    }

    // Names are chosen on disk as each row starts: earlier outputs and files already
    // there push later rows to numbered names, and nothing is overwritten.
    void sameNamesNeverOverwrite()
    {
        const TStandInCodec codec(kByName);
        TSession batch(codec.Dir());
        batch.Add({Touch(batch.Path("a/x.amr")), Touch(batch.Path("b/x.amr"))});
        const QString out = batch.Path("out");
        Touch(out + "/x(1).mp3/inside"); // a folder of that name is taken too
        QFile::link(batch.Path("nowhere"), out + "/x(2).mp3");
        QVERIFY(batch.Convert(out));
        QCOMPARE(Outputs(batch.form.AMRListView), QStringList({out + "/x.mp3", out + "/x(3).mp3"}));
        QVERIFY(batch.Convert(out));
        QCOMPARE(Outputs(batch.form.AMRListView), QStringList({out + "/x(4).mp3", out + "/x(5).mp3"}));
        QVERIFY(!QFile::exists(batch.Path("nowhere")));
    }

    // A recordings tree dropped keeps its shape below the output folder: each day's memo in
    // its day's folder, a file added by itself straight in it, a second folder of the same
    // name sharing the tree. A second batch into the same folder numbers every output inside
    // the tree and rewrites nothing.
    void treesKeepTheirShape()
    {
        const TStandInCodec codec("echo \"$in\" > \"$out\"");
        TSession batch(codec.Dir());
        batch.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&batch.form));
        const QString recordings = batch.Path("phone/Recordings");
        const QStringList inputs{Touch(recordings + "/2019-03-01/Recording.amr"),
                                 Touch(recordings + "/2019-03-02/Recording.amr"),
                                 Touch(recordings + "/Calls/Anna/call 1.amr"), Touch(batch.Path("single.amr")),
                                 Touch(batch.Path("backup/Recordings/2019-03-01/Recording.amr"))};
        Touch(recordings + "/2019-03-03/notes.txt"); // a folder that yields no output
        Drop(batch.form.AMRListView, {QUrl::fromLocalFile(recordings + '/')});
        batch.Add({inputs.at(3)});
        Drop(batch.form.AMRListView, {QUrl::fromLocalFile(batch.Path("backup/Recordings"))});
        QCOMPARE(Captions(batch.form.AMRListView), inputs);
        const QString out = batch.Path("out/");
        QDir().mkpath(out);
        QVERIFY(batch.Convert(out));
        QCOMPARE(batch.seam.Texts(), QStringList{kSuccessText});
        QCOMPARE(Outputs(batch.form.AMRListView),
                 QStringList({out + "Recordings/2019-03-01/Recording.mp3", out + "Recordings/2019-03-02/Recording.mp3",
                              out + "Recordings/Calls/Anna/call 1.mp3", out + "single.mp3",
                              out + "Recordings/2019-03-01/Recording(1).mp3"}));
        QVERIFY(!QFileInfo::exists(out + "Recordings/2019-03-03"));
        const QMap<QString, QByteArray> first = FolderSnapshot(out);
        for (int row = 0; row < inputs.size(); ++row) {
            QFile output(Outputs(batch.form.AMRListView).at(row));
            QVERIFY(output.open(QIODevice::ReadOnly));
            QCOMPARE(output.readAll(), inputs.at(row).toUtf8() + "\n");
        }

        QVERIFY(batch.Convert(out));
        QCOMPARE(Outputs(batch.form.AMRListView),
                 QStringList({out + "Recordings/2019-03-01/Recording(2).mp3", out + "Recordings/2019-03-02/Recording(1).mp3",
                              out + "Recordings/Calls/Anna/call 1(1).mp3", out + "single(1).mp3",
                              out + "Recordings/2019-03-01/Recording(3).mp3"}));
        QMap<QString, QByteArray> second = FolderSnapshot(out);
        for (auto it = first.cbegin(); it != first.cend(); ++it)
            QCOMPARE(second.take(it.key()), it.value());
        QCOMPARE(second.size(), inputs.size());
    }

    // Where something that is not a folder has the name a tree's folder needs (a file, or a
    // link, which is never followed), the rows bound for it fail with the reason and touch
    // nothing there; the other rows convert.
    void treeFolderNameTaken_data()
    {
        QTest::addColumn<bool>("link");
        QTest::newRow("a file") << false;
        QTest::newRow("a link to a folder") << true;
    }
    void treeFolderNameTaken()
    {
        QFETCH(bool, link);
        const TStandInCodec codec("echo \"$in\" > \"$out\"");
        TSession batch(codec.Dir());
        batch.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&batch.form));
        const QString day = batch.Path("Recordings/2019-03-01");
        Touch(day + "/Recording.amr");
        Touch(batch.Path("Recordings/top.amr"));
        const QString out = batch.Path("out");
        QDir().mkpath(batch.Path("elsewhere"));
        if (link) {
            QDir().mkpath(out + "/Recordings");
            QFile::link(batch.Path("elsewhere"), out + "/Recordings/2019-03-01");
        } else {
            Touch(out + "/Recordings/2019-03-01", "mine");
        }
        const QMap<QString, QByteArray> before = FolderSnapshot(batch.Path("elsewhere"));
        Drop(batch.form.AMRListView, {QUrl::fromLocalFile(batch.Path("Recordings"))});
        QVERIFY(batch.Convert(out));
        QCOMPARE(batch.seam.Texts(), QStringList({kFailedText, kSuccessText}));
        QCOMPARE(batch.seam.messages.first().details.section('\n', 0, 0),
                 "Can't make the folder \"" + out + "/Recordings/2019-03-01\": a file or a link has its name.");
        QCOMPARE(Outputs(batch.form.AMRListView), QStringList({"", out + "/Recordings/top.mp3"}));
        QCOMPARE(FolderSnapshot(batch.Path("elsewhere")), before);
        QFile mine(out + "/Recordings/2019-03-01");
        if (!link) {
            QVERIFY(mine.open(QIODevice::ReadOnly));
            QCOMPARE(mine.readAll(), QByteArray("mine"));
        }
    }

    // A folder chooser gives text: an output folder whose name is not UTF-8 is still the one
    // chosen, and a published output carries no mark of any kind.
    void chosenFolderOfAnyBytes()
    {
        const TStandInCodec codec("echo data > \"$out\"");
        TSession batch(codec.Dir());
        batch.Add({Touch(batch.Path("in/memo.amr"))});
        const QByteArray folder = QFile::encodeName(batch.dir.path()) + "/Ausgabe \xe9";
        QCOMPARE(::mkdir(folder.constData(), 0755), 0);
        QVERIFY(batch.Convert(QFile::decodeName(folder)));
        QCOMPARE(batch.seam.Texts(), QStringList{kSuccessText});
        QCOMPARE(OutputPaths(batch.form.AMRListView), QList<QByteArray>{folder + "/memo.mp3"});
        char mark[8];
        QCOMPARE(::getxattr((folder + "/memo.mp3").constData(), "user.tolvane.working", mark, sizeof mark), -1);
    }

    // A phone's mount that stops answering while a batch writes to it holds neither the
    // window nor anything the program starts afterwards: Stop is at once, and a memo added
    // from a local disk is listed (its looks are made by a helper started after the hang).
    void outputMountStopsAnswering()
    {
        QTemporaryDir card;
        TSlowMount mount(card.path());
        if (!mount.SkipReason().isEmpty())
            QSKIP(qPrintable(mount.SkipReason()));
        const TStandInCodec codec("echo partial > \"$out\"\nexec sleep 60");
        TSession batch(codec.Dir(), 1);
        batch.Add({Touch(batch.Path("in/memo.amr"))});
        batch.seam.folderAnswers = {mount.Path()};
        batch.form.AMRMP3ButtonClick();
        QTRY_VERIFY(!QDir(card.path()).entryList({".tolvane-*"}, QDir::Files | QDir::Hidden).isEmpty());
        QTRY_VERIFY(QFileInfo(card.path() + '/' + QDir(card.path()).entryList({".tolvane-*"}, QDir::Files | QDir::Hidden).constFirst()).size() > 0);
        ::kill(pid_t(mount.Pid()), SIGSTOP);
        const auto resume = qScopeGuard([&] { ::kill(pid_t(mount.Pid()), SIGCONT); });
        QElapsedTimer clock;
        clock.start();
        batch.form.StopButtonClick();
        QVERIFY(!batch.form.IsBusy() && clock.elapsed() < 100);
        const QString local = Touch(batch.Path("local/other.amr"));
        batch.form.AddAMRFile(local, false);
        QVERIFY(WaitForAdds(batch.form, 5000));
        QCOMPARE(Captions(batch.form.AMRListView).constLast(), local);
    }

    // An output folder on a mount that has stopped answering is looked at by the batch, not
    // by the window: Convert returns at once and Stop ends the wait.
    void chosenFolderOnADeadMount()
    {
        QTemporaryDir source;
        QDir().mkpath(source.filePath("dead/sub"));
        TSlowMount mount(source.path(), TSlowMount::Hanging("dead"));
        if (!mount.SkipReason().isEmpty())
            QSKIP(qPrintable(mount.SkipReason()));
        const TStandInCodec codec("echo data > \"$out\"");
        TSession batch(codec.Dir());
        batch.Add({Touch(batch.Path("in/memo.amr"))});
        batch.seam.folderAnswers = {mount.Path() + "/dead/sub"};
        QElapsedTimer clock;
        clock.start();
        batch.form.AMRMP3ButtonClick();
        QTest::qWait(100);
        QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(batch.form.IsBusy());
        batch.form.StopButtonClick();
        QVERIFY(!batch.form.IsBusy() && !batch.form.BatchRunning());
        QVERIFY(batch.seam.messages.isEmpty());
    }

    void failedFilesAndTheBatchGoesOn()
    {
        const TStandInCodec codec(kByName);
        TSession batch(codec.Dir());
        const QStringList inputs{Touch(batch.Path("in/empty.amr")), Touch(batch.Path("in/silent.amr")),
                                 Touch(batch.Path("in/good.amr"))};
        batch.Add(inputs);
        QVERIFY(batch.Convert(batch.Path("in")));
        QCOMPARE(batch.seam.Texts(), QStringList({kFailedText, kFailedText, kSuccessText}));
        QCOMPARE(batch.seam.messages.first().caption, QString("INFORMATION"));
        QCOMPARE(batch.seam.messages.first().icon, QMessageBox::Critical);
        QVERIFY(batch.seam.messages.at(1).details.contains("Unknown encoder 'nothing'"));
        QVERIFY(!QFile::exists(batch.Path("in/empty.mp3"))); // the empty output is deleted
        QCOMPARE(Outputs(batch.form.AMRListView), QStringList({"", "", batch.Path("in/good.mp3")}));

        // The last row failing: no success message.
        TSession last(codec.Dir());
        last.Add({Touch(last.Path("in/good.amr")), Touch(last.Path("in/silent.amr"))});
        QVERIFY(last.Convert(last.Path("in")));
        QCOMPARE(last.seam.Texts(), QStringList{kFailedText});
    }

    // A row whose input went away after it was added is reported, first row or not.
    void vanishedInputs()
    {
        const TStandInCodec codec(kByName);
        TSession batch(codec.Dir());
        batch.Add({Touch(batch.Path("in/first.amr")), Touch(batch.Path("in/slow.amr")),
                   Touch(batch.Path("in/third.amr")), Touch(batch.Path("in/fourth.amr"))});
        QFile::remove(batch.Path("in/first.amr"));
        batch.seam.folderAnswers = {batch.Path("in")};
        batch.form.AMRMP3ButtonClick();
        QTRY_COMPARE(RowReached(batch.form), 1);
        QFile::remove(batch.Path("in/third.amr")); // while row 1 converts, and row 2 ahead of it
        QVERIFY(WaitForIdle(batch.form));
        QCOMPARE(batch.seam.Texts(), QStringList({kFailedText, kFailedText, kSuccessText}));
        QVERIFY(batch.seam.messages.at(1).details.contains("third.amr"));
        QCOMPARE(Outputs(batch.form.AMRListView),
                 QStringList({"", batch.Path("in/slow.mp3"), "", batch.Path("in/fourth.mp3")}));
    }

    // Two windows converting into one folder: each file appears only whole, the one that
    // fails leaves nothing, and a codec that cannot start leaves no working file behind.
    void twoWindowsIntoOneFolder()
    {
        const TStandInCodec codec("echo partial > \"$out\"\ntouch \"$(dirname \"$0\")/started\"\nsleep 0.5\n"
                                  "case \"$in\" in *fail*) exit 1 ;; esac\necho \"$in\" > \"$out\"");
        TSession first(codec.Dir()), second(codec.Dir());
        first.Add({Touch(first.Path("fail/memo.amr"))});
        second.Add({Touch(second.Path("ok/memo.amr"))});
        const QString out = first.Path("out");
        QDir().mkpath(out);
        first.seam.folderAnswers = {out};
        first.form.AMRMP3ButtonClick();
        QTRY_VERIFY(QFile::exists(codec.Dir() + "started"));
        QCOMPARE(Entries(out), QStringList()); // nothing under a name yet
        QVERIFY(second.Convert(out));
        QVERIFY(WaitForIdle(first.form));
        QCOMPARE(first.seam.Texts(), QStringList{kFailedText});
        QCOMPARE(Outputs(second.form.AMRListView), QStringList{out + "/memo.mp3"});
        QCOMPARE(FolderSnapshot(out).keys(), QStringList{"memo.mp3"});

        QFile::setPermissions(codec.Dir() + "amrcodec.dll", QFile::ReadOwner | QFile::WriteOwner);
        first.seam.messages.clear();
        QVERIFY(first.Convert(out));
        QCOMPARE(first.seam.Texts(), QStringList{"Can't start to deocde audio."});
        QCOMPARE(FolderSnapshot(out).keys(), QStringList{"memo.mp3"});
    }

    // A 250-byte name converts any number of times into one folder: numbered names that
    // would pass the file system's limit give up characters of their stem.
    void longNamesConvertAgain()
    {
        TSession batch;
        const QString input = batch.Path(QString(125, QChar(0xe9)) + ".amr");
        QVERIFY(QFile::copy(SharedMemo(), input));
        batch.Add({input});
        for (int i = 0; i < 3; ++i)
            QVERIFY(batch.Convert(batch.dir.path()));
        QCOMPARE(batch.seam.Texts(), QStringList(3, kSuccessText));
        const QString output = Outputs(batch.form.AMRListView).constFirst();
        QCOMPARE(QFileInfo(output).fileName(), QString(124, QChar(0xe9)) + "(2).mp3");
        QCOMPARE(Probe(output).codec, QString("mp3"));
    }

    // Stop, Escape and closing the window mid-file: only whole outputs are left, later rows
    // never start, nothing is said, and the next batch runs as usual.
    void stoppingMidFile_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Stop, twice") << "stop";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("closing") << "close";
    }
    void stoppingMidFile()
    {
        QFETCH(QString, how);
        const TStandInCodec codec(kByName);
        TSession batch(codec.Dir());
        batch.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&batch.form));
        batch.Add({Touch(batch.Path("in/a.amr")), Touch(batch.Path("in/hang.amr")), Touch(batch.Path("in/c.amr"))});
        batch.seam.folderAnswers = {batch.Path("in")};
        batch.form.AMRMP3ButtonClick();
        QTRY_VERIFY(batch.form.BatchRunning() && RowReached(batch.form) == 1);
        QTRY_VERIFY(WrittenLog(codec).contains("hang.amr")); // after a's whole file
        QCOMPARE(batch.form.BatchProgress->value(), 1);
        QCOMPARE(batch.form.BatchProgress->maximum(), 3);

        if (how == "stop") {
            batch.form.StopButton->click();
            batch.form.StopButtonClick();
        } else if (how == "escape") {
            QTest::keyClick(&batch.form, Qt::Key_Escape);
        } else {
            batch.form.close();
        }
        QVERIFY(!batch.form.BatchRunning()); // at once
        QTRY_COMPARE(ChildProcessCount(), 0);
        QTest::qWait(150);
        QCOMPARE(FolderSnapshot(batch.Path("in")).keys(), QStringList({"a.amr", "a.mp3", "c.amr", "hang.amr"}));
        QVERIFY(batch.seam.messages.isEmpty());
        if (how == "close")
            return;
        QVERIFY(!batch.form.IsBusy() && batch.form.AMRMP3Button->isEnabled() && !batch.form.BatchRunning());
        QCOMPARE(Outputs(batch.form.AMRListView), QStringList({batch.Path("in/a.mp3"), "", ""}));

        batch.form.FindRowByPath(batch.form.AMRListView, batch.Path("in/hang.amr"));
        batch.form.AMRDeleteButtonClick();
        QVERIFY(batch.Convert(batch.Path("in")));
        QCOMPARE(batch.seam.Texts(), QStringList{kSuccessText});
        QCOMPARE(Outputs(batch.form.AMRListView), QStringList({batch.Path("in/a(1).mp3"), batch.Path("in/c.mp3")}));
    }

    // Rows convert ahead on free cores but are judged at their turn: a later row failing
    // before an earlier slow one has its message after that one is recorded, a name that
    // hangs on an earlier row's judgement waits for it, and one codec at a time gives the
    // same messages, outputs and files.
    void aheadRowsJudgedInTurn_data()
    {
        QTest::addColumn<int>("codecs");
        QTest::newRow("one at a time") << 1;
        QTest::newRow("three at once") << 3;
    }
    void aheadRowsJudgedInTurn()
    {
        QFETCH(int, codecs);
        const TStandInCodec codec(kByName);
        TSession batch(codec.Dir(), codecs);
        const QString in = batch.Path("in");
        batch.Add({Touch(in + "/slow1.amr"), Touch(in + "/silent/memo.amr"), Touch(in + "/slow2.amr"),
                   Touch(in + "/memo.amr")});
        int most = 0;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] { most = std::max(most, ChildProcessCount()); });
        watch.start(5);
        QStringList atMessages;
        batch.seam.onMessage = [&](const TMessage &) {
            atMessages << QString::number(RowReached(batch.form)) + ": "
                    + Outputs(batch.form.AMRListView).join(',');
        };
        QVERIFY(batch.Convert(in));
        QCOMPARE(batch.seam.Texts(), QStringList({kFailedText, kSuccessText}));
        QVERIFY(batch.seam.messages.first().details.contains("Unknown encoder 'nothing'"));
        QCOMPARE(atMessages.first(), "1: " + in + "/slow1.mp3,,,");
        QCOMPARE(Outputs(batch.form.AMRListView),
                 QStringList({in + "/slow1.mp3", "", in + "/slow2.mp3", in + "/memo.mp3"}));
        QCOMPARE(FolderSnapshot(in).keys().filter(".mp3"), QStringList({"memo.mp3", "slow1.mp3", "slow2.mp3"}));
        QVERIFY2(codecs == 1 ? most == 1 : most >= 2, qPrintable(QString::number(most)));
    }

    // Stop, or closing, with rows ahead: every codec ends, and nothing is left of the current
    // row or of any row after it, even of one already finished.
    void stopWithRowsAhead_data()
    {
        QTest::addColumn<bool>("close");
        QTest::newRow("Stop") << false;
        QTest::newRow("closing") << true;
    }
    void stopWithRowsAhead()
    {
        QFETCH(bool, close);
        const TStandInCodec codec(kByName);
        TSession batch(codec.Dir(), 3);
        const QString in = batch.Path("in");
        batch.Add({Touch(in + "/a.amr"), Touch(in + "/hang.amr"), Touch(in + "/b.amr"), Touch(in + "/hang2.amr")});
        batch.seam.folderAnswers = {in};
        batch.form.AMRMP3ButtonClick();
        // a's file published; hang's partial, b's whole file waiting for its turn, and hang2's
        // partial.
        QTRY_VERIFY(batch.form.BatchRunning() && RowReached(batch.form) == 1 && Written(codec) == 4);
        QCOMPARE(ChildProcessCount(), 2);
        close ? (void)batch.form.close() : batch.form.StopButtonClick();
        QTRY_COMPARE(ChildProcessCount(), 0);
        QCOMPARE(FolderSnapshot(in).keys(), QStringList({"a.amr", "a.mp3", "b.amr", "hang.amr", "hang2.amr"}));
        QCOMPARE(Outputs(batch.form.AMRListView), QStringList({in + "/a.mp3", "", "", ""}));
        QVERIFY(batch.seam.messages.isEmpty());
    }

    // Stop pressed while the batch's message is up ends the batch there.
    void stopWhileAMessageIsUp()
    {
        const TStandInCodec codec(kByName);
        TSession batch(codec.Dir());
        batch.Add({Touch(batch.Path("in/silent.amr")), Touch(batch.Path("in/good.amr"))});
        batch.seam.onMessage = [&](const TMessage &) { batch.form.StopButtonClick(); };
        QVERIFY(batch.Convert(batch.Path("in")));
        QTest::qWait(150);
        QCOMPARE(batch.seam.Texts(), QStringList{kFailedText});
        QVERIFY(!QFile::exists(batch.Path("in/good.mp3")));
        QVERIFY(!batch.form.BatchRunning());
        QCOMPARE(Entries(batch.Path("in")), QStringList({"good.amr", "silent.amr"}));
    }

    // Whatever the window lets happen while it shows a failure (Stop, then a batch on the
    // other page) is the new batch's alone: the old one neither goes on nor touches it.
    void stopThenConvertWhileAMessageIsUp()
    {
        const TStandInCodec codec(kByName);
        TSession batch(codec.Dir());
        batch.Add({Touch(batch.Path("in/silent.amr")), Touch(batch.Path("in/good.amr"))});
        batch.form.AddMP3File(Touch(batch.Path("in/song.mp3")), false);
        QDir().mkpath(batch.Path("out"));
        bool first = true;
        batch.seam.onMessage = [&](const TMessage &) {
            if (!std::exchange(first, false))
                return;
            batch.form.StopButtonClick();
            batch.form.PageControl->setCurrentIndex(1);
            batch.seam.folderAnswers = {batch.Path("out")};
            batch.form.MP3AMRButtonClick();
        };
        QVERIFY(batch.Convert(batch.Path("in")));
        QVERIFY(WaitForIdle(batch.form));
        QCOMPARE(batch.seam.Texts(), QStringList({kFailedText, kSuccessText}));
        QCOMPARE(Outputs(batch.form.MP3ListView), QStringList{batch.Path("out/song.amr")});
        QCOMPARE(Outputs(batch.form.AMRListView), QStringList({"", ""}));
        QCOMPARE(FolderSnapshot(batch.Path("out")).keys(), QStringList{"song.amr"});
        QVERIFY(!QFile::exists(batch.Path("in/good.mp3")));
    }

    // Memos of one name from dated folders convert side by side, and take the names one at a
    // time would give them: in row order, a failed row taking none.
    void sameNamesConvertTogether()
    {
        // Each codec waits until all four have started, and writes which memo it converted.
        const TStandInCodec codec(R"sh(touch "$(dirname "$0")/started.$$"
for i in $(seq 100); do
  [ "$(ls "$(dirname "$0")" | grep -c started)" -ge 4 ] && break
  sleep 0.05
done
case "$in" in *silent*) exit 1 ;; esac
echo "$in" > "$out")sh");
        TSession batch(codec.Dir(), 4);
        QStringList inputs;
        for (const char *day : {"2026-01-01", "2026-01-02", "silent", "2026-01-04"})
            inputs << Touch(batch.Path(QString(day) + "/Recording.amr"));
        batch.Add(inputs);
        QDir().mkpath(batch.Path("out"));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(batch.Convert(batch.Path("out")));
        QVERIFY2(clock.elapsed() < 4000, qPrintable(QString::number(clock.elapsed())));
        const QString out = batch.Path("out/");
        QCOMPARE(Outputs(batch.form.AMRListView),
                 QStringList({out + "Recording.mp3", out + "Recording(1).mp3", "", out + "Recording(2).mp3"}));
        for (const int row : {0, 1, 3}) {
            QFile output(Outputs(batch.form.AMRListView).at(row));
            QVERIFY(output.open(QIODevice::ReadOnly));
            QCOMPARE(output.readAll().trimmed(), inputs.at(row).toUtf8());
        }
        QCOMPARE(batch.seam.Texts(), QStringList({kFailedText, kSuccessText}));
    }

    // Ticked in the first failure's message, "show no more" leaves the rest of the batch's
    // failures to one message at its end; every failed row says why, and the next batch
    // starts without the marks.
    void failuresSummedUp()
    {
        const TStandInCodec codec(kByName);
        TSession batch(codec.Dir());
        const QStringList inputs{Touch(batch.Path("in/silent1.amr")), Touch(batch.Path("in/good1.amr")),
                                 Touch(batch.Path("in/empty2.amr")), Touch(batch.Path("in/silent3.amr")),
                                 Touch(batch.Path("in/good2.amr"))};
        batch.Add(inputs);
        batch.seam.ticks = {true};
        QVERIFY(batch.Convert(batch.Path("in")));
        QCOMPARE(batch.seam.Texts(),
                 QStringList({kFailedText, "3 files could not be converted.", kSuccessText}));
        QCOMPARE(batch.seam.messages.at(0).checkBox, QString("Show no more failures in this batch"));
        const TMessage summary = batch.seam.messages.at(1);
        QCOMPARE(summary.caption, QString("INFORMATION"));
        QCOMPARE(summary.details.split('\n'),
                 QStringList({inputs.at(0) + ": The codec made an empty file.",
                              inputs.at(2) + ": The codec made an empty file.",
                              inputs.at(3) + ": The codec made an empty file."}));
        QCOMPARE(Outputs(batch.form.AMRListView),
                 QStringList({"", batch.Path("in/good1.mp3"), "", "", batch.Path("in/good2.mp3")}));
        // Exactly the failed rows are marked, and say why to a screen reader too.
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(batch.form.AMRListView);
        for (int row = 0; row < inputs.size(); ++row) {
            const QString why = row == 1 || row == 4 ? QString() : "The codec made an empty file.";
            QCOMPARE(batch.form.AMRListView->model()->index(row, 2).data(TConversionList::FailureRole).toString(), why);
            QCOMPARE(list->tableInterface()->cellAt(row, 2)->text(QAccessible::Description), why);
        }

        // Unticked, the next batch shows each failure as ever; the marks of the last are gone
        // from its start.
        batch.seam.messages.clear();
        batch.seam.onMessage = [&](const TMessage &) {
            if (batch.seam.messages.size() == 1)
                QVERIFY(batch.form.AMRListView->model()->index(3, 2).data(Qt::ToolTipRole).isNull());
        };
        QVERIFY(batch.Convert(batch.Path("in")));
        QCOMPARE(batch.seam.Texts(), QStringList({kFailedText, kFailedText, kFailedText, kSuccessText}));
    }

    // A phone's folder with AMR speech of several kinds, one memo named in Latin-1, dropped
    // and converted for real into a folder of the same name: each output named by its memo's
    // own bytes, dated as its memo, a wide-band memo keeping its 16 kHz and a clip giving the
    // MP3 of its sound.
    void everyKindOfRecording()
    {
        TSession batch;
        batch.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&batch.form));
        const QString phone = batch.Path("Phone");
        QDir().mkpath(phone);
        Record(phone + "/memo.amr", {"-ac", "1", "-ar", "8000", "-c:a", "libopencore_amrnb", "-f", "amr"});
        Record(phone + "/Wide.AWB", {"-ac", "1", "-ar", "16000", "-c:a", "libvo_amrwbenc", "-f", "amr"});
        Record(phone + "/clip.3gp", {"-f", "lavfi", "-i", "testsrc=size=176x144:rate=15", "-t", "2", "-c:v",
                                     "h263", "-ac", "1", "-ar", "8000", "-c:a", "libopencore_amrnb", "-f", "3gp"});
        const QByteArray root = QFile::encodeName(phone);
        QVERIFY(QFile::copy(phone + "/memo.amr", phone + "/latin1"));
        QCOMPARE(::rename((root + "/latin1").constData(), (root + "/M\xe9mo.amr").constData()), 0);
        for (const QByteArray &name : NamesIn(root))
            DateBack(root + '/' + name, 1300000000 + 86400 * name.size());
        DropUriList(batch.form.AMRListView, "file://" + root.toPercentEncoding("/") + "\r\n");
        QCOMPARE(RowCount(batch.form.AMRListView), 4);
        QVERIFY(Captions(batch.form.AMRListView).contains(phone + "/M\ufffdmo.amr"));

        QDir().mkpath(batch.Path("out"));
        QVERIFY(batch.Convert(batch.Path("out"), 60000));
        QCOMPARE(batch.seam.Texts(), QStringList{kSuccessText});
        const QByteArray out = QFile::encodeName(batch.Path("out/Phone/"));
        QCOMPARE(NamesIn(out), QList<QByteArray>({"M\xe9mo.mp3", "Wide.mp3", "clip.mp3", "memo.mp3"}));
        for (const QByteArray &input : NamesIn(root)) {
            const QByteArray output = input.left(input.lastIndexOf('.')) + ".mp3";
            QCOMPARE(Times(out + output), Times(root + '/' + input));
            const QString readable = batch.Path("probe.mp3"); // a name ffprobe can be given
            QFile::remove(readable);
            QCOMPARE(::link((out + output).constData(), QFile::encodeName(readable).constData()), 0);
            const TProbe probe = Probe(readable);
            QCOMPARE(probe.codec, QString("mp3"));
            QCOMPARE(probe.sampleRate, input.startsWith("Wide") ? 16000 : 8000);
        }
    }

    void progressCaption_data()
    {
        QTest::addColumn<QByteArray>("report");
        QTest::addColumn<QString>("caption");
        QTest::newRow("size") << QByteArray("size=      12kB time=00:00:01") << "Decoding audio 12kb";
        QTest::newRow("spaces") << QByteArray("size=     time=00:00:01") << "Decoding audio ";
        QTest::newRow("time first") << QByteArray("time=00:00:01 size= 3kB") << "Start to decode audio ...";
    }
    void progressCaption()
    {
        QFETCH(QByteArray, report);
        QFETCH(QString, caption);
        const TStandInCodec codec("printf '" + report + "'\nexec sleep 60");
        TSession batch(codec.Dir());
        batch.Add({Touch(batch.Path("in/a.amr"))});
        batch.seam.folderAnswers = {batch.Path("in")};
        batch.form.AMRMP3ButtonClick();
        QTest::qWait(400); // eight ticks
        QCOMPARE(batch.form.LogPanel->text(), caption);
    }

    // After a codec ends its file is judged at once; while it runs, one poll a second.
    void promptAdvanceAtTheRealInterval()
    {
        const TStandInCodec fast(kByName);
        TSession batch(fast.Dir());
        batch.form.FBatchOptions.tickInterval = 1000;
        batch.Add({Touch(batch.Path("in/a.amr")), Touch(batch.Path("in/b.amr")), Touch(batch.Path("in/c.amr"))});
        QElapsedTimer clock;
        clock.start();
        QVERIFY(batch.Convert(batch.Path("in")));
        // One-second ticks alone would take three seconds.
        QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(batch.seam.Texts(), QStringList{kSuccessText});

        const TStandInCodec chatty("for i in $(seq 40); do echo \"size= ${i}kB time=0\"; sleep 0.05; done\n"
                                   "echo data > \"$out\"");
        TSession polled(chatty.Dir());
        polled.form.FBatchOptions.tickInterval = 1000;
        polled.Add({Touch(polled.Path("in/a.amr"))});
        polled.seam.folderAnswers = {polled.Path("in")};
        polled.form.AMRMP3ButtonClick();
        // Each poll shows the progress it read; count how often the status changes while the
        // codec reports twenty times a second.
        int polls = 0;
        QString shown = polled.form.LogPanel->text();
        clock.restart();
        while (polled.form.IsBusy() && clock.elapsed() < 5000) {
            QTest::qWait(10);
            polls += std::exchange(shown, polled.form.LogPanel->text()) != shown;
        }
        QVERIFY2(polls >= 1 && polls <= clock.elapsed() / 1000 + 2, qPrintable(QString::number(polls)));
        QVERIFY(WaitForIdle(polled.form, 3000));
        QCOMPARE(polled.seam.Texts(), QStringList{kSuccessText});
    }
};

QTEST_MAIN(TestBatch)
#include "test_batch.moc"
