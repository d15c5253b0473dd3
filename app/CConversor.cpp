#include "CConversor.h"

#include <cmath>

namespace {
constexpr double kFalsoEste = 500000.0;
constexpr double kFalsoNorte = 10000000.0;
// International 1924 ellipsoid.
constexpr double kSegundaExcentricidad2 = 0.006768170196573675;  // e'^2
constexpr double kRadioPolar = 6399936.60810604;                 // c = a^2 / b, metres
// Meridian arc per radian of latitude, used to find the footpoint latitude
// from the northing.
constexpr double kArcoPorRadian = 6366197.724;
constexpr double kFactorEscala = 0.9996;  // k0 of UTM
constexpr double kPi = 3.1415926535;

constexpr double kAlfa = 0.75 * kSegundaExcentricidad2;
constexpr double kBeta = 5.0 / 3.0 * kAlfa * kAlfa;
constexpr double kGamma = 35.0 / 27.0 * kAlfa * kAlfa * kAlfa;

// Ten-thousandths of an arc second: the finest unit the readout shows.
constexpr long long kUnidadesPorSegundo = 10000;
constexpr long long kUnidadesPorMinuto = 60 * kUnidadesPorSegundo;
constexpr long long kUnidadesPorGrado = 60 * kUnidadesPorMinuto;

// Degrees, minutes and seconds of the size of an angle, rounded to the
// readout's last decimal first so that 59.99999 seconds carry into the next
// minute instead of showing as 60.0000.
wxString TextoGrados(double grados, const char* positivo, const char* negativo) {
    const long long unidades = std::llround(std::fabs(grados) * kUnidadesPorGrado);
    const long long g = unidades / kUnidadesPorGrado;
    const long long m = unidades % kUnidadesPorGrado / kUnidadesPorMinuto;
    const double s = static_cast<double>(unidades % kUnidadesPorMinuto) / kUnidadesPorSegundo;
    return wxString::Format("%lld", g) + wxUniChar(0xB0) + " " + wxString::Format("%lld' ", m) +
           wxString::Format("%.4f\" ", s) + (grados < 0.0 ? negativo : positivo);
}
}  // namespace

double CConversor::GradMinSeg::EnGrados() const { return grados + minutos / 60.0 + segundos / 3600.0; }

void CConversor::ConvertirUtmToGeografica(GradMinSeg* latitud, GradMinSeg* longitud) {
    m_x -= kFalsoEste;
    if (m_hemisferio == 'S') m_y -= kFalsoNorte;
    const double meridianoCentral = 6 * m_zona - 183;

    // Footpoint latitude: the latitude whose meridian arc is the northing.
    const double fi = m_y / (kArcoPorRadian * kFactorEscala);
    const double cos2 = std::cos(fi) * std::cos(fi);
    const double nu = kRadioPolar / std::sqrt(1.0 + kSegundaExcentricidad2 * cos2) * kFactorEscala;
    const double a = m_x / nu;
    const double a1 = std::sin(2.0 * fi);
    const double a2 = a1 * cos2;
    const double j2 = fi + a1 / 2.0;
    const double j4 = (3.0 * j2 + a2) / 4.0;
    const double j6 = (5.0 * j4 + a2 * cos2) / 3.0;
    const double bFi = kFactorEscala * kRadioPolar * (fi - kAlfa * j2 + kBeta * j4 - kGamma * j6);
    const double b = (m_y - bFi) / nu;
    const double zeta = kSegundaExcentricidad2 * a * a / 2.0 * cos2;
    const double xi = a * std::fabs(1.0 - zeta / 3.0);
    const double eta = b * (1.0 - zeta) + fi;
    const double senhXi = (std::exp(xi) - std::exp(-xi)) / 2.0;
    const double deltaLambda = std::atan(senhXi / std::cos(eta));
    const double tau = std::atan(std::cos(deltaLambda) * std::tan(eta));
    const double factor = 1.0 + kSegundaExcentricidad2 * cos2 -
                          1.5 * kSegundaExcentricidad2 * std::sin(fi) * std::cos(fi) * (tau - fi);
    const double phi = fi + std::fabs(factor) * (tau - fi);

    if (latitud) *latitud = Dividir(phi / kPi * 180.0);
    if (longitud) *longitud = Dividir(deltaLambda / kPi * 180.0 + meridianoCentral);
}

CConversor::GradMinSeg CConversor::Dividir(double grados) {
    GradMinSeg partes;
    partes.grados = static_cast<int>(std::trunc(grados));
    const double minutos = (grados - partes.grados) * 60.0;
    partes.minutos = static_cast<int>(std::trunc(minutos));
    partes.segundos = (minutos - partes.minutos) * 60.0;
    return partes;
}

wxString CConversor::TextoLatitud(const GradMinSeg& latitud) {
    return TextoGrados(latitud.EnGrados(), " N", " S");
}

wxString CConversor::TextoLongitud(const GradMinSeg& longitud) {
    return TextoGrados(longitud.EnGrados(), " E", " O");
}
