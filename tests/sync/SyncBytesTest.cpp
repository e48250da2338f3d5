// The bytes the sync writes for the team server, exactly. A read-out's and an analysis's body are hashed
// into the content key that the server and every other archive already hold, and a field change is
// compared as it was sent: none of these bytes may change with the library that writes them (the form of
// a number, the order of members, the escapes). Random ids and the clock's stamps are masked; everything
// else is compared byte for byte.
#include <regex>
#include <span>

#include "AnalysisBody.h"
#include "ArchiveFixtures.h"
#include "Batch.h"
#include "ContentKey.h"
#include "LocalSql.h"
#include "ResultCheck.h"
#include "Sites.h"
#include "SoilModels.h"
#include "SyncIds.h"

namespace terrovane::sync {
namespace {

using archive::testing::ImageWith;
using archive::testing::MakeResult;

// Ids, stamps and times as placeholders: they differ from run to run, the bytes around them may not.
std::string Masked(std::string text) {
    text = std::regex_replace(
        text, std::regex("[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}"), "<uuid>");
    text = std::regex_replace(text, std::regex("[0-9]{15}-[0-9]{5}-<uuid>"), "<stamp>");
    return std::regex_replace(text, std::regex("[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9:.]+(Z|[+-][0-9:]+)"),
                              "<time>");
}

TEST(SyncBytes, AStringKeepsTheEscapesTheKeysWereMadeWith) {
    // Control characters as \u00XX (never \n), everything else as it came, even bytes that are no UTF-8.
    EXPECT_EQ(JsonString("a\"b\\c\n\t\x01\x7f Ω \xff"), "\"a\\\"b\\\\c\\u000a\\u0009\\u0001\x7f Ω \xff\"");
}

class SyncBytesTest : public archive::testing::ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        archive::SiteFields site;
        site.name = "Line \"4\"\nNorth";
        site.latitude = 52.5200081;
        site.longitude = 13.4049;
        site.intervalMonths = 12;
        ASSERT_TRUE(archive::AddSite(*archive_, site, siteId_, error_)) << error_;
    }
    void OnArchive(const std::function<void(archive::Database&)>& work) {
        const archive::Status done =
            archive_->Run(archive::Archive::Access::Write, [&](archive::Database& db) -> archive::Status {
                work(db);
                return archive::Done{};
            });
        ASSERT_TRUE(done.Ok()) << done.Error().Text();
    }

    std::unique_ptr<archive::Archive> archive_;
    std::int64_t siteId_ = 0;
    std::string error_;
};

TEST_F(SyncBytesTest, ASiteAndAReadOutGoAsTheyWentBefore) {
    ASSERT_TRUE(StoreImage(*archive_, ImageWith({{0, MakeResult(1, 5, 0, 8.25f)}})).stored);
    std::optional<Batch> batch;
    OnArchive([&](archive::Database& db) {
        batch = NextBatch(db, 100);
        ASSERT_TRUE(batch.has_value());
        PrepareSending(db, *batch);
    });
    // The site's fields come as the archive's JSON functions quote them; what is around them is ours.
    const std::string fields =
        R"([{"type":"field","kind":"site","id":"<uuid>","site":"<uuid>","field":"address","value":"","stamp":"<stamp>"},)"
        R"({"type":"field","kind":"site","id":"<uuid>","site":"<uuid>","field":"deleted","value":0,"stamp":"<stamp>"},)"
        R"({"type":"field","kind":"site","id":"<uuid>","site":"<uuid>","field":"interval_months","value":12,"stamp":"<stamp>"},)"
        R"({"type":"field","kind":"site","id":"<uuid>","site":"<uuid>","field":"latitude","value":52.5200081,"stamp":"<stamp>"},)"
        R"({"type":"field","kind":"site","id":"<uuid>","site":"<uuid>","field":"limit_ohm","value":null,"stamp":"<stamp>"},)"
        R"({"type":"field","kind":"site","id":"<uuid>","site":"<uuid>","field":"limit_source","value":null,"stamp":"<stamp>"},)"
        R"({"type":"field","kind":"site","id":"<uuid>","site":"<uuid>","field":"longitude","value":13.4049,"stamp":"<stamp>"},)"
        R"({"type":"field","kind":"site","id":"<uuid>","site":"<uuid>","field":"name","value":"Line \"4\"\nNorth","stamp":"<stamp>"},)"
        R"({"type":"field","kind":"site","id":"<uuid>","site":"<uuid>","field":"notes","value":"","stamp":"<stamp>"},)";
    EXPECT_EQ(
        Masked(batch->changes),
        fields +
            R"({"type":"content","kind":"readout","key":"adef174b5e24865a7ea3141a5c67209c02f84dc4a4aa3f0ea2b226dc08651038","site":null,"ref":"1"}])");
    EXPECT_EQ(
        Masked(batch->sent),
        fields +
            R"({"type":"content","kind":"readout","key":"adef174b5e24865a7ea3141a5c67209c02f84dc4a4aa3f0ea2b226dc08651038","site":null,"body":{"read_at":"<time>","port":"/dev/ttyUSB0"},"image":1}])");
}

TEST_F(SyncBytesTest, ASoilModelsBodyStaysTheSameAndIsItsKey) {
    archive::StoredSoilModel model;
    model.site = siteId_;
    model.layerChoice = "2";
    model.rmsPercent = 1.8;
    model.layers = {{120.0, 3.5, 2.4, 0.2},
                    {35.0, std::numeric_limits<double>::infinity(), std::nullopt, std::nullopt}};
    model.points = {{1, 118}, {2, 110.25}, {4, 85}};
    model.leftOut = {"slot 07:\t\"no\" reading\nsecond line"};
    ASSERT_TRUE(terrovane::testing::Succeeded(archive::StoreSoilModel(*archive_, model)));
    std::optional<AnalysisContent> content;
    OnArchive([&](archive::Database& db) {
        content = AnalysisContentOf(db, *AnalysisKindNamed("soil_model"), model.id);
    });
    ASSERT_TRUE(content.has_value());
    // Real numbers as strings in their shortest form, control characters as \u00XX: as the keys were made.
    EXPECT_EQ(
        Masked(content->body),
        R"({"analysis":"soil_model","uuid":"<uuid>","site":"<uuid>","row":{"saved_at":"<time>","layer_choice":"2","rms_percent":"1.8"},)"
        R"("soil_model_layers":[{"layer":0,"resistivity_ohm_m":"120","resistivity_sigma":"3.5","thickness_m":"2.4","thickness_sigma":"0.2"},{"layer":1,"resistivity_ohm_m":"35","resistivity_sigma":"inf","thickness_m":null,"thickness_sigma":null}],)"
        R"("soil_model_points":[{"ordinal":0,"spacing_m":"1","apparent_resistivity_ohm_m":"118"},{"ordinal":1,"spacing_m":"2","apparent_resistivity_ohm_m":"110.25"},{"ordinal":2,"spacing_m":"4","apparent_resistivity_ohm_m":"85"}],)"
        R"("soil_model_covariance":[],)"
        R"("soil_model_left_out":[{"ordinal":0,"note":"slot 07:\u0009\"no\" reading\u000asecond line"}]})");
    // The key is the SHA-256 of exactly those bytes.
    const std::string& body = content->body;
    EXPECT_EQ(content->key, archive::HexText(archive::Sha256(
                                std::span(reinterpret_cast<const std::uint8_t*>(body.data()), body.size()))));
}

}  // namespace
}  // namespace terrovane::sync
