#include "convert/CodecRun.h"

#include <csignal>
#include <sys/prctl.h>

namespace {

// How much of the codec's latest output is kept to explain a failure.
constexpr qsizetype kTailBytes = 4096;
constexpr int kLastWordsLines = 12;

} // namespace

TCodecRun::TCodecRun(int row) : Row(row)
{
    Process.setProcessChannelMode(QProcess::MergedChannels);
    // Should this program die without closing its window, the codec goes with it.
    Process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    connect(&Process, &QProcess::readyRead, this, [this] {
        if (FAhead)
            Drain();
    });
}

// Nothing is told of an end the run brings about itself.
TCodecRun::~TCodecRun()
{
    disconnect(&Process, nullptr, nullptr, nullptr);
    End();
}

bool TCodecRun::Start(const QString &program, const QStringList &arguments)
{
    Process.start(program, arguments);
    FStarted = Process.waitForStarted();
    return FStarted;
}

void TCodecRun::End()
{
    if (!Runs())
        return;
    Process.kill();
    Process.waitForFinished();
}

void TCodecRun::SetAhead(bool ahead)
{
    FAhead = ahead;
    if (FAhead)
        Drain();
}

void TCodecRun::Drain()
{
    while (Process.bytesAvailable() > 0)
        Keep(Process.readAll());
}

void TCodecRun::Keep(const QByteArray &chunk)
{
    FTail.append(chunk);
    if (FTail.size() > 2 * kTailBytes)
        FTail.remove(0, FTail.size() - kTailBytes);
}

// The last lines the codec wrote, progress lines included.
QString TCodecRun::LastWords() const
{
    QString text = QString::fromLocal8Bit(FTail.right(kTailBytes));
    text.replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    if (lines.size() > kLastWordsLines)
        lines = lines.mid(lines.size() - kLastWordsLines);
    return lines.join(u'\n').trimmed();
}
