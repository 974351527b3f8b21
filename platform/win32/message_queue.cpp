// Posting, sending, retrieving and dispatching window messages.
#include <SDL.h>

#include <condition_variable>
#include <deque>
#include <memory>

#include "message_queue.h"
#include "window_registry.h"

namespace platform {

namespace {

struct SentMessage {
    MSG msg{};
    LRESULT result = 0;
    bool done = false;
};

struct MessageQueue {
    std::mutex mutex;
    std::condition_variable handled;
    std::deque<MSG> posted;
    std::deque<std::shared_ptr<SentMessage>> sent;
    bool quitPending = false;
    int quitCode = 0;
};

MessageQueue& Queue()
{
    static MessageQueue queue;
    return queue;
}

bool Matches(const MSG& msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    if (hwnd && msg.hwnd != hwnd)
        return false;
    if (filterMin == 0 && filterMax == 0)
        return true;
    return msg.message >= filterMin && msg.message <= filterMax;
}

LRESULT CallWindow(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC proc = nullptr;
    {
        auto& registry = Registry();
        std::lock_guard<std::recursive_mutex> lock(registry.mutex);
        if (LiveWindow(hwnd))
            proc = hwnd->proc;
    }
    return proc ? proc(hwnd, message, wParam, lParam) : 0;
}

// Handles the messages other threads sent to this thread's windows.
void HandleSentMessages()
{
    auto& queue = Queue();
    for (;;) {
        std::shared_ptr<SentMessage> item;
        {
            std::lock_guard<std::mutex> lock(queue.mutex);
            if (queue.sent.empty())
                return;
            item = queue.sent.front();
            queue.sent.pop_front();
        }
        const LRESULT result = CallWindow(item->msg.hwnd, item->msg.message, item->msg.wParam, item->msg.lParam);
        std::lock_guard<std::mutex> lock(queue.mutex);
        item->result = result;
        item->done = true;
        queue.handled.notify_all();
    }
}

bool IsPumpThread(HWND hwnd)
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    return LiveWindow(hwnd) && hwnd->owner == std::this_thread::get_id();
}

void WakePump()
{
    if (SDL_WasInit(SDL_INIT_EVENTS)) {
        SDL_Event wake{};
        wake.type = SDL_USEREVENT;
        SDL_PushEvent(&wake);
    }
}

}  // namespace

void EnqueueMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG msg{};
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = timeGetTime();
    auto& queue = Queue();
    std::lock_guard<std::mutex> lock(queue.mutex);
    queue.posted.push_back(msg);
}

}  // namespace platform

using namespace platform;

BOOL PeekMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeMsg)
{
    if (!msg)
        return FALSE;
    PumpSdlEvents();
    HandleSentMessages();
    auto& queue = Queue();
    std::lock_guard<std::mutex> lock(queue.mutex);
    for (auto it = queue.posted.begin(); it != queue.posted.end(); ++it) {
        if (!Matches(*it, hwnd, filterMin, filterMax))
            continue;
        *msg = *it;
        if (removeMsg & PM_REMOVE)
            queue.posted.erase(it);
        return TRUE;
    }
    // WM_QUIT comes once the queue holds nothing else that was asked for.
    if (queue.quitPending && (filterMin == 0 || (WM_QUIT >= filterMin && WM_QUIT <= filterMax))) {
        *msg = MSG{};
        msg->message = WM_QUIT;
        msg->wParam = static_cast<WPARAM>(queue.quitCode);
        msg->time = timeGetTime();
        if (removeMsg & PM_REMOVE)
            queue.quitPending = false;
        return TRUE;
    }
    return FALSE;
}

BOOL GetMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    while (!PeekMessageA(msg, hwnd, filterMin, filterMax, PM_REMOVE)) {
        if (SDL_WasInit(SDL_INIT_EVENTS))
            SDL_WaitEventTimeout(nullptr, 10);
        else
            Sleep(1);
    }
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL TranslateMessage(const MSG* msg)
{
    return msg && (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP || msg->message == WM_SYSKEYDOWN ||
                   msg->message == WM_SYSKEYUP)
               ? TRUE
               : FALSE;
}

LRESULT DispatchMessageA(const MSG* msg)
{
    if (!msg || !msg->hwnd)
        return 0;
    return CallWindow(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (hwnd && !LiveWindow(hwnd)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    EnqueueMessage(hwnd, message, wParam, lParam);
    WakePump();
    return TRUE;
}

LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!LiveWindow(hwnd))
        return 0;
    if (IsPumpThread(hwnd))
        return CallWindow(hwnd, message, wParam, lParam);
    // From another thread the window's own thread handles the message while the sender waits.
    auto item = std::make_shared<SentMessage>();
    item->msg.hwnd = hwnd;
    item->msg.message = message;
    item->msg.wParam = wParam;
    item->msg.lParam = lParam;
    auto& queue = Queue();
    std::unique_lock<std::mutex> lock(queue.mutex);
    queue.sent.push_back(item);
    WakePump();
    while (!item->done) {
        queue.handled.wait_for(lock, std::chrono::milliseconds(20));
        if (!item->done && !LiveWindow(hwnd))
            return 0;  // the window went away before its thread got to the message
    }
    return item->result;
}

LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE)
            SendMessageA(hwnd, WM_CLOSE, 0, 0);
        return 0;
    case WM_PAINT:
        ValidateRect(hwnd, nullptr);
        return 0;
    default:
        return 0;
    }
}

void PostQuitMessage(int exitCode)
{
    auto& queue = Queue();
    std::lock_guard<std::mutex> lock(queue.mutex);
    queue.quitPending = true;
    queue.quitCode = exitCode;
}
