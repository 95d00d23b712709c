// Atomic replacement of documents: the new content goes to a locked temporary file beside the
// file it replaces, which is flushed, given the old file's mode and owner and renamed over it;
// then the folder is flushed too.
#include "io/AtomicWrite.h"

#include <cerrno>
#include <ctime>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace merrowin {

namespace {

constexpr std::string_view TemporaryMarker = ".merrowin-tmp.";
constexpr std::size_t SuffixLength = 8;
constexpr std::size_t MaxNameBytes = 255; // the longest file name the usual file systems allow
// Links followed from the name to the file, as many as the system itself follows in a path.
constexpr int MaxLinkHops = 40;
// A temporary unwritten for this long is a leftover even where locks cannot tell: a save
// writes at most 64 MiB and takes well under a second.
constexpr std::time_t StaleSeconds = 60;
// Names of one folder looked at for leftovers; a folder holds a few hundred files in practice.
constexpr std::size_t MaxEntriesScanned = 100000;
constexpr int MaxCreateAttempts = 4;
constexpr int MaxInterruptedRetries = 100;

// Runs a system call again while a signal interrupts it, a bounded number of times.
template <typename Call> int Retried(Call call) {
    int result = -1;
    for (int attempt = 0; attempt < MaxInterruptedRetries; ++attempt) {
        result = call();
        if (result == 0 || errno != EINTR) {
            break;
        }
    }
    return result;
}

// The start of every temporary name of one file; a very long name is cut so the temporary's
// name still fits.
std::string TemporaryPrefix(const std::string& base) {
    const std::size_t room = MaxNameBytes - 1 - TemporaryMarker.size() - SuffixLength;
    return "." + base.substr(0, room) + std::string(TemporaryMarker);
}

bool IsHexSuffix(std::string_view suffix) {
    if (suffix.size() != SuffixLength) {
        return false;
    }
    for (const char c : suffix) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) {
            return false;
        }
    }
    return true;
}

bool IsTemporaryName(std::string_view name) {
    if (name.size() < 2 + TemporaryMarker.size() + SuffixLength || name[0] != '.') {
        return false;
    }
    const std::size_t marker = name.size() - SuffixLength - TemporaryMarker.size();
    return name.substr(marker, TemporaryMarker.size()) == TemporaryMarker &&
           IsHexSuffix(name.substr(marker + TemporaryMarker.size()));
}

enum class Lock { Taken, Busy, Unsupported };

// Tries the exclusive lock on an open file without waiting. The lock belongs to the open file
// and ends when it is closed, or when its program ends, however it ends.
Lock TryLock(int fd) {
    if (Retried([fd] { return ::flock(fd, LOCK_EX | LOCK_NB); }) == 0) {
        return Lock::Taken;
    }
    return errno == EWOULDBLOCK ? Lock::Busy : Lock::Unsupported;
}

// Removes one temporary when no save holds it: one of the saved file's own at any age, any other
// only when it is stale. Where the file system has no locks, age alone decides.
bool RemoveIfUnused(int folderFd, const std::string& name, bool ownFile, std::time_t now) {
    const int fd = ::openat(folderFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat held {};
    bool remove = false;
    if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode)) {
        const bool stale = now - held.st_mtime > StaleSeconds;
        const Lock lock = TryLock(fd);
        remove = lock == Lock::Taken ? ownFile || stale : lock == Lock::Unsupported && stale;
    }
    // Only the file that was locked: the name may have been renamed away since it was opened.
    struct stat there {};
    if (remove && ::fstatat(folderFd, name.c_str(), &there, AT_SYMLINK_NOFOLLOW) == 0 &&
        there.st_dev == held.st_dev && there.st_ino == held.st_ino) {
        remove = ::unlinkat(folderFd, name.c_str(), 0) == 0;
    } else {
        remove = false;
    }
    ::close(fd);
    return remove;
}

// Removes the unused temporaries of a folder: stale ones of any file, and those of the file
// whose temporaries start with `ownPrefix` (empty: none) whatever their age.
int SweepTemporaries(const fs::path& folder, const std::string& ownPrefix) {
    DIR* listing = ::opendir(folder.empty() ? "." : folder.c_str());
    if (listing == nullptr) {
        return 0;
    }
    std::vector<std::string> names;
    std::size_t scanned = 0;
    for (const dirent* entry = ::readdir(listing); entry != nullptr && scanned < MaxEntriesScanned;
         entry = ::readdir(listing), ++scanned) {
        if (IsTemporaryName(entry->d_name)) {
            names.emplace_back(entry->d_name);
        }
    }
    const std::time_t now = std::time(nullptr);
    int removed = 0;
    for (const std::string& name : names) {
        const bool ownFile = !ownPrefix.empty() && name.size() == ownPrefix.size() + SuffixLength &&
                             name.compare(0, ownPrefix.size(), ownPrefix) == 0;
        if (RemoveIfUnused(::dirfd(listing), name, ownFile, now)) {
            ++removed;
        }
    }
    ::closedir(listing);
    return removed;
}

// The file a save of `name` replaces. A file already there under the name spelled in other
// letter case is saved under its own spelling, as every reader finds it that way; symbolic
// links are followed to the file they end at, which is replaced while the links stay. Nothing
// for a chain of links that does not end.
std::optional<fs::path> SaveTarget(const fs::path& folder, std::string_view name) {
    fs::path path = InFolder(folder, name);
    struct stat entry {};
    if (::lstat(path.c_str(), &entry) != 0) {
        if (const std::optional<fs::path> existing = FindFile(folder, name)) {
            path = *existing;
        }
    }
    for (int hop = 0; hop <= MaxLinkHops; ++hop) {
        if (::lstat(path.c_str(), &entry) != 0 || !S_ISLNK(entry.st_mode)) {
            return path;
        }
        std::error_code error;
        const fs::path link = fs::read_symlink(path, error);
        if (error) {
            return std::nullopt;
        }
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return std::nullopt;
}

bool MayWrite(const fs::path& path, int access) {
    return ::faccessat(AT_FDCWD, path.c_str(), access, AT_EACCESS) == 0;
}

// Whether the program may replace the file (`existing`: its status, or null when there is none
// yet) in `folder`. The system lets the superuser write anything, so the program keeps its own
// rules for everyone: never a file or folder that nobody may write (mode 0444 or 0555), never
// another's file in a sticky folder of another (like /tmp) unless the folder's owner saves;
// beyond that, what the system allows the one who runs the program.
bool MayReplace(const fs::path& file, const struct stat* existing, const fs::path& folder,
                const struct stat& folderStatus) {
    constexpr mode_t anyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
    if ((folderStatus.st_mode & anyWrite) == 0 || !MayWrite(folder, W_OK | X_OK)) {
        return false;
    }
    if (existing == nullptr) {
        return true;
    }
    if ((existing->st_mode & anyWrite) == 0 || !MayWrite(file, W_OK)) {
        return false;
    }
    const uid_t self = ::geteuid();
    return (folderStatus.st_mode & S_ISVTX) == 0 || existing->st_uid == self ||
           folderStatus.st_uid == self;
}

// Creates a fresh temporary in the folder and locks it. A sweep of another program may have
// removed it between the creation and the lock; then another name is tried.
int CreateTemporary(const fs::path& folder, const std::string& prefix, mode_t mode,
                    fs::path& temporary) {
    std::random_device random;
    for (int attempt = 0; attempt < MaxCreateAttempts; ++attempt) {
        static constexpr char Hex[] = "0123456789abcdef";
        std::string suffix(SuffixLength, '0');
        for (unsigned bits = random(); char& c : suffix) {
            c = Hex[bits & 15u];
            bits >>= 4;
        }
        temporary = folder / (prefix + suffix);
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd < 0) {
            if (errno == EEXIST) {
                continue;
            }
            return -1;
        }
        struct stat self {};
        if (TryLock(fd) != Lock::Busy && ::fstat(fd, &self) == 0 && self.st_nlink > 0) {
            return fd; // without locks (unusual file systems) the file is still used unlocked
        }
        ::close(fd);
    }
    return -1;
}

// Gives the new file the old one's owner and group where the system permits it, and its mode.
// Set-user and set-group bits are dropped when the owner could not be kept.
bool KeepAttributes(int fd, const struct stat& old) {
    struct stat now {};
    if (::fstat(fd, &now) != 0) {
        return false;
    }
    mode_t mode = old.st_mode & 07777;
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        // Not permitted: the group at least, where the user belongs to it.
        static_cast<void>(::fchown(fd, static_cast<uid_t>(-1), old.st_gid));
        mode &= static_cast<mode_t>(~(S_ISUID | S_ISGID));
    }
    return ::fchmod(fd, mode) == 0;
}

// Flushes the folder's entries, so that after a power cut the folder holds the new file, not
// the old one. A folder the program may not open for reading, or a file system that cannot
// flush a folder, leaves that to the system; an error of the disk is a failure.
bool FlushFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return errno == EACCES;
    }
    const int result = Retried([fd] { return ::fsync(fd); });
    const bool flushed = result == 0 || errno == EINVAL || errno == ENOTSUP;
    ::close(fd);
    return flushed;
}

} // namespace

bool WriteAll(int fd, std::string_view content) {
    const char* data = content.data();
    std::size_t left = content.size();
    off_t offset = 0;
    while (left > 0) {
        const ssize_t written = ::pwrite(fd, data, left, offset);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false; // a write that makes no progress would never end
        }
        data += written;
        offset += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

int RemoveStaleTemporaries(const fs::path& folder) {
    return SweepTemporaries(folder, {});
}

Outcome WriteFileAtomic(const fs::path& folder, std::string_view name, std::string_view content) {
    const auto failed = [&] { return Outcome::Failed(Failure::Kind::Write, std::string(name)); };
    if (name.empty()) {
        return failed();
    }
    const std::optional<fs::path> target = SaveTarget(folder, name);
    if (!target) {
        return failed();
    }
    const std::string base = target->filename().string();
    if (base.empty() || base == "." || base == "..") {
        return failed();
    }
    // The temporary sits beside the file it replaces, so the rename stays on one file system.
    const fs::path parent = target->parent_path().empty() ? fs::path(".") : target->parent_path();
    struct stat folderStatus {};
    if (::stat(parent.c_str(), &folderStatus) != 0 || !S_ISDIR(folderStatus.st_mode)) {
        return failed();
    }
    struct stat old {};
    const bool exists = ::stat(target->c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        return failed(); // a folder, a device or a pipe is never replaced by a file
    }
    if (!MayReplace(*target, exists ? &old : nullptr, parent, folderStatus)) {
        return failed();
    }

    const std::string prefix = TemporaryPrefix(base);
    static_cast<void>(SweepTemporaries(parent, prefix));
    fs::path temporary;
    // A new file gets the usual mode less the user's mask; a replaced one gets the old mode.
    const int fd = CreateTemporary(parent, prefix, exists ? 0600 : 0666, temporary);
    if (fd < 0) {
        return failed();
    }
    const bool written = WriteAll(fd, content) && (!exists || KeepAttributes(fd, old)) &&
                         Retried([fd] { return ::fsync(fd); }) == 0;
    // The lock is held through the rename, so no sweep takes the file from under it.
    if (!written || ::rename(temporary.c_str(), target->c_str()) != 0) {
        ::unlink(temporary.c_str());
        ::close(fd);
        return failed();
    }
    const bool closed = ::close(fd) == 0;
    return closed && FlushFolder(parent) ? Outcome() : failed();
}

Outcome CopyFileAtomic(const fs::path& folder, std::string_view from, std::string_view to) {
    const auto unreadable = [&] { return Outcome::Failed(Failure::Kind::Read, std::string(from)); };
    const std::optional<fs::path> source = FindFile(folder, from);
    if (!source) {
        return unreadable();
    }
    std::error_code error;
    const auto size = fs::file_size(*source, error);
    if (error || size > MaxReadBytes) {
        return unreadable();
    }
    const std::optional<std::string> bytes = ReadFileBytes(folder, from);
    if (!bytes) {
        return unreadable();
    }
    return WriteFileAtomic(folder, to, *bytes);
}

} // namespace merrowin
