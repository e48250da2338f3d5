// Saving speed and peak memory of the workbook writer, beside Spreadsheet::WriteExcel (Perl), libxlsxwriter
// in constant-memory mode (.xlsx) and a plain write of as many bytes as our file, all in one run.
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

struct OurResult {
    double fillSeconds;
    Figure save;
};

OurResult SaveOurs(int rows, const fs::path& path) {
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
        },
        path);
    return {fill, save};
}

Figure SavePlain(std::uintmax_t bytes, const fs::path& path) {
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

void RunSize(const char* title, int rows, int repeats, const fs::path& dir) {
    std::printf("%s: %d rows x %d text cells\n", title, rows, kColumns);
    std::vector<Figure> ours, plain, xlsx;
    double fill = 0;
    const fs::path ourPath = dir / "ours.xls";
    for (int i = 0; i < repeats; ++i) {
        const OurResult result = SaveOurs(rows, ourPath);
        fill = result.fillSeconds;
        ours.push_back(result.save);
    }
    Figure our = Median(ours);
    for (const Figure& run : ours) {
        our.extraPeakMb = std::max(our.extraPeakMb, run.extraPeakMb);  // memory: the worst run
    }
    for (int i = 0; i < repeats; ++i) {
        plain.push_back(SavePlain(our.bytes, dir / "plain.bin"));
    }
    const Figure plainWrite = Median(plain);
    std::printf("  %-34s %10.4f s\n", "Terrovane: filling the cells", fill);
    PrintRow("Terrovane: SaveToPath (.xls)", our);
    std::printf("  %-34s %10.4f s\n", "Terrovane: fill + save", fill + our.seconds);
    PrintRow("plain write of as many bytes", plainWrite);
#ifdef TV_HAVE_XLSXWRITER
    for (int i = 0; i < repeats; ++i) {
        xlsx.push_back(SaveXlsxWriter(rows, dir / "peer.xlsx", dir));
    }
    const Figure xlsxWriter = Median(xlsx);
    PrintRow("libxlsxwriter constant memory", xlsxWriter);
#endif
    const PerlResult perl = SavePerl(rows, dir / "peer.xls");
    std::printf("  %-34s %10.4f s  (%.4f s with interpreter start)  %9.1f MB peak  %11ju bytes\n",
                "Spreadsheet::WriteExcel (Perl)", perl.writeSeconds, perl.wallSeconds, perl.peakMb,
                perl.bytes);
    std::printf(
        "  ratios: save / plain write %.2f; fill+save vs libxlsxwriter %s; Perl / (fill+save) %.1f; "
        "extra peak / file size %.2f\n",
        our.seconds / plainWrite.seconds,
#ifdef TV_HAVE_XLSXWRITER
        std::to_string(xlsxWriter.seconds / (fill + our.seconds)).append("x faster").c_str(),
#else
        "n/a",
#endif
        perl.writeSeconds / (fill + our.seconds),
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
    RunSize("large sheet", 65536, 3, dir);
    RunSize("export-like sheet (header + 100 slots)", 101, 21, dir);
    return 0;
}
