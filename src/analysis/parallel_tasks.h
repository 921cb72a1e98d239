#pragma once

// Work shared among the cores: tasks 0..count − 1 are taken in turn by the calling thread and
// one helper thread per further core. Each task must write only what is its own (the blocks of
// its ritti, the rows of its storeys), so the results are those of one thread doing the tasks
// in order, bit for bit. When no helper thread can be started, the calling thread does it all.

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace orvanta {

// The threads worth starting for `count` tasks: one per core, no more than the tasks.
inline int threadsFor(int count) {
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    return std::clamp(count, 1, cores);
}

template <class Task> void runOnAllCores(int count, const Task& task) {
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int k = next.fetch_add(1); k < count; k = next.fetch_add(1))
            task(k);
    };
    std::vector<std::jthread> helpers;
    for (int t = 1; t < threadsFor(count); ++t) {
        try {
            helpers.emplace_back(work);
        } catch (const std::system_error&) {
            break;
        }
    }
    work();
} // the helpers are joined as they go out of scope

} // namespace orvanta
