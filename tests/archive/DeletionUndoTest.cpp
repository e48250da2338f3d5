// A site or test point deleted and put back: everything its deletion took returns as it was (read back by
// the archive's functions and by Python's sqlite3), a photo's bytes included, under the former ids where
// they are free; a conflicting change made since leaves the archive as it is; the team hears of it.
#include "ArchiveFixtures.h"
#include "Attachments.h"
#include "DeletionSnapshot.h"
#include "Problems.h"
#include "ReportPhotos.h"
#include "ResultCheck.h"
#include "Sites.h"
#include "SoilModels.h"
#include "TypedResults.h"
#include "TypedTraverses.h"
#include "Visits.h"

namespace terrovane::archive::testing {
namespace {

// Every row a deletion touches, as the independent reader sees it; the rows' stamps aside, which a
// restore renews on purpose, and a stored analysis's sync id, which it replaces.
constexpr const char* kEverything =
    "SELECT 'site', id, name, address, notes, limit_ohm, uuid FROM sites UNION ALL "
    "SELECT 'point', id, site_id, name, ordinal, last_measured, uuid FROM points UNION ALL "
    "SELECT 'visit', id, site_id, visited_on, visited_by, instruments, uuid FROM visits UNION ALL "
    "SELECT 'result', id, point_id, visit_id, NULL, NULL, NULL FROM results UNION ALL "
    "SELECT 'typed', id, point_id, replaces, NULL, NULL, uuid FROM typed_results UNION ALL "
    "SELECT 'typed visit', visit_id, first_version, NULL, NULL, NULL, NULL FROM typed_visits UNION ALL "
    "SELECT 'soil', id, site_id, layer_choice, rms_percent, saved_at, NULL FROM soil_models UNION ALL "
    "SELECT 'layer', model_id, layer, resistivity_ohm_m, thickness_m, NULL, NULL FROM soil_model_layers "
    "UNION ALL SELECT 'traverse', id, point_id, current_probe_m, note, NULL, uuid FROM typed_traverses "
    "UNION ALL SELECT 'reading', traverse_id, ordinal, potential_probe_m, resistance_ohm, NULL, NULL FROM "
    "typed_traverse_readings UNION ALL "
    "SELECT 'attachment', id, file_id, site_id, point_id, name, caption FROM attachments UNION ALL "
    "SELECT 'file', f.id, f.digest, f.size, length(f.thumbnail), hex(b.bytes), NULL FROM attachment_files f "
    "LEFT JOIN attachment_bytes b ON b.file_id = f.id UNION ALL "
    "SELECT 'in report', attachment_id, NULL, NULL, NULL, NULL, NULL FROM report_photos";

class DeletionUndoTest : public ArchiveTest {
  protected:
    void SetUp() override {
        archive = OpenArchive();
        ASSERT_NE(archive, nullptr);
        ASSERT_TRUE(StoreImage(*archive, DistinctImage(1, 3)).stored);
        SiteFields site;
        site.name = "Depot";
        site.notes = "behind the yard";
        ASSERT_TRUE(AddSite(*archive, site, siteId, error)) << error;
        for (const char* name : {"Rod 1", "Rod 2"}) {
            PointFields point;
            point.name = name;
            ASSERT_TRUE(AddPoint(*archive, siteId, point, points.emplace_back(), error)) << error;
        }
        ASSERT_TRUE(Assign(*archive, {1, 2}, points[0], error)) << error;
        ASSERT_TRUE(Assign(*archive, {3}, points[1], error)) << error;
    }

    // A visit with a result and a typed result, a photo in the report, a second document on the first
    // point, a soil model and a typed traverse.
    void FillSite() {
        Visit visit;
        visit.site = siteId;
        visit.date = "2009-01-05";
        visit.by = "Ana Novak";
        const Result<std::int64_t> made = AddVisit(*archive, visit);
        ASSERT_TRUE(made) << made.Error().Text();
        visitId = made.Value();
        ASSERT_TRUE(AssignToVisit(*archive, {1}, visitId));
        TypedResultFields typed;
        typed.point = points[0];
        typed.method = "3-pole";
        typed.values = {{"Re", 4.2, false}};
        typed.measured = "2024-03-01 09:15";
        const Result<std::int64_t> typedMade = AddTypedResult(*archive, typed);
        ASSERT_TRUE(typedMade) << typedMade.Error().Text();
        typedId = typedMade.Value();
        ASSERT_TRUE(AssignTypedToVisit(*archive, {typedId}, visitId));
        photoId = AttachTo(AttachedTo::Site, siteId, "rod pit photo");
        ASSERT_TRUE(ChooseForReport(*archive, photoId, true));
        AttachTo(AttachedTo::Point, points[0], "test link sheet");
        StoredSoilModel model;
        model.site = siteId;
        model.layerChoice = "1";
        model.rmsPercent = 1.5;
        model.layers = {{60.0, 4.0, std::nullopt, std::nullopt}};
        model.points = {{1, 61}, {2, 60}, {4, 59}};
        ASSERT_TRUE(terrovane::testing::Succeeded(StoreSoilModel(*archive, model)));
        TypedTraverse traverse;
        traverse.point = points[1];
        traverse.currentProbe = 50;
        traverse.readings = {{10, 3.1}, {20, 3.9}};
        traverse.taking = {"2024-03-01 09:15", "Other make", "Jo Field", "dry", "office"};
        ASSERT_TRUE(AddTypedTraverse(*archive, traverse));
    }

    std::int64_t AttachTo(AttachedTo kind, std::int64_t id, const std::string& bytes) {
        AttachmentFile file;
        file.bytes = bytes;
        file.thumbnail = "thumb of " + bytes;
        const Result<std::int64_t> attached = Attach(*archive, {{kind, id}, bytes + ".jpg", "", file});
        EXPECT_TRUE(attached) << attached.Error().Text();
        return attached ? attached.Value() : 0;
    }

    std::string Everything() const { return ReadArchive(Path(), kEverything); }
    std::string Sql(const std::string& sql) const { return ReadArchive(Path(), sql); }

    std::unique_ptr<Archive> archive;
    std::int64_t siteId = 0;
    std::vector<std::int64_t> points;
    std::int64_t visitId = 0;
    std::int64_t typedId = 0;
    std::int64_t photoId = 0;
    std::string error;
};

TEST_F(DeletionUndoTest, ASiteComesBackWithEverythingItsDeletionTookAndGoesAgain) {
    FillSite();
    const std::string before = Everything();
    Result<DeletionSnapshot> deleted = DeleteSiteKeepingSnapshot(*archive, siteId);
    ASSERT_TRUE(deleted) << deleted.Error().Text();
    EXPECT_EQ(Sql("SELECT count(*) FROM points"), "[[0]]");
    EXPECT_EQ(Sql("SELECT count(*) FROM attachment_bytes"), "[[0]]");  // gone with their last attachment

    for (int round = 0; round < 2; ++round) {
        const Result<std::int64_t> restored = RestoreDeletion(*archive, deleted.Value());
        ASSERT_TRUE(restored) << restored.Error().Text();
        EXPECT_EQ(restored.Value(), siteId);
        EXPECT_EQ(Everything(), before);
        // Read back as the windows read it.
        std::vector<PointRow> back;
        ASSERT_TRUE(Points(*archive, siteId, back, error)) << error;
        ASSERT_EQ(back.size(), 2u);
        EXPECT_EQ(back[0].results, 2);
        EXPECT_EQ(archive->Result(3, error)->point, points[1]);
        EXPECT_EQ(VisitResults(*archive, visitId).Value(), std::vector<std::int64_t>{1});
        EXPECT_EQ(VisitTypedResults(*archive, visitId).Value(), std::vector<std::int64_t>{typedId});
        EXPECT_EQ(TypedResultById(*archive, typedId).Value().fields.point, points[0]);
        EXPECT_EQ(AttachmentBytes(*archive, photoId).Value(), "rod pit photo");
        EXPECT_EQ(ChosenForReport(*archive).Value(), std::set<std::int64_t>{photoId});
        std::vector<StoredSoilModel> models;
        ASSERT_TRUE(terrovane::testing::Into(SoilModels(*archive, siteId), models));
        ASSERT_EQ(models.size(), 1u);
        EXPECT_EQ(models[0].points.size(), 3u);
        EXPECT_EQ(TypedTraverses(*archive, points[1]).Value().size(), 1u);
        // Redone: deleted again, what goes with it taken anew.
        deleted = DeleteSiteKeepingSnapshot(*archive, siteId);
        ASSERT_TRUE(deleted) << deleted.Error().Text();
        EXPECT_EQ(Sql("SELECT count(*) FROM sites"), "[[0]]");
    }
    EXPECT_EQ(Sql("SELECT count(*) FROM results WHERE point_id IS NOT NULL OR visit_id IS NOT NULL"),
              "[[0]]");
}

TEST_F(DeletionUndoTest, APointComesBackIntoItsVisitWithItsTypedResultAndDocument) {
    FillSite();
    const std::string before = Everything();
    const Result<DeletionSnapshot> deleted = DeletePointKeepingSnapshot(*archive, points[0]);
    ASSERT_TRUE(deleted) << deleted.Error().Text();
    // The visit stays, without the point's result and typed result.
    EXPECT_TRUE(VisitResults(*archive, visitId).Value().empty());
    EXPECT_TRUE(VisitTypedResults(*archive, visitId).Value().empty());
    const Result<std::int64_t> restored = RestoreDeletion(*archive, deleted.Value());
    ASSERT_TRUE(restored) << restored.Error().Text();
    EXPECT_EQ(restored.Value(), points[0]);
    EXPECT_EQ(Everything(), before);
    EXPECT_EQ(VisitTypedResults(*archive, visitId).Value(), std::vector<std::int64_t>{typedId});
}

TEST_F(DeletionUndoTest, AnIdTakenSinceGivesWayToANewOneThatEverythingFollows) {
    FillSite();
    const Result<DeletionSnapshot> deleted = DeleteSiteKeepingSnapshot(*archive, siteId);
    ASSERT_TRUE(deleted) << deleted.Error().Text();
    // The freed ids are the highest, so the next site and point take them.
    SiteFields other;
    other.name = "Yard";
    std::int64_t otherId = 0;
    ASSERT_TRUE(AddSite(*archive, other, otherId, error)) << error;
    ASSERT_EQ(otherId, siteId);
    PointFields rod;
    rod.name = "Rod 9";
    std::int64_t rodId = 0;
    ASSERT_TRUE(AddPoint(*archive, otherId, rod, rodId, error)) << error;

    const Result<std::int64_t> restored = RestoreDeletion(*archive, deleted.Value());
    ASSERT_TRUE(restored) << restored.Error().Text();
    EXPECT_NE(restored.Value(), siteId);
    const std::optional<SiteRow> depot = FindSite(*archive, "Depot", error);
    ASSERT_TRUE(depot);
    EXPECT_EQ(depot->id, restored.Value());
    const std::optional<PointRow> first = FindPoint(*archive, "Depot", "Rod 1", error);
    ASSERT_TRUE(first);
    EXPECT_EQ(archive->Result(1, error)->point, first->id);
    EXPECT_EQ(TypedResultById(*archive, typedId).Value().fields.point, first->id);
    EXPECT_EQ(
        Sql("SELECT count(*) FROM attachments a JOIN points p ON p.id = a.point_id WHERE p.name = 'Rod 1'"),
        "[[1]]");
    EXPECT_EQ(Sql("SELECT count(*) FROM visits v JOIN sites s ON s.id = v.site_id WHERE s.name = 'Depot'"),
              "[[1]]");
    EXPECT_EQ(Sql("SELECT name FROM points WHERE site_id = " + std::to_string(otherId)), R"([["Rod 9"]])");
}

TEST_F(DeletionUndoTest, AConflictingChangeSinceLeavesTheArchiveAsItIs) {
    FillSite();
    // A name taken since.
    Result<DeletionSnapshot> site = DeleteSiteKeepingSnapshot(*archive, siteId);
    ASSERT_TRUE(site) << site.Error().Text();
    SiteFields clash;
    clash.name = "Depot";
    std::int64_t clashId = 0;
    ASSERT_TRUE(AddSite(*archive, clash, clashId, error)) << error;
    std::string now = Everything();
    Result<std::int64_t> restored = RestoreDeletion(*archive, site.Value());
    ASSERT_FALSE(restored);
    EXPECT_EQ(restored.Error().Text(), Problem(kSiteNameTaken, {"Depot"}));
    EXPECT_EQ(Everything(), now);
    ASSERT_TRUE(DeleteSite(*archive, clashId, error)) << error;
    ASSERT_TRUE(RestoreDeletion(*archive, site.Value()));

    // A result assigned elsewhere since: the point does not come back either.
    Result<DeletionSnapshot> point = DeletePointKeepingSnapshot(*archive, points[0]);
    ASSERT_TRUE(point) << point.Error().Text();
    ASSERT_TRUE(Assign(*archive, {2}, points[1], error)) << error;
    now = Everything();
    restored = RestoreDeletion(*archive, point.Value());
    ASSERT_FALSE(restored);
    EXPECT_EQ(restored.Error().Text(), Problem(kResultAssignedSince, {"2"}));
    EXPECT_EQ(Everything(), now);
}

TEST_F(DeletionUndoTest, AFileSharedWithAnotherAttachmentIsKeptByItAndMissedWhenThatGoesToo) {
    const std::int64_t onSite = AttachTo(AttachedTo::Site, siteId, "same photo");
    AttachTo(AttachedTo::Point, points[0], "same photo");
    const Result<DeletionSnapshot> deleted = DeletePointKeepingSnapshot(*archive, points[0]);
    ASSERT_TRUE(deleted) << deleted.Error().Text();
    EXPECT_TRUE(deleted.Value().fileBytes.rows.empty());  // the site's attachment still holds them
    ASSERT_TRUE(Detach(*archive, onSite));
    const std::string now = Everything();
    const Result<std::int64_t> restored = RestoreDeletion(*archive, deleted.Value());
    ASSERT_FALSE(restored);
    EXPECT_EQ(restored.Error().Text(), Problem(kAttachedFileGone, {"same photo.jpg"}));
    EXPECT_EQ(Everything(), now);
}

TEST_F(DeletionUndoTest, WithTheTeamTheRestoreIsANewChangeAndAnAnalysisANewThing) {
    FillSite();
    const std::string siteUuid = Sql("SELECT uuid FROM sites");
    const std::string modelUuid = Sql("SELECT uuid FROM soil_models");
    const Result<DeletionSnapshot> deleted = DeleteSiteKeepingSnapshot(*archive, siteId);
    ASSERT_TRUE(deleted) << deleted.Error().Text();
    const std::string deletedAt = Sql("SELECT deleted FROM tombstones WHERE kind = 'sites'");
    // As after a sync that sent the deletion.
    ASSERT_TRUE(archive->Write(
        [](Database& db, std::string& failure) {
            failure = "cannot empty the outbox";
            return db.Exec("DELETE FROM sync_outbox") == 0;
        },
        error));
    ASSERT_TRUE(RestoreDeletion(*archive, deleted.Value()));
    EXPECT_EQ(Sql("SELECT uuid FROM sites"), siteUuid);
    EXPECT_EQ(
        Sql("SELECT count(*) FROM tombstones WHERE kind IN ('sites', 'points', 'visits', 'typed_traverses')"),
        "[[0]]");
    EXPECT_GT(Sql("SELECT modified FROM sites"), deletedAt);  // later than the deletion, so it wins
    EXPECT_EQ(Sql("SELECT kind FROM sync_outbox WHERE kind IN ('site', 'point', 'visit', 'typed_traverse', "
                  "'soil_model', 'result') ORDER BY kind, ref"),
              R"([["point"], ["point"], ["result"], ["result"], ["result"], ["site"], ["soil_model"], )"
              R"(["typed_traverse"], ["visit"]])");
    // The deletion's news of the former analysis stays to be sent; the analysis is back as a new one.
    EXPECT_NE(Sql("SELECT uuid FROM soil_models"), modelUuid);
    EXPECT_EQ(Sql("SELECT uuid FROM tombstones WHERE kind = 'soil_models'"), modelUuid);
}

}  // namespace
}  // namespace terrovane::archive::testing
