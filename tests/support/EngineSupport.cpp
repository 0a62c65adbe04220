// Shared test helpers of the engine.
#include "tests/support/EngineSupport.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTest>

#include <dirent.h>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

QList<QByteArray> NamesIn(const QByteArray &folder)
{
    QList<QByteArray> names;
    if (DIR *dir = ::opendir(folder.constData())) {
        while (const dirent *entry = ::readdir(dir)) {
            if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
                names << entry->d_name;
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

QString RealCodecDir()
{
    return QCoreApplication::applicationDirPath() + u'/';
}

TStandInCodec::TStandInCodec(const QByteArray &body)
{
    QFile script(Dir() + "amrcodec.dll");
    script.open(QIODevice::WriteOnly);
    // The codec is handed its files as /dev/fd/N; the script learns their names.
    script.write("#!/bin/sh\n"
                 "prev=\n"
                 "for a in \"$@\"; do [ \"$prev\" = -i ] && in=$(readlink \"$a\"); prev=$a; out=$a; done\n"
                 "outpath=$(readlink \"$out\")\n"

                 + body + "\n");
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner | QFile::ExeUser);
    for (const char *name : {"avcodec.dll", "avformat.dll", "avutil.dll"}) {
        QFile library(Dir() + name);
        library.open(QIODevice::WriteOnly);
    }
}

QString Touch(const QString &path, const QByteArray &contents)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(contents);
    return path;
}

void MakeAudio(const QString &path, double seconds)
{
    QStringList arguments{"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                          QStringLiteral("sine=frequency=440:beep_factor=3:duration=%1").arg(seconds),
                          "-ar", "8000", "-ac", "1"};
    if (path.endsWith(".amr"))
        arguments << "-c:a" << "libopencore_amrnb" << "-b:a" << "12.2k" << "-f" << "amr";
    else
        arguments << "-f" << "mp3";
    arguments << path;
    QProcess codec;
    codec.start(RealCodecDir() + "amrcodec.dll", arguments);
    if (!codec.waitForFinished(30000) || codec.exitCode() != 0)
        qFatal("could not make test audio %s", qPrintable(path));
}

QString SharedMemo()
{
    static QTemporaryDir dir;
    static const QString memo = [] {
        const QString path = dir.filePath("memo.amr");
        MakeAudio(path, 2);
        return path;
    }();
    return memo;
}

TProbe Probe(const QString &path)
{
    QProcess probe;
    probe.start("ffprobe", {"-v", "error", "-show_entries",
                            "stream=codec_name,sample_rate,channels,bit_rate:format=duration", "-of",
                            "default=noprint_wrappers=1", path});
    probe.waitForFinished(30000);
    TProbe result;
    for (const QString &line : QString::fromUtf8(probe.readAllStandardOutput()).split(u'\n')) {
        const QString value = line.section(u'=', 1);
        if (line.startsWith("codec_name="))
            result.codec = value;
        else if (line.startsWith("sample_rate="))
            result.sampleRate = value.toInt();
        else if (line.startsWith("channels="))
            result.channels = value.toInt();
        else if (line.startsWith("bit_rate="))
            result.bitRate = value.toInt();
        else if (line.startsWith("duration="))
            result.duration = value.toDouble();
    }
    return result;
}

int OpenDescriptorCount()
{
    return int(QDir("/proc/self/fd").entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size());
}

namespace {

QSet<qint64> &NotCodecs()
{
    static QSet<qint64> pids;
    return pids;
}

} // namespace

void NotACodec(qint64 pid)
{
    NotCodecs().insert(pid);
}

int ChildProcessCount()
{
    int count = 0;
    const QByteArray self = QByteArray::number(qint64(::getpid()));
    for (const QString &pid : QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat("/proc/" + pid + "/stat");
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // Fields after the command name, which may itself hold spaces: state, then ppid.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> rest = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (rest.size() > 1 && rest.at(1) == self && !NotCodecs().contains(pid.toLongLong()))
            ++count;
    }
    return count;
}

bool ProcessAlive(qint64 pid)
{
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2, 1) != "Z";
}

long ResidentKiB()
{
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

QMap<QString, QByteArray> FolderSnapshot(const QString &dir)
{
    QMap<QString, QByteArray> snapshot;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        QByteArray sum = "-";
        if (!it.fileInfo().isDir() && file.open(QIODevice::ReadOnly))
            sum = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex();
        snapshot.insert(QDir(dir).relativeFilePath(path), sum);
    }
    return snapshot;
}

bool GiveUpFileOverrides()
{
    if (::geteuid() != 0)
        return true;
    const int rights[] = {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH};
    for (const int right : rights)
        ::prctl(PR_CAPBSET_DROP, right, 0, 0, 0); // so that a started codec lacks it too
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    for (const int right : rights) {
        const quint32 bit = 1u << (right % 32);
        data[right / 32].effective &= ~bit;
        data[right / 32].permitted &= ~bit;
        data[right / 32].inheritable &= ~bit;
    }
    return ::syscall(SYS_capset, &header, data) == 0;
}

TBatchRecorder::TBatchRecorder(TBatchJob job, TBatchOptions options)
    : FBatch(new TBatch(std::move(job), options))
{
    outputs.resize(FBatch->Job().rows.size());
    TBatch *batch = FBatch.get();
    connect(batch, &TBatch::RowReached, this, [this](int row) { events << QString("reached %1").arg(row); });
    connect(batch, &TBatch::Progress, this, [this](int row, const QString &size) {
        events << QString("progress %1 %2").arg(row).arg(size);
    });
    connect(batch, &TBatch::RowConverted, this, [this](int row, const QByteArray &output) {
        events << QString("converted %1").arg(row);
        outputs[row] = output;
    });
    connect(batch, &TBatch::RowFailed, this,
            [this](int row, const QString &reason, const QString &why) {
                events << QString("failed %1: %2").arg(row).arg(reason);
                details << why;
                if (FBatch)
                    FBatch->Continue();
            });
    connect(batch, &TBatch::CodecNotStarted, this, [this](int row, const QString &) {
        events << QString("not started %1").arg(row);
        finished = true;
    });
    connect(batch, &TBatch::FolderMissing, this, [this] {
        events << "folder missing";
        finished = true;
    });
    connect(batch, &TBatch::Finished, this, [this](bool last) {
        events << "finished";
        finished = true;
        lastRowConverted = last;
    });
}

TBatchRecorder::~TBatchRecorder() = default;

bool TBatchRecorder::WaitForEnd(int milliseconds)
{
    return QTest::qWaitFor([this] { return finished; }, milliseconds);
}

TBatchJob JobOf(TDirection direction, const QStringList &inputs, const QString &folder,
                const QString &exeDir)
{
    TBatchJob job{direction, {}, QFile::encodeName(folder), exeDir, folder};
    for (const QString &input : inputs)
        job.rows.append({QFile::encodeName(input), {}, {}});
    return job;
}
