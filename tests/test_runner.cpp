// A batch alone, without a window: the codec started, its console read without blocking,
// the end of every codec and working file when the batch is halted.
#include "tests/support/EngineSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>

namespace {

QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestRunner : public QObject {
    Q_OBJECT

    const QString FMemo = SharedMemo();

private slots:
    // A tick keeps only the last chunk of what is waiting: a progress report in an earlier
    // chunk of the same tick is not shown.
    void onlyTheLastChunkIsRead_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<bool>("shown");
        const QByteArray report = "size=       7kB time=00:00:01";
        QTest::newRow("report, then more than a chunk") << report + QByteArray(1500 - report.size(), 'a') << false;
        QTest::newRow("report in exactly a chunk") << report + QByteArray(1024 - report.size(), 'a') << true;
        QTest::newRow("report at the end of three chunks") << QByteArray(3072 - report.size(), 'a') + report << true;
    }
    void onlyTheLastChunkIsRead()
    {
        QFETCH(QByteArray, output);
        QFETCH(bool, shown);
        const TStandInCodec codec("printf '" + output + "'\nexec sleep 30");
        QTemporaryDir out;
        TBatchRecorder batch(JobOf(TDirection::AmrToMp3, {FMemo}, out.path(), codec.Dir()), {1, 300});
        batch.Start();
        QTest::qWait(800); // two ticks, each finding the whole of the output or nothing
        QCOMPARE(batch.events.contains("progress 0 7kb"), shown);
        batch.Halt();
        QTRY_COMPARE(ChildProcessCount(), 0);
    }

    // A halted batch ends every codec it ran, at once for its owner and without waiting for
    // any to die, and leaves nothing in the folder: its working files have no names.
    void haltEndsEveryCodec()
    {
        const TStandInCodec codec("echo partial > \"$out\"\nexec sleep 60");
        QTemporaryDir out;
        Touch(out.filePath(".tolvane-mine.mp3")); // a file of the user's that only looks like one
        TBatchRecorder batch(JobOf(TDirection::AmrToMp3, {FMemo, FMemo, FMemo}, out.path(), codec.Dir()),
                             {3, 1000});
        batch.Start();
        QTRY_COMPARE(ChildProcessCount(), 3);
        QCOMPARE(Entries(out.path()), QStringList{".tolvane-mine.mp3"});
        QElapsedTimer clock;
        clock.start();
        batch.Halt();
        QVERIFY(clock.elapsed() < 50);
        QTRY_COMPARE(ChildProcessCount(), 0);
        QCOMPARE(Entries(out.path()), QStringList{".tolvane-mine.mp3"});
        QVERIFY(batch.events.filter("converted").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRunner)
#include "test_runner.moc"
