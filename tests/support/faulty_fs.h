#pragma once
// A DeployFs on the real disk that can be told to fail at the k-th write or at the k-th byte
// written (as a full disk does, after writing what fitted), to fail while the disk is waited
// for (the failure arriving later, as a flush's does), to stop for good after the k-th
// change (as a crash does: nothing runs after it), or to read a file back with a byte flipped.

#include "generate/deploy_fs.h"
#include "platform/errors.h"
#include "platform/paths.h"

#include <fstream>

#include <string>

namespace pw {

struct Stopped {}; // not an Error: nothing in the program may act on it

class FaultyFs : public DeployFs {
public:
    long failAtWrite = 0;   // 1-based; 0 never
    long failAtByte = -1;   // 0-based over all bytes written; -1 never
    long stopAfter = -1;    // changes allowed before the stop; -1 never
    bool failFlush = false;
    std::string flipOnRead; // a file name whose first byte reads back changed

    long writes = 0, bytes = 0, changes = 0; // what happened so far

    void MakeFolder(const std::string& path) override {
        Change();
        DiskFs().MakeFolder(path);
    }
    void WriteFile(const std::string& path, const std::string& data) override {
        Change();
        if (++writes == failAtWrite) throw IoError("Cannot create file \"" + path + "\".");
        if (failAtByte >= bytes && failAtByte < bytes + static_cast<long>(data.size())) {
            Write(path, data.substr(0, static_cast<std::size_t>(failAtByte - bytes)));
            throw IoError("Write error in file \"" + path + "\". No space left on device.");
        }
        bytes += static_cast<long>(data.size());
        Write(path, data);
    }
    std::future<void> Flush(const std::string&) override { // the tests need not wait for it
        Change();
        std::promise<void> done;
        if (failFlush)
            done.set_exception(std::make_exception_ptr(IoError("Input/output error.")));
        else
            done.set_value();
        return done.get_future();
    }
    void Rename(const std::string& from, const std::string& to) override {
        Change();
        DiskFs().Rename(from, to);
    }
    void RemoveFile(const std::string& path) override {
        Change();
        DiskFs().RemoveFile(path);
    }
    void RemoveTree(const std::string& path) override {
        Change();
        DiskFs().RemoveTree(path);
    }
    void RemoveEmptyFolder(const std::string& path) override {
        Change();
        DiskFs().RemoveEmptyFolder(path);
    }
    std::string ReadFile(const std::string& path, std::size_t maxBytes) override {
        if (stopAfter >= 0 && changes > stopAfter) throw Stopped{};
        std::string data = DiskFs().ReadFile(path, maxBytes);
        if (!flipOnRead.empty() && path.ends_with("\\" + flipOnRead) && !data.empty())
            data[0] = static_cast<char>(data[0] ^ 1);
        return data;
    }

private:
    static void Write(const std::string& path, const std::string& data) {
        std::ofstream out(MapPath(path), std::ios::binary | std::ios::trunc);
        out << data;
        if (!out.flush()) throw IoError("Cannot create file \"" + path + "\".");
    }

    void Change() {
        if (stopAfter >= 0 && changes >= stopAfter) {
            changes = stopAfter + 1; // dead: every later call stops too
            throw Stopped{};
        }
        ++changes;
    }
};

} // namespace pw
