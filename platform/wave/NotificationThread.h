#pragma once
// One thread that runs posted tasks one after another, in the order they were posted. The wave
// output delivers its notifications on it, so that they never run on the caller's thread and
// never overtake each other.
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class NotificationThread {
public:
    NotificationThread();
    // Runs the tasks still queued, then joins the thread.
    ~NotificationThread();
    NotificationThread(const NotificationThread&) = delete;
    NotificationThread& operator=(const NotificationThread&) = delete;

    void Post(std::function<void()> task);
    // Returns once `task` has run. Called on the thread itself it runs `task` at once, so a task
    // that posts and waits cannot deadlock.
    void PostAndWait(std::function<void()> task);
    bool IsCurrent() const { return std::this_thread::get_id() == m_thread.get_id(); }

private:
    void Run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_tasks;
    bool m_stopping = false;
    std::thread m_thread;
};
