#pragma once
// Runs work(i) for i in 0..count-1 on a few threads; the first failure is rethrown afterwards.
#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

template <typename TWork> void ParallelFor(int count, int threads, TWork work) {
    std::atomic<int> next{0};
    std::exception_ptr failure;
    std::mutex failureLock;
    auto worker = [&] {
        for (int i = next++; i < count; i = next++) {
            try {
                work(i);
            } catch (...) {
                const std::lock_guard lock(failureLock);
                if (!failure) failure = std::current_exception();
            }
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < std::min(threads, count); ++t) pool.emplace_back(worker);
    worker();
    for (std::thread& thread : pool) thread.join();
    if (failure) std::rethrow_exception(failure);
}
