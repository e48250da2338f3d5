// Finding words in the archive: the full-text index kept true by every change and by the migration of an
// older file, searches that are never the index's syntax, accents and case folded, Chinese found without
// spaces, and the result list narrowed by the words. The file is read back by Python's sqlite3.
#include "ArchiveFixtures.h"
#include "Attachments.h"
#include "Find.h"
#include "ResultCheck.h"
#include "Schema.h"
#include "Sites.h"
#include "TypedResults.h"

namespace terrovane::archive::testing {
namespace {

class FindTest : public ArchiveTest {
  protected:
    void SetUp() override {
        archive = OpenArchive();
        ASSERT_NE(archive, nullptr);
        SiteFields site;
        site.name = "Umspannwerk Süd";
        site.address = "Müllerstraße 4, Lörrach";
        site.notes = "key at the gate house";
        ASSERT_TRUE(AddSite(*archive, site, siteId, error)) << error;
        PointFields point;
        point.name = "Leg-1 \"north\"";
        point.notes = "clamp a*b c:d NEAR AND corroded";
        ASSERT_TRUE(AddPoint(*archive, siteId, point, pointId, error)) << error;
        point.name = "Leg 2";
        point.notes = "";
        ASSERT_TRUE(AddPoint(*archive, siteId, point, otherPointId, error)) << error;
        SiteFields other;
        other.name = "北京变电站";
        other.notes = "接地电阻测试 每年";
        ASSERT_TRUE(AddSite(*archive, other, chineseSiteId, error)) << error;
    }

    // What `text` finds, as "kind:id" words in the order found.
    std::string Found(const std::string& text) {
        std::vector<FoundEntry> entries;
        EXPECT_TRUE(terrovane::testing::Into(FindEntries(*archive, text), entries)) << text;
        std::string found;
        for (const FoundEntry& entry : entries) {
            found += (found.empty() ? "" : " ") + std::string(FindKindKey(entry.kind)) + ":" +
                     std::to_string(entry.id);
        }
        return found;
    }

    std::string Site() const { return "site:" + std::to_string(siteId); }
    std::string Point() const { return "point:" + std::to_string(pointId); }

    std::int64_t TypedAt(std::int64_t point, const std::string& note) {
        TypedResultFields typed;
        typed.point = point;
        typed.method = "3-pole";
        typed.values = {{"Re", 4.2, false}};
        typed.measured = "2024-03-01 09:15";
        typed.instrument = "Ohmcraft T-100 SN 4711";
        typed.measuredBy = "Zoë Brandt";
        typed.note = note;
        const auto added = AddTypedResult(*archive, typed);
        EXPECT_TRUE(added) << added.Error().Text();
        return added ? added.Value() : 0;
    }

    std::unique_ptr<Archive> archive;
    std::int64_t siteId = 0;
    std::int64_t pointId = 0;
    std::int64_t otherPointId = 0;
    std::int64_t chineseSiteId = 0;
    std::string error;
};

TEST_F(FindTest, WordsAreFoundByTheirStartWithoutCaseOrAccentsAndEveryWordInOneEntry) {
    EXPECT_EQ(Found("umspann"), Site());
    EXPECT_EQ(Found("SUD"), Site());
    EXPECT_EQ(Found("mullerstrasse"), "");  // ß is no "ss" to the index; "mullerstra" is its start
    EXPECT_EQ(Found("mullerstra lorr"), Site());
    EXPECT_EQ(Found("gate corroded"), "");  // in two entries
    EXPECT_EQ(Found("Süd gate"), Site());
    EXPECT_EQ(Found("corr"), Point());
    EXPECT_EQ(Found("   "), "");
}

TEST_F(FindTest, ASearchIsNeverTheIndexSyntaxAndMarksAreFoundAsTyped) {
    EXPECT_EQ(Found("Leg-1"), Point());
    EXPECT_EQ(Found("\"north\""), Point());
    EXPECT_EQ(Found("a*b"), Point());
    EXPECT_EQ(Found("c:d"), Point());
    EXPECT_EQ(Found("NEAR AND"), Point());
    EXPECT_EQ(Found("near and corroded"), Point());
    // Texts that would be errors or operators in the index's syntax find nothing, or what they say.
    for (const char* hostile : {"\"",         "\"\"",  "*",        "-",     ":",
                                "(",          ")",     "'",        "\\",    "%",
                                "_",          "^",     "OR",       "NOT",   "NEAR(",
                                "AND OR NOT", "col:",  "body:leg", "\"leg", "leg\"",
                                "{body}: x",  "+",     "—",        "«»",    "'; DROP TABLE sites; --",
                                "\xFF\xFE",   "legs*", "*leg"}) {
        std::vector<FoundEntry> entries;
        EXPECT_TRUE(terrovane::testing::Into(FindEntries(*archive, hostile), entries)) << hostile;
        for (const FoundEntry& entry : entries) {
            EXPECT_NE(entry.kind, FindKind::Site) << hostile;
        }
    }
    EXPECT_EQ(Found("OR"), "");
    EXPECT_EQ(Found("*leg"), "point:" + std::to_string(otherPointId) + " " + Point());
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM sites"), "[[2]]");
}

TEST_F(FindTest, ChineseIsFoundAnywhereInATextFromOneCharacterOn) {
    const std::string site = "site:" + std::to_string(chineseSiteId);
    EXPECT_EQ(Found("变电站"), site);
    EXPECT_EQ(Found("北京"), site);
    EXPECT_EQ(Found("电阻"), site);
    EXPECT_EQ(Found("站"), site);
    EXPECT_EQ(Found("电阻测试"), site);
    EXPECT_EQ(Found("每年 北京"), site);
    EXPECT_EQ(Found("上海"), "");
    EXPECT_EQ(Found("电阻测试 gate"), "");
}

TEST_F(FindTest, TheIndexFollowsEveryChangeInTheSameUnitOfWork) {
    const auto stored = StoreImage(*archive, DistinctImage(1, 3));
    ASSERT_TRUE(stored.stored) << stored.error;
    ASSERT_TRUE(archive->SetLabel(LabelTarget::ReadOut, 1, "", std::string("read at the yard"), error))
        << error;
    ASSERT_TRUE(
        archive->SetLabel(LabelTarget::Result, 1, "Campaign Rhine", std::string("rod pit flooded"), error))
        << error;
    EXPECT_EQ(Found("rhine"), "label:1");
    EXPECT_EQ(Found("flooded"), "result:1");
    EXPECT_EQ(Found("yard"), "readout:1");

    // Renamed: the old words go, the new come.
    SiteFields site;
    site.name = "Nordwerk";
    ASSERT_TRUE(UpdateSite(*archive, siteId, site, error)) << error;
    EXPECT_EQ(Found("umspann"), "");
    EXPECT_EQ(Found("nordw"), Site());

    // A typed result by its instrument, who measured and its note; a correction takes its place.
    const std::int64_t typed = TypedAt(pointId, "first note");
    EXPECT_EQ(Found("ohmcraft zoe"), "typed_result:" + std::to_string(typed));
    TypedResultFields fields;
    fields.point = pointId;
    fields.method = "3-pole";
    fields.values = {{"Re", 4.3, false}};
    fields.measured = "2024-03-01 09:15";
    fields.instrument = "Ohmcraft T-100 SN 4711";
    fields.note = "second note";
    const auto corrected = CorrectTypedResult(*archive, typed, fields);
    ASSERT_TRUE(corrected) << corrected.Error().Text();
    EXPECT_EQ(Found("first"), "");
    EXPECT_EQ(Found("second"), "typed_result:" + std::to_string(corrected.Value()));

    // An attachment's caption, changed and removed with its owner.
    const auto attached =
        Attach(*archive,
               {{AttachedTo::Point, otherPointId},
                "pit.jpg",
                "rod pit photo",
                AttachmentFile{AttachmentKind::Jpeg, "\xFF\xD8 bytes", "thumb", 10, 10, "", std::nullopt}});
    ASSERT_TRUE(attached) << attached.Error().Text();
    const std::string attachment = "attachment:" + std::to_string(attached.Value());
    EXPECT_EQ(Found("photo"), attachment);
    ASSERT_TRUE(SetAttachmentCaption(*archive, attached.Value(), "test link box"));
    EXPECT_EQ(Found("photo"), "");
    EXPECT_EQ(Found("link box"), attachment);
    ASSERT_TRUE(DeletePoint(*archive, otherPointId, error)) << error;
    EXPECT_EQ(Found("link"), "");
    ASSERT_TRUE(DeleteSite(*archive, siteId, error)) << error;
    EXPECT_EQ(Found("nordwerk"), "");
    EXPECT_EQ(Found("corroded"), "");

    // Nothing is left noted once a unit of work has committed.
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM find_queue"), "[[0]]");

    // Another program's change is noted by the triggers and written by this program's next unit of work.
    RunCommand("/usr/bin/python3 -c " +
               terrovane::testing::ShellQuoted("import sqlite3, sys\n"
                                               "db = sqlite3.connect(sys.argv[1])\n"
                                               "db.execute(\"UPDATE sites SET notes = 'ferry landing'\")\n"
                                               "db.commit()\n") +
               " " + terrovane::testing::ShellQuoted(Path()));
    PointFields later;
    later.name = "Leg 9";
    std::int64_t laterId = 0;
    ASSERT_TRUE(AddPoint(*archive, chineseSiteId, later, laterId, error)) << error;
    EXPECT_EQ(Found("ferry"), "site:" + std::to_string(chineseSiteId));

    // The index's own check of its entries against its texts.
    for (const char* table : {"find_words", "find_grams"}) {
        const std::string check =
            std::string("INSERT INTO ") + table + "(" + table + ", rank) VALUES ('integrity-check', 1)";
        EXPECT_TRUE(archive->Write(
            [&](Database& db, std::string& failure) {
                failure = db.Exec(check.c_str()) == 0 ? "" : db.Error();
                return failure.empty();
            },
            error))
            << table << ": " << error;
    }
}

TEST_F(FindTest, TheResultListNarrowsToWhatIsFoundAndWhatHoldsIt) {
    ASSERT_TRUE(StoreImage(*archive, DistinctImage(1, 6)).stored);
    ASSERT_TRUE(Assign(*archive, {1, 2}, pointId, error)) << error;
    ASSERT_TRUE(Assign(*archive, {3}, otherPointId, error)) << error;
    ASSERT_TRUE(archive->SetLabel(LabelTarget::Result, 4, "Campaign Rhine", std::nullopt, error)) << error;
    ASSERT_TRUE(archive->SetLabel(LabelTarget::Result, 5, "", std::string("rod pit flooded"), error))
        << error;
    const auto ids = [&](const std::string& text) {
        ResultFilter filter;
        filter.search = text;
        std::vector<ResultRow> rows;
        EXPECT_TRUE(archive->Results(filter, {ResultOrder::Slot, false}, -1, 0, rows, error)) << error;
        std::string found;
        for (const ResultRow& row : rows) {
            found += (found.empty() ? "" : " ") + std::to_string(row.id);
        }
        return found;
    };
    EXPECT_EQ(ids("umspannwerk"), "1 2 3");  // the site's points' results
    EXPECT_EQ(ids("corroded"), "1 2");       // the point's
    EXPECT_EQ(ids("rhine"), "4");            // by its label
    EXPECT_EQ(ids("flooded"), "5");          // by its note
    EXPECT_EQ(ids("nothing-like-it"), "");
    EXPECT_EQ(ids("*"), "");

    // With the other filters.
    ResultFilter filter;
    filter.search = "umspannwerk";
    filter.pointId = otherPointId;
    std::vector<ResultRow> rows;
    ASSERT_TRUE(archive->Results(filter, {}, -1, 0, rows, error)) << error;
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].id, 3);

    FoundPlaces places;
    ASSERT_TRUE(terrovane::testing::Into(FindPlaces(*archive, "rhine"), places));
    EXPECT_TRUE(places.sites.empty());  // the labelled result is unassigned
    ASSERT_TRUE(terrovane::testing::Into(FindPlaces(*archive, "corroded"), places));
    EXPECT_EQ(places.sites, std::set<std::int64_t>{siteId});
    EXPECT_EQ(places.points, std::set<std::int64_t>{pointId});
    EXPECT_TRUE(places.wholeSites.empty());
    places = {};
    ASSERT_TRUE(terrovane::testing::Into(FindPlaces(*archive, "gate house"), places));
    EXPECT_EQ(places.wholeSites, std::set<std::int64_t>{siteId});
    EXPECT_EQ(places.sites, std::set<std::int64_t>{siteId});
    EXPECT_TRUE(places.points.empty());  // all of a whole site's are shown
}

// What a program of the layout before left: none of the index's tables, triggers or the filters' index.
constexpr const char* kBackBeforeFind = R"py(
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
for (name,) in db.execute("SELECT name FROM sqlite_schema WHERE type = 'trigger' AND name LIKE 'find%'").fetchall():
    db.execute("DROP TRIGGER " + name)
db.execute("DROP TABLE find_words")
db.execute("DROP TABLE find_grams")
db.execute("DROP TABLE find_queue")
db.execute("DROP INDEX results_mode_dated")
db.execute("PRAGMA user_version = " + sys.argv[2])
db.commit()
)py";

TEST_F(FindTest, AFileOfTheLayoutBeforeIsIndexedWhenOpened) {
    ASSERT_TRUE(StoreImage(*archive, DistinctImage(1, 2)).stored);
    ASSERT_TRUE(archive->SetLabel(LabelTarget::Result, 2, "Campaign Rhine", std::string("flooded"), error))
        << error;
    const std::int64_t typed = TypedAt(pointId, "checked after rain");
    archive.reset();
    const std::string before = "13";  // the layout before the find index; the steps after it run too
    RunCommand("/usr/bin/python3 -c " + terrovane::testing::ShellQuoted(kBackBeforeFind) + " " +
               terrovane::testing::ShellQuoted(Path()) + " " + before);
    ASSERT_EQ(ReadArchive(Path(), "PRAGMA user_version"), "[[" + before + "]]");

    archive = OpenArchive();
    ASSERT_NE(archive, nullptr);
    EXPECT_EQ(ReadArchive(Path(), "PRAGMA user_version"), "[[" + std::to_string(kSchemaVersion) + "]]");
    EXPECT_EQ(Found("rain"), "typed_result:" + std::to_string(typed));
    EXPECT_EQ(Found("rhine"), "label:1");
    EXPECT_EQ(Found("flooded"), "result:2");
    EXPECT_EQ(Found("umspann"), Site());
    EXPECT_EQ(Found("北京"), "site:" + std::to_string(chineseSiteId));
    // Kept true after the migration as well.
    PointFields point;
    point.name = "Leg 3 new";
    std::int64_t added = 0;
    ASSERT_TRUE(AddPoint(*archive, siteId, point, added, error)) << error;
    EXPECT_EQ(Found("new"), "point:" + std::to_string(added));
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM find_words"), "[[8]]");
}

}  // namespace
}  // namespace terrovane::archive::testing
