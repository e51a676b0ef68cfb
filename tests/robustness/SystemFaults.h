// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>

// Faults of the system calls below the game, set by a test and seen by a child it forks.
// The calls are defined in the test program, so they stand in for the C library's for the
// game's own calls and for Qt's alike, on either storage backend.
namespace SystemFaults {
inline std::atomic<bool> syncFails = false;      // fsync, fdatasync: EIO
inline std::atomic<int> chmodFails = 0;          // fchmod: this errno
inline std::atomic<bool> flockFails = false;     // flock: ENOLCK, as some network folders
inline std::atomic<bool> noUnnamedFiles = false; // openat(O_TMPFILE): EOPNOTSUPP, as FAT
inline std::atomic<bool> noRenameFlags = false;  // renameat2 with flags: EINVAL, link: EPERM, as FUSE FAT
} // namespace SystemFaults
