// The result list: order, pages, filters, labels and notes.
#include "ArchiveFixtures.h"

namespace terrovane::archive::testing {
namespace {

class QueryTest : public ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        // Read-out 1: modes 1, 9, 1 on the 3rd, 5th, 7th; read-out 2: one new mode 6 result on the 9th.
        ASSERT_TRUE(StoreImage(*archive_, ImageWith({{0, MakeResult(1, 3, 0, 10.0f)},
                                                     {5, MakeResult(9, 5, 0, 900.0f)},
                                                     {9, MakeResult(1, 7, 0, 12.0f)}}))
                        .stored);
        ASSERT_TRUE(StoreImage(*archive_,
                               ImageWith({{2, MakeResult(6, 9, 0, 40.0f)}, {5, MakeResult(9, 5, 0, 900.0f)}}),
                               "2024-06-01T08:00:00+02:00")
                        .stored);
    }

    std::vector<std::int64_t> Ids(const ResultFilter& filter, ResultSort sort = {}, int limit = -1,
                                  int offset = 0) {
        std::vector<ResultRow> rows;
        std::string error;
        EXPECT_TRUE(archive_->Results(filter, sort, limit, offset, rows, error)) << error;
        std::vector<std::int64_t> ids;
        for (const ResultRow& row : rows) {
            ids.push_back(row.id);
        }
        return ids;
    }

    std::unique_ptr<Archive> archive_;
};

using IdList = std::vector<std::int64_t>;

TEST_F(QueryTest, NewestReadOutFirstSlotsAscendingInPagesThatNeitherOverlapNorSkip) {
    EXPECT_EQ(Ids({}), (IdList{4, 1, 2, 3}));
    EXPECT_EQ(Ids({}, {}, 3, 0), (IdList{4, 1, 2}));
    EXPECT_EQ(Ids({}, {}, 3, 3), (IdList{3}));
    EXPECT_EQ(Ids({}, {ResultOrder::Newest, true}), (IdList{3, 2, 1, 4}));
    EXPECT_EQ(Ids({}, {ResultOrder::Measured, false}), (IdList{1, 2, 3, 4}));
    EXPECT_EQ(Ids({}, {ResultOrder::Mode, true}), (IdList{2, 4, 1, 3}));
    EXPECT_EQ(Ids({}, {ResultOrder::Value0, true}), (IdList{3, 1, 4, 2}));
    std::string error;
    const auto row = archive_->Result(4, error);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->readout, 2);
    EXPECT_EQ(row->readAt, "2024-06-01T08:00:00+02:00");
    EXPECT_EQ(row->slot, 2);
    EXPECT_FALSE(archive_->Result(5, error));
}

TEST_F(QueryTest, FiltersByMeasuringDateModeReadOutAndLabel) {
    ResultFilter range;
    range.since = "2009-01-05";
    range.until = "2009-01-07";
    EXPECT_EQ(Ids(range), (IdList{2, 3}));
    ResultFilter mode;
    mode.mode = 1;
    EXPECT_EQ(Ids(mode), (IdList{1, 3}));
    ResultFilter readout;
    readout.readout = 2;
    EXPECT_EQ(Ids(readout), (IdList{4, 2}));

    std::string error;
    ASSERT_TRUE(archive_->SetLabel(LabelTarget::Result, 1, "  Substation 50%_A ", std::nullopt, error))
        << error;
    ASSERT_TRUE(archive_->SetLabel(LabelTarget::Result, 3, "Substation 5", std::nullopt, error));
    ResultFilter label;
    label.labelContains = "substation 50%_";  // any case, the % and _ taken literally
    EXPECT_EQ(Ids(label), (IdList{1}));
    label.labelContains = "STATION";
    EXPECT_EQ(Ids(label), (IdList{1, 3}));
    label.mode = 9;
    EXPECT_EQ(Ids(label), IdList{});
    ResultFilter exact;
    exact.labelIs = "Substation 5";
    EXPECT_EQ(Ids(exact), (IdList{3}));
    EXPECT_EQ(archive_->Labels(error), (std::vector<std::string>{"Substation 5", "Substation 50%_A"}));
}

TEST_F(QueryTest, AReadOutLabelReachesItsUnlabelledResultsButNotOnesLabelledApart) {
    std::string error;
    ASSERT_TRUE(archive_->SetLabel(LabelTarget::Result, 3, "Tower 9", std::string("own"), error));
    ASSERT_TRUE(archive_->SetLabel(LabelTarget::ReadOut, 1, "Site A", std::string("dry soil"), error))
        << error;
    ResultFilter site;
    site.labelIs = "Site A";
    EXPECT_EQ(Ids(site), (IdList{1, 2}));
    // Renaming the read-out's label renames it on the results that bore it; "Tower 9" stays.
    ASSERT_TRUE(archive_->SetLabel(LabelTarget::ReadOut, 1, "Site B", std::nullopt, error));
    site.labelIs = "Site B";
    EXPECT_EQ(Ids(site), (IdList{1, 2}));
    std::vector<ReadOutRow> readouts;
    ASSERT_TRUE(archive_->ReadOuts({}, -1, 0, readouts, error));
    EXPECT_EQ(readouts[1].label, "Site B");
    EXPECT_EQ(readouts[1].note, "dry soil");  // no note given: the note stays
    // A blank label removes it; an unknown id is refused.
    ASSERT_TRUE(archive_->SetLabel(LabelTarget::Result, 3, "   ", std::nullopt, error));
    EXPECT_EQ(archive_->Labels(error), (std::vector<std::string>{"Site B"}));
    EXPECT_FALSE(archive_->SetLabel(LabelTarget::Result, 77, "x", std::nullopt, error));
    EXPECT_NE(error.find("no result 77"), std::string::npos);
    EXPECT_FALSE(archive_->SetLabel(LabelTarget::ReadOut, 77, "x", std::nullopt, error));
}

TEST_F(QueryTest, ReadOutsFilterByTheirOwnDateAndLabel) {
    std::string error;
    ResultFilter june;
    june.since = "2024-06-01";
    std::vector<ReadOutRow> readouts;
    ASSERT_TRUE(archive_->ReadOuts(june, -1, 0, readouts, error));
    ASSERT_EQ(readouts.size(), 1u);
    EXPECT_EQ(readouts[0].id, 2);
    EXPECT_EQ(readouts[0].port, "/dev/ttyUSB0");
    EXPECT_EQ(readouts[0].results, (IdList{4, 2}));
}

}  // namespace
}  // namespace terrovane::archive::testing
