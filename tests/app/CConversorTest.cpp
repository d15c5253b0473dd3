#include "CConversor.h"

#include <gtest/gtest.h>

namespace {

// Figures of PROJ's inverse of ED50 / UTM zone 30N (gdaltransform -s_srs
// EPSG:23030 -t_srs EPSG:4230) across Andalucía and beyond it. The readout
// must agree to well within a metre: 5e-6 degrees is about half a metre.
TEST(CConversor, AgreesWithTheExactInverseAcrossTheZone) {
    const struct {
        double x, y, longitud, latitud;
    } puntos[] = {
        {350000, 4140000, -4.69449017684761, 37.3940295425873},
        {500000, 4100000, -2.99999999999999, 37.0456192063742},
        {100000, 4000000, -7.44004736160552, 36.0617895483958},
        {200000, 4300000, -6.45407797165533, 38.7970747546345},
        {700000, 4050000, -0.764880111378602, 36.5739350960521},
        {830000, 4250000, 0.775184644559735, 38.3367589150518},
        {450000, 3980000, -3.55447954567788, 35.9625445515052},
        {620000, 4230000, -1.62940269074981, 38.2093364942079},
    };
    for (const auto& p : puntos) {
        CConversor conversor;
        conversor.SetXUTM(p.x);
        conversor.SetYUTM(p.y);
        CConversor::GradMinSeg latitud, longitud;
        conversor.ConvertirUtmToGeografica(&latitud, &longitud);
        EXPECT_NEAR(latitud.EnGrados(), p.latitud, 5e-6) << p.x << ", " << p.y;
        EXPECT_NEAR(longitud.EnGrados(), p.longitud, 5e-6) << p.x << ", " << p.y;
    }
}

// Parts truncated toward zero; the texts show the size of the angle and its
// side, with the seconds rounded to the fourth decimal (carrying into the
// minutes rather than showing 60 seconds).
TEST(CConversor, ReadoutTextsShowTheSideOfTheAngle) {
    const CConversor::GradMinSeg partes = CConversor::Dividir(-4.69449017684761);
    EXPECT_EQ(partes.grados, -4);
    EXPECT_EQ(partes.minutos, -41);
    EXPECT_NEAR(partes.segundos, -40.1646, 1e-4);
    const wxString grado = wxString::FromUTF8("°");
    EXPECT_EQ(CConversor::TextoLongitud(partes), "4" + grado + " 41' 40.1646\"  O");
    EXPECT_EQ(CConversor::TextoLongitud(CConversor::Dividir(0.775184644559735)), "0" + grado + " 46' 30.6647\"  E");
    EXPECT_EQ(CConversor::TextoLatitud(CConversor::Dividir(37.3940295425873)), "37" + grado + " 23' 38.5064\"  N");
    EXPECT_EQ(CConversor::TextoLatitud(CConversor::Dividir(37 + 0.99999999 / 60)), "37" + grado + " 1' 0.0000\"  N");
    EXPECT_EQ(CConversor::TextoLatitud(CConversor::Dividir(-1.5)), "1" + grado + " 30' 0.0000\"  S");
}

}  // namespace
