// Writes, into the folder named, every file the windows write that no command of terrovane-cli writes:
// the archive window's .xlsx and .xls exports of the demo results, the hand-off files data.inf and set.inf,
// and the settings the programs keep. locale_bytes.sh runs it under two locales and compares the files.
//   locale_files_writer FOLDER
#include <QCoreApplication>

#include <cstdio>
#include <vector>

#include "DemoImage.h"
#include "HandoffFiles.h"
#include "LanguageChoice.h"
#include "RecordTable.h"
#include "ResultView.h"
#include "ResultsFiles.h"
#include "ResultsXlsx.h"
#include "Settings.h"
#include "SiteReportDialog.h"
#include "Strings.h"

namespace {

using namespace terrovane;

std::vector<archive::ResultView> DemoResults() {
    const record::ReadOutBuffer image = sim::DemoImage();
    record::RecordTable table;
    record::ParseRecords(image, table);
    std::vector<archive::ResultView> views;
    // Thresholds with fractions, so a doubtful reading's reason carries a number with a decimal point.
    const archive::ValidityThresholds thresholds{2.5, 1500.5};
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        if (const record::MeasurementRecord* measured = table.At(slot)) {
            views.push_back(archive::DescribeRecord(static_cast<int>(slot), *measured, thresholds));
            views.back().readAt = "2024-05-06T07:08:09Z";
        }
    }
    return views;
}

bool Failed(const char* what, const std::string& error) {
    std::fprintf(stderr, "%s: %s\n", what, error.c_str());
    return false;
}

bool WriteFiles(const std::string& folder) {
    const std::vector<archive::ResultView> results = DemoResults();
    if (const std::string error = archive::ExportResultsXlsx(results, folder + "/results.xlsx");
        !error.empty())
        return Failed("results.xlsx", error);
    if (const std::string error = archive::ExportResultsWorkbook(results, folder + "/results.xls");
        !error.empty())
        return Failed("results.xls", error);
    std::string error;
    if (!handoff::WriteRecordFileAt(folder + "/data.inf", sim::DemoImage(), &error))
        return Failed("data.inf", error);
    if (!handoff::SaveHeaderFileAt(folder + "/set.inf", {"Werk 7,5 kV", "0.5", "Li"}))
        return Failed("set.inf", "not written");
    // The settings, through the writers the programs use.
    platform::Settings settings;
    settings.SetFastReadOut(true);
    settings.SetProgressPosition(QPoint(120, 80));
    if (!settings.Save())
        return Failed("Terrovane.conf", "not written");
    history::RememberReportRequest({history::SiteReportRequest::Output::Pdf, QStringLiteral("Li"),
                                    QStringLiteral("7.5"), QString(), QString(), QString(), QString()});
    if (!translations::RememberLanguage(translations::Language::German))
        return Failed("Terrovane.conf", "not written");
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // Sets the C library's locale from the environment, as every program of the suite does.
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QString::fromUtf8(platform::kSettingsProfile));
    QCoreApplication::setApplicationName(QString::fromUtf8(res::kProgramName));
    if (argc != 2) {
        std::fprintf(stderr, "usage: locale_files_writer FOLDER\n");
        return 2;
    }
    return WriteFiles(argv[1]) ? 0 : 1;
}
