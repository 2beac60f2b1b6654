// The species list that comes with the program, read with the wild Pokémon
// editor's reader: every species value the games use must show a name and stand
// at exactly one entry of the drop-down list.

#include "core/DataFileError.h"
#include "core/Defines.h"
#include "wild/model/PokemonList.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <set>
#include <string>

namespace {

constexpr int LastGameValue = 0xBE; // the games' species values are 0x00..0xBE

class WildPokemonFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Defines::Reset();
        Defines::ProgramFolder = TOVRANE_DATA_DIR;
        list = std::make_unique<PokemonList>();
        try {
            list->Read("Pokemon.tvr");
        } catch (const DataFileError &e) {
            FAIL() << e.what();
        }
    }

    void TearDown() override { Defines::Reset(); }

    std::unique_ptr<PokemonList> list; // large tables: not on the stack
};

} // namespace

TEST_F(WildPokemonFileTest, EveryGameValueHasOneNamedEntryAndEveryEntryOneValue)
{
    const int n = list->Count;
    EXPECT_EQ(n, LastGameValue + 1);

    // Each value is held once (a repeated value would leave fewer filled rows than
    // records) and carries a list number within 1..N that no other value has.
    std::set<std::int64_t> listNumbers;
    int values = 0;
    for (int v = 0; v < 256; ++v) {
        const Cell *row = list->PokeTab[v];
        SCOPED_TRACE("species value " + std::to_string(v));
        EXPECT_EQ(row[1].isEmpty(), v > LastGameValue) << "every value the games use needs a name";
        if (row[1].isEmpty())
            continue;
        ++values;
        EXPECT_EQ(row[1].num(), v);
        EXPECT_FALSE(row[2].str().empty());
        const std::int64_t number = row[3].num();
        EXPECT_GE(number, 1);
        EXPECT_LE(number, n);
        EXPECT_TRUE(listNumbers.insert(number).second) << "list number " << number << " given twice";
    }
    EXPECT_EQ(values, n);
    EXPECT_EQ(listNumbers.size(), std::size_t(n));

    // Each entry of the drop-down list leads back to the value that put it there.
    EXPECT_TRUE(list->PokeList[0][1].isEmpty()) << "list numbers start at 1";
    for (int k = 1; k <= n; ++k) {
        const std::int64_t v = list->PokeList[k][1].num();
        SCOPED_TRACE("list number " + std::to_string(k));
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 255);
        EXPECT_EQ(list->PokeTab[v][3].num(), k);
        EXPECT_EQ(list->PokeList[k][2].str(), list->PokeTab[v][2].str());
    }
}

TEST_F(WildPokemonFileTest, NamesKeepTheirUtf8SignsAndTheListStartsAtTheFirstPokedexSpecies)
{
    EXPECT_EQ(list->PokeTab[0x03][2].str(), "Nidoran♂");
    EXPECT_EQ(list->PokeTab[0x0F][2].str(), "Nidoran♀");
    EXPECT_EQ(list->PokeList[1][2].str(), "Bulbasaur");
    EXPECT_EQ(list->PokeList[151][2].str(), "Mew");
}
