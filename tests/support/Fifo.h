#pragma once
// FIFOs for the tests that files which are not regular files are refused without blocking.
#include <chrono>
#include <future>
#include <string>

#include <gtest/gtest.h>

// Makes a FIFO at `path`; false when the system refuses.
bool MakeFifo(const std::string& path);

// Opens the FIFO for writing and closes it again, so a reader blocked on it returns.
void ReleaseFifoReaders(const std::string& path);

// Runs `call` and fails the test when it has not returned within two seconds (a reader stuck on
// the FIFO is then released, so the test ends instead of hanging).
template <typename Call>
auto ReturnsWithoutBlocking(const std::string& fifo, Call call) {
    auto result = std::async(std::launch::async, call);
    if (result.wait_for(std::chrono::seconds(2)) != std::future_status::ready) {
        ADD_FAILURE() << "blocked on the FIFO " << fifo;
        while (result.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) ReleaseFifoReaders(fifo);
    }
    return result.get();
}
