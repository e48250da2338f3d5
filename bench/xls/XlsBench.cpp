// Saving speed and peak memory of the workbook writer, beside Spreadsheet::WriteExcel (Perl), libxlsxwriter
// in constant-memory mode (.xlsx) and a plain write of as many bytes as our file, all in one run. The
// writers take turns run by run, so a busy moment of the machine falls on all of them alike; each run
// starts with the earlier runs' files flushed (sync), and every figure is the median of its runs. Each
// timed write ends in the page cache (no fsync) for every writer; a second comparison fsyncs both our
// file and the plain write, to count the bytes reaching the disk. A writer that fails in any run is
// reported as failed, with its reason, instead of figures.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <xlsxwriter.h>

#include "Utf.h"
#include "XlsWorkbook.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
constexpr int kColumns = 18;

// Mostly distinct texts: the slot-like column and 15 value columns differ in every row; mode and date repeat.
std::string BenchText(int r, int c) {
    static const char* kModes[] = {"3Pole", "4Pole", "3Pole Clamp", "2Pole AC"};
    char text[32];
    if (c == 0) {
        std::snprintf(text, sizeof text, "R%d", r);
    } else if (c == 1) {
        return kModes[r % 4];
    } else if (c == 2) {
        std::snprintf(text, sizeof text, "2009-01-%02d", r % 28 + 1);
    } else {
        std::snprintf(text, sizeof text, "%d.%02d", r, c);
    }
    return text;
}

long StatusKb(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0) {
            return std::stol(line.substr(std::strlen(key)));
        }
    }
    return -1;
}

// Opens a written file again and waits until its bytes are on the disk.
void SyncFile(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

std::string LoadAverage() {
    std::ifstream load("/proc/loadavg");
    std::string one, five;
    load >> one >> five;
    return one + " (1 min), " + five + " (5 min)";
}

// Starts a new peak-RSS window (Linux resets VmHWM to the current RSS).
void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

double Seconds(Clock::time_point from) {
    return std::chrono::duration<double>(Clock::now() - from).count();
}

struct Figure {
    double seconds = 0;
    double extraPeakMb = 0;  // peak RSS above the RSS when the save began
    double startRssMb = 0;   // RSS when the save began (for our writer: the filled cell model)
    std::uintmax_t bytes = 0;
    std::string failure;  // why the write failed; empty when it succeeded
};

// A write that reports no error of its own but leaves no file has failed too.
std::string CheckOutput(std::string failure, const fs::path& output, std::uintmax_t bytes) {
    if (failure.empty() && bytes == 0) {
        failure = "no file written at " + output.string();
    }
    return failure;
}

// Runs `body` (which returns its failure, or "") with a fresh peak window and returns its time and the peak
// memory it added.
Figure Measure(const std::function<std::string()>& body, const fs::path& output) {
    std::error_code error;
    fs::remove(output, error);  // every writer starts without an old file to truncate
    ::sync();                   // and without earlier runs' dirty pages being written back meanwhile
    const long before = StatusKb("VmRSS:");
    ResetPeak();
    const auto start = Clock::now();
    std::string failure = body();
    Figure f;
    f.seconds = Seconds(start);
    f.extraPeakMb = static_cast<double>(StatusKb("VmHWM:") - before) / 1024.0;
    f.startRssMb = static_cast<double>(before) / 1024.0;
    const std::uintmax_t size = fs::file_size(output, error);
    f.bytes = error ? 0 : size;
    f.failure = CheckOutput(std::move(failure), output, f.bytes);
    return f;
}

// The median run, or the first failed one: a writer that failed once has no figure to compare.
Figure Median(std::vector<Figure> runs) {
    for (const Figure& run : runs) {
        if (!run.failure.empty()) {
            return run;
        }
    }
    std::sort(runs.begin(), runs.end(), [](auto& a, auto& b) { return a.seconds < b.seconds; });
    return runs[runs.size() / 2];
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct OurResult {
    double fillSeconds;
    Figure save;
};

OurResult SaveOurs(int rows, const fs::path& path, bool sync) {
    terrovane::xls::XlsWorkbook book;
    const auto start = Clock::now();
    book.Reset(1);
    terrovane::xls::XlsSheet* sheet = book.SheetAt(0);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            sheet->CellAt(r, c)->SetWideText(terrovane::xls::Utf8ToUtf16(BenchText(r, c)));
        }
    }
    const double fill = Seconds(start);
    const Figure save = Measure(
        [&]() -> std::string {
            if (!book.SaveToPath(path.string())) {
                return "SaveToPath failed";
            }
            if (sync) {
                SyncFile(path);
            }
            return {};
        },
        path);
    return {fill, save};
}

Figure SavePlain(std::uintmax_t bytes, const fs::path& path, bool sync) {
    const std::vector<char> buffer(bytes, 'x');
    return Measure(
        [&]() -> std::string {
            const int fd = ::open(path.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
            if (fd < 0) {
                return std::string("cannot create the file: ") + std::strerror(errno);
            }
            std::size_t done = 0;
            while (done < buffer.size()) {
                const ssize_t n = ::write(fd, buffer.data() + done, buffer.size() - done);
                if (n <= 0) {
                    break;
                }
                done += static_cast<std::size_t>(n);
            }
            if (sync) {
                ::fsync(fd);
            }
            ::close(fd);
            return done == buffer.size() ? std::string() : "short write";
        },
        path);
}

Figure SaveXlsxWriter(int rows, const fs::path& path, const fs::path& tmpdir) {
    return Measure(
        [&]() -> std::string {
            lxw_workbook_options options = {};
            options.constant_memory = LXW_TRUE;
            options.tmpdir = const_cast<char*>(tmpdir.c_str());
            lxw_workbook* book = workbook_new_opt(path.c_str(), &options);
            if (book == nullptr) {
                return "workbook_new_opt failed";
            }
            lxw_worksheet* sheet = workbook_add_worksheet(book, "Sheet1");
            for (int r = 0; r < rows; ++r) {
                for (int c = 0; c < kColumns; ++c) {
                    worksheet_write_string(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c),
                                           BenchText(r, c).c_str(), nullptr);
                }
            }
            const lxw_error closed = workbook_close(book);
            return closed == LXW_NO_ERROR ? std::string()
                                          : std::string("workbook_close: ") + lxw_strerror(closed);
        },
        path);
}

struct PerlResult {
    double wallSeconds = -1;
    double writeSeconds = -1;  // as the script measured it, without the interpreter's start
    double peakMb = 0;
    std::uintmax_t bytes = 0;
    std::string failure;  // empty when the script wrote its file
};

// The first line the script wrote on its standard error, which names why it stopped.
std::string FirstLine(const fs::path& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

// What went wrong with a finished Perl run, or "".
std::string PerlFailure(int status, const std::string& output, const fs::path& errors) {
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        const std::string reason = FirstLine(errors);
        const std::string how = WIFEXITED(status) ? "exit status " + std::to_string(WEXITSTATUS(status))
                                                  : std::string("killed by a signal");
        return how + (reason.empty() ? "" : ": " + reason);
    }
    char* end = nullptr;
    std::strtod(output.c_str(), &end);
    if (output.empty() || end == output.c_str()) {
        return "no time printed by the script";
    }
    return {};
}

PerlResult SavePerl(int rows, const fs::path& path) {
    std::error_code error;
    fs::remove(path, error);
    ::sync();
    const fs::path errors = fs::path(path).concat(".stderr");
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        PerlResult failed;
        failed.failure = "no pipe to the script";
        return failed;
    }
    const auto start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeFds[1], STDOUT_FILENO);
        const int errorFd = ::open(errors.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
        if (errorFd >= 0) {
            ::dup2(errorFd, STDERR_FILENO);
        }
        ::close(pipeFds[0]);
        const std::string rowText = std::to_string(rows);
        ::execlp("perl", "perl", TV_XLS_PERL_WRITER, path.c_str(), rowText.c_str(),
                 static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    std::string output;
    char buffer[256];
    ssize_t n;
    while ((n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0) {
        output.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    PerlResult result;
    result.wallSeconds = Seconds(start);
    result.failure = PerlFailure(status, output, errors);
    if (result.failure.empty()) {
        result.writeSeconds = std::strtod(output.c_str(), nullptr);
    }
    result.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    const std::uintmax_t size = fs::file_size(path, error);
    result.bytes = error ? 0 : size;
    result.failure = CheckOutput(std::move(result.failure), path, result.bytes);
    return result;
}

void PrintRow(const char* name, const Figure& f) {
    if (!f.failure.empty()) {
        std::printf("  %-34s failed: %s\n", name, f.failure.c_str());
        return;
    }
    std::printf("  %-34s %10.4f s  %9.1f MB extra peak  %11ju bytes\n", name, f.seconds, f.extraPeakMb,
                f.bytes);
}

// a / b in `format`, or "failed" when either side has no figure.
std::string Ratio(double a, double b, bool failed, const char* format = "%.2f") {
    if (failed) {
        return "failed";
    }
    char text[32];
    std::snprintf(text, sizeof text, format, a / b);
    return text;
}

// The writers in turn, run after run; medians of each.
struct Runs {
    std::vector<double> fills;
    std::vector<Figure> ours, plain, xlsx, oursSynced, plainSynced;
    std::vector<PerlResult> perl;
};

Runs RunInTurns(int rows, int repeats, int perlRepeats, const fs::path& dir) {
    Runs runs;
    for (int i = 0; i < repeats; ++i) {
        const OurResult result = SaveOurs(rows, dir / "ours.xls", false);
        runs.fills.push_back(result.fillSeconds);
        runs.ours.push_back(result.save);
        runs.plain.push_back(SavePlain(result.save.bytes, dir / "plain.bin", false));
        runs.oursSynced.push_back(SaveOurs(rows, dir / "ours.xls", true).save);
        runs.plainSynced.push_back(SavePlain(result.save.bytes, dir / "plain.bin", true));
        runs.xlsx.push_back(SaveXlsxWriter(rows, dir / "peer.xlsx", dir));
        if (i < perlRepeats) {
            runs.perl.push_back(SavePerl(rows, dir / "peer.xls"));
        }
    }
    return runs;
}

// The Perl runs in one figure: medians of the times, the worst peak, the first failure.
struct PerlSummary {
    double writeSeconds = 0;
    double wallSeconds = 0;
    double peakMb = 0;
    std::uintmax_t bytes = 0;
    std::string failure;
};

PerlSummary SummarisePerl(const std::vector<PerlResult>& runs) {
    PerlSummary summary;
    std::vector<double> write, wall;
    for (const PerlResult& run : runs) {
        write.push_back(run.writeSeconds);
        wall.push_back(run.wallSeconds);
        summary.peakMb = std::max(summary.peakMb, run.peakMb);
        summary.bytes = run.bytes;
        if (summary.failure.empty()) {
            summary.failure = run.failure;
        }
    }
    summary.writeSeconds = Median(write);
    summary.wallSeconds = Median(wall);
    return summary;
}

void PrintPerl(const PerlSummary& perl) {
    const char* name = "Spreadsheet::WriteExcel (Perl)";
    if (!perl.failure.empty()) {
        std::printf("  %-34s failed: %s\n", name, perl.failure.c_str());
        return;
    }
    std::printf("  %-34s %10.4f s  (%.4f s with interpreter start)  %9.1f MB peak  %11ju bytes\n", name,
                perl.writeSeconds, perl.wallSeconds, perl.peakMb, perl.bytes);
}

// Every figure of one sheet size, medians over the runs.
struct Summary {
    double fill = 0;
    Figure ours, plain, oursSynced, plainSynced, xlsx;
    PerlSummary perl;
};

void PrintRatios(const Summary& m) {
    const bool oursFailed = !m.ours.failure.empty();
    const double both = m.fill + m.ours.seconds;
    std::printf(
        "  ratios: save / plain write %s (both to the page cache); save+fsync / plain write+fsync %s\n",
        Ratio(m.ours.seconds, m.plain.seconds, oursFailed || !m.plain.failure.empty()).c_str(),
        Ratio(m.oursSynced.seconds, m.plainSynced.seconds,
              !m.oursSynced.failure.empty() || !m.plainSynced.failure.empty())
            .c_str());
    const bool perlFailed = oursFailed || !m.perl.failure.empty();
    std::printf("          fill+save vs libxlsxwriter %s; Perl / save %s; Perl / (fill+save) %s\n",
                Ratio(m.xlsx.seconds, both, oursFailed || !m.xlsx.failure.empty(), "%fx faster").c_str(),
                Ratio(m.perl.writeSeconds, m.ours.seconds, perlFailed, "%.1f").c_str(),
                Ratio(m.perl.writeSeconds, both, perlFailed, "%.1f").c_str());
}

void PrintMemory(const Figure& ours) {
    if (!ours.failure.empty()) {
        return;
    }
    const double fileMb = static_cast<double>(ours.bytes) / 1048576.0;
    std::printf("          extra peak / file size %.2f\n", ours.extraPeakMb / fileMb);
    std::printf(
        "  process RSS when our save began (cell model included) %.1f MB; peak during the save %.1f MB "
        "= %.2f x the file\n",
        ours.startRssMb, ours.startRssMb + ours.extraPeakMb, (ours.startRssMb + ours.extraPeakMb) / fileMb);
}

Summary Summarise(const Runs& runs) {
    Summary m;
    m.fill = Median(runs.fills);
    m.ours = Median(runs.ours);
    for (const Figure& run : runs.ours) {
        m.ours.extraPeakMb = std::max(m.ours.extraPeakMb, run.extraPeakMb);  // memory: the worst run
    }
    m.plain = Median(runs.plain);
    m.oursSynced = Median(runs.oursSynced);
    m.plainSynced = Median(runs.plainSynced);
    m.xlsx = Median(runs.xlsx);
    m.perl = SummarisePerl(runs.perl);
    return m;
}

void RunSize(const char* title, int rows, int repeats, int perlRepeats, const fs::path& dir) {
    std::printf("%s: %d rows x %d text cells; medians of %d runs (Perl: %d)\n", title, rows, kColumns,
                repeats, perlRepeats);
    std::printf("  load average before: %s\n", LoadAverage().c_str());
    const Runs runs = RunInTurns(rows, repeats, perlRepeats, dir);
    std::printf("  load average after:  %s\n", LoadAverage().c_str());
    const Summary m = Summarise(runs);
    std::printf("  %-34s %10.4f s\n", "Terrovane: filling the cells", m.fill);
    PrintRow("Terrovane: SaveToPath (.xls)", m.ours);
    std::printf("  %-34s", "  each run (s)");
    for (const Figure& run : runs.ours) {
        std::printf(" %.4f", run.seconds);
    }
    std::printf("\n");
    if (m.ours.failure.empty()) {
        std::printf("  %-34s %10.4f s\n", "Terrovane: fill + save", m.fill + m.ours.seconds);
    }
    PrintRow("plain write of as many bytes", m.plain);
    PrintRow("Terrovane: SaveToPath + fsync", m.oursSynced);
    PrintRow("plain write + fsync", m.plainSynced);
    PrintRow("libxlsxwriter constant memory", m.xlsx);
    PrintPerl(m.perl);
    PrintRatios(m);
    PrintMemory(m.ours);
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path dir = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "tv_xls_bench";
    fs::create_directories(dir);
    std::printf("output folder: %s\n\n", dir.c_str());
    RunSize("large sheet", 65536, 5, 3, dir);
    RunSize("export-like sheet (header + 100 slots)", 101, 21, 5, dir);
    return 0;
}
