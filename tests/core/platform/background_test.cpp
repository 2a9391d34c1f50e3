// Work handed over together runs together, on threads that serve the next work too, and what
// it throws reaches whoever waits for it; work shared out is done once, item by item.

#include "platform/background.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

namespace pw {
namespace {

TEST(Background, WorkHandedOverTogetherRunsTogetherAndTellsWhatItThrew) {
    // Each piece waits until all have started, as the waits for a disk's flush must: run one
    // after another, they would give up. Each round hands over more than the threads kept.
    for (const int pieceCount : {2, 4, 8, 16}) {
        std::mutex mutex;
        std::condition_variable started;
        int running = 0;
        std::vector<std::future<void>> pieces;
        for (int i = 0; i < pieceCount; ++i)
            pieces.push_back(RunInBackground([&] {
                std::unique_lock lock(mutex);
                ++running;
                started.notify_all();
                if (!started.wait_for(lock, std::chrono::seconds(10),
                                      [&] { return running == pieceCount; }))
                    throw std::runtime_error("ran alone");
            }));
        for (std::future<void>& piece : pieces) EXPECT_NO_THROW(piece.get()) << pieceCount;
    }
    std::future<void> failing = RunInBackground([] { throw std::runtime_error("disk gone"); });
    try {
        failing.get();
        ADD_FAILURE() << "nothing thrown";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "disk gone");
    }
}

TEST(Background, SharedOutEveryItemIsDoneOnceAndLaneZeroIsThisThread) {
    for (const LaneThreads threads : {LaneThreads::Kept, LaneThreads::OwnEach})
        for (const std::size_t count : {0u, 1u, 7u, 40u})
            for (const std::size_t lanes : {1u, 3u, 64u}) {
                std::vector<std::atomic<int>> done(count);
                std::atomic<bool> strayLane{false}, laneZeroElsewhere{false};
                const auto here = std::this_thread::get_id();
                ShareOut(
                    count, lanes,
                    [&](std::size_t lane, std::size_t item) {
                        if (lane >= lanes) strayLane = true;
                        if (lane == 0 && std::this_thread::get_id() != here)
                            laneZeroElsewhere = true;
                        ++done[item];
                    },
                    threads);
                for (std::size_t i = 0; i < count; ++i) EXPECT_EQ(done[i], 1) << count << " " << i;
                EXPECT_FALSE(strayLane);
                EXPECT_FALSE(laneZeroElsewhere);
            }
}

} // namespace
} // namespace pw
