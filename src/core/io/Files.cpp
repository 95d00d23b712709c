// File access: names inside an explicit working folder, case-insensitive look-up, bounded reads
// and in-place writes (the atomic replacement lives in AtomicWrite.cpp).
#include "io/Files.h"

#include "io/AtomicWrite.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace merrowin {

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsRegularFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

} // namespace

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return LowerAscii(c); });
    return lower;
}

fs::path InFolder(const fs::path& folder, std::string_view name) {
    const fs::path file{std::string(name)};
    if (file.is_absolute()) {
        return file;
    }
    return folder / file;
}

std::optional<fs::path> FindFile(const fs::path& folder, std::string_view name) {
    if (name.empty()) {
        return std::nullopt;
    }
    const fs::path exact = InFolder(folder, name);
    if (IsRegularFile(exact)) {
        return exact;
    }
    // Names are compared without regard to case: look for a file spelled otherwise.
    const fs::path parent = exact.parent_path();
    const std::string wanted = exact.filename().string();
    std::error_code error;
    fs::directory_iterator it(parent.empty() ? fs::path(".") : parent, error);
    // Stepped with an error code: a folder that changes while it is listed ends the search
    // instead of throwing.
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::string candidate = it->path().filename().string();
        if (EqualNoCase(candidate, wanted) && IsRegularFile(it->path())) {
            return it->path();
        }
    }
    return std::nullopt;
}

bool FileExists(const fs::path& folder, std::string_view name) {
    return FindFile(folder, name).has_value();
}

std::optional<std::string> ReadFileBytes(const fs::path& folder, std::string_view name) {
    const std::optional<fs::path> path = FindFile(folder, name);
    if (!path) {
        return std::nullopt;
    }
    std::ifstream in(*path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string content;
    char buffer[65536];
    while (content.size() < MaxReadBytes && in) {
        const std::size_t want = std::min(sizeof buffer, MaxReadBytes - content.size());
        in.read(buffer, static_cast<std::streamsize>(want));
        content.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (in.gcount() == 0) {
            break;
        }
    }
    return content;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size; ++i) {
        const char c = text[i];
        if (c == '\n' || c == '\r') {
            lines.emplace_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < size && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < size) {
        lines.emplace_back(text.substr(start));
    }
    return lines;
}

std::optional<std::vector<std::string>> ReadLines(const fs::path& folder, std::string_view name) {
    const std::optional<std::string> bytes = ReadFileBytes(folder, name);
    if (!bytes) {
        return std::nullopt;
    }
    return SplitLines(*bytes);
}

std::vector<std::string> SplitItems(std::string_view text) {
    std::vector<std::string> items;
    std::string item;
    bool quoted = false;
    bool wasQuoted = false;
    auto finish = [&] {
        if (!wasQuoted) {
            const auto notBlank = [](char c) { return c != ' ' && c != '\t'; };
            const auto first = std::find_if(item.begin(), item.end(), notBlank);
            const auto last = std::find_if(item.rbegin(), item.rend(), notBlank).base();
            item = first < last ? std::string(first, last) : std::string();
        }
        items.push_back(std::move(item));
        item.clear();
        wasQuoted = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else {
                item.push_back(c);
            }
            continue;
        }
        if (c == '"' && item.find_first_not_of(" \t") == std::string::npos) {
            item.clear();
            quoted = true;
            wasQuoted = true;
        } else if (c == ',') {
            finish();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            finish();
        } else if (!wasQuoted) {
            item.push_back(c);
        }
    }
    if (!item.empty() || wasQuoted) {
        finish();
    }
    return items;
}

Outcome WriteFileInPlace(const fs::path& folder, std::string_view name, std::string_view content) {
    const auto failed = [&] { return Outcome::Failed(Failure::Kind::Write, std::string(name)); };
    if (name.empty()) {
        return failed();
    }
    // Not emptied first: overwriting and then cutting to length is what an ordinary disk does
    // fastest, and a reader never sees an empty file in between.
    const fs::path target = InFolder(folder, name);
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        return failed();
    }
    bool ok = WriteAll(fd, content) && ::ftruncate(fd, static_cast<off_t>(content.size())) == 0;
    ok = ::close(fd) == 0 && ok;
    return ok ? Outcome() : failed();
}

TextOut& TextOut::Line(std::string_view text) {
    content_.append(text);
    content_.append("\r\n");
    return *this;
}

Outcome TextOut::WriteTo(const fs::path& folder, std::string_view name) const {
    return WriteFileInPlace(folder, name, content_);
}

bool WildcardMatch(std::string_view pattern, std::string_view name) {
    // Iterative match with one back-track point for the last '*': linear in practice, no
    // recursion depth to exhaust.
    std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() &&
            (pattern[p] == '?' || LowerAscii(pattern[p]) == LowerAscii(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

int DeleteMatching(const fs::path& folder, std::string_view pattern) {
    if (pattern.empty() || pattern.find('/') != std::string_view::npos) {
        return 0; // only names inside the folder itself
    }
    std::error_code error;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error);
    std::vector<fs::path> doomed;
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code entryError;
        if (!it->is_regular_file(entryError) || it->is_symlink(entryError)) {
            continue;
        }
        if (WildcardMatch(pattern, it->path().filename().string())) {
            doomed.push_back(it->path());
        }
    }
    int deleted = 0;
    for (const fs::path& path : doomed) {
        if (fs::remove(path, error)) {
            ++deleted;
        }
    }
    return deleted;
}

} // namespace merrowin
