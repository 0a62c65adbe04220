// A program ended from outside in the middle of a batch, as a logout (SIGTERM, SIGHUP), a
// terminal (SIGINT) or the out-of-memory killer (SIGKILL) ends it: no name the user sees
// ever holds half a file, and on a local disk nothing at all is left.
#include "tests/support/EngineSupport.h"
#include "tests/support/MemoryCard.h"
#include "tests/support/SlowMount.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <csignal>

namespace {

QProcessEnvironment WithoutLinks(bool links)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_PRELOAD", QCoreApplication::applicationDirPath() + "/libtolvane_no_atomic_rename.so");
    environment.insert("ASAN_OPTIONS", "verify_asan_link_order=0:detect_leaks=0");
    if (!links)
        environment.insert("TOLVANE_NO_LINKS", "1");
    return environment;
}

QStringList Hidden(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden).filter(QRegularExpression("^\\."));
}

} // namespace

class TestEndings : public QObject {
    Q_OBJECT

    const QString FChild = QCoreApplication::applicationDirPath() + "/tolvane_batch_child";

private slots:
    void endedMidBatch_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("after"); // milliseconds from the batch's start
        QTest::newRow("SIGTERM as the first files start") << int(SIGTERM) << 50;
        QTest::newRow("SIGHUP mid-batch") << int(SIGHUP) << 500;
        QTest::newRow("SIGKILL as the first files start") << int(SIGKILL) << 50;
        QTest::newRow("SIGKILL mid-batch") << int(SIGKILL) << 800;
    }
    void endedMidBatch()
    {
        QFETCH(int, signal);
        QFETCH(int, after);
        // Each codec writes its file in two steps, and leaves its pid to be looked for.
        const TStandInCodec codec("echo $$ > \"$(dirname \"$0\")/pid.$$\"\n"
                                  "echo begun > \"$out\"\nsleep 0.3\necho whole >> \"$out\"");
        QTemporaryDir dir;
        QStringList arguments{codec.Dir(), dir.filePath("out"), "2"};
        for (int i = 0; i < 8; ++i)
            arguments << Touch(dir.filePath(QString("in/memo %1.amr").arg(i)));
        QDir().mkpath(dir.filePath("out"));

        QProcess child;
        child.start(FChild, arguments);
        QVERIFY(child.waitForReadyRead(10000));
        QVERIFY(child.readLine().startsWith("converting"));
        QTest::qWait(after);
        QVERIFY2(child.state() == QProcess::Running, "the batch ended before it could be ended");
        ::kill(pid_t(child.processId()), signal);
        QVERIFY(child.waitForFinished(10000));
        if (signal == SIGKILL) {
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        } else {
            QCOMPARE(child.exitStatus(), QProcess::NormalExit);
            QCOMPARE(child.exitCode(), 128 + signal);
        }

        // The codecs go with the program, however it ended.
        for (const QString &pidFile : QDir(codec.Dir()).entryList({"pid.*"})) {
            const qint64 pid = pidFile.section('.', 1).toLongLong();
            QTRY_VERIFY2(!ProcessAlive(pid), qPrintable(pidFile));
        }
        const QDir out(dir.filePath("out"));
        for (const QString &name : out.entryList(QDir::Files)) {
            QFile file(out.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("begun\nwhole\n"));
        }
        // Working files have no names here, so not even a killed program leaves one.
        QCOMPARE(Hidden(out.path()), QStringList());
    }

    // Where a file system has no rename that refuses to replace (a network share), nor hard
    // links nor unnamed files (a card, a phone), outputs are still published whole and never
    // over anything.
    void publishedWithoutAtomicRename_data()
    {
        QTest::addColumn<bool>("links");
        QTest::newRow("hard links") << true;
        QTest::newRow("neither") << false;
    }
    void publishedWithoutAtomicRename()
    {
        QFETCH(bool, links);
        const TStandInCodec codec("echo \"$in\" > \"$out\"");
        QTemporaryDir dir;
        const QString out = dir.filePath("out");
        Touch(out + "/x.mp3", "mine");
        QFile::link(dir.filePath("nowhere"), out + "/x(1).mp3");
        QDir().mkpath(out + "/x(2).mp3");
        const QMap<QString, QByteArray> before = FolderSnapshot(out);
        QProcess child;
        child.setProcessEnvironment(WithoutLinks(links));
        child.start(FChild, {codec.Dir(), out, "2", Touch(dir.filePath("a/x.amr")), Touch(dir.filePath("b/x.amr"))});
        QVERIFY(child.waitForFinished(20000));
        QVERIFY2(child.readAll().contains("message: Success conversion"), "the batch did not succeed");
        QMap<QString, QByteArray> after = FolderSnapshot(out);
        after.remove("x(3).mp3");
        after.remove("x(4).mp3");
        QCOMPARE(after, before); // nothing else made, nothing replaced
        QFile first(out + "/x(3).mp3");
        QVERIFY(first.open(QIODevice::ReadOnly));
        QCOMPARE(first.readAll(), dir.filePath("a/x.amr").toUtf8() + "\n");
    }

    // Killed between the two steps of that last way (the name taken by an empty file, the
    // whole file not yet moved onto it): the next batch into the folder finishes the move,
    // and nothing empty or hidden is left. A killed codec's half file is removed too, and a
    // file of the user's named like a working file stays.
    void killedWhilePublishing()
    {
        const TStandInCodec codec("case \"$in\" in *long*) echo half > \"$out\"; exec sleep 60 ;; esac\n"
                                  "echo whole > \"$out\"");
        QTemporaryDir dir;
        const QString out = dir.filePath("out");
        QDir().mkpath(out);
        Touch(out + "/.tolvane-mine.part", "the user's");
        QProcess child;
        QProcessEnvironment environment = WithoutLinks(false);
        environment.insert("TOLVANE_STALL_PUBLISH", "1");
        child.setProcessEnvironment(environment);
        child.start(FChild, {codec.Dir(), out, "2", Touch(dir.filePath("in/memo.amr")),
                             Touch(dir.filePath("in/long.amr"))});
        QTRY_VERIFY(QFileInfo::exists(out + "/memo.mp3")); // the empty file that takes the name
        QTRY_COMPARE(Hidden(out).size(), 3); // memo's whole file, long's half one, the user's
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10000));
        QTRY_COMPARE(ChildProcessCount(), 0);
        QCOMPARE(QFileInfo(out + "/memo.mp3").size(), 0);

        TBatchRecorder next(JobOf(TDirection::AmrToMp3, {}, out, codec.Dir()), {1, 50});
        next.Start();
        QVERIFY(next.WaitForEnd());
        QCOMPARE(Hidden(out), QStringList{".tolvane-mine.part"});
        QFile memo(out + "/memo.mp3");
        QVERIFY(memo.open(QIODevice::ReadOnly));
        QCOMPARE(memo.readAll(), QByteArray("whole\n"));
    }

    // A batch onto a memory card killed mid-file, then another into it: no half file under a
    // name, and nothing hidden left.
    void killedOnAMemoryCard()
    {
        TMemoryCard card;
        if (!card.SkipReason().isEmpty())
            QSKIP(qPrintable(card.SkipReason()));
        const TStandInCodec codec("echo begun > \"$out\"\nsleep 0.3\necho whole >> \"$out\"");
        QTemporaryDir dir;
        QStringList arguments{codec.Dir(), card.Path(), "2"};
        for (int i = 0; i < 6; ++i)
            arguments << Touch(dir.filePath(QString("in/memo %1.amr").arg(i)));
        QProcess child;
        child.start(FChild, arguments);
        QVERIFY(child.waitForReadyRead(10000));
        QTest::qWait(700);
        QVERIFY2(child.state() == QProcess::Running, "the batch ended before it could be ended");
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10000));
        QTRY_COMPARE(ChildProcessCount(), 0);

        TBatchRecorder next(JobOf(TDirection::AmrToMp3, {}, card.Path(), codec.Dir()), {1, 50});
        next.Start();
        QVERIFY(next.WaitForEnd());
        QTRY_COMPARE(Hidden(card.Path()), QStringList());
        for (const QString &name : QDir(card.Path()).entryList(QDir::Files)) {
            QFile file(card.Path() + '/' + name);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("begun\nwhole\n"));
        }
    }

    // A working file another running Tolvane writes is left alone by a batch into the same
    // folder, also when that program's pids are counted in a namespace of their own (a
    // container), where this one cannot ask after it.
    void anotherProgramsWorkingFileStays()
    {
        if (QProcess::execute("unshare", {"-p", "-f", "--mount-proc", "true"}) != 0)
            QSKIP("cannot make a pid namespace here (it needs root)");
        const TStandInCodec codec("echo begun > \"$out\"\nsleep 2\necho whole >> \"$out\"");
        QTemporaryDir dir;
        const QString out = dir.filePath("out");
        QDir().mkpath(out);
        QProcess child;
        child.setProcessEnvironment(WithoutLinks(false));
        child.start("unshare", {"-p", "-f", "--mount-proc", FChild, codec.Dir(), out, "1",
                                Touch(dir.filePath("in/memo.amr"))});
        QTRY_COMPARE(Hidden(out).size(), 1);
        TBatchRecorder next(JobOf(TDirection::AmrToMp3, {}, out, codec.Dir()), {1, 50});
        next.Start();
        QVERIFY(next.WaitForEnd());
        QCOMPARE(Hidden(out).size(), 1);
        QVERIFY(child.waitForFinished(20000));
        QVERIFY2(child.readAll().contains("message: Success conversion"), "the other program's batch failed");
        QFile memo(out + "/memo.mp3");
        QVERIFY(memo.open(QIODevice::ReadOnly));
        QCOMPARE(memo.readAll(), QByteArray("begun\nwhole\n"));
    }

    // Closing the program while a walk waits for a mount that never answers ends it at once.
    void endedWhileAWalkHangs()
    {
        QTemporaryDir source;
        Touch(source.filePath("Phone/a.amr"));
        Touch(source.filePath("Phone/dead/b.amr"));
        TSlowMount mount(source.path(), TSlowMount::Hanging("dead"));
        if (!mount.SkipReason().isEmpty())
            QSKIP(qPrintable(mount.SkipReason()));
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        program.start(QCoreApplication::applicationDirPath() + "/tolvane", {mount.Path() + "/Phone"});
        QVERIFY(program.waitForStarted());
        QTest::qWait(800); // shown, and the walk stuck in the folder that does not answer
        QVERIFY(program.state() == QProcess::Running);
        QElapsedTimer clock;
        clock.start();
        ::kill(pid_t(program.processId()), SIGTERM);
        QVERIFY(program.waitForFinished(5000));
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(program.exitCode(), 128 + SIGTERM);
    }
};

QTEST_GUILESS_MAIN(TestEndings)
#include "test_endings.moc"
