// Starting the codec for the row a batch has reached, and reading what it writes.
#include "app/ConverterForm.h"
#include "app/Paths.h"
#include "convert/CodecContract.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTreeWidget>

#include <csignal>
#include <sys/prctl.h>

namespace {

// How much of the codec's latest output is kept to explain a failure.
constexpr qsizetype kTailBytes = 4096;
constexpr int kLastWordsLines = 12;

} // namespace

void TConverterForm::PrepareCodecProcess()
{
    FProcess.setProcessChannelMode(QProcess::MergedChannels);
    // Should this program die without closing its window, the codec goes with it.
    FProcess.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    connect(&FProcess, &QProcess::finished, this, &TConverterForm::BringTickForward);

    FPromptTick.setSingleShot(true);
    FPromptTick.setInterval(0);
    connect(&FPromptTick, &QTimer::timeout, this, [this] {
        if (Timer.isActive())
            TimerTimer();
    });
}

bool TConverterForm::CodecRuns() const
{
    return FProcess.state() != QProcess::NotRunning;
}

// A codec was started (the process keeps its program from then on) and has ended since.
bool TConverterForm::CodecEnded() const
{
    return !FProcess.program().isEmpty() && !CodecRuns();
}

void TConverterForm::StopCodec()
{
    if (!CodecRuns())
        return;
    FProcess.kill();
    FProcess.waitForFinished();
}

// Once the codec has ended, the ticks that finish its file need not wait for the next second.
void TConverterForm::BringTickForward()
{
    if (FPromptAdvance && Timer.isActive())
        FPromptTick.start();
}

TStartResult TConverterForm::StartDecoding()
{
    QTreeWidget *list = ActiveList();
    if (QTreeWidgetItem *row = list->topLevelItem(FCurrentRow)) {
        list->setCurrentItem(row);
        row->setSelected(true);
    }
    QCoreApplication::processEvents();

    if (FInputPath.isEmpty() || !IsRegularFile(FInputPath) || FOutputPath.isEmpty()) {
        RemoveRowOutput();
        return TStartResult::NotStarted;
    }

    const QStringList arguments = CodecArguments(ActiveDirection(), FInputPath, FOutputPath);
    LogPanel->setText(QStringLiteral("Start to decode audio ..."));
    StopCodec();
    if (!IsBusy()) {
        EnableControls(false);
        QCoreApplication::processEvents();
        if (FOutputPath.isEmpty()) // stopped, or the window closed, meanwhile
            return TStartResult::NotStarted;
    }

    FCodecTail.clear();
    FProcess.start(FExeDir + QString::fromLatin1(kCodecProgram), arguments);
    if (FProcess.waitForStarted()) {
        Timer.start();
        return TStartResult::Started;
    }
    RemoveRowOutput(); // the name held for it is left empty
    if (IsBusy())
        EnableControls(true);
    ShowMessage(QStringLiteral("Can't start to deocde audio."), QStringLiteral("ERROR"),
                QMessageBox::Critical, FProcess.errorString());
    return TStartResult::FailedToStart;
}

// Reads everything waiting now, chunk by chunk, and answers the text of the last chunk.
// Only bytes already waiting are read, so this never blocks.
QString TConverterForm::ReadPipeText(QIODevice &pipe)
{
    QByteArray chunk;
    while (pipe.bytesAvailable() > 0) {
        chunk = pipe.read(FReadChunk);
        FCodecTail.append(chunk);
        if (FCodecTail.size() > 2 * kTailBytes)
            FCodecTail.remove(0, FCodecTail.size() - kTailBytes);
        if (chunk.size() < qsizetype(FReadChunk))
            break;
    }
    // Console text ends at a zero byte, as the codec's C strings do.
    const qsizetype zero = chunk.indexOf('\0');
    return QString::fromLocal8Bit(zero < 0 ? chunk : chunk.left(zero));
}

// The last lines the codec wrote, progress lines included, for a failure's details.
QString TConverterForm::CodecLastWords() const
{
    QString text = QString::fromLocal8Bit(FCodecTail.right(kTailBytes));
    text.replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    if (lines.size() > kLastWordsLines)
        lines = lines.mid(lines.size() - kLastWordsLines);
    return lines.join(u'\n').trimmed();
}
