#pragma once
// Work run on threads kept for such work. A thread made for each piece of work costs more
// than most of the pieces a deployment hands over (tens of microseconds on some systems);
// kept, the threads of one deployment serve the next.

#include <cstddef>
#include <functional>
#include <future>

namespace pw {

// Runs the work on a kept thread, or on a new one while all are busy; on this thread when the
// system has no thread to spare. The future is ready when the work has ended and gives what it
// threw. Unlike one from std::async it does not wait when it goes: whoever hands over work
// that uses its own objects waits for it first.
std::future<void> RunInBackground(std::function<void()> work);

// Where ShareOut's other lanes run: on kept threads, or each on a thread that ends with it,
// for work that leaves something with its thread that must go with it (Qt keeps fonts for
// each thread that draws text, and frees them only when the thread ends).
enum class LaneThreads { Kept, OwnEach };

// Does work(lane, item) for every item below count, in lanes that each take the next item
// left when they end one: lane 0 on this thread, the others on threads as told. Returns once
// every item has ended; work must not throw.
void ShareOut(std::size_t count, std::size_t lanes,
              const std::function<void(std::size_t lane, std::size_t item)>& work,
              LaneThreads threads = LaneThreads::Kept);

} // namespace pw
