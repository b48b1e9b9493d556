#include "LevelSource.h"

#include "LevelTestSupport.h"

#include <gtest/gtest.h>

using namespace levels_test;

namespace {

TEST(LevelSource, PrintedSourcesReadBackWithTheirLines) {
    const TLevelRecord record = DistinctRecord();
    std::string text, error;
    ASSERT_TRUE(PrintLevelSource(record, text, error)) << error;
    TLevelSource source;
    TSourceError fault;
    ASSERT_TRUE(ParseLevelSource(text, source, fault)) << fault.Line << ": " << fault.Message;
    EXPECT_EQ(source.Record, record);
    // objective, time and elements open the source; the kind grid follows the values.
    EXPECT_EQ(source.FieldLines[lfObjective], 1);
    EXPECT_EQ(source.FieldLines[lfTime], 2);
    EXPECT_EQ(source.ElementsLine, 3);
    const int kindLine = source.GridLines[lgObjectKind];
    EXPECT_EQ(source.RowLines[lgObjectKind][11], kindLine + 12);
    EXPECT_EQ(source.LineOf(TLevelSpot::OfCell(lgObjectKind, 5, 12)), kindLine + 12);
    EXPECT_EQ(source.LineOf(TLevelSpot::OfBoard()), kindLine);
}

TEST(LevelSource, AnyWhiteSpaceAndCommentsAreBlank) {
    std::string text = "\v\f\t \r\n# a comment\ntime 60 # one minute\r\n\telements\v1 2\n";
    text += "grid kind   # the board\n";
    for (int y = 1; y <= BoardRows; ++y) text += "  ..FF............  \n\n";
    TLevelSource source;
    TSourceError fault;
    ASSERT_TRUE(ParseLevelSource(text, source, fault)) << fault.Line << ": " << fault.Message;
    EXPECT_EQ(source.Record[lfTime], 60);
    EXPECT_TRUE(source.Record.ElementSet.Has(2));
    EXPECT_EQ(source.Record.Board(3, 12).ObjectKind, okFruit);
    EXPECT_EQ(source.Record.Board(1, 1).ObjectKind, okUnused);
    EXPECT_EQ(source.RowLines[lgObjectKind][1], 8);
    // Values left out take their defaults.
    EXPECT_EQ(source.Record[lfFullRequiredFruits], 200);
    EXPECT_EQ(source.FieldLines[lfFullRequiredFruits], 0);
}

} // namespace
