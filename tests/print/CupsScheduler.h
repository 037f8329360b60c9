#pragma once
// A private CUPS scheduler for one test program: its own configuration, spool and socket in a
// temporary folder, and one queue whose output is a PDF file there (the generic PDF driver of
// cups-filters behind a file: device). Print system clients of the process are pointed at it.
#include <map>
#include <string>
#include <sys/types.h>

#include "TempDir.h"

class CupsScheduler {
public:
    static constexpr const char* kQueue = "QuilloraTestPdf";

    // Starts the scheduler and adds the queue as the default printer; see error() on failure.
    CupsScheduler();
    // Stops the scheduler it started.
    ~CupsScheduler();
    CupsScheduler(const CupsScheduler&) = delete;
    CupsScheduler& operator=(const CupsScheduler&) = delete;

    // False when the scheduler itself could not start: printing cannot be tested here.
    bool Started() const { return pid_ > 0; }
    // Empty when the scheduler and the queue are ready.
    const std::string& Error() const { return error_; }
    const std::string& Output() const { return output_; }
    const std::string& Folder() const { return dir_.Path(); }

    // Waits until the queue has no job left; false after `timeoutMs`.
    bool WaitUntilIdle(int timeoutMs) const;

    // Adds a stopped queue from a Gutenprint expert PPD ("escp2-xp960"): its jobs stay in the
    // spool as submitted. Empty, or why it could not.
    std::string AddGutenprintQueue(const std::string& name, const std::string& model);
    // The queue's newest job, 0 without one.
    int LastJob(const std::string& queue) const;
    // The job's document as submitted, and its attributes (the options among them) as text.
    std::string JobDocument(int job) const;
    std::map<std::string, std::string> JobAttributes(int job) const;

private:
    bool Start();
    bool AddQueue();

    TempDir dir_;
    std::string socket_;
    std::string output_;
    pid_t pid_ = -1;
    std::string error_;
};
