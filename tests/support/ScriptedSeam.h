// A stand-in for every dialog, message box and the browser, answering as a test scripts it.
#pragma once

#include "app/ModalSeam.h"

#include <QList>

#include <deque>
#include <functional>

class QFileDialog;

// Stands in for every dialog: answers from queues (an empty queue answers "cancel") and
// records what the window showed.
class TScriptedSeam final : public TModalSeam {
public:
    struct TFolderRequest {
        QWidget *owner;
        QString title;
        QString folder;
    };

    std::deque<QStringList> openAnswers; // each the files picked in one dialog
    std::deque<std::optional<QString>> folderAnswers;
    std::function<void(const TMessage &)> onMessage; // runs while the "box" is open
    std::deque<bool> ticks; // for each message with a check box in turn: is it ticked

    QList<QFileDialog *> dialogsRun;
    QList<TFolderRequest> folderRequests;
    QList<TMessage> messages;
    QList<QUrl> addresses;

    QStringList Texts() const;

    QStringList RunOpenDialog(QFileDialog &dialog) override;
    std::optional<QString> ChooseFolder(QWidget *owner, const QString &title,
                                        const QString &folder) override;
    bool ShowMessage(QWidget *owner, const TMessage &message) override;
    void OpenAddress(const QUrl &address) override;

private:
    static std::optional<QString> Next(std::deque<std::optional<QString>> &answers);
};
