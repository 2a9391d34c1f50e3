#include "platform/files.h"

#include "platform/background.h"
#include "platform/errors.h"
#include "platform/page_backed.h"
#include "platform/paths.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <new>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace pw {

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(MapPath(path), ec);
}

std::optional<std::time_t> LastWriteTime(const std::string& path) {
    std::error_code ec;
    const auto written = fs::last_write_time(MapPath(path), ec);
    if (ec) return std::nullopt;
    return std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(
            std::chrono::file_clock::to_sys(written)));
}

FileInput::FileInput(const std::string& path, std::size_t maxBytes) : path_(path) {
    const fs::path native = MapPath(path);
    std::error_code ec;
    const auto size = fs::file_size(native, ec);
    if (ec) throw IoError("Cannot open file \"" + path + "\". " + ec.message() + ".");
    if (size > maxBytes)
        throw FormatError("The file \"" + path + "\" is too large (" + std::to_string(size) +
                          " bytes; at most " + std::to_string(maxBytes) + " are accepted).");
#ifdef _WIN32
    file_ = _wfopen(native.c_str(), L"rb");
#else
    file_ = std::fopen(native.c_str(), "rb");
#endif
    if (!file_) throw IoError("Cannot open file \"" + path + "\".");
    size_ = static_cast<std::size_t>(size);
}

FileInput::~FileInput() { std::fclose(file_); }

bool FileInput::ReadMore(std::string& bytes, std::size_t count) {
    // No more than the size the file was checked at: one that grew meanwhile is read as it was.
    count = std::min(count, size_ - read_);
    if (count == 0) return false;
    const std::size_t had = bytes.size();
    bytes.resize(had + count);
    const std::size_t got = std::fread(bytes.data() + had, 1, count, file_);
    bytes.resize(had + got);
    if (std::ferror(file_)) throw IoError("Read error in file \"" + path_ + "\".");
    // A file that shrank under us is read as far as it goes.
    read_ = got < count ? size_ : read_ + got;
    return got > 0;
}

std::string ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    FileInput in(path, maxBytes);
    std::string bytes;
    // A picture's file can be tens of megabytes: fresh memory, faulted in by the huge page.
    ReserveInHugePages(bytes, in.Size());
    in.ReadMore(bytes, in.Size());
    return bytes;
}

namespace {

// A name for a new temporary file beside the target.
fs::path TemporaryBeside(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path temp = MapPath(path);
    temp += ".tmp~" + std::to_string(stamp % 1000000) + "-" + std::to_string(counter++);
    return temp;
}

// Writes what write makes to a new temporary file beside the target and returns its path;
// nothing is left behind when that fails.
fs::path WriteTemporary(const std::string& path,
                        const std::function<void(const ByteSink&)>& write) {
    const fs::path temp = TemporaryBeside(path);
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) throw IoError("Cannot create file \"" + path + "\".");
    const auto failed = [&] { return IoError("Write error in file \"" + path + "\"."); };
    try {
        write([&](std::string_view piece) {
            out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
            if (!out) throw failed();
        });
        out.flush();
        if (!out) throw failed();
    } catch (...) {
        out.close();
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw;
    }
    return temp;
}

fs::path WriteTemporary(const std::string& path, const std::string& bytes) {
    return WriteTemporary(path, [&](const ByteSink& sink) { sink(bytes); });
}

void Replace(const fs::path& temp, const std::string& path) {
    std::error_code ec;
    fs::rename(temp, MapPath(path), ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw IoError("Cannot create file \"" + path + "\". " + ec.message() + ".");
    }
}

} // namespace

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
    Replace(WriteTemporary(path, bytes), path);
}

void WriteFileWithBackup(const std::string& path, const std::string& backupPath,
                         const std::function<void(const ByteSink&)>& write) {
    const fs::path temp = WriteTemporary(path, write);
    const fs::path target = MapPath(path), backup = MapPath(backupPath);
    std::error_code ignored;
    if (fs::is_regular_file(backup, ignored)) fs::remove(backup, ignored);
    if (fs::exists(target, ignored)) fs::rename(target, backup, ignored);
    Replace(temp, path);
}

void WriteFileStraight(const std::string& path, const std::string& bytes) {
    const auto failed = [&](const std::string& what, std::FILE* file) {
        const std::error_code ec(errno, std::generic_category());
        if (file) std::fclose(file);
        return IoError(what + " \"" + path + "\". " + ec.message() + ".");
    };
    errno = 0;
#ifdef _WIN32
    std::FILE* file = _wfopen(MapPath(path).c_str(), L"wb");
#else
    std::FILE* file = std::fopen(MapPath(path).c_str(), "wb");
#endif
    if (!file) throw failed("Cannot create file", nullptr);
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fflush(file) != 0)
        throw failed("Write error in file", file);
    if (std::fclose(file) != 0) throw failed("Write error in file", nullptr);
}

void FlushFolderToDisk(const std::string& folder) {
    const auto failed = [&] {
        const std::error_code ec(errno, std::generic_category());
        return IoError("Cannot flush the files of \"" + folder + "\" to the disk. " + ec.message() +
                       ".");
    };
#ifdef _WIN32
    for (const auto& entry : fs::directory_iterator(MapPath(folder))) {
        if (!entry.is_regular_file()) continue;
        std::FILE* file = _wfopen(entry.path().c_str(), L"r+b");
        if (!file) throw failed();
        const bool synced = _commit(_fileno(file)) == 0;
        std::fclose(file);
        if (!synced) throw failed();
    }
#else
    // The data of every file, and the folder that names them. Write-back of every file is
    // started first; then all the waits are made at once, a few threads each taking its
    // share, as each wait ends with the disk's cache being flushed and the disk joins flushes
    // asked for together: one or two flushes for the folder instead of one per file. The
    // waiters are threads kept for such work (RunInBackground): a thread made for each wait
    // took more processor time from the checks the deployment makes meanwhile than the
    // joined flushes saved.
    std::atomic<int> error{0}; // the system's reason for a failure, from whichever thread
    std::vector<int> fds;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(MapPath(folder), ec)) {
        if (!entry.is_regular_file(ec)) continue;
        const int fd = open(entry.path().c_str(), O_RDONLY);
        if (fd < 0) {
            error = errno;
            continue;
        }
#ifdef __linux__
        sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
        fds.push_back(fd);
    }
    if (ec) error = ec.value();
    const int dir = open(MapPath(folder).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0)
        fds.push_back(dir);
    else
        error = errno;
    constexpr std::size_t kMaxWaiters = 16;
    ShareOut(fds.size(), kMaxWaiters, [&](std::size_t, std::size_t i) {
        if ((fds[i] == dir ? fsync(fds[i]) : fdatasync(fds[i])) != 0) error = errno;
    });
    for (const int fd : fds) close(fd);
    if (error != 0) {
        errno = error;
        throw failed();
    }
#endif
}

void RenamePath(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::rename(MapPath(from), MapPath(to), ec);
    if (ec)
        throw IoError("Cannot rename \"" + from + "\" to \"" + to + "\". " + ec.message() + ".");
}

void EraseFile(const std::string& path) {
    std::error_code ec;
    fs::remove(MapPath(path), ec);
    if (ec) throw IoError("Cannot delete file \"" + path + "\". " + ec.message() + ".");
}

void CreateFolders(const std::string& path) {
    std::error_code ec;
    fs::create_directories(MapPath(path), ec);
    if (ec) throw IoError("Cannot create folder \"" + path + "\". " + ec.message() + ".");
}

} // namespace pw
