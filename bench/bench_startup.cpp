// The command line's start against its floor, a bare QCoreApplication that
// prints one line (bench_bare), process against process:
//
//     bench/bench_startup [ROUNDS]     (200 by default; run from the build folder's bench/)
//
// Each round runs the floor and then each command once, in turn, so that the
// machine's drift touches both alike; a command's ratios are taken per round
// and their median is reported, with its median wall time and peak resident
// memory. The processes are started from this small one, whose own size would
// otherwise count in a child's peak. Then the PDF of the name days of 1, 10
// and 100 years, the median of three runs each, to show its time linear in
// its rows. Linux only.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Sample
{
    double ms;
    double mib;
};

Sample run(const std::vector<std::string> &command)
{
    std::vector<char *> argv;
    for (const std::string &argument : command)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s: failed\n", argv[0]);
        std::exit(1);
    }
    return {ms, double(usage.ru_maxrss) / 1024};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 200;
    const std::string folder = std::string(argv[0]).substr(0, std::string(argv[0]).rfind('/') + 1);
    const std::string program = folder + "../eortologio";
    const std::vector<std::pair<std::string, std::vector<std::string>>> commands = {
        {"floor: bare QCoreApplication", {folder + "bench_bare"}},
        {"--year 2025 --ics -", {program, "--year", "2025", "--ics", "-"}},
        {"--today", {program, "--today"}},
        {"--name Γιώργος", {program, "--name", "Γιώργος"}},
        {"--year 2025 --names --csv -", {program, "--year", "2025", "--names", "--csv", "-"}},
    };
    std::vector<std::vector<Sample>> samples(commands.size());
    for (int round = 0; round < rounds; ++round)
        for (size_t i = 0; i < commands.size(); ++i)
            samples[i].push_back(run(commands[i].second));
    std::printf("%d rounds; medians, the ratios to the floor taken per round\n", rounds);
    std::printf("%-30s %9s %6s %10s %6s\n", "command", "wall", "ratio", "memory", "ratio");
    for (size_t i = 0; i < commands.size(); ++i) {
        std::vector<double> ms, mib, msRatio, mibRatio;
        for (int round = 0; round < rounds; ++round) {
            ms.push_back(samples[i][round].ms);
            mib.push_back(samples[i][round].mib);
            msRatio.push_back(samples[i][round].ms / samples[0][round].ms);
            mibRatio.push_back(samples[i][round].mib / samples[0][round].mib);
        }
        const std::string &name = commands[i].first; // padded by letters, not bytes
        const auto letters = std::count_if(name.begin(), name.end(), [](char c) { return (c & 0xC0) != 0x80; });
        std::printf("%s%*s %7.1fms %6.2f %7.1fMiB %6.2f\n", name.c_str(), int(30 - letters), "", median(ms),
            median(msRatio), median(mib), median(mibRatio));
    }
    std::printf("\nPDF of the name days, median of 3 runs\n");
    for (const char *years : {"2025", "2025-2034", "2025-2124"}) {
        std::vector<double> ms;
        for (int run = 0; run < 3; ++run)
            ms.push_back(::run({program, "--year", years, "--names", "--pdf", "/dev/null"}).ms);
        std::printf("%-30s %7.2fs\n", years, median(ms) / 1000);
    }
}
