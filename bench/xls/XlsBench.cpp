// Saving speed and peak memory of the workbook writer, beside Spreadsheet::WriteExcel (Perl), libxlsxwriter
// in constant-memory mode (.xlsx) and a plain write of as many bytes as our file, all in one run. The
// writers take turns run by run, so a busy moment of the machine falls on all of them alike; each run
// starts with the earlier runs' files flushed (sync), and every figure is the median of its runs. Each
// timed write ends in the page cache (no fsync) for every writer; a second comparison fsyncs both our
// file and the plain write, to count the bytes reaching the disk.
#include <algorithm>
#include <chrono>
#include <cstdio>
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

#include "Utf.h"
#include "XlsWorkbook.h"
#ifdef TV_HAVE_XLSXWRITER
#include <xlsxwriter.h>
#endif

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
};

// Runs `body` with a fresh peak window and returns its time and the peak memory it added.
Figure Measure(const std::function<void()>& body, const fs::path& output) {
    std::error_code error;
    fs::remove(output, error);  // every writer starts without an old file to truncate
    ::sync();                   // and without earlier runs' dirty pages being written back meanwhile
    const long before = StatusKb("VmRSS:");
    ResetPeak();
    const auto start = Clock::now();
    body();
    Figure f;
    f.seconds = Seconds(start);
    f.extraPeakMb = static_cast<double>(StatusKb("VmHWM:") - before) / 1024.0;
    f.startRssMb = static_cast<double>(before) / 1024.0;
    f.bytes = fs::file_size(output, error);
    return f;
}

Figure Median(std::vector<Figure> runs) {
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
        [&] {
            if (!book.SaveToPath(path.string())) {
                std::fprintf(stderr, "save failed: %s\n", path.c_str());
            }
            if (sync) {
                SyncFile(path);
            }
        },
        path);
    return {fill, save};
}

Figure SavePlain(std::uintmax_t bytes, const fs::path& path, bool sync) {
    const std::vector<char> buffer(bytes, 'x');
    return Measure(
        [&] {
            const int fd = ::open(path.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
            std::size_t done = 0;
            while (fd >= 0 && done < buffer.size()) {
                const ssize_t n = ::write(fd, buffer.data() + done, buffer.size() - done);
                if (n <= 0) {
                    break;
                }
                done += static_cast<std::size_t>(n);
            }
            if (sync && fd >= 0) {
                ::fsync(fd);
            }
            ::close(fd);
        },
        path);
}

#ifdef TV_HAVE_XLSXWRITER
Figure SaveXlsxWriter(int rows, const fs::path& path, const fs::path& tmpdir) {
    return Measure(
        [&] {
            lxw_workbook_options options = {};
            options.constant_memory = LXW_TRUE;
            options.tmpdir = const_cast<char*>(tmpdir.c_str());
            lxw_workbook* book = workbook_new_opt(path.c_str(), &options);
            lxw_worksheet* sheet = workbook_add_worksheet(book, "Sheet1");
            for (int r = 0; r < rows; ++r) {
                for (int c = 0; c < kColumns; ++c) {
                    worksheet_write_string(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c),
                                           BenchText(r, c).c_str(), nullptr);
                }
            }
            workbook_close(book);
        },
        path);
}
#endif

struct PerlResult {
    double wallSeconds = -1;
    double writeSeconds = -1;  // as the script measured it, without the interpreter's start
    double peakMb = 0;
    std::uintmax_t bytes = 0;
};

PerlResult SavePerl(int rows, const fs::path& path) {
    std::error_code error;
    fs::remove(path, error);
    ::sync();
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        return {};
    }
    const auto start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeFds[1], STDOUT_FILENO);
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
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0 && !output.empty()) {
        result.writeSeconds = std::stod(output);
    }
    result.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    result.bytes = fs::file_size(path, error);
    return result;
}

void PrintRow(const char* name, const Figure& f) {
    std::printf("  %-34s %10.4f s  %9.1f MB extra peak  %11ju bytes\n", name, f.seconds, f.extraPeakMb,
                f.bytes);
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
#ifdef TV_HAVE_XLSXWRITER
        runs.xlsx.push_back(SaveXlsxWriter(rows, dir / "peer.xlsx", dir));
#endif
        if (i < perlRepeats) {
            runs.perl.push_back(SavePerl(rows, dir / "peer.xls"));
        }
    }
    return runs;
}

void RunSize(const char* title, int rows, int repeats, int perlRepeats, const fs::path& dir) {
    std::printf("%s: %d rows x %d text cells; medians of %d runs (Perl: %d)\n", title, rows, kColumns,
                repeats, perlRepeats);
    std::printf("  load average before: %s\n", LoadAverage().c_str());
    const Runs runs = RunInTurns(rows, repeats, perlRepeats, dir);
    std::printf("  load average after:  %s\n", LoadAverage().c_str());
    const double fill = Median(runs.fills);
    Figure our = Median(runs.ours);
    for (const Figure& run : runs.ours) {
        our.extraPeakMb = std::max(our.extraPeakMb, run.extraPeakMb);  // memory: the worst run
    }
    const Figure plainWrite = Median(runs.plain);
    const Figure oursSynced = Median(runs.oursSynced);
    const Figure plainSynced = Median(runs.plainSynced);
    std::printf("  %-34s %10.4f s\n", "Terrovane: filling the cells", fill);
    PrintRow("Terrovane: SaveToPath (.xls)", our);
    std::printf("  %-34s", "  each run (s)");
    for (const Figure& run : runs.ours) {
        std::printf(" %.4f", run.seconds);
    }
    std::printf("\n");
    std::printf("  %-34s %10.4f s\n", "Terrovane: fill + save", fill + our.seconds);
    PrintRow("plain write of as many bytes", plainWrite);
    PrintRow("Terrovane: SaveToPath + fsync", oursSynced);
    PrintRow("plain write + fsync", plainSynced);
#ifdef TV_HAVE_XLSXWRITER
    const Figure xlsxWriter = Median(runs.xlsx);
    PrintRow("libxlsxwriter constant memory", xlsxWriter);
#endif
    std::vector<double> perlWrite, perlWall;
    double perlPeak = 0;
    std::uintmax_t perlBytes = 0;
    for (const PerlResult& run : runs.perl) {
        perlWrite.push_back(run.writeSeconds);
        perlWall.push_back(run.wallSeconds);
        perlPeak = std::max(perlPeak, run.peakMb);
        perlBytes = run.bytes;
    }
    const double perl = Median(perlWrite);
    std::printf("  %-34s %10.4f s  (%.4f s with interpreter start)  %9.1f MB peak  %11ju bytes\n",
                "Spreadsheet::WriteExcel (Perl)", perl, Median(perlWall), perlPeak, perlBytes);
    std::printf(
        "  ratios: save / plain write %.2f (both to the page cache); save+fsync / plain write+fsync %.2f\n",
        our.seconds / plainWrite.seconds, oursSynced.seconds / plainSynced.seconds);
    std::printf("          fill+save vs libxlsxwriter %s; Perl / save %.1f; Perl / (fill+save) %.1f\n",
#ifdef TV_HAVE_XLSXWRITER
                std::to_string(xlsxWriter.seconds / (fill + our.seconds)).append("x faster").c_str(),
#else
                "n/a",
#endif
                perl / our.seconds, perl / (fill + our.seconds));
    std::printf("          extra peak / file size %.2f\n",
                our.extraPeakMb * 1048576.0 / static_cast<double>(our.bytes));
    std::printf(
        "  process RSS when our save began (cell model included) %.1f MB; peak during the save %.1f MB "
        "= %.2f x the file\n\n",
        our.startRssMb, our.startRssMb + our.extraPeakMb,
        (our.startRssMb + our.extraPeakMb) * 1048576.0 / static_cast<double>(our.bytes));
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
