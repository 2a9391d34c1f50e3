#pragma once
// How a long operation (reading a bitmap, generating a job's fonts, deploying files) shows
// that it is under way. The default shows nothing.

#include <string>

namespace pw {

class Progress {
public:
    virtual ~Progress() = default;
    // The operation starts; what names it ("Reading C:\KVP\Work\logo.bmp").
    virtual void Begin(const std::string& /*what*/) {}
    // done of total steps are behind; text says where ("Row 10 of 480").
    virtual void Step(long /*done*/, long /*total*/, const std::string& /*text*/) {}
    // The operation is over, whether it succeeded or not.
    virtual void End() {}
};

// A Progress that shows nothing.
inline Progress& NoProgress() {
    static Progress none;
    return none;
}

// Begin at construction, End when the scope is left, also through an exception.
class ProgressScope {
public:
    ProgressScope(Progress& progress, const std::string& what) : progress_(progress) {
        progress_.Begin(what);
    }
    ~ProgressScope() { progress_.End(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

private:
    Progress& progress_;
};

// The steps of an operation whose number is known at the start, each shown as it begins.
class ProgressSteps {
public:
    ProgressSteps(Progress& progress, long total) : progress_(progress), total_(total) {}
    // The next step begins; text says what it does.
    void Next(const std::string& text) { progress_.Step(done_++, total_, text); }

private:
    Progress& progress_;
    long total_;
    long done_ = 0;
};

} // namespace pw
