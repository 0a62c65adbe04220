/* Makes every file system look like a share without renameat2's RENAME_NOREPLACE and, with
 * TOLVANE_NO_LINKS set, like a card or a phone without hard links and without unnamed files,
 * so that the ways a whole output is published there can be tested. With
 * TOLVANE_STALL_PUBLISH set as well, the move of a whole file onto its visible name never
 * returns, so that a test can kill the program between the two steps of that publication.
 * Loaded with LD_PRELOAD. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

int renameat2(int from_dir, const char *from, int to_dir, const char *to, unsigned int flags)
{
    (void)from_dir, (void)from, (void)to_dir, (void)to, (void)flags;
    errno = EINVAL;
    return -1;
}

int linkat(int from_dir, const char *from, int to_dir, const char *to, int flags)
{
    if (getenv("TOLVANE_NO_LINKS")) {
        errno = EPERM;
        return -1;
    }
    int (*real)(int, const char *, int, const char *, int) = (int (*)(int, const char *, int, const char *, int))dlsym(RTLD_NEXT, "linkat");
    return real(from_dir, from, to_dir, to, flags);
}

int openat(int dir, const char *path, int flags, ...)
{
    mode_t mode = 0;
    if ((flags & O_CREAT) || (flags & __O_TMPFILE) == __O_TMPFILE) {
        va_list arguments;
        va_start(arguments, flags);
        mode = va_arg(arguments, mode_t);
        va_end(arguments);
    }
    if ((flags & __O_TMPFILE) == __O_TMPFILE && getenv("TOLVANE_NO_LINKS")) {
        errno = EOPNOTSUPP;
        return -1;
    }
    int (*real)(int, const char *, int, ...) = (int (*)(int, const char *, int, ...))dlsym(RTLD_NEXT, "openat");
    return real(dir, path, flags, mode);
}

int renameat(int from_dir, const char *from, int to_dir, const char *to)
{
    const char *name = strrchr(to, '/') ? strrchr(to, '/') + 1 : to;
    if (getenv("TOLVANE_STALL_PUBLISH") && name[0] != '.')
        for (;;)
            pause();
    int (*real)(int, const char *, int, const char *) = (int (*)(int, const char *, int, const char *))dlsym(RTLD_NEXT, "renameat");
    return real(from_dir, from, to_dir, to);
}
