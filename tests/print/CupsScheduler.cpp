#include "CupsScheduler.h"

#include <QProcess>
#include <QString>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <cups/cups.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "ToolRun.h"

extern char** environ;

namespace {

constexpr const char* kCupsd = "/usr/sbin/cupsd";
constexpr const char* kPdfDriver = "/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd";
constexpr auto kPoll = std::chrono::milliseconds(50);

bool Exists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

struct ShellRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The print system's command-line clients, which find the scheduler through CUPS_SERVER.
ShellRun Shell(const std::string& command) {
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QString::fromStdString(command)});
    ShellRun run;
    if (!shell.waitForFinished(30000)) return run;
    run.exitCode = shell.exitStatus() == QProcess::NormalExit ? shell.exitCode() : -1;
    run.out = shell.readAllStandardOutput();
    run.err = shell.readAllStandardError();
    return run;
}

}  // namespace

CupsScheduler::CupsScheduler() : socket_(dir_.File("cups.sock")), output_(dir_.File("out.pdf")) {
    // The scheduler runs the job's filters as its own user, who must reach the folder.
    chmod(dir_.Path().c_str(), 0755);
    setenv("CUPS_SERVER", socket_.c_str(), 1);
    if (Start()) AddQueue();
}

CupsScheduler::~CupsScheduler() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}

bool CupsScheduler::Start() {
    if (!Exists(kCupsd)) {
        error_ = std::string(kCupsd) + " is not installed (package cups)";
        return false;
    }
    for (const char* sub : {"spool", "tmp", "cache", "state", "log"}) mkdir(dir_.File(sub).c_str(), 0755);
    const std::string& d = dir_.Path();
    WriteWholeFile(dir_.File("cupsd.conf"), "Listen " + socket_ +
                                                "\nWebInterface No\nBrowsing No\nLogLevel warn\nPreserveJobFiles Yes\n"
                                                "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                                "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n"
                                                // Any local user may add the queue, not only root.
                                                "DefaultPolicy open\n<Policy open>\n  <Limit All>\n"
                                                "    Order deny,allow\n  </Limit>\n</Policy>\n");
    WriteWholeFile(dir_.File("cups-files.conf"),
                   "ServerRoot " + d + "\nRequestRoot " + d + "/spool\nTempDir " + d + "/tmp\nCacheDir " + d +
                       "/cache\nStateDir " + d + "/state\nAccessLog " + d + "/log/access_log\nErrorLog " + d +
                       "/log/error_log\nPageLog " + d + "/log/page_log\nFileDevice Yes\nSandboxing Relaxed\n");
    const std::string conf = dir_.File("cupsd.conf");
    const std::string files = dir_.File("cups-files.conf");
    const char* argv[] = {kCupsd, "-c", conf.c_str(), "-s", files.c_str(), "-f", nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, kCupsd, nullptr, nullptr, const_cast<char**>(argv), environ) != 0) {
        error_ = "cupsd could not be run";
        return false;
    }
    pid_ = pid;
    for (auto waited = std::chrono::milliseconds(0); waited < std::chrono::seconds(10); waited += kPoll) {
        if (Exists(socket_)) return true;
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) break;  // it gave up: configuration or rights
        std::this_thread::sleep_for(kPoll);
    }
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
    error_ = "cupsd did not start (see " + dir_.File("log/error_log") + ")";
    return false;
}

bool CupsScheduler::AddQueue() {
    const ShellRun add = Shell(std::string("lpadmin -p ") + kQueue + " -E -v " + ShellQuoted("file://" + output_) +
                              " -P " + kPdfDriver + " && lpadmin -d " + kQueue);
    if (add.exitCode != 0) error_ = "lpadmin failed: " + add.err.toStdString();
    return add.exitCode == 0;
}

bool CupsScheduler::WaitUntilIdle(int timeoutMs) const {
    for (int waited = 0; waited < timeoutMs; waited += static_cast<int>(kPoll.count())) {
        const ShellRun jobs = Shell(std::string("lpstat -o ") + kQueue);
        if (jobs.exitCode == 0 && jobs.out.trimmed().isEmpty() && Exists(output_)) return true;
        std::this_thread::sleep_for(kPoll);
    }
    return false;
}

std::string CupsScheduler::AddGutenprintQueue(const std::string& name, const std::string& model) {
    const std::string driver = "/usr/lib/cups/driver/gutenprint.5.3";
    if (!Exists(driver)) return driver + " is not installed (package printer-driver-gutenprint)";
    const std::string ppd = dir_.File(model + ".ppd");
    const ShellRun add = Shell(driver + " cat gutenprint.5.3://" + model + "/expert > " + ShellQuoted(ppd) +
                               " && lpadmin -p " + name + " -E -v file:///dev/null -P " + ShellQuoted(ppd) +
                               " && cupsdisable " + name);
    return add.exitCode == 0 ? std::string() : "adding " + model + " failed: " + add.err.toStdString();
}

int CupsScheduler::LastJob(const std::string& queue) const {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs(&jobs, queue.c_str(), 0, CUPS_WHICHJOBS_ALL);
    int last = 0;
    for (int i = 0; i < count; ++i) last = std::max(last, jobs[i].id);
    cupsFreeJobs(count, jobs);
    return last;
}

std::string CupsScheduler::JobDocument(int job) const {
    char name[32];
    std::snprintf(name, sizeof name, "spool/d%05d-001", job);
    return dir_.File(name);
}

std::map<std::string, std::string> CupsScheduler::JobAttributes(int job) const {
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    const std::string uri = "ipp://localhost/jobs/" + std::to_string(job);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "all");
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    std::map<std::string, std::string> attributes;
    for (ipp_attribute_t* a = ippFirstAttribute(response); a; a = ippNextAttribute(response)) {
        if (!ippGetName(a)) continue;
        char value[256];
        ippAttributeString(a, value, sizeof value);
        attributes[ippGetName(a)] = value;
    }
    ippDelete(response);
    return attributes;
}
