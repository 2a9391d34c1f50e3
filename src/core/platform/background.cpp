#include "platform/background.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

namespace pw {

namespace {

class Workers {
public:
    std::future<void> Run(std::function<void()> work) {
        std::packaged_task<void()> task(std::move(work));
        std::future<void> done = task.get_future();
        std::unique_lock lock(mutex_);
        if (stopping_) {
            // The program is ending: work that hands over more work has it done here.
            lock.unlock();
            task();
            return done;
        }
        queue_.push_back(std::move(task));
        // Each idle thread takes one piece of the work waiting.
        if (static_cast<std::size_t>(idle_) >= queue_.size()) {
            lock.unlock();
            wake_.notify_one();
            return done;
        }
        try {
            threads_.emplace_back([this] { Serve(); });
        } catch (const std::system_error&) {
            // No thread to spare: the work is done here.
            std::packaged_task<void()> mine = std::move(queue_.back());
            queue_.pop_back();
            lock.unlock();
            mine();
        }
        return done;
    }

    // The work handed over is done before the program's other objects go.
    ~Workers() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        for (std::thread& thread : threads_) thread.join();
    }

private:
    void Serve() {
        std::unique_lock lock(mutex_);
        for (;;) {
            ++idle_;
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            --idle_;
            if (queue_.empty()) return; // stopping, with nothing left to do
            std::packaged_task<void()> task = std::move(queue_.front());
            queue_.pop_front();
            lock.unlock();
            task();
            lock.lock();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::packaged_task<void()>> queue_;
    std::vector<std::thread> threads_;
    int idle_ = 0;
    bool stopping_ = false;
};

} // namespace

std::future<void> RunInBackground(std::function<void()> work) {
    static Workers workers;
    return workers.Run(std::move(work));
}

namespace {

// Runs the work on a thread made for it. The future is ready when the work has ended; what
// the thread leaves to its end (the fonts Qt keeps for it) is done after that, and a kept
// thread waits for it, so that the caller does not.
std::future<void> RunOnThreadOfItsOwn(std::function<void()> work) {
    std::packaged_task<void()> task(std::move(work));
    std::future<void> done = task.get_future();
    auto thread = std::make_shared<std::thread>(std::move(task));
    try {
        RunInBackground([thread] { thread->join(); });
    } catch (...) {
        thread->join();
        throw;
    }
    return done;
}

} // namespace

void ShareOut(std::size_t count, std::size_t lanes,
              const std::function<void(std::size_t lane, std::size_t item)>& work,
              LaneThreads threads) {
    std::atomic<std::size_t> next{0};
    const auto lane = [&](std::size_t l) {
        for (std::size_t item; (item = next.fetch_add(1)) < count;) work(l, item);
    };
    // The other lanes use this frame's objects: they end before it goes, however it goes.
    struct AwaitLanes {
        std::vector<std::future<void>> lanes;
        ~AwaitLanes() {
            for (auto& other : lanes)
                if (other.valid()) other.wait();
        }
    } others;
    try {
        for (std::size_t l = 1; l < lanes && l < count; ++l)
            others.lanes.push_back(threads == LaneThreads::Kept
                                       ? RunInBackground([&lane, l] { lane(l); })
                                       : RunOnThreadOfItsOwn([&lane, l] { lane(l); }));
    } catch (const std::bad_alloc&) {
        // No memory to hand a lane over: the lanes there are take the items it would have.
    } catch (const std::system_error&) {
        // No thread to spare: the same.
    }
    lane(0);
    for (auto& other : others.lanes) other.get();
}

} // namespace pw
