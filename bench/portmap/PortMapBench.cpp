// CPU cost of the port watch's discovery (the current map, then its keys in discovery order), for the
// port-map file and for the live system, as a share of one core at one discovery every 5 ms.
//
// Each source is driven at the watch's own pace for a few seconds and the thread's CPU time is measured,
// so the live source's periodic rescans are counted at their real rate; a tight loop gives the cost of
// one call on its own.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <thread>

#include "PortMap.h"

namespace {

using namespace terrovane::platform;

double ThreadCpuSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// What the watch does each tick: the map in force, key 1, key 2 only when key 1 cannot be opened.
bool Discover() {
    const PortMapSource& map = CurrentPortMap();
    auto values = map.ReadKey(kSerialCommKey);
    if (!values)
        values = map.ReadKey(kScsiSerialCommKey);
    return values && !values->empty();
}

double PacedCpuSeconds(bool (*discover)()) {
    constexpr auto kPeriod = std::chrono::milliseconds(5);
    constexpr int kPacedCalls = 600;  // three seconds of watching
    const double start = ThreadCpuSeconds();
    auto next = std::chrono::steady_clock::now();
    for (int i = 0; i < kPacedCalls; ++i) {
        discover();
        next += kPeriod;
        std::this_thread::sleep_until(next);
    }
    return ThreadCpuSeconds() - start;
}

bool Idle() {
    return false;
}

// A full sysfs scan, as the live source does at most every 200 ms.
bool ScanLive() {
    const auto map = MakeLivePortMap();
    return map->ReadKey(kSerialCommKey).has_value();
}

double PerCallUs(bool (*discover)(), int calls) {
    const double start = ThreadCpuSeconds();
    for (int i = 0; i < calls; ++i)
        discover();
    return (ThreadCpuSeconds() - start) / calls * 1e6;
}

void Measure(const char* name, double idleCpu) {
    const double perCallUs = PerCallUs(Discover, 20000);
    const double pacedCpu = PacedCpuSeconds(Discover) - idleCpu;
    const double wall = 600 * 0.005;
    std::printf("%-6s  one discovery %.2f us = %.3f %% of one core at one per 5 ms; paced run: %.3f %%\n",
                name, perCallUs, perCallUs / 5000.0 * 100.0, pacedCpu / wall * 100.0);
}

}  // namespace

int main() {
    char pattern[] = "/tmp/portmap-bench-XXXXXX";
    const std::string dir = ::mkdtemp(pattern);
    const std::string path = dir + "/ports.ini";
    std::ofstream(path) << "# a typical map\n[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n\\Device\\Serial0=COM1\n"
                           "\\Device\\Silabser0=COM3\n[HARDWARE\\DEVICEMAP\\Scsi\\SERIALCOMM\\]\n"
                           "\\Device\\Slabser0=COM4\n[Ports]\nCOM1=/dev/ttyS0\nCOM3=/dev/pts/7\n";
    ::setenv("TERROVANE_PORTMAP", path.c_str(), 1);
    // The pacing itself (waking every 5 ms) costs CPU too; it is measured once and taken off.
    const double idleCpu = PacedCpuSeconds(Idle);
    std::printf("pacing alone: %.3f %% of one core (subtracted below)\n", idleCpu / 3.0 * 100.0);
    const double scanUs = PerCallUs(ScanLive, 200);
    std::printf("live sysfs scan: %.1f us each, at most one per 200 ms = %.3f %% of one core\n", scanUs,
                scanUs / 200000.0 * 100.0);
    Measure("file", idleCpu);
    ::unsetenv("TERROVANE_PORTMAP");
    Measure("live", idleCpu);
    ::unlink(path.c_str());
    ::rmdir(dir.c_str());
    return 0;
}
