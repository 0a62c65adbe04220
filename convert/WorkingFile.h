// A working file's whole life: made beside the outputs, written by the codec, published
// under a free name once whole, or removed; and what killed runs left, found and cleared.
#pragma once

#include <QByteArray>

#include <ctime>
#include <memory>

// Where the output folder's file system has unnamed files (ext4, xfs, btrfs, tmpfs), the
// working file has no name at all until it is published, so that however the program ends,
// nothing of it is left. Elsewhere (memory cards, phones' mounts, shares) it is a hidden file
// whose name tells which running program owns it, so that the next batch into the folder can
// tell what a killed program left from what another running one is writing, and from the
// user's own files, without a mark on the file or a lock on it.
class TWorkingFile {
public:
    // Makes a working file in the folder open as `folder` and found at `folderPath`, which
    // must stay open as long as this file. Nothing, with the errno, when none could be made.
    static std::unique_ptr<TWorkingFile> Create(int folder, const QByteArray &folderPath, int *error);
    // Removes the file unless it was published.
    ~TWorkingFile();
    TWorkingFile(const TWorkingFile &) = delete;
    TWorkingFile &operator=(const TWorkingFile &) = delete;

    // The open file, which the codec is handed.
    int Descriptor() const { return FFd; }
    // Where a named one is, as a path; empty for an unnamed one, and once published or
    // removed.
    QByteArray Path() const;
    // How much the codec wrote.
    qint64 Size() const;
    // Whether it is still the file in its folder (someone could have removed a named one).
    bool Present() const;
    // Gives it, once it is published, the access and modification times of the file open as
    // `source`.
    void DateAs(int source);

    // Publishes it as `name` in the folder open as `to`, on the same file system, never over
    // anything that stands there (a file, a folder, a link, even a dangling one). 0 when
    // done, EEXIST when the name is taken, else the errno.
    int Publish(int to, const QByteArray &toPath, const QByteArray &name);
    // Removes it; 0, or the errno when it could not be removed.
    int Remove();

    // Clears what killed runs left in the folder open as `folder`: their hidden working files,
    // and a publication they were in the middle of, which is finished (the file was whole).
    // Nothing else is touched: no file of the user's, whatever its name, and no working file
    // of a program still running, here or on another machine.
    static void ClearAbandoned(int folder);
    // Removes every named working file of this process with plain system calls, for a program
    // being ended without its destructors.
    static void RemoveAllNow() noexcept;

private:
    TWorkingFile(int folder, QByteArray folderPath, int fd, QByteArray name);
    void Forget();

    int FFolder;     // not owned
    QByteArray FFolderPath;
    int FFd;
    QByteArray FName; // empty for an unnamed one, and once published or removed
    bool FPublished = false;
    bool FDated = false;
    struct timespec FTimes[2] = {};
};
