#include <gtest/gtest.h>

#include <span>
#include <string_view>
#include <vector>

#include "filters/digit.h"
#include "filters/gamma.h"
#include "filters/hell_kontr.h"
#include "filters/invertieren.h"
#include "filters/regen_erosion.h"

namespace gm {
namespace {

struct Soll {
    std::string_view name;
    ParamTyp typ;
    double vorgabe, minimum, maximum;
};

void pruefe(std::span<const Parameter> ist, const std::vector<Soll>& soll) {
    ASSERT_EQ(ist.size(), soll.size());
    for (std::size_t i = 0; i < soll.size(); ++i) {
        EXPECT_EQ(ist[i].name, soll[i].name);
        EXPECT_EQ(ist[i].typ, soll[i].typ) << soll[i].name;
        EXPECT_EQ(ist[i].vorgabe, soll[i].vorgabe) << soll[i].name;
        EXPECT_EQ(ist[i].minimum, soll[i].minimum) << soll[i].name;
        EXPECT_EQ(ist[i].maximum, soll[i].maximum) << soll[i].name;
    }
}

TEST(FilterParameter, TablesNameTheFieldsWithTheirDefaultsAndRanges) {
    using enum ParamTyp;
    pruefe(GammaParameter, {{"Gamma", Real, 1.0, 0.01, 100.0},
                            {"Bias", Real, 0.5, 0.01, 0.99},
                            {"Gain", Real, 0.5, 0.01, 0.99},
                            {"GainMitte", Real, 0.5, 0.01, 0.99},
                            {"GammaModus", Ganz, 1, 1, 3}});
    EXPECT_EQ(GammaParameter[0].skala, Skala::Logarithmisch);
    pruefe(HellKontrParameter,
           {{"Helligkeit", Real, 0.0, -1.0, 1.0}, {"Kontrast", Real, 1.0, 0.01, 2.0}});
    pruefe(DigitParameter, {{"AnzahlStufen", Real, 2.0, 2.0, 256.0}});
    pruefe(SkalierenParameter,
           {{"Minimum", Real, 0.0, 0.0, 1.0}, {"Maximum", Real, 1.0, 0.0, 1.0}});
    pruefe(RegenParameter, {{"Zyklen", Ganz, 150, 1, 1000},
                            {"Regenmenge", Real, 0.1, 0.002, 1.0},
                            {"Abtrag", Real, 0.1, 0.002, 1.0},
                            {"Glaettung", Real, 0.03, 0.001, 1.0}});
}

TEST(FilterParameter, OffsetsReachTheNamedFields) {
    // Distinct values per field show a swapped or repeated offset.
    const GammaRec g = recordAus<GammaRec>(GammaParameter, {2.0, 0.3, 0.4, 0.6, 3});
    EXPECT_EQ(g.Gamma, 2.0);
    EXPECT_EQ(g.Bias, 0.3);
    EXPECT_EQ(g.Gain, 0.4);
    EXPECT_EQ(g.GainMitte, 0.6);
    EXPECT_EQ(g.GammaModus, 3);
    const HellKontrRec h = recordAus<HellKontrRec>(HellKontrParameter, {-0.2, 1.5});
    EXPECT_EQ(h.Helligkeit, -0.2);
    EXPECT_EQ(h.Kontrast, 1.5);
    const SkalierenRec s = recordAus<SkalierenRec>(SkalierenParameter, {0.2, 0.7});
    EXPECT_EQ(s.Minimum, 0.2);
    EXPECT_EQ(s.Maximum, 0.7);
    EXPECT_EQ(recordAus<DigitRec>(DigitParameter, {7.0}).AnzahlStufen, 7.0);
    const RegenRec r = recordAus<RegenRec>(RegenParameter, {12, 0.2, 0.3, 0.04});
    EXPECT_EQ(r.Zyklen, 12);
    EXPECT_EQ(r.Regenmenge, 0.2);
    EXPECT_EQ(r.Abtrag, 0.3);
    EXPECT_EQ(r.Glaettung, 0.04);

    // The dialog's sliders reach the script ranges' lower ends divided down.
    EXPECT_EQ(RegenReglerTabelle[1].minimum / RegenReglerTabelle[1].teiler, 0.002);
    EXPECT_EQ(RegenReglerTabelle[3].maximum / RegenReglerTabelle[3].teiler, 0.1);
}

}  // namespace
}  // namespace gm
