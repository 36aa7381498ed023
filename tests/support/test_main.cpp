// The unit-test programs' entry point: the tests run on a thread of their own, and the process
// ends only after GoogleTest's last thread has ended.
//
// On Windows GoogleTest watches every thread that uses its per-thread state (each SCOPED_TRACE
// does) from a thread of its own, which waits for the watched thread's end and then destroys
// that thread's values. Had the tests run on the main thread, its watcher would still be waiting
// when the program ends, and ExitProcess would have to stop it: the 32-bit Wine now and then
// crashes while it stops a thread blocked in such a wait (the process dies of SIGSEGV after the
// summary was printed), and a passing test would fail. Here the test thread ends first, so its
// watcher wakes, destroys the thread's values (a probe among them tells which thread that is)
// and ends by itself before the process does.
#include <gtest/gtest.h>

#include <windows.h>

#include <thread>

namespace {
// Set by the probe from the watcher thread once it has destroyed the test thread's values.
HANDLE watcherReached = nullptr;
// The watcher thread, duplicated by the probe before it sets watcherReached.
HANDLE watcher = nullptr;

// A per-thread value of the test thread; GoogleTest's watcher destroys it on its own thread.
struct WatcherProbe {
    bool onTestThread = false;
    ~WatcherProbe() {
        if (!onTestThread) {
            return;
        }
        DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &watcher,
                        SYNCHRONIZE, FALSE, 0);
        SetEvent(watcherReached);
    }
};
} // namespace

int main(int argc, char** argv) {
    watcherReached = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    testing::internal::ThreadLocal<WatcherProbe> probe;
    int result = 1;
    std::thread tests([&] {
        probe.pointer()->onTestThread = true; // starts the watcher of this thread
        testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    });
    tests.join();
    WaitForSingleObject(watcherReached, INFINITE);
    WaitForSingleObject(watcher, INFINITE);
    CloseHandle(watcher);
    CloseHandle(watcherReached);
    return result;
}
