// What a screen reader is told of the states: where each lies, and its
// placed neighbours by name.
#include "PlayFixture.h"
#include "PlayTexts.h"

#include <gtest/gtest.h>

using namespace orrinvale;
using namespace orrinvale::testing;

TEST(PlayTexts, WhereAStateLiesNamesItsPlacedNeighboursOnly)
{
    Play p;
    const int washington = p.stateOf("WA");
    EXPECT_EQ(texts::whereabouts(p.play, washington), "In the north-west of the map, bordering 2 unnamed states");
    EXPECT_EQ(texts::whereabouts(p.play, p.stateOf("HI")).rfind("On its own, in the south", 0), 0u);
    p.board.dropOnRegion(static_cast<std::int16_t>(p.regionOf("OR")), p.nameOf("OR"));
    EXPECT_EQ(texts::whereabouts(p.play, washington),
              "In the north-west of the map, bordering Oregon and 1 more unnamed state");
    p.board.dropOnRegion(static_cast<std::int16_t>(p.regionOf("ID")), p.nameOf("ID"));
    const std::string both = texts::whereabouts(p.play, washington);
    EXPECT_TRUE(both.find("Oregon") != std::string::npos && both.find("Idaho") != std::string::npos) << both;
    EXPECT_EQ(texts::namePosition(p.play, p.nameOf("WA")), "45 of 48");
}

TEST(PlayTexts, NoUnplacedStateIsNamedAndEveryPlacedOneIs)
{
    Play p;
    for (int s = 0; s < p.play.map().size(); ++s)
        EXPECT_EQ(texts::stateName(p.play, s), "Unnamed state " + std::to_string(s + 1));
    p.placeAll(50 - 1);
    for (int s = 0; s < p.play.map().size(); ++s) {
        const std::string code = p.play.map().state(s).code;
        const std::string name = p.board.panelName(p.nameOf(code)).caption;
        EXPECT_EQ(texts::stateName(p.play, s), p.board.panelName(p.nameOf(code)).visible ? "Unnamed state " +
                  std::to_string(s + 1) : name);
        const std::string where = texts::whereabouts(p.play, s);
        for (int i = 0; i < 50; ++i) {
            if (p.board.panelName(i).visible) {
                EXPECT_EQ(where.find(p.board.panelName(i).caption), std::string::npos) << where;
            }
        }
    }
}

TEST(PlayTexts, AContinentsTextsSpeakOfItsCountriesInTheSameCase)
{
    BoardMap countries;
    countries.noun = "country";
    countries.nounPlural = "countries";
    for (const auto& [text, told] : std::vector<std::pair<std::string, std::string>>{
             {"DRAG EACH STATE NAME TO ITS PROPER PLACE ON THE MAP", "DRAG EACH COUNTRY NAME TO ITS PROPER PLACE ON THE MAP"},
             {"State names", "Country names"},
             {"Map of the states", "Map of the countries"},
             {"the next state that way; statesman", "the next country that way; statesman"}}) {
        EXPECT_EQ(inTermsOf(countries, text), told);
        EXPECT_EQ(inTermsOf(statesMap(), text), text);
    }
}
