#include "cSolveService.h"

#include <QMetaObject>

#include <algorithm>

#ifdef __linux__
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace tabloo {

void cSolveService::cJob::Post(std::function<void()> step) {
    if (Cancelled())
        return;
    // The service outlives every call of this: it joins its workers before it goes.
    QMetaObject::invokeMethod(
        Service,
        [job = shared_from_this(), step = std::move(step)] {
            if (!job->Cancelled())
                step();
        },
        Qt::QueuedConnection);
}

cSolveService::cSolveService(int workers, QObject *parent) : QObject(parent) {
    for (int i = 0; i < std::max(1, workers); ++i)
        Workers.emplace_back([this] { WorkerLoop(); });
}

cSolveService::~cSolveService() {
    CancelAll();
    {
        std::lock_guard<std::mutex> hold(Lock);
        Ending = true;
    }
    Wake.notify_all();
    for (std::thread &w : Workers)
        w.join();
}

cSolveService::Ticket cSolveService::Run(std::function<void(cJob &)> work, bool urgent) {
    auto job = std::make_shared<cJob>();
    job->Work = std::move(work);
    job->Service = this;
    {
        std::lock_guard<std::mutex> hold(Lock);
        if (urgent)
            Queue.push_front(job);
        else
            Queue.push_back(job);
    }
    Wake.notify_one();
    return job;
}

void cSolveService::Cancel(Ticket &ticket) {
    if (ticket)
        ticket->Stop = true;
    ticket.reset();
}

void cSolveService::CancelAll() {
    std::lock_guard<std::mutex> hold(Lock);
    for (Ticket &t : Queue)
        t->Stop = true;
    for (Ticket &t : Running)
        t->Stop = true;
    Queue.clear();
}

void cSolveService::WorkerLoop() {
#ifdef __linux__
    // Solving gives way to the window: cards keep travelling smoothly while a search runs.
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
#endif
    for (;;) {
        Ticket job;
        {
            std::unique_lock<std::mutex> hold(Lock);
            Wake.wait(hold, [this] { return Ending || !Queue.empty(); });
            if (Ending)
                return;
            job = Queue.front();
            Queue.pop_front();
            if (job->Cancelled())
                continue;
            Running.push_back(job);
        }
        job->Work(*job);
        // The work and what it held go here, on the worker, not on the window's thread.
        job->Work = nullptr;
        std::lock_guard<std::mutex> hold(Lock);
        Running.erase(std::find(Running.begin(), Running.end(), job));
    }
}

} // namespace tabloo
