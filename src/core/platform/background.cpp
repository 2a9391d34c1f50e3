#include "platform/background.h"

#include <condition_variable>
#include <deque>
#include <mutex>
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

} // namespace pw
