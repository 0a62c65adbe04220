// The scripted seam: answers from queues, records what was shown.
#include "tests/support/ScriptedSeam.h"

QStringList TScriptedSeam::Texts() const
{
    QStringList texts;
    for (const TMessage &message : messages)
        texts << message.text;
    return texts;
}

std::optional<QString> TScriptedSeam::Next(std::deque<std::optional<QString>> &answers)
{
    if (answers.empty())
        return std::nullopt;
    std::optional<QString> answer;
    answer.swap(answers.front());
    answers.pop_front();
    return answer;
}

QStringList TScriptedSeam::RunOpenDialog(QFileDialog &dialog)
{
    dialogsRun << &dialog;
    if (openAnswers.empty())
        return {};
    const QStringList answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

std::optional<QString> TScriptedSeam::ChooseFolder(QWidget *owner, const QString &title,
                                                   const QString &folder)
{
    folderRequests << TFolderRequest{owner, title, folder};
    return Next(folderAnswers);
}

bool TScriptedSeam::ShowMessage(QWidget *, const TMessage &message)
{
    messages << message;
    if (onMessage)
        onMessage(message);
    if (message.checkBox.isEmpty() || ticks.empty())
        return false;
    const bool ticked = ticks.front();
    ticks.pop_front();
    return ticked;
}

void TScriptedSeam::OpenAddress(const QUrl &address)
{
    addresses << address;
}
