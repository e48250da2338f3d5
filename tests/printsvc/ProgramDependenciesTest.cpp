// The command-line programs run where no widget toolkit is installed: neither needs the widget or print
// support libraries (the report PDF is drawn with the GUI library alone).
#include <gtest/gtest.h>

#include "Fixtures.h"

namespace terrovane::testing {
namespace {

std::string NeededLibraries(const std::string& program) {
    return RunCommand("readelf -d '" + program + "' | grep NEEDED").text;
}

TEST(ProgramDependenciesTest, CommandLineProgramsNeedNoWidgetOrPrintSupportLibrary) {
    for (const std::string program : {TERROVANE_CLI_PATH, TERROVANE_SIM_BINARY}) {
        const std::string needed = NeededLibraries(program);
        ASSERT_NE(needed.find("libc.so"), std::string::npos) << program << ": readelf found nothing";
        EXPECT_EQ(needed.find("libQt6Widgets"), std::string::npos) << program << ":\n" << needed;
        EXPECT_EQ(needed.find("libQt6PrintSupport"), std::string::npos) << program << ":\n" << needed;
    }
}

}  // namespace
}  // namespace terrovane::testing
