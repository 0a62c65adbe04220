// Measures Tolvane: start-up, and a batch of voice memos through the real window and the
// real codec compared with running the codec directly. Run it with `make bench`.
//   tolvane_bench [--runs N] [--startup-only] [--one-memo-only] [--batch-only] [--adding-only]
#include "app/ConverterForm.h"
#include "app/ListView.h"
#include "bench/XStartup.h"
#include "convert/CodecContract.h"
#include "tests/support/ScriptedSeam.h"
#include "tests/support/SlowMount.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMimeData>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <list>
#include <sys/resource.h>

namespace {

constexpr int kMemos = 20;

struct TSeries {
    QString name;
    QString unit;
    QList<double> values;

    double Median() const
    {
        QList<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        const qsizetype n = sorted.size();
        return n % 2 ? sorted.at(n / 2) : (sorted.at(n / 2 - 1) + sorted.at(n / 2)) / 2;
    }
};

double CpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage); // this process only: the codec's time is excluded
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct TBatchFigures {
    double seconds = 0;
    double cpuSeconds = 0;
    double longestStallMs = 0;
};

TBatchFigures RunWindowBatch(const QStringList &memos, const QString &folder, int codecs)
{
    TScriptedSeam seam;
    TConverterForm form(seam);
    form.FBatchOptions.codecs = codecs;
    for (const QString &memo : memos)
        form.AddAMRFile(memo, false);
    WaitForAdds(form);

    // The event loop's longest absence, seen by a fine-grained timer.
    QElapsedTimer sinceTick;
    double longestGapMs = 0;
    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        longestGapMs = std::max(longestGapMs, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
    });

    // The batch runs in a plain event loop, as in the program, which ends at the last message.
    QEventLoop loop;
    seam.onMessage = [&](const TMessage &) { QTimer::singleShot(0, &loop, &QEventLoop::quit); };
    seam.folderAnswers = {folder};
    QElapsedTimer clock;
    const double cpuBefore = CpuSeconds();
    clock.start();
    sinceTick.start();
    watch.start();
    form.AMRMP3ButtonClick();
    loop.exec();
    if (form.IsBusy() || seam.Texts() != QStringList{"Success conversion, Output files save in the output folder."})
        qFatal("the batch did not end in success");
    TBatchFigures figures;
    figures.seconds = clock.nsecsElapsed() / 1e9;
    figures.cpuSeconds = CpuSeconds() - cpuBefore;
    figures.longestStallMs = std::max(0.0, longestGapMs - watch.interval());
    return figures;
}

// The codec run directly on every memo, `cores` at a time, each started as soon as a core
// is free: the limit for the window's batch.
double RunDirect(const QStringList &memos, const QString &folder, int cores)
{
    QElapsedTimer clock;
    clock.start();
    std::list<QProcess> running;
    qsizetype next = 0;
    QEventLoop loop;
    const std::function<void()> startMore = [&] {
        while (next < memos.size() && int(running.size()) < cores) {
            const QString &memo = memos.at(next);
            const QString output = folder + QString("/%1.mp3").arg(next++);
            QProcess &codec = running.emplace_back();
            codec.setProcessChannelMode(QProcess::MergedChannels);
            QObject::connect(&codec, &QProcess::readyRead, [&codec] { codec.readAll(); });
            QObject::connect(&codec, &QProcess::finished, &loop, [&, process = &codec] {
                running.remove_if([&](const QProcess &p) { return &p == process; });
                startMore();
                if (running.empty())
                    loop.quit();
            }, Qt::QueuedConnection);
            codec.start(RealCodecDir() + kCodecProgram,
                        CodecArguments(TDirection::AmrToMp3, memo, output));
        }
    };
    startMore();
    loop.exec();
    return clock.nsecsElapsed() / 1e9;
}

// Drops `files` on the AMR list as a file manager would and answers the seconds until they
// are all listed.
double DropOnList(const QList<QUrl> &files)
{
    TScriptedSeam seam;
    TConverterForm form(seam);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        qFatal("the window did not show");
    QMimeData data;
    data.setUrls(files);
    QWidget *target = form.AMRListView->viewport();
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QElapsedTimer clock;
    clock.start();
    QCoreApplication::sendEvent(target, &enter);
    QCoreApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents(); // the drop's files are handed on once it is over
    while (form.Adding())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents(); // laid out and painted
    const double seconds = clock.nsecsElapsed() / 1e9;
    if (RowCount(form.AMRListView) == 0)
        qFatal("the drop added nothing");
    return seconds;
}

// A phone's recordings on a mount that answers every look in 20 ms: 200 memos in 10 day
// folders dropped as their folder, the seconds until all are listed and the longest the
// window's event loop went unanswered meanwhile.
QList<TSeries> MeasureSlowMount(int runs)
{
    QTemporaryDir source;
    for (int day = 1; day <= 10; ++day) {
        for (int memo = 1; memo <= 20; ++memo)
            Touch(source.filePath(QString("Recordings/2019-03-%1/Voice %2.amr").arg(day, 2, 10, QChar('0')).arg(memo)));
    }
    TSlowMount mount(source.path(), TSlowMount::Delayed(20));
    if (!mount.SkipReason().isEmpty()) {
        std::printf("slow mount skipped: %s\n", qPrintable(mount.SkipReason()));
        return {};
    }
    TSeries listed{"200 memos in 10 folders on a 20 ms mount, all listed", "s", {}};
    TSeries answers{"longest the window went unanswered meanwhile", "ms", {}};
    for (int run = 0; run < runs; ++run) {
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            qFatal("the window did not show");
        QElapsedTimer sinceTick;
        qint64 longest = 0;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] { longest = std::max(longest, sinceTick.restart()); });
        QElapsedTimer clock;
        clock.start();
        sinceTick.start();
        watch.start(5);
        form.DropFiles(TDirection::AmrToMp3, {QFile::encodeName(mount.Path() + "/Recordings")});
        QCoreApplication::processEvents();
        while (form.Adding())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        listed.values << clock.nsecsElapsed() / 1e9;
        answers.values << double(longest);
        if (RowCount(form.AMRListView) != 200)
            qFatal("the slow walk did not list every memo");
    }
    return {listed, answers};
}

// Adding: 1,000 and 8,000 memos dropped as files, and as the folder that holds them.
QList<TSeries> MeasureAdding(int runs)
{
    QTemporaryDir work;
    QList<TSeries> table;
    for (const int count : {1000, 8000}) {
        const QString folder = work.filePath(QString::number(count));
        QList<QUrl> files;
        for (int i = 1; i <= count; ++i)
            files << QUrl::fromLocalFile(Touch(folder + QString("/Voice %1.amr").arg(i, 4, 10, QChar('0'))));
        TSeries dropped{QString("drop %1 files on a list").arg(count), "s", {}};
        TSeries whole{QString("drop the folder of %1 files").arg(count), "s", {}};
        for (int run = 0; run < runs; ++run) {
            dropped.values << DropOnList(files);
            whole.values << DropOnList({QUrl::fromLocalFile(folder)});
        }
        table << dropped << whole;
    }
    return table + MeasureSlowMount(runs);
}

// What a batch costs beyond its codec: one 1-second memo through the window, from the
// folder chooser's answer to the success message, against the codec run directly on it.
QList<TSeries> MeasureOneMemo(int runs)
{
    QTemporaryDir work;
    const QString memo = work.filePath("memo.amr");
    MakeAudio(memo, 1);
    TSeries direct{"1-second memo, codec run directly", "ms", {}};
    TSeries window{"the same memo through the window, chooser to message", "ms", {}};
    TSeries cost{"the batch's own cost beyond its codec", "ms", {}};
    for (int run = 0; run < std::max(runs, 5) * 2; ++run) {
        const QString out = work.filePath(QString("out%1").arg(run));
        QDir().mkpath(out);
        const double codec = RunDirect({memo}, out, 1) * 1000;
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.AddAMRFile(memo, false);
        WaitForAdds(form);
        QEventLoop loop;
        QElapsedTimer clock;
        double shown = 0;
        seam.onMessage = [&](const TMessage &) {
            shown = clock.nsecsElapsed() / 1e6;
            QTimer::singleShot(0, &loop, &QEventLoop::quit);
        };
        seam.folderAnswers = {out};
        clock.start();
        form.AMRMP3ButtonClick();
        loop.exec();
        if (seam.Texts() != QStringList{kSuccessText})
            qFatal("the one-memo batch did not succeed");
        if (run == 0)
            continue; // warm the caches first
        direct.values << codec;
        window.values << shown;
        cost.values << shown - codec;
    }
    return {direct, window, cost};
}

// A batch of 20 memos through the window against the codec run directly, one at a time and
// on every core, in the same run.
QList<TSeries> MeasureBatch(int runs)
{
    const int cores = std::max(1, QThread::idealThreadCount());
    QTemporaryDir work;
    QStringList memos;
    std::printf("making %d memos of 5 to 60 s ...\n", kMemos);
    for (int i = 0; i < kMemos; ++i) {
        memos << work.filePath(QString("memo%1.amr").arg(i, 2, 10, QChar('0')));
        MakeAudio(memos.last(), 5 + i * 55.0 / (kMemos - 1));
    }

    TSeries direct{"20 memos, codec run directly one at a time", "s", {}};
    TSeries directAll{QString("20 memos, codec run directly on %1 cores").arg(cores), "s", {}};
    TSeries windowAll{"20 memos through the window", "s", {}};
    TSeries ratio{"ratio window / direct on every core", "x", {}};
    TSeries sameNamed{"20 memos all named Recording.amr through the window", "s", {}};
    TSeries sameRatio{"ratio same-named / direct on every core", "x", {}};
    TSeries cpu{"window's own processor time in the batch", "s", {}};
    TSeries stall{"longest event-loop stall in the batch", "ms", {}};
    TSeries windowOne{"20 memos through the window, one codec at a time", "s", {}};
    TSeries ratioOne{"ratio window one at a time / direct one at a time", "x", {}};
    // A recorder that files each day's memo as Recording.amr in a folder of its date.
    QStringList recordings;
    for (int i = 0; i < kMemos; ++i) {
        recordings << work.filePath(QString("days/2026-01-%1/Recording.amr").arg(i + 1, 2, 10, QChar('0')));
        QDir().mkpath(QFileInfo(recordings.last()).path());
        QFile::copy(memos.at(i), recordings.last());
    }
    for (int run = 0; run < runs; ++run) {
        const QString out = work.filePath(QString("out%1").arg(run));
        for (const char *folder : {"/direct", "/direct-all", "/window", "/window-one", "/same"})
            QDir().mkpath(out + folder);
        // Each direct run on both sides of the window's, so that drift in the machine's speed
        // falls on both alike.
        const double directFirst = RunDirect(memos, out + "/direct", 1);
        const double allFirst = RunDirect(memos, out + "/direct-all", cores);
        const TBatchFigures figures = RunWindowBatch(memos, out + "/window", cores);
        const double same = RunWindowBatch(recordings, out + "/same", cores).seconds;
        const double one = RunWindowBatch(memos, out + "/window-one", 1).seconds;
        const double allSeconds = (allFirst + RunDirect(memos, out + "/direct-all", cores)) / 2;
        const double directSeconds = (directFirst + RunDirect(memos, out + "/direct", 1)) / 2;
        direct.values << directSeconds;
        directAll.values << allSeconds;
        windowAll.values << figures.seconds;
        ratio.values << figures.seconds / allSeconds;
        sameNamed.values << same;
        sameRatio.values << same / allSeconds;
        cpu.values << figures.cpuSeconds;
        stall.values << figures.longestStallMs;
        windowOne.values << one;
        ratioOne.values << one / directSeconds;
        std::printf("run %d of %d done\n", run + 1, runs);
        std::fflush(stdout);
    }

    return {direct, directAll, windowAll, ratio, sameNamed, sameRatio, cpu, stall, windowOne, ratioOne};
}

void Print(const QList<TSeries> &table)
{
    std::printf("\n| %-50s | %10s | %21s |\n", "measure", "median", "spread (min - max)");
    std::printf("|%s|%s|%s|\n", QByteArray(52, '-').constData(), QByteArray(12, '-').constData(),
                QByteArray(23, '-').constData());
    for (const TSeries &row : table) {
        const auto [low, high] = std::minmax_element(row.values.begin(), row.values.end());
        std::printf("| %-50s | %7.3f %-2s | %8.3f - %8.3f %-2s |\n", qPrintable(row.name),
                    row.Median(), qPrintable(row.unit), *low, *high, qPrintable(row.unit));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const qsizetype runsAt = arguments.indexOf("--runs");
    const int runs = runsAt < 0 ? 5 : std::max(1, arguments.value(runsAt + 1).toInt());
    const bool startupOnly = arguments.contains("--startup-only");
    if (arguments.contains("--batch-only")) {
        Print(MeasureBatch(runs));
        return 0;
    }
    if (arguments.contains("--one-memo-only")) {
        Print(MeasureOneMemo(runs));
        return 0;
    }
    if (arguments.contains("--adding-only")) {
        Print(MeasureAdding(runs));
        return 0;
    }
    const int startupRuns = 12;

    // Start-up from outside, alternating with the floor: the same widgets and nothing else.
    TSeries startup{"start-up: exec to window mapped (X server)", "ms", {}};
    TSeries floorStartup{"floor: the same widgets alone", "ms", {}};
    TSeries startupRatio{"ratio start-up / floor", "x", {}};
    TSeries memory{"resident memory, window shown", "MiB", {}};
    TSeries floorMemory{"floor: resident memory", "MiB", {}};
    TSeries memoryAbove{"resident memory above the floor", "MiB", {}};
    {
        TXStartup x;
        if (!x.Ready())
            qFatal("could not start Xvfb for the start-up measurement");
        const QString dir = QCoreApplication::applicationDirPath() + u'/';
        for (int i = 0; i < startupRuns + 2; ++i) {
            const auto program = x.Measure(dir + "tolvane");
            const auto floor = x.Measure(dir + "tolvane_floor");
            if (!program || !floor)
                qFatal("a window did not appear");
            if (i < 2)
                continue; // warm the file cache first
            startup.values << program->milliseconds;
            floorStartup.values << floor->milliseconds;
            startupRatio.values << program->milliseconds / floor->milliseconds;
            memory.values << program->residentMiB;
            floorMemory.values << floor->residentMiB;
            memoryAbove.values << program->residentMiB - floor->residentMiB;
        }
        std::printf("start-up measured %d times each\n", startupRuns);
        std::fflush(stdout);
    }
    if (startupOnly) {
        Print({startup, floorStartup, startupRatio, memory, floorMemory, memoryAbove});
        return 0;
    }

    QList<TSeries> table{startup, floorStartup, startupRatio, memory, floorMemory, memoryAbove};
    table << MeasureOneMemo(runs) << MeasureBatch(runs) << MeasureAdding(runs);
    Print(table);
    std::printf("\n%d runs; the batch uses the real 1000 ms timer.\n", runs);
    return 0;
}
