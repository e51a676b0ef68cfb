// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fortified headers define openat inline; this file replaces it instead.
#undef _FORTIFY_SOURCE
#include "SystemFaults.h"

#include <cerrno>
#include <cstdarg>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace SystemFaults;

extern "C" int fdatasync(int fd)
{
    return syncFails ? (errno = EIO, -1) : int(::syscall(SYS_fdatasync, fd));
}

extern "C" int fsync(int fd)
{
    return syncFails ? (errno = EIO, -1) : int(::syscall(SYS_fsync, fd));
}

extern "C" int fchmod(int fd, mode_t mode) noexcept
{
    return chmodFails ? (errno = chmodFails, -1) : int(::syscall(SYS_fchmod, fd, mode));
}

extern "C" int flock(int fd, int operation) noexcept
{
    return flockFails ? (errno = ENOLCK, -1) : int(::syscall(SYS_flock, fd, operation));
}

extern "C" int renameat2(int olddirfd, const char *oldpath, int newdirfd, const char *newpath, unsigned int flags) noexcept
{
    if (noRenameFlags && flags != 0)
        return errno = EINVAL, -1;
    return int(::syscall(SYS_renameat2, olddirfd, oldpath, newdirfd, newpath, flags));
}

extern "C" int linkat(int olddirfd, const char *oldpath, int newdirfd, const char *newpath, int flags) noexcept
{
    return noRenameFlags ? (errno = EPERM, -1) : int(::syscall(SYS_linkat, olddirfd, oldpath, newdirfd, newpath, flags));
}

extern "C" int link(const char *oldpath, const char *newpath) noexcept
{
    return linkat(AT_FDCWD, oldpath, AT_FDCWD, newpath, 0);
}

extern "C" int openat(int dirfd, const char *path, int flags, ...)
{
    mode_t mode = 0;
    if (flags & (O_CREAT | __O_TMPFILE)) {
        va_list args;
        va_start(args, flags);
        mode = va_arg(args, mode_t);
        va_end(args);
    }
    if (noUnnamedFiles && (flags & O_TMPFILE) == O_TMPFILE)
        return errno = EOPNOTSUPP, -1;
    return int(::syscall(SYS_openat, dirfd, path, flags, mode));
}
