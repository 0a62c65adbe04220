// The folders a batch publishes into: the one chosen, and below it the tree of each added
// folder, made as the first output lands in it.
#pragma once

#include <QByteArray>
#include <QHash>

class TOutputFolders {
public:
    // Opens the chosen folder; held open, it stays the one chosen even if its path is
    // renamed meanwhile.
    explicit TOutputFolders(QByteArray root);
    ~TOutputFolders();
    TOutputFolders(const TOutputFolders &) = delete;
    TOutputFolders &operator=(const TOutputFolders &) = delete;

    struct TFolder {
        int fd = -1;
        QByteArray path;     // as made: a name a card refuses is made fit
        int error = 0;       // why it could not be had
        QByteArray failedAt; // the folder that could not be made or entered
        bool notAFolder = false; // a file or a link has that folder's name
    };

    const TFolder &Root() const { return FRoot; }
    // The folder `relative` below the chosen one ("" for that one), with every folder on the
    // way made where missing and reused where there: never reached through a link, never
    // made over anything. The first time a folder is had, what killed runs left in it is
    // cleared.
    TFolder Folder(const QByteArray &relative);
    // The longest name, in bytes, the chosen folder's file system takes.
    int NameMax() const { return FNameMax; }

private:
    TFolder FRoot;
    int FNameMax = 255;
    QHash<QByteArray, TFolder> FBelow; // by the relative path asked for
};

// Whether creating `name` failed for the name alone: the errno a card, a share or a phone
// gives for a name its file system refuses.
bool RefusedForName(int error);
