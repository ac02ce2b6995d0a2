#include "message_thread.h"

#include <future>

MessageThread::MessageThread(std::function<void()> setUp, std::function<void()> tearDown) {
    std::promise<DWORD> started;
    auto id = started.get_future();
    thread_ = std::thread([&started, setUp = std::move(setUp), tearDown = std::move(tearDown)] {
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE); // the queue, before anyone posts to it
        setUp();
        started.set_value(GetCurrentThreadId());
        while (GetMessageW(&message, nullptr, 0, 0) > 0)
            DispatchMessageW(&message);
        if (tearDown) tearDown();
    });
    id_ = id.get();
}

MessageThread::~MessageThread() {
    PostThreadMessageW(id_, WM_QUIT, 0, 0);
    thread_.join();
}
