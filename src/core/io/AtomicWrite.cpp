// Atomic replacement of documents: the new content goes to a temporary file beside the target,
// which is flushed and then renamed over it.
#include <cerrno>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

#include "io/Files.h"

namespace merrowin {

namespace {

// Writes all bytes to a file descriptor from its start.
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

} // namespace

Outcome WriteFileAtomic(const fs::path& folder, std::string_view name, std::string_view content) {
    const auto failed = [&] { return Outcome::Failed(Failure::Kind::Write, std::string(name)); };
    if (name.empty()) {
        return failed();
    }
    const fs::path target = InFolder(folder, name);
    std::error_code error;
    if (fs::is_directory(target, error)) {
        return failed();
    }
    // The temporary file sits beside the target so that the rename stays on one file system.
    std::random_device seed;
    const fs::path temporary = fs::path(target).concat(".tmp" + std::to_string(::getpid()) + "-" +
                                                       std::to_string(seed() % 1000000u));
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        return failed();
    }
    const bool written = WriteAll(fd, content) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        fs::remove(temporary, error);
        return failed();
    }
    fs::rename(temporary, target, error);
    if (error) {
        fs::remove(temporary, error);
        return failed();
    }
    return {};
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
