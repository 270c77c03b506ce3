#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A mount that stops answering, as a dropped NFS or sshfs mount does: it holds one file, and a write
# to it is taken and never answered until the file named by the second argument exists. The
# writer, even when killed, waits in uninterruptible sleep until then.
# Usage: deadmount.py MOUNTPOINT RELEASE-FILE; prints "mounted" once the mount is there.
import errno
import os
import stat
import sys
import threading
import time

from fusepy import FUSE, FuseOSError, Operations


class DeadMount(Operations):
    def getattr(self, path, fh=None):
        if path == '/':
            return dict(st_mode=stat.S_IFDIR | 0o777, st_nlink=2)
        if path == '/file':
            return dict(st_mode=stat.S_IFREG | 0o666, st_nlink=1, st_size=0)
        raise FuseOSError(errno.ENOENT)

    def readdir(self, path, fh):
        return ['.', '..', 'file']

    def open(self, path, flags):
        return 0

    def truncate(self, path, length, fh=None):
        return 0

    def write(self, path, data, offset, fh):
        while not os.path.exists(sys.argv[2]):
            time.sleep(0.05)
        return len(data)


def announce():
    while not os.path.ismount(sys.argv[1]):
        time.sleep(0.05)
    print('mounted', flush=True)


threading.Thread(target=announce, daemon=True).start()
FUSE(DeadMount(), sys.argv[1], foreground=True, direct_io=True)
