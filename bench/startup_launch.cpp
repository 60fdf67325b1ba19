// Starts programs again and again and reports the median of what their start-up trace says,
// with their peak memory. Used by bench/startup.
//
//   startup_launch --runs N [--warmup W] [--prefix P] [--verbose]
//                  --program NAME KEY COMMAND [ARGS...] [--program ...]
//
// Each run starts every program once, the order rotating from run to run so that none always
// goes first. A program runs until it prints "memoquill-trace: KEY=..." on stderr; then its
// resident memory is read from /proc and it is killed. Its peak resident memory comes from
// wait4().
//
// Time since launch: just before exec the child reads CLOCK_MONOTONIC and passes it in
// MEMOQUILL_TRACE_STARTUP (nanoseconds); the program subtracts it from the same clock when it
// traces. So every program's figure covers exec, the dynamic loader, static initialisers, Qt's
// start-up and its own, measured the same way, with no tick rounding.
//
// Prints "P/NAME/KEY <tab> median <tab> unit" lines on stdout, for every trace key and for
// peak-rss-kb and rss-kb; a readable summary goes to stderr.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Program
{
    std::string name;
    std::string key;
    std::vector<std::string> command;
    std::map<std::string, std::vector<double>> values;
};

[[noreturn]] void usage()
{
    std::fputs("usage: startup_launch --runs N [--warmup W] [--prefix P] [--verbose]\n"
               "                      --program NAME KEY COMMAND [ARGS...] [--program ...]\n",
               stderr);
    std::exit(2);
}

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// VmRSS or VmHWM of a live process, in kB; -1 when unknown.
double procStatusKb(pid_t pid, const char *field)
{
    const std::string path = "/proc/" + std::to_string(pid) + "/status";
    std::FILE *file = std::fopen(path.c_str(), "r");
    if (!file)
        return -1;
    char line[256];
    double value = -1;
    const std::size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, file)) {
        if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
            value = std::strtod(line + length + 1, nullptr);
            break;
        }
    }
    std::fclose(file);
    return value;
}

// One start of one program; false, with the reason on stderr, when it never traced its key.
bool runOnce(Program &program, bool keep, bool verbose)
{
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        std::perror("startup_launch: pipe");
        return false;
    }
    std::vector<char *> argv;
    for (std::string &part : program.command)
        argv.push_back(part.data());
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("startup_launch: fork");
        return false;
    }
    if (pid == 0) {
        const int null = open("/dev/null", O_RDWR);
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(pipeFds[1], STDERR_FILENO);
        const std::string launch = std::to_string(monotonicNs());
        setenv("MEMOQUILL_TRACE_STARTUP", launch.c_str(), 1);
        execvp(argv[0], argv.data());
        std::fprintf(stderr, "exec %s: %s\n", argv[0], std::strerror(errno));
        _exit(127);
    }
    close(pipeFds[1]);

    const std::string prefix = "memoquill-trace: ";
    std::map<std::string, double> seen;
    std::string pending;
    std::string otherOutput;
    bool done = false;
    double rssKb = -1;
    const long long deadline = monotonicNs() + 60LL * 1000000000LL;
    while (!done) {
        const long long left = (deadline - monotonicNs()) / 1000000;
        if (left <= 0)
            break;
        pollfd fd{pipeFds[0], POLLIN, 0};
        if (poll(&fd, 1, int(left)) <= 0)
            continue;
        char buffer[4096];
        const ssize_t got = read(pipeFds[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        pending.append(buffer, std::size_t(got));
        std::size_t end;
        while (!done && (end = pending.find('\n')) != std::string::npos) {
            const std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            const std::size_t equals = line.find('=');
            if (line.compare(0, prefix.size(), prefix) != 0 || equals == std::string::npos) {
                otherOutput += line + '\n';
                continue;
            }
            const std::string key = line.substr(prefix.size(), equals - prefix.size());
            seen[key] = std::strtod(line.c_str() + equals + 1, nullptr);
            if (key == program.key) {
                rssKb = procStatusKb(pid, "VmRSS");
                done = true;
            }
        }
    }
    kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    close(pipeFds[0]);

    if (!done) {
        std::fprintf(stderr, "startup_launch: %s never printed %s%s; its other output:\n%s",
                     program.name.c_str(), prefix.c_str(), program.key.c_str(),
                     otherOutput.c_str());
        return false;
    }
    if (verbose && !otherOutput.empty())
        std::fprintf(stderr, "%s: %s", program.name.c_str(), otherOutput.c_str());
    if (keep) {
        for (const auto &[key, value] : seen)
            program.values[key].push_back(value);
        program.values["peak-rss-kb"].push_back(double(usage.ru_maxrss));
        program.values["rss-kb"].push_back(rssKb);
    }
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 0;
    int warmup = 1;
    bool verbose = false;
    std::string prefix;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else if (arg == "--warmup" && i + 1 < argc) {
            warmup = std::atoi(argv[++i]);
        } else if (arg == "--prefix" && i + 1 < argc) {
            prefix = std::string(argv[++i]) + '/';
        } else if (arg == "--verbose") {
            verbose = true;
        } else if (arg == "--program" && i + 3 < argc) {
            Program program;
            program.name = argv[++i];
            program.key = argv[++i];
            while (i + 1 < argc && std::string(argv[i + 1]) != "--program")
                program.command.emplace_back(argv[++i]);
            programs.push_back(std::move(program));
        } else {
            usage();
        }
    }
    if (runs < 1 || programs.empty())
        usage();
    for (const Program &program : programs) {
        if (program.command.empty())
            usage();
    }

    for (int run = 0; run < warmup + runs; ++run) {
        for (std::size_t k = 0; k < programs.size(); ++k) {
            Program &program = programs[(std::size_t(run) + k) % programs.size()];
            if (!runOnce(program, run >= warmup, verbose))
                return 1;
        }
    }

    for (const Program &program : programs) {
        std::fprintf(stderr, "%s%s (%d runs):", prefix.c_str(), program.name.c_str(), runs);
        for (const auto &[key, values] : program.values) {
            const double middle = median(values);
            const auto [low, high] = std::minmax_element(values.begin(), values.end());
            const bool kb = key.size() > 3 && key.compare(key.size() - 3, 3, "-kb") == 0;
            const bool ms = key.size() > 3 && key.compare(key.size() - 3, 3, "-ms") == 0;
            std::printf("%s%s/%s\t%.3f\t%s\n", prefix.c_str(), program.name.c_str(), key.c_str(),
                        middle,
                        kb   ? "kB"
                        : ms ? "ms"
                             : "");
            std::fprintf(stderr, "  %s %.1f [%.1f..%.1f]", key.c_str(), middle, *low, *high);
        }
        std::fputc('\n', stderr);
    }
    return 0;
}
