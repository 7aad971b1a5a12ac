#pragma once
// Whole processes as the benchmarks measure them: wall time and peak memory (maximum resident
// set) of one run, and the median of several rounds.
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace bench {

struct Sample {
    double seconds = 0;
    long peakKb = 0;
    int status = -1;
};

// Runs argv with its output thrown away; its wall time and peak resident memory.
inline Sample Measure(const std::vector<std::string>& argv) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
    int raw = 0;
    rusage usage{};
    ::wait4(pid, &raw, 0, &usage);
    Sample sample;
    sample.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    sample.peakKb = usage.ru_maxrss;
    sample.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return sample;
}

template <class T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace bench
