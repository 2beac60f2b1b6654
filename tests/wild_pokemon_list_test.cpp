#include "core/DataFileError.h"
#include "core/Defines.h"
#include "support/TestFiles.h"
#include "wild/model/PokemonList.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class WildPokemonListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Defines::Reset();
        Defines::ProgramFolder = tmp.path();
    }

    PokemonList &Read(const std::string &text)
    {
        tmp.writeText("Pokemon.tvr", text);
        list->Read("Pokemon.tvr");
        return *list;
    }

    TempFolder tmp;
    std::unique_ptr<PokemonList> list = std::make_unique<PokemonList>();
};

} // namespace

TEST_F(WildPokemonListTest, RecordsArePlacedByValueAndListNumberLaterOnesWinning)
{
    // Any order, either case, quoted or bare names, CRLF, blank lines; nothing after N records is read.
    const PokemonList &s = Read("6\r\n\r\n a5 , \"Mr, Mime\" , 3\r\nFF,Nidoran♀,1\r\n10,First,2\n10,Second,4\n"
                                "20,Third,4\n30,Far,9\nnot read\n\"");
    EXPECT_EQ(s.Count, 6);
    EXPECT_EQ(s.PokeTab[0xA5][1], Cell::number(0xA5));
    EXPECT_EQ(s.PokeTab[0xA5][2], Cell::text("Mr, Mime"));
    EXPECT_EQ(s.PokeTab[0xA5][3], Cell::number(3));
    EXPECT_EQ(s.PokeList[1][1], Cell::number(0xFF));
    EXPECT_EQ(s.PokeList[1][2], Cell::text("Nidoran♀"));
    // Same value: the later name and list number; the earlier name keeps its entry.
    EXPECT_EQ(s.NameOf(0x10), "Second");
    EXPECT_EQ(s.EntryOf(0x10), 3);
    EXPECT_EQ(s.PokeList[2][2], Cell::text("First"));
    // Same list number: the later record stands there.
    EXPECT_EQ(s.PokeList[4][1], Cell::number(0x20));
    // Not held, or listed above N: no entry.
    EXPECT_EQ(s.NameOf(0x08), "");
    EXPECT_EQ(s.EntryOf(0x08), -1);
    EXPECT_EQ(s.EntryOf(0x30), -1);
}

TEST_F(WildPokemonListTest, RereadingFillsOverAndAFailedReadingChangesNothing)
{
    Read("2\n01,One,1\n02,Two,2\n");
    Read("1\n03,Three,1\n");
    EXPECT_EQ(list->NameOf(2), "Two"); // rows no record fills keep what they held
    EXPECT_EQ(list->EntryOf(2), -1);   // but are no longer shown
    EXPECT_THROW(Read("2\n04,Four,1\n05,Five,x\n"), DataFileError);
    EXPECT_EQ(list->Count, 1);
    EXPECT_EQ(list->PokeList[1][2], Cell::text("Three"));
    EXPECT_TRUE(list->PokeTab[4][2].isEmpty());
}

TEST_F(WildPokemonListTest, MalformedListsNameFileLineAndProblem)
{
    const struct
    {
        std::string text;
        int line;
        std::string problem;
    } cases[] = {
        {"", 1, "empty"},
        {"three\n", 1, "not a whole number"},
        {"256\n", 1, "0 to 255"},
        {"2,01,A,1\n", 1, "only the number of records"},
        {"3\n01,A,1\n\n02,B,2\n\n", 4, "ends after 2 of its 3 records"},
        {"1\nG1,A,1\n", 2, "\"G1\" of record 1 is not a hexadecimal number"},
        {"1\n100,A,1\n", 2, "100 of record 1 lies outside 00 to FF"},
        {"1\n\n01,A,1.5\n", 3, "\"1.5\" of record 1 is not a whole number"},
        {"2\n01,A,1\n02,B,-1\n", 3, "-1 of record 2 lies outside 0 to 255"},
        {"1\n01,A\n", 2, "record 1 has 2 fields"},
        {"1\n01,A,1,\n", 2, "record 1 has 4 fields"},
        {"1\n01,\"A,1\n", 2, "no closing quote"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        try {
            Read(c.text);
            ADD_FAILURE() << "no error";
        } catch (const DataFileError &e) {
            EXPECT_EQ(e.file(), tmp.file("Pokemon.tvr"));
            EXPECT_EQ(e.line(), c.line) << e.what();
            EXPECT_NE(e.problem().find(c.problem), std::string::npos) << e.what();
        }
    }
    std::remove(tmp.file("Pokemon.tvr").c_str());
    EXPECT_THROW(list->Read("Pokemon.tvr"), DataFileError);
}
