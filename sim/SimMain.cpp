// terrovane-sim: the instrument at the far end of a pseudo-terminal, for trying the program and for tests.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "DemoImage.h"
#include "Instrument.h"
#include "ProgramGuard.h"
#include "RegularFile.h"
#include "SimServer.h"
#include "SimUsage.h"

namespace {

using namespace terrovane;

std::optional<record::ReadOutBuffer> LoadImage(const std::string& path, std::string& error) {
    if (path.empty())
        return sim::DemoImage();
    const auto content = platform::ReadRegularFile(path, record::kReadOutSize + 1, platform::Links::Follow);
    if (content.status != platform::FileStatus::Read || content.bytes.size() != record::kReadOutSize) {
        error = content.status == platform::FileStatus::Read
                    ? path + ": an image must hold exactly 7200 bytes"
                    : content.error;
        return std::nullopt;
    }
    record::ReadOutBuffer image{};
    std::copy(content.bytes.begin(), content.bytes.end(), image.begin());
    return image;
}

int Fail(const std::string& error) {
    std::fprintf(stderr, "terrovane-sim: %s\n", error.c_str());
    return 2;
}

int RunSim(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (const auto status = sim::AnswerInformationOptions(arguments))
        return *status;
    std::string error;
    const auto options = sim::ParseSimOptions(arguments, std::getenv("TERROVANE_PORTMAP"), error);
    if (!options) {
        std::fprintf(stderr,
                     "usage: terrovane-sim [--image FILE] [--portmap FILE] [--fault KIND]... [--log FILE] "
                     "[--com N] [--line-pace] [--busy MS[:MS]]\n");
        return Fail(error);
    }
    const auto image = LoadImage(options->imagePath, error);
    if (!image)
        return Fail(error);
    sim::Instrument instrument(*image, options->faults, static_cast<unsigned>(::getpid()));
    sim::SimServer server(*options, instrument);
    if (!server.Start(error))
        return Fail(error);
    return server.Serve();
}

}  // namespace

int main(int argc, char** argv) {
    return platform::RunGuarded("terrovane-sim", [&] { return RunSim(argc, argv); });
}
