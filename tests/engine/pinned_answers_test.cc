// Exact answers of both engines on the standard data set, written down once
// from a trusted build. Writers and readers change together, so a shared
// fault cancels out in every round trip; these answers do not move unless
// the data set's recipe or the engine's algorithm does.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tessera/engine.h"
#include "testing/fixture_data_set.h"

namespace tessera {
namespace {

struct PinnedAnswers {
  double lat;
  double lng;
  const char* en;  // nullptr: no address (an excluded square)
  const char* de;
  const char* ja;
  const char* nearest_de;  // nullptr: no place within reach
  const char* nearest_ja;
  const char* country;
  Coordinates centre;  // of the English address's square, if it has one
};

// Positions over the fixture's countries, its German and Japanese land, the
// sea, an excluded square, the poles and both sides of the antimeridian.
const PinnedAnswers kAnswers[] = {
    {0.123457,
     2.654321,
     "clathur.watvoul.archas",
     "clathur.watvoul.archas",
     "clathur.watvoul.archas",
     "Vornedovor, Rivorland",
     "Vornedovor, Rivor",
     "AA",
     {0.12345, 2.654328}},
    {0.123457,
     10.654321,
     "defais.marbra.haithi",
     "hüpfär.launi.rißlon",
     "すんお。へれは。あんろ",
     "Provinz Tenka, Vorvorburg",
     "ヴォルヴォルテンカ",
     "BB",
     {0.12345, 10.654328}},
    {0.123457,
     18.654321,
     "custla.regin.taisre",
     "deinhel.nunwüm.sülpü",
     "えにそ。りんる。ちみま",
     "Provinz Katen, Luluburg",
     "ルルカテン",
     "BB",
     {0.12345, 18.654328}},
    {4.123457,
     6.654321,
     "pozout.bolba.kugoo",
     "laßiel.düuch.zauzan",
     "ささね。よはわ。えて",
     nullptr,
     nullptr,
     "AA",
     {4.12345, 6.654331}},
    {4.123457,
     14.654321,
     "bosgea.jomsta.lunron",
     "pfenbü.bupech.tiebie",
     "つきと。くろし。けよ",
     "Rivorland, Kaneburg",
     "カネ, Rivor",
     "BB",
     {4.12345, 14.654331}},
    {8.123457,
     2.654321,
     "gimjai.roukis.pihai",
     "dößtam.rürdü.tackie",
     "けえも。きなん。しんせ",
     "Nebelludoburg, Vormotenvor",
     "ネベルルド, Vormotenvor",
     "AA",
     {8.12345, 2.654316}},
    {8.123457,
     10.654321,
     "slilki.hulgri.aicais",
     "tundüß.nufol.kröötz",
     "ふよつ。あちけ。れさわ",
     nullptr,
     nullptr,
     "BB",
     {8.12345, 10.654316}},
    {8.123457,
     18.654321,
     "choule.sasgos.entea",
     "meigon.mierwo.sömpfäm",
     "ぬら。ぬあと。きねき",
     "Kabel, Provinz Rinene",
     "Kabel, リネネ",
     "BB",
     {8.12345, 18.654316}},
    {12.123457,
     6.654321,
     "gener.jalain.turlat",
     "süstäß.sürack.bönsa",
     "ねるの。ややつ。まなゆ",
     nullptr,
     nullptr,
     "CC",
     {12.12345, 6.654327}},
    {12.123457,
     14.654321,
     "ride.huldoo.radrea",
     "ingdur.säßtön.gülhü",
     "すいみ。ふふお。けゆき",
     nullptr,
     nullptr,
     "CC",
     {12.12345, 14.654327}},
    {36.123457,
     54.654321,
     "lulhoo.wemwo.erweum",
     "ziedatz.bümkuß.göfung",
     "とこん。ゆたあ。ひさこ",
     nullptr,
     nullptr,
     "ZZ",
     {36.12345, 54.654307}},
    {-67.876543,
     50.654321,
     "huick.paclil.numsai",
     "wöpen.trulnan.furpöch",
     "けすて。あみわ。やうの",
     "Kadoburg, Kabelnevor",
     "カド, Kabelnevor",
     "ZZ",
     {-67.87655, 50.654296}},
    {52.123457,
     22.654321,
     "arsist.cetrea.plisfe",
     "hetze.föckdö.feiwau",
     "やきか。わほけ。ほいめ",
     nullptr,
     nullptr,
     "ZZ",
     {52.12345, 22.654307}},
    {-75.876543,
     -117.345679,
     "tajoot.thohas.houpo",
     "degumfe.putzsin.rängti",
     "のひあ。まやも。そふむ",
     "Neka, Provinz Motentenbel",
     "Neka, モテンテンベル",
     "ZZ",
     {-75.87655, -117.345689}},
    {-75.876543,
     90.654321,
     "zaivan.puvoon.kalrel",
     "ußgliß.päföck.huchwan",
     "やちい。ぬそち。りほに",
     "Neribelvor",
     "Neribelvor",
     "ZZ",
     {-75.87655, 90.654311}},
    {68.123457,
     162.654321,
     "ridal.pairno.wesgai",
     "ünwem.faußsta.zimkam",
     "いほけ。けえさ。ねわゆ",
     "Riludo, Provinz Samovorsa",
     "Riludo, サモヴォルサ",
     "ZZ",
     {68.12345, 162.654333}},
    {-71.876543,
     -81.345679,
     "geagoo.nouher.stulre",
     "stötzrä.liepaun.felkrom",
     "れのる。えなあ。ぬわと",
     "Modo, Provinz Motentenbel",
     "Modo, モテンテンベル",
     "ZZ",
     {-71.87655, -81.345703}},
    {48.123457,
     -5.345679,
     "golind.julda.zouwoo",
     "sötzmu.wößpfe.pukong",
     "ろこん。まへあ。こわ",
     "Provinz Monedodo",
     "モネドド",
     "ZZ",
     {48.12345, -5.345668}},
    {76.123457,
     22.654321,
     "baigal.hoomfam.rotreas",
     "baigal.hoomfam.rotreas",
     "baigal.hoomfam.rotreas",
     "Belkabelten, Provinz Belludori",
     "Belkabelten, ベルルドリ",
     "ZZ",
     {76.12345, 22.654369}},
    {-55.876543,
     -45.345679,
     "breaba.coozor.loolou",
     "breaba.coozor.loolou",
     "breaba.coozor.loolou",
     "Vorsa, Provinz Domo",
     "Vorsa, ドモ",
     "ZZ",
     {-55.87655, -45.345675}},
    {44.123457,
     -173.345679,
     "booske.zunzai.geanfir",
     "booske.zunzai.geanfir",
     "booske.zunzai.geanfir",
     nullptr,
     nullptr,
     "ZZ",
     {44.12345, -173.345664}},
    {-23.876543,
     -165.345679,
     "zoogroo.flaner.fejas",
     "zoogroo.flaner.fejas",
     "zoogroo.flaner.fejas",
     "Tenlukalu",
     "Tenlukalu",
     "ZZ",
     {-23.87655, -165.345674}},
    {-59.876543,
     -21.345679,
     "sloste.caimre.houzel",
     "sloste.caimre.houzel",
     "sloste.caimre.houzel",
     "Beldosa, Provinz Motentenbel",
     "Beldosa, モテンテンベル",
     "ZZ",
     {-59.87655, -21.345672}},
    {51.500729,
     -0.124625,
     nullptr,
     nullptr,
     nullptr,
     "Dolu, Ludolu",
     "Dolu, Ludolu",
     "ZZ",
     {0.0, 0.0}},
    {0.0,
     0.0,
     "thafund.wuckno.dravea",
     "thafund.wuckno.dravea",
     "thafund.wuckno.dravea",
     nullptr,
     nullptr,
     "AA",
     {1.3e-05, 1.3e-05}},
    {89.9999,
     10.0,
     "wondgo.juplund.ponsom",
     "wondgo.juplund.ponsom",
     "wondgo.juplund.ponsom",
     "Provinz Belriri, Tenriburg",
     "テンリベルリリ",
     "ZZ",
     {89.999906, 10.020833}},
    {-89.5,
     -45.0,
     "wardam.pestel.cospat",
     "tüchatz.pfunmör.zauböch",
     "とわと。ひゆる。てたふ",
     "Dosalu",
     "Dosalu",
     "ZZ",
     {-89.499987, -44.998512}},
    {10.0,
     179.99999,
     "shahe.tucobus.goooot",
     "shahe.tucobus.goooot",
     "shahe.tucobus.goooot",
     "Vorbelkaten, Provinz Nelu",
     "Vorbelkaten, ネル",
     "ZZ",
     {10.000013, 179.999986}},
    {10.0,
     -179.99999,
     "tidut.stooobi.caimre",
     "tidut.stooobi.caimre",
     "tidut.stooobi.caimre",
     "Vorbelkaten, Provinz Nelu",
     "Vorbelkaten, ネル",
     "ZZ",
     {10.000013, -179.999986}},
};

void expect_text(const Optional<std::string>& actual, const char* expected) {
  if (expected == nullptr) {
    EXPECT_FALSE(actual.has_value()) << *actual;
  } else {
    ASSERT_TRUE(actual.has_value());
    EXPECT_EQ(*actual, expected);
  }
}

class PinnedAnswersTest : public testing::TestWithParam<bool> {
 protected:
  static std::unique_ptr<Engine> load(bool server) {
    return server ? new_server_engine(test::fixture_data_dir())
                  : new_device_engine(test::fixture_data_dir());
  }
};

TEST_P(PinnedAnswersTest, EveryQueryGivesItsRecordedAnswer) {
  const std::unique_ptr<Engine> engine = load(GetParam());
  for (const PinnedAnswers& a : kAnswers) {
    SCOPED_TRACE(testing::Message() << a.lat << ", " << a.lng);
    const Coordinates p(a.lat, a.lng);
    expect_text(engine->convert_to_3wa(p, "en"), a.en);
    expect_text(engine->convert_to_3wa(p, "de"), a.de);
    expect_text(engine->convert_to_3wa(p, "ja"), a.ja);
    expect_text(engine->nearest_place(p, "de"), a.nearest_de);
    expect_text(engine->nearest_place(p, "ja"), a.nearest_ja);
    EXPECT_EQ(engine->country_code(p), a.country);
    if (a.en == nullptr) continue;
    const Optional<Coordinates> centre = engine->convert_to_coordinates(a.en);
    ASSERT_TRUE(centre.has_value());
    EXPECT_EQ(centre->lat, a.centre.lat);
    EXPECT_EQ(centre->lng, a.centre.lng);
  }
}

INSTANTIATE_TEST_SUITE_P(Engines, PinnedAnswersTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                           return info.param ? "Server" : "Device";
                         });

}  // namespace
}  // namespace tessera
