#include <gtest/gtest.h>

#include "RecordTexts.h"
#include "ReportTexts.h"

namespace terrovane::format {
namespace {

using record::MeasurementRecord;
using record::RecordTable;

TEST(RecordText, DateAndTimeTexts) {
    MeasurementRecord r;
    r.year = 0x09, r.month = 0x01, r.day = 0x23, r.hour = 0x07, r.minute = 0x05, r.second = 0x30;
    EXPECT_EQ(FormatRecordDate(r), "2009-01-23");
    EXPECT_EQ(FormatRecordTime(r), "07:05:30");
    r.year = 0x10, r.month = 0x12;
    EXPECT_EQ(FormatRecordDate(r), "2010-12-23");
    EXPECT_EQ(FormatRecordDate(MeasurementRecord{}), "2000-00-00");
    EXPECT_EQ(FormatRecordTime(MeasurementRecord{}), "00:00:00");
    r.month = 0xA0;  // decodes to 100: its place stays empty
    EXPECT_EQ(FormatRecordDate(r), "2010-23");
    EXPECT_EQ(SlotText(0), "00");
    EXPECT_EQ(SlotText(9), "09");
    EXPECT_EQ(SlotText(57), "57");
}

TEST(RecordText, ListTextsOnlyForOccupiedSlots) {
    RecordTable table;
    table.Set(57, MeasurementRecord{});
    EXPECT_FALSE(RecordListTexts(table, 56).has_value());
    EXPECT_EQ(RecordListTexts(table, 57)->date, "2000-00-00");
    EXPECT_EQ(RecordListTexts(table, 57)->time, "00:00:00");
}

TEST(RecordText, ReportTextsPadEveryComponentAndKeepDamagedOnes) {
    MeasurementRecord r;
    r.year = 0x09, r.month = 0x01, r.day = 0x05, r.hour = 0x07, r.minute = 0x05, r.second = 0x30;
    EXPECT_EQ(PaddedRecordDate(r), FormatRecordDate(r));
    EXPECT_EQ(PaddedRecordTime(r), FormatRecordTime(r));
    EXPECT_EQ(PaddedRecordDate(r), "2009-01-05");
    r.month = 0xA0, r.second = 0xFF;  // 100 and 165: printed whole, where the list leaves them out
    EXPECT_EQ(PaddedRecordDate(r), "2009-100-05");
    EXPECT_EQ(PaddedRecordTime(r), "07:05:165");
    EXPECT_EQ(ReportPageNumberText(3), "第 3 页");
    // A translated foot is data: its "%d" takes the number, anything else in it is printed as it stands.
    EXPECT_EQ(ReportPageNumberText(12, "Page %d"), "Page 12");
    EXPECT_EQ(ReportPageNumberText(2, "%s of %d%%"), "%s of 2%%");
    EXPECT_EQ(ReportPageNumberText(2, "Page"), "Page");
    EXPECT_EQ(HeaderDateText(2024, 2, 9), "2024-02-09");
    EXPECT_EQ(HeaderDateText(987, 12, 31), "0987-12-31");
}

}  // namespace
}  // namespace terrovane::format
