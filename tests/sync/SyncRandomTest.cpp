// Three archives doing what engineers do (stored analyses among it), in an order drawn from a fixed seed,
// syncing now and then, now and then through a connection that breaks: in the end every archive and the
// server hold the same.
#include <random>

#include "FaultProxy.h"
#include "FopCurves.h"
#include "GridAssessments.h"
#include "LocalSql.h"
#include "ResultCheck.h"
#include "Sites.h"
#include "SoilModels.h"
#include "SyncFixture.h"

namespace terrovane::testing {
namespace {

class SyncRandomTest : public SyncTest {
  protected:
    // A copy of an archive signs in as its original's login.
    std::string LoginOf(const std::string& who) const { return who == "ann2" ? "ann" : who; }

    std::string ThroughProxy(const std::string& who) const {
        return "host=127.0.0.1 port=" + std::to_string(proxy_.Port()) + " dbname=" + db_.Name() +
               " user=" + db_.Login(LoginOf(who)) + " password=pw-" + LoginOf(who) + " sslmode=disable";
    }

    std::string Direct(const std::string& who) const {
        return db_.TcpConninfo(db_.Login(LoginOf(who)), "pw-" + LoginOf(who));
    }

    template <typename T>
    const T& Pick(const std::vector<T>& among) {
        return among[std::uniform_int_distribution<std::size_t>(0, among.size() - 1)(random_)];
    }

    std::vector<archive::SiteRow> SitesOf(const std::string& who) {
        std::vector<archive::SiteRow> sites;
        std::string error;
        EXPECT_TRUE(archive::Sites(Archive(who), sites, error)) << error;
        return sites;
    }

    std::vector<archive::PointRow> PointsOf(const std::string& who) {
        std::vector<archive::PointRow> points;
        std::string error;
        EXPECT_TRUE(archive::Points(Archive(who), 0, points, error)) << error;
        return points;
    }

    std::vector<std::int64_t> ResultsOf(const std::string& who) {
        std::vector<archive::ResultRow> rows;
        std::string error;
        EXPECT_TRUE(Archive(who).Results({}, {}, 1000, 0, rows, error)) << error;
        std::vector<std::int64_t> ids;
        for (const archive::ResultRow& row : rows) {
            ids.push_back(row.id);
        }
        return ids;
    }

    // One thing an engineer does, on the archive of `who`; `n` makes names and read-outs unique.
    void Act(const std::string& who, int n) {
        std::string error;
        const std::vector<archive::SiteRow> sites = SitesOf(who);
        const std::vector<archive::PointRow> points = PointsOf(who);
        const std::vector<std::int64_t> results = ResultsOf(who);
        switch (std::uniform_int_distribution<int>(0, 10)(random_)) {
            case 0:
                AddSite(who, "Site " + std::to_string(n));
                return;
            case 1:
                if (!sites.empty()) {
                    archive::SiteRow site = Pick(sites);
                    site.fields.name = "Renamed " + std::to_string(n);
                    EXPECT_TRUE(archive::UpdateSite(Archive(who), site.id, site.fields, error)) << error;
                }
                return;
            case 2:
                if (!sites.empty()) {
                    archive::SiteRow site = Pick(sites);
                    site.fields.address = "Street " + std::to_string(n);
                    EXPECT_TRUE(archive::UpdateSite(Archive(who), site.id, site.fields, error)) << error;
                }
                return;
            case 3:
                if (!sites.empty()) {
                    AddPoint(who, Pick(sites).id, "Point " + std::to_string(n));
                }
                return;
            case 4:
                StoreReadOut(who, n, 0, 2);
                return;
            case 5:
                if (!results.empty() && !points.empty()) {
                    EXPECT_TRUE(archive::Assign(Archive(who), {Pick(results)}, Pick(points).id, error))
                        << error;
                }
                return;
            case 6:
                if (!results.empty()) {
                    EXPECT_TRUE(Archive(who).SetLabel(archive::LabelTarget::Result, Pick(results),
                                                      "Label " + std::to_string(n % 3), std::nullopt, error))
                        << error;
                }
                return;
            case 7:
            case 8:
                SaveAnalysis(who, n, sites, points, results);
                return;
            case 9:
                DeleteAnalysis(who);
                return;
            default:
                if (!sites.empty() && n % 2 == 0) {
                    EXPECT_TRUE(archive::DeleteSite(Archive(who), Pick(sites).id, error)) << error;
                }
                return;
        }
    }

    // A soil model or grid assessment on a site, or a curve on a point whose second reading is a result.
    void SaveAnalysis(const std::string& who, int n, const std::vector<archive::SiteRow>& sites,
                      const std::vector<archive::PointRow>& points,
                      const std::vector<std::int64_t>& results) {
        std::string error;
        if (n % 3 == 0 && !sites.empty()) {
            archive::StoredSoilModel model;
            model.site = Pick(sites).id;
            model.layerChoice = "1";
            model.rmsPercent = n / 7.0;
            model.layers = {{10.0 + n, 0.5, std::nullopt, std::nullopt}};
            EXPECT_TRUE(terrovane::testing::Succeeded(archive::StoreSoilModel(Archive(who), model)));
        } else if (n % 3 == 1 && !points.empty()) {
            const std::optional<std::int64_t> result =
                results.empty() ? std::nullopt : std::optional(Pick(results));
            archive::StoredFopCurve curve{0, Pick(points).id, "", 50.0 + n, {{10, 2, {}}, {31, 2.5, result}},
                                          {}};
            EXPECT_TRUE(terrovane::testing::Succeeded(archive::StoreFopCurve(Archive(who), curve)));
        } else if (!sites.empty()) {
            archive::StoredGridAssessment grid;
            grid.site = Pick(sites).id;
            grid.shape = grid.rodPlacement = grid.standard = grid.soilMethod = grid.verdict = "x";
            grid.lengthM = grid.widthM = grid.depthM = grid.conductorDiameterM = grid.durationS = 1;
            grid.conductorsLengthwise = grid.conductorsWidthwise = 2;
            grid.soilResistivity = n + 0.1;
            EXPECT_TRUE(terrovane::testing::Succeeded(archive::StoreGridAssessment(Archive(who), grid)));
        }
    }

    void DeleteAnalysis(const std::string& who) {
        const archive::Status deleted =
            Archive(who).Run(archive::Archive::Access::Write, [](archive::Database& db) {
                sync::Exec(db, "DELETE FROM soil_models WHERE id = (SELECT min(id) FROM soil_models)");
                sync::Exec(db, "DELETE FROM fop_curves WHERE id = (SELECT max(id) FROM fop_curves)");
                return archive::Status(archive::Done{});
            });
        EXPECT_TRUE(deleted.Ok());
    }

    // A sync, now and then through a connection that breaks at one of the worst moments.
    void SyncMaybeBroken(const std::string& who) {
        switch (std::uniform_int_distribution<int>(0, 5)(random_)) {
            case 0:
                proxy_.CutClientMessageContaining("terrovane.push");
                break;
            case 1:
                proxy_.CutServerAnswerContaining("\"status\": \"applied\"");
                break;
            case 2:
                proxy_.CutServerAnswerContaining("changed_by");
                break;
            default:
                break;
        }
        const sync::SyncReport report = Sync(who, ThroughProxy(who));
        EXPECT_TRUE(report.error == sync::SyncError::None || report.error == sync::SyncError::CannotReach)
            << sync::SyncErrorName(report.error) << ": " << report.detail;
        proxy_.CutClientMessageContaining("");
        proxy_.CutServerAnswerContaining("");
    }

    std::mt19937 random_{29};
    FaultProxy proxy_{RunningServer().port};
};

TEST_F(SyncRandomTest, ThreeArchivesWithRandomWorkAndFaultsConverge) {
    const std::vector<std::string> team = {"ann", "bob", "cy"};
    for (int n = 0; n < 60; ++n) {
        const std::string& who = Pick(team);
        Act(who, n);
        if (n % 4 == 3) {
            SyncMaybeBroken(Pick(team));
        }
    }
    for (int round = 0; round < 3; ++round) {
        for (const std::string& who : team) {
            const sync::SyncReport report = Sync(who);
            ASSERT_EQ(report.error, sync::SyncError::None) << who << ": " << report.detail;
        }
    }
    ExpectConverged({"ann", "bob", "cy"});
}

// The same with the team changing on the way: cy starts as an inspector of no site (its edits of others'
// sites are refused, then go again once it is made an admin), dee joins late with no site and is made an
// admin later, ann's archive is copied and both copies go on, and bob once signs in on ann's archive.
TEST_F(SyncRandomTest, ArchivesConvergeThroughRightsChangesLateMembersCopiesAndASecondLogin) {
    Member("cy", team::MemberRole::Inspector, {});
    Member("dee", team::MemberRole::Viewer, {});
    std::vector<std::string> team = {"ann", "bob", "cy"};
    ASSERT_EQ(Sync("dee").error, sync::SyncError::None);
    for (int n = 0; n < 60; ++n) {
        if (n == 20) {
            Query("ann", "VACUUM INTO '" + ArchivePath("ann2") + "'");
            team.push_back("ann2");
        } else if (n == 30) {
            Member("cy", team::MemberRole::Admin);
            Member("dee", team::MemberRole::Admin);
        } else if (n == 40) {
            EXPECT_EQ(Sync("ann", Direct("bob")).error, sync::SyncError::OtherLogin);
        }
        const std::string& who = Pick(team);
        Act(who, n);
        if (n % 4 == 3) {
            SyncMaybeBroken(Pick(team));
        }
    }
    team.push_back("dee");
    for (int round = 0; round < 3; ++round) {
        for (const std::string& who : team) {
            const sync::SyncReport report = Sync(who, Direct(who));
            ASSERT_EQ(report.error, sync::SyncError::None) << who << ": " << report.detail;
        }
    }
    for (const std::string& who : team) {
        EXPECT_TRUE(Sync(who, Direct(who)).inSync) << who;
    }
    ExpectConverged({"ann", "bob", "cy", "ann2", "dee"});
}

}  // namespace
}  // namespace terrovane::testing
