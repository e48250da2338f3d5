// The lists of the tools' folders, one after the other.
#include "AllWindows.h"

#include <cstdio>
#include <filesystem>

#include "DialogSamples.h"
#include "EngineeringSamples.h"
#include "HistorySamples.h"
#include "PrintServiceSamples.h"
#include "TeamSamples.h"

namespace terrovane::app::samples {

namespace {

std::shared_ptr<archive::Archive> FreshArchive(const QString& folder, const char* name) {
    const std::filesystem::path path = std::filesystem::path(folder.toStdString()) / name;
    std::filesystem::remove(path);
    std::string error;
    std::shared_ptr<archive::Archive> store = archive::Archive::Open(path.string(), error);
    if (!store) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), error.c_str());
    }
    return store;
}

void Append(screenfit::WindowSamples& all, screenfit::WindowSamples more) {
    for (auto& sample : more) {
        all.push_back(std::move(sample));
    }
}

}  // namespace

screenfit::WindowSamples AllWindows(const QString& folder) {
    screenfit::WindowSamples all = Windows();
    if (auto history = FreshArchive(folder, "history.sqlite")) {
        history::samples::Fill(*history);
        Append(all, history::samples::Windows(history));
    }
    if (auto engineering = FreshArchive(folder, "engineering.sqlite")) {
        const auto at = engineering::samples::FillCampaign(*engineering);
        Append(all, engineering::samples::Windows(engineering, at));
    }
    if (auto team = FreshArchive(folder, "team.sqlite")) {
        teamui::samples::FillConflicts(*team);
        Append(all, teamui::samples::Windows(team));
    }
    Append(all, printsvc::samples::Windows());
    return all;
}

}  // namespace terrovane::app::samples
