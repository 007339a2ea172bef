// Solving in the background: a few worker threads that run jobs on copies of positions and
// hand their results back to the window's thread. A job polls its cancel flag; a result of
// a job cancelled before it arrives is dropped. Ending the service cancels every job and
// lets the workers go at once (a search notices within a fraction of a millisecond).
#pragma once

#include <QObject>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace tabloo {

class cSolveService : public QObject {
    Q_OBJECT
public:
    class cJob;
    using Ticket = std::shared_ptr<cJob>;

    // What a job sees while it runs on a worker.
    class cJob : public std::enable_shared_from_this<cJob> {
    public:
        bool Cancelled() const { return Stop.load(std::memory_order_relaxed); }
        // The flag a search polls.
        const std::atomic<bool> &CancelFlag() const { return Stop; }
        // Runs `step` on the window's thread, unless the job is cancelled before it gets there.
        void Post(std::function<void()> step);

    private:
        friend class cSolveService;
        std::atomic<bool> Stop{false};
        std::function<void(cJob &)> Work;
        cSolveService *Service = nullptr;
    };

    explicit cSolveService(int workers = 2, QObject *parent = nullptr);
    ~cSolveService() override;

    // Queues `work`: urgent jobs (the position on the table) go before the others.
    Ticket Run(std::function<void(cJob &)> work, bool urgent = true);
    // Cancels the job (queued or running) and forgets the ticket.
    static void Cancel(Ticket &ticket);
    // Cancels every job; nothing they would still hand back arrives.
    void CancelAll();

private:
    void WorkerLoop();

    std::mutex Lock;
    std::condition_variable Wake;
    std::deque<Ticket> Queue;
    std::vector<Ticket> Running;
    bool Ending = false;
    std::vector<std::thread> Workers;
};

} // namespace tabloo
