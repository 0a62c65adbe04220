#!/usr/bin/python3
"""A slow FUSE mirror of a folder, for tests that must meet a phone's or a card's mount.

    slowfs.py SOURCE MOUNTPOINT [--delay MS] [--hang NAME]... [--no-links] [--fat-names]
              [--log FILE]

Every call waits MS milliseconds before it answers, and the kernel keeps nothing between
calls (no entry, attribute or page cache), so every look at a file costs a round trip, as
on an MTP mount. A call on a path through a folder or file named NAME never answers, as on
a dead mount, until the mirror is stopped or unmounted; it then fails with EIO. Only a look
at NAME itself (its attributes, as its folder's listing gives them) answers, so that its
folder stays usable: the kernel holds a folder's other look-ups while one into it waits.

--no-links refuses hard links (EPERM) and symbolic links (ENOSYS) as exfat-fuse does.
--fat-names refuses, on every call that makes a name, what exfat-fuse refuses: \\ : * ? " < >
| and control characters (ENOENT), names that are not UTF-8 (EILSEQ), names longer than 255
UTF-16 units (ENAMETOOLONG); trailing dots and spaces are kept, as there, and names stay
case-sensitive, unlike there. Extended attributes are never kept (ENOTSUP).
--log appends one line per call, "operation<TAB>path[<TAB>path]", so a test can count them.

Runs in the foreground. SIGTERM, SIGINT or SIGHUP release the hung calls, unmount and end
it; so does an unmount from outside.
"""

import argparse
import ctypes
import errno
import os
import re
import signal
import sys
import threading
import time

try:
    import fusepy
except (ImportError, OSError) as error:  # OSError: libfuse2 itself is missing
    print(f"slowfs: python3-fusepy is not usable: {error}", file=sys.stderr)
    sys.exit(3)

MNT_DETACH = 2
AT_FDCWD = -100
AT_SYMLINK_NOFOLLOW = 0x100
UTIME_NOW = (1 << 30) - 1
UTIME_OMIT = (1 << 30) - 2
FAT_REFUSED = re.compile(rb'[\x00-\x1f\\:*?"<>|]')

libc = ctypes.CDLL(None, use_errno=True)


class Timespec(ctypes.Structure):
    _fields_ = [("tv_sec", ctypes.c_long), ("tv_nsec", ctypes.c_long)]


def raw(path):
    # fusepy hands names over decoded as Latin-1, which keeps every byte of a name that is
    # not UTF-8 as it was.
    return path.encode("latin-1")


def mount_ids(mountpoint):
    """The ids of this mirror's mounts at `mountpoint` in this namespace."""
    ids = []
    with open("/proc/self/mountinfo", "rb") as table:
        for line in table:
            fields = line.split(b" ")
            where = re.sub(rb"\\([0-7]{3})", lambda m: bytes([int(m.group(1), 8)]), fields[4])
            rest = line.split(b" - ", 1)[1].split(b" ")
            if where == mountpoint and rest[0] == b"fuse.slowfs":
                ids.append(fields[0])
    return ids


class Mirror(fusepy.Operations):
    use_ns = True
    flag_nullpath_ok = 1  # calls by descriptor alone
    flag_utime_omit_ok = 1  # else libfuse drops a change of only one of the two times
    lock = None  # the kernel keeps locks itself
    bmap = None
    ioctl = None

    def __init__(self, source, mountpoint, options):
        self.root = os.fsencode(os.path.realpath(source))
        self.mountpoint = mountpoint
        self.delay = options.delay / 1000.0
        self.hang = {os.fsencode(name) for name in options.hang}
        self.no_links = options.no_links
        self.fat_names = options.fat_names
        self.log = open(options.log, "ab", buffering=0) if options.log else None
        self.log_lock = threading.Lock()
        self.names = {}  # descriptor -> path, for calls that come by descriptor alone
        self.stopping = threading.Event()
        self.mount_id = None

    # Every call passes here.
    def __call__(self, op, *args):
        if op in ("init", "destroy"):
            return super().__call__(op, *args)
        paths = self.paths_of(op, args)
        if self.log:
            line = op.encode() + b"".join(b"\t" + raw(p) for p in paths) + b"\n"
            with self.log_lock:
                self.log.write(line)
        if self.hang and any(self.hangs(op, p) for p in paths):
            self.wait_forever()
        if self.delay:
            time.sleep(self.delay)
        return super().__call__(op, *args)

    def paths_of(self, op, args):
        if op in ("rename", "link"):
            return [args[0], args[1]]
        path = args[0] if args else None
        if path is None:
            fi = next((a for a in args if isinstance(a, fusepy.fuse_file_info)), None)
            path = self.names.get(fi.fh) if fi is not None else None
        return [path] if isinstance(path, str) else []

    def hangs(self, op, path):
        # A look at the hung name itself answers: the kernel lets one look-up at a time into
        # a folder of a mount like this, so a hung one would hold every other name beside it.
        names = raw(path).split(b"/")
        return bool(self.hang.intersection(names[:-1])) or (names[-1] in self.hang
                                                             and op != "getattr")

    def wait_forever(self):
        while not self.stopping.wait(0.05):
            if self.mount_id is None:
                ids = mount_ids(self.mountpoint)
                self.mount_id = ids[-1] if ids else b""
            if self.mount_id not in mount_ids(self.mountpoint):
                break  # unmounted: whoever waits must be let go for the mount to end
        raise fusepy.FuseOSError(errno.EIO)

    def src(self, path):
        return self.root + raw(path)

    def check_name(self, path):
        if not self.fat_names:
            return
        name = raw(path).rsplit(b"/", 1)[-1]
        if FAT_REFUSED.search(name):
            raise fusepy.FuseOSError(errno.ENOENT)
        try:
            units = len(name.decode("utf-8").encode("utf-16-le")) // 2
        except UnicodeDecodeError:
            raise fusepy.FuseOSError(errno.EILSEQ)
        if units > 255:
            raise fusepy.FuseOSError(errno.ENAMETOOLONG)

    def opened(self, path, fi, fd):
        fi.fh = fd
        fi.direct_io = 1  # every read and write reaches the mirror
        fi.keep_cache = 0
        self.names[fd] = path
        return 0

    # Names

    def getattr(self, path, fi=None):
        st = os.fstat(fi.fh) if fi else os.lstat(self.src(path))  # fusepy: NULL pointer, not None
        keys = ("st_mode", "st_ino", "st_nlink", "st_uid", "st_gid", "st_size", "st_rdev",
                "st_blocks", "st_blksize")
        attrs = {key: getattr(st, key) for key in keys}
        attrs.update(st_atime=st.st_atime_ns, st_mtime=st.st_mtime_ns, st_ctime=st.st_ctime_ns)
        return attrs

    def readdir(self, path, fh):
        return [".", ".."] + [name.decode("latin-1") for name in os.listdir(self.src(path))]

    def readlink(self, path):
        return os.readlink(self.src(path)).decode("latin-1")

    def mknod(self, path, mode, dev):
        self.check_name(path)
        os.mknod(self.src(path), mode, dev)

    def mkdir(self, path, mode):
        self.check_name(path)
        os.mkdir(self.src(path), mode)

    def rmdir(self, path):
        os.rmdir(self.src(path))

    def unlink(self, path):
        os.unlink(self.src(path))

    def symlink(self, target, source):
        if self.no_links:
            raise fusepy.FuseOSError(errno.ENOSYS)
        self.check_name(target)
        os.symlink(raw(source), self.src(target))

    def rename(self, old, new):
        self.check_name(new)
        os.rename(self.src(old), self.src(new))

    def link(self, target, source):
        if self.no_links:
            raise fusepy.FuseOSError(errno.EPERM)
        self.check_name(target)
        os.link(self.src(source), self.src(target), follow_symlinks=False)

    def chmod(self, path, mode):
        os.chmod(self.src(path), mode, follow_symlinks=False)

    def chown(self, path, uid, gid):
        unchanged = 0xFFFFFFFF
        os.lchown(self.src(path), -1 if uid == unchanged else uid, -1 if gid == unchanged else gid)

    def utimens(self, path, times=None):
        stamps = (Timespec * 2)()
        for i in range(2):
            value = times[i] if times else UTIME_NOW
            stamps[i].tv_sec, stamps[i].tv_nsec = (
                (0, value) if value in (UTIME_NOW, UTIME_OMIT) else divmod(value, 10**9))
        if libc.utimensat(AT_FDCWD, self.src(path), stamps, AT_SYMLINK_NOFOLLOW) != 0:
            raise fusepy.FuseOSError(ctypes.get_errno())

    def statfs(self, path):
        st = os.statvfs(self.src(path))
        keys = ("f_bsize", "f_frsize", "f_blocks", "f_bfree", "f_bavail", "f_files", "f_ffree",
                "f_favail", "f_namemax")
        return {key: getattr(st, key) for key in keys}

    def access(self, path, amode):
        if not os.access(self.src(path), amode, follow_symlinks=False):
            raise fusepy.FuseOSError(errno.EACCES)

    # Contents

    def open(self, path, fi):
        return self.opened(path, fi, os.open(self.src(path), fi.flags | os.O_CLOEXEC))

    def create(self, path, mode, fi):
        self.check_name(path)
        fd = os.open(self.src(path), fi.flags | os.O_CREAT | os.O_CLOEXEC, mode)
        return self.opened(path, fi, fd)

    def read(self, path, size, offset, fi):
        return os.pread(fi.fh, size, offset)

    def write(self, path, data, offset, fi):
        return os.pwrite(fi.fh, data, offset)

    def truncate(self, path, length, fi=None):
        if fi:
            os.ftruncate(fi.fh, length)
        else:
            os.truncate(self.src(path), length)

    def flush(self, path, fi):
        return 0

    def fsync(self, path, datasync, fi):
        (os.fdatasync if datasync else os.fsync)(fi.fh)

    def release(self, path, fi):
        self.names.pop(fi.fh, None)
        os.close(fi.fh)

    # No extended attributes, as on a card: left out, as exfat-fuse leaves them, the kernel
    # answers ENOTSUP itself after the first call instead of asking before every write.
    getxattr = None
    setxattr = None
    listxattr = None
    removexattr = None


def stop_on_signals(mirror, mountpoint):
    """SIGTERM, SIGINT and SIGHUP end the mirror even while calls hang.

    libfuse's own handlers would wait for the hung calls forever, and it sets them only where
    nothing else is set. The handlers here only wake this thread, as the main one stays in
    libfuse."""
    wake_read, wake_write = os.pipe()
    os.set_blocking(wake_write, False)
    for number in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(number, lambda *_: None)
    signal.set_wakeup_fd(wake_write)
    fusepy.signal = lambda number, handler: signal.getsignal(number)  # keep SIGINT ours

    def watch():
        os.read(wake_read, 1)
        mirror.stopping.set()
        if os.geteuid() == 0:
            libc.umount2(mountpoint, MNT_DETACH)
        else:
            os.spawnvp(os.P_WAIT, "fusermount", ["fusermount", "-u", "-z", mountpoint])
        # The mount ends by itself once nothing holds it; a file left open on it would hold
        # it, and the kernel lets that go only when the mirror is gone.
        time.sleep(1)
        os._exit(0)

    threading.Thread(target=watch, daemon=True).start()


def main():
    parser = argparse.ArgumentParser(description="A slow FUSE mirror of a folder.")
    parser.add_argument("source")
    parser.add_argument("mountpoint")
    parser.add_argument("--delay", type=float, default=0, metavar="MS")
    parser.add_argument("--hang", action="append", default=[], metavar="NAME")
    parser.add_argument("--no-links", action="store_true")
    parser.add_argument("--fat-names", action="store_true")
    # The kernel checks permissions itself, asking for a folder's attributes at every look
    # into it; a phone's mount leaves that to its server.
    parser.add_argument("--permissions", action="store_true")
    parser.add_argument("--log", metavar="FILE")
    options = parser.parse_args()
    if not os.path.isdir(options.source):
        parser.error(f"no folder {options.source}")

    mountpoint = os.fsencode(os.path.realpath(options.mountpoint))
    os.umask(0)  # the kernel has applied the caller's already
    mirror = Mirror(options.source, mountpoint, options)
    stop_on_signals(mirror, mountpoint)
    fuse_options = dict(
        foreground=True, raw_fi=True, encoding="latin-1", fsname="slowfs", subtype="slowfs",
        entry_timeout=0, negative_timeout=0, attr_timeout=0, direct_io=True, use_ino=True,
        big_writes=True)
    if options.permissions:
        fuse_options["default_permissions"] = True
    if os.geteuid() == 0:
        fuse_options["allow_other"] = True  # so a test that gives up root still reaches it
    try:
        fusepy.FUSE(mirror, mountpoint.decode("latin-1"), **fuse_options)
    except RuntimeError as error:
        print(f"slowfs: could not mount {options.mountpoint} (libfuse said why above)", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
