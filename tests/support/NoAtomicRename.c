/* Makes every file system look like one without renameat2's RENAME_NOREPLACE (a network
 * share) and, with TOLVANE_NO_LINKS set, without hard links too (a FUSE mount), so that the
 * ways a whole output is published there can be tested. Loaded with LD_PRELOAD. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdlib.h>

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
