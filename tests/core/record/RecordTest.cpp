#include "core/record/PartNoRecord.h"
#include "core/record/Text1252.h"

#include <gtest/gtest.h>

#include <cstring>

namespace dorvanta {
namespace {

TEST(TPartNoRecord, TextFieldsClampACorruptLengthByte) {
    TPartNoRecord record{};
    record.PartNumber.assign("KELD106*035#0300");
    record.CaseSize.assign("D");
    unsigned char bytes[kRecordSize];
    std::memcpy(bytes, &record, sizeof bytes);
    bytes[0] = 255; // longer than the 16 characters of the field
    bytes[17] = 200;
    std::memcpy(&record, bytes, sizeof bytes);
    EXPECT_EQ(record.PartNumber.view(), "KELD106*035#0300");
    EXPECT_EQ(record.CaseSize.view().size(), 2u);
}

TEST(TPartNoRecord, AssignTruncatesAndZeroFills) {
    ShortString<2> field;
    field.assign("ABC");
    EXPECT_EQ(field.view(), "AB");
    field.assign("Z");
    EXPECT_EQ(field.view(), "Z");
    EXPECT_EQ(field.chars[1], '\0');
    field.assign("");
    EXPECT_TRUE(field.empty());
}

TEST(TPartNoRecord, FieldsStandAtTheirOffsets) {
    TPartNoRecord record{};
    record.DF = TExtended::from(2.0L);
    record.ReservedByte = 7;
    unsigned char bytes[kRecordSize];
    std::memcpy(bytes, &record, sizeof bytes);
    EXPECT_EQ(bytes[57], 0x80);
    EXPECT_EQ(bytes[59], 0x40);
    EXPECT_EQ(bytes[100], 7);
}

TEST(Text1252, ConvertsTheSpecialCharacters) {
    EXPECT_EQ(Windows1252ToUtf8("\xB1\xB5\xB0\x80"), "±µ°€");
    EXPECT_EQ(Utf8ToWindows1252("±µ°€"), "\xB1\xB5\xB0\x80");
    EXPECT_EQ(Utf8ToWindows1252("a\xE2\x82"), "a??");
    EXPECT_EQ(Utf8ToWindows1252("漢"), "?");
}

} // namespace
} // namespace dorvanta
