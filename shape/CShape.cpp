#include "CShape.h"

#include "CCajasRegistros.h"
#include "CGeometriaPlana.h"
#include "IBig.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>

namespace {
const char* const kErrorOutOfLimits = "ErrorOutOfLimits";
const char* const kNoEncontrado = "Poligono no encontrado";
const unsigned int kCabeceraFichero = 100;
const std::int32_t kCodigoFichero = 9994;
const std::uint32_t kVersionMinima = 1000;

// Byte positions inside a record, from the start of its 8-byte header.
const std::uint64_t kPosTipo = 8;
const std::uint64_t kPosCaja = 12;
const std::uint64_t kPosNumPartes = 44;
const std::uint64_t kPosNumPuntos = 48;
const std::uint64_t kPosPartes = 52;
// Content bytes (after the record header) that each layout needs before its arrays.
const std::uint64_t kContenidoPunto = 20;
const std::uint64_t kContenidoMultipunto = 40;
const std::uint64_t kContenidoPoli = 44;

std::uint32_t LE32(const void* p) {
    std::uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

double LEDouble(const void* p) {
    double v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// The two-dimensional family of a stored shape type, 0 when unknown.
int Familia(std::int32_t tipo) {
    switch (tipo) {
    case 1: case 11: case 21: return CShape::Punto;
    case 3: case 13: case 23: return CShape::Polilinea;
    case 5: case 15: case 25: return CShape::Poligono;
    case 8: case 18: case 28: return CShape::Multipunto;
    default: return 0;
    }
}

bool PolilineaCerca(const CPunto* puntos, unsigned int n, CPunto const& p, int tol) {
    for (unsigned int i = 1; i < n; ++i)
        if (CGeometriaPlana::PtEnSegmento(puntos[i - 1].x, puntos[i - 1].y, puntos[i].x, puntos[i].y,
                                   p.x, p.y, tol))
            return true;
    return false;
}

}  // namespace

CShape::CShape(char const* ruta)
    : tipo(0), numElementos(0), base(nullptr), tamanoShp(0) {
    Abre(ruta != nullptr ? ruta : "");
}

CShape::~CShape() = default;

void CShape::Abre(const std::string& ruta) {
    CFichero shx;
    if (!shx.Abre((ruta + ".shx").c_str(), CFichero::SoloLectura) &&
        !shx.Abre((ruta + ".SHX").c_str(), CFichero::SoloLectura))
        throw "ErrorAbriendoShx";
    if (!shp.Abre((ruta + ".shp").c_str(), CFichero::SoloLectura) &&
        !shp.Abre((ruta + ".SHP").c_str(), CFichero::SoloLectura))
        throw "ErrorAbriendoShp";
    try {
        tabla.reset(new CDbf((ruta + ".dbf").c_str(), "rb"));
    } catch (const std::bad_alloc&) {
        tabla.reset();
    }

    unsigned char cabShx[kCabeceraFichero];
    unsigned char cabShp[kCabeceraFichero];
    if (shx.Lee(cabShx, kCabeceraFichero, 0) != kCabeceraFichero ||
        shp.Lee(cabShp, kCabeceraFichero, 0) != kCabeceraFichero)
        throw "ErrorLeyendoShp/Shx";
    if (IBig(cabShx) != kCodigoFichero || IBig(cabShp) != kCodigoFichero)
        throw "ErrorEnNumeroSerieShp/Shx";
    const std::uint64_t tamanoShx = shx.Tamano();
    tamanoShp = shp.Tamano();
    if (2ull * static_cast<std::uint32_t>(IBig(cabShx + 24)) != tamanoShx ||
        2ull * static_cast<std::uint32_t>(IBig(cabShp + 24)) != tamanoShp)
        throw "ErrorEnTamanosShp/Shx";
    if (LE32(cabShx + 28) < kVersionMinima || LE32(cabShp + 28) < kVersionMinima)
        throw "ErrorEnVersionShp/Shx";
    numElementos = static_cast<unsigned int>((tamanoShx - kCabeceraFichero) / 8);
    bnd = CRectangulo(LEDouble(cabShp + 36), LEDouble(cabShp + 44), LEDouble(cabShp + 52),
                      LEDouble(cabShp + 60));
    bnd.Normaliza();
    tipo = Familia(static_cast<std::int32_t>(LE32(cabShp + 32)));
    if (tipo == 0) throw "ErrorEnTipoDeDato";

    void* mapa = shp.Map();
    if (mapa == nullptr || mapa == CFichero::MapaFallido()) throw "ErrorMapeandoShp";
    base = static_cast<const unsigned char*>(mapa);
    LeeIndice(shx);
}

void CShape::LeeIndice(CFichero& shx) {
    indice.resize(2 * static_cast<std::size_t>(numElementos));
    unsigned char* destino = reinterpret_cast<unsigned char*>(indice.data());
    std::uint64_t pendiente = 8ull * numElementos;
    long long posicion = kCabeceraFichero;
    while (pendiente > 0) {
        const unsigned int trozo = pendiente > (1u << 30) ? (1u << 30) : static_cast<unsigned int>(pendiente);
        if (shx.Lee(destino, trozo, posicion) != trozo) throw "ErrorLeyendoShp/Shx";
        destino += trozo;
        posicion += trozo;
        pendiente -= trozo;
    }
    shx.Cierra();
}

bool CShape::Analiza(const unsigned int* registro, Geometria& g) const noexcept {
    if (registro == nullptr || base == nullptr) return false;
    const std::uintptr_t direccion = reinterpret_cast<std::uintptr_t>(registro);
    const std::uintptr_t inicio = reinterpret_cast<std::uintptr_t>(base);
    if (direccion < inicio) return false;
    const std::uint64_t pos = direccion - inicio;
    Medidas m;
    if (!MideCabeza(base + pos, pos, m)) return false;
    g.numPartes = m.numPartes;
    g.numPuntos = m.numPuntos;
    g.partes = m.posPartes ? base + pos + m.posPartes : nullptr;
    g.puntos = m.posPuntos ? reinterpret_cast<const CPunto*>(base + pos + m.posPuntos) : nullptr;
    return true;
}

bool CShape::MideCabeza(const unsigned char* r, std::uint64_t pos, Medidas& m) const noexcept {
    // Records start on 4-byte boundaries after the header, and their header
    // and shape type must lie inside the file.
    if (pos < kCabeceraFichero || pos % 4 != 0 || pos + kPosTipo + 4 > tamanoShp) return false;
    const std::uint64_t contenido = 2ull * static_cast<std::uint32_t>(IBig(r + 4));
    if (contenido < 4 || pos + 8 + contenido > tamanoShp) return false;

    const std::int32_t tipoRegistro = static_cast<std::int32_t>(LE32(r + kPosTipo));
    m = Medidas();
    if (tipoRegistro == 0) return true;  // null shape
    if (Familia(tipoRegistro) != tipo) return false;
    switch (tipo) {
    case Punto:
        if (contenido < kContenidoPunto) return false;
        m.numPartes = 1;
        m.numPuntos = 1;
        m.posPuntos = kPosCaja;
        return true;
    case Multipunto:
        if (contenido < kContenidoMultipunto) return false;
        m.numPartes = 1;
        m.numPuntos = LE32(r + kPosNumPartes);
        if (kContenidoMultipunto + 16ull * m.numPuntos > contenido) return false;
        m.posPuntos = kPosNumPuntos;
        return true;
    default:
        if (contenido < kContenidoPoli) return false;
        m.numPartes = LE32(r + kPosNumPartes);
        m.numPuntos = LE32(r + kPosNumPuntos);
        if (kContenidoPoli + 4ull * m.numPartes + 16ull * m.numPuntos > contenido) return false;
        m.posPartes = kPosPartes;
        m.posPuntos = kPosPartes + 4ull * m.numPartes;
        return true;
    }
}

bool CShape::RangoParte(const Geometria& g, unsigned int parte, unsigned int& primero,
                        unsigned int& ultimo) const noexcept {
    if (parte >= g.numPartes) return false;
    if (g.partes == nullptr) {
        primero = 0;
        ultimo = g.numPuntos;
        return true;
    }
    primero = LE32(g.partes + 4ull * parte);
    ultimo = parte + 1 < g.numPartes ? LE32(g.partes + 4ull * (parte + 1)) : g.numPuntos;
    return primero <= ultimo && ultimo <= g.numPuntos;
}

bool CShape::RegistroEntero(const unsigned int* registro) const noexcept {
    Geometria g;
    if (!Analiza(registro, g)) return false;
    unsigned int primero;
    unsigned int ultimo;
    for (unsigned int parte = 0; parte < g.numPartes; ++parte)
        if (!RangoParte(g, parte, primero, ultimo)) return false;
    return true;
}

const unsigned int* CShape::BuscaElemento(unsigned int i) const noexcept {
    if (i >= numElementos) return nullptr;
    // Offsets are in 16-bit words; records are addressed on 4-byte boundaries.
    const std::uint32_t offset = __builtin_bswap32(indice[2 * static_cast<std::size_t>(i)]);
    const std::uint64_t pos = 4ull * (offset / 2);
    if (pos + kPosTipo + 4 > tamanoShp) return nullptr;
    const unsigned int* registro = reinterpret_cast<const unsigned int*>(base + pos);
    return RegistroEntero(registro) ? registro : nullptr;
}

const unsigned int* CShape::Elemento(unsigned int i) const {
    const unsigned int* registro = BuscaElemento(i);
    if (registro == nullptr) throw kErrorOutOfLimits;
    return registro;
}

int CShape::NumElemento(const unsigned int* registro) const noexcept {
    Geometria g;
    if (!Analiza(registro, g)) return -1;
    return IBig(registro) - 1;
}

unsigned int CShape::NumPartes(const unsigned int* registro) const noexcept {
    Geometria g;
    return Analiza(registro, g) ? g.numPartes : 0;
}

const CPunto* CShape::BuscaPuntos(const unsigned int* registro, unsigned int parte,
                                  unsigned int* numPuntos) const noexcept {
    Geometria g;
    unsigned int primero = 0;
    unsigned int ultimo = 0;
    const bool bien = Analiza(registro, g) && RangoParte(g, parte, primero, ultimo);
    if (numPuntos != nullptr) *numPuntos = bien ? ultimo - primero : 0;
    return bien ? g.puntos + primero : nullptr;
}

const CPunto* CShape::Puntos(const unsigned int* registro, unsigned int parte,
                             unsigned int* numPuntos) const {
    const CPunto* puntos = BuscaPuntos(registro, parte, numPuntos);
    if (puntos == nullptr) throw kErrorOutOfLimits;
    return puntos;
}

CRectangulo CShape::Bnd(const unsigned int* registro) const {
    Geometria g;
    if (!Analiza(registro, g)) throw kErrorOutOfLimits;
    if (g.numPartes == 0) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        return CRectangulo(nan, nan, nan, nan);
    }
    const unsigned char* r = reinterpret_cast<const unsigned char*>(registro);
    CRectangulo caja;
    if (tipo == Punto) {
        caja = CRectangulo(g.puntos->x, g.puntos->y, g.puntos->x, g.puntos->y);
    } else {
        caja = CRectangulo(LEDouble(r + kPosCaja), LEDouble(r + kPosCaja + 8),
                           LEDouble(r + kPosCaja + 16), LEDouble(r + kPosCaja + 24));
    }
    caja.Normaliza();
    return caja;
}

bool CShape::CajaFiable(const unsigned int* registro, CRectangulo& caja) const noexcept {
    Geometria g;
    if (tipo == Punto || !Analiza(registro, g)) return false;
    // Analiza has checked that the record's content, box included, lies in the file.
    return CajaSana(reinterpret_cast<const unsigned char*>(registro), g.numPartes, caja);
}

bool CShape::CajaSana(const unsigned char* r, unsigned int numPartes, CRectangulo& caja) const
    noexcept {
    if (tipo == Punto || numPartes == 0) return false;
    const CRectangulo leida(LEDouble(r + kPosCaja), LEDouble(r + kPosCaja + 8),
                            LEDouble(r + kPosCaja + 16), LEDouble(r + kPosCaja + 24));
    const bool sana = std::isfinite(leida.x1) && std::isfinite(leida.y1) &&
                      std::isfinite(leida.x2) && std::isfinite(leida.y2) &&
                      leida.x1 <= leida.x2 && leida.y1 <= leida.y2;
    if (sana) caja = leida;
    return sana;
}

void CShape::LeeCajas() {
    if (cajas) return;
    cajas = std::make_unique<CCajasRegistros>(numElementos);
    if (tipo == Punto) return;  // point records have no box: all stay unknown
    // The file is read front to back in large pieces, as records usually lie
    // in index order; a record that lies behind the piece in hand is read on
    // its own.
    constexpr std::uint64_t kTrozo = 1u << 20;
    constexpr std::uint64_t kCabezaRegistro = kPosPartes;  // up to the part indices
    std::vector<unsigned char> trozo;
    std::uint64_t inicioTrozo = 0, finTrozo = 0;
    for (unsigned int i = 0; i < numElementos; ++i) {
        const std::uint32_t offset = __builtin_bswap32(indice[2 * static_cast<std::size_t>(i)]);
        const std::uint64_t pos = 4ull * (offset / 2);
        if (pos + kCabezaRegistro > tamanoShp) continue;
        if (pos < inicioTrozo || pos + kCabezaRegistro > finTrozo) {
            inicioTrozo = pos;
            const std::uint64_t longitud = std::min(kTrozo, tamanoShp - pos);
            trozo.resize(longitud);
            finTrozo = pos + shp.Lee(trozo.data(), static_cast<unsigned int>(longitud),
                                     static_cast<long long>(pos));
            if (pos + kCabezaRegistro > finTrozo) continue;
        }
        const unsigned char* r = trozo.data() + (pos - inicioTrozo);
        Medidas m;
        CRectangulo caja;
        if (MideCabeza(r, pos, m) && CajaSana(r, m.numPartes, caja)) cajas->Pon(i, caja);
    }
}

void CShape::Precarga() {
    if (precargado) return;
    precargado = true;
    shp.Precarga();
}

bool CShape::CajaAparte(unsigned int i, const CRectangulo& rectangulo) const {
    return cajas && cajas->Aparte(i, rectangulo);
}

bool CShape::EsUnHueco(const CPunto* anillo, unsigned int n) {
    if (anillo == nullptr || n < 3) return false;
    unsigned int menor = 0;
    for (unsigned int i = 1; i < n; ++i) {
        const CPunto& p = anillo[i];
        const CPunto& m = anillo[menor];
        if (p.y < m.y || (p.y == m.y && p.x > m.x)) menor = i;
    }
    // The last point repeats the first: vertex 0 is preceded by vertex n - 2,
    // and the last is followed by vertex 1.
    const unsigned int anterior = menor == 0 ? n - 2 : menor - 1;
    const unsigned int siguiente = menor + 1 < n ? menor + 1 : 1;
    const CPunto a = anillo[menor] - anillo[anterior];
    const CPunto b = anillo[siguiente] - anillo[anterior];
    return a.x * b.y - a.y * b.x > 0.0;
}

bool CShape::EsUnHueco(const unsigned int* registro, unsigned int parte) const {
    unsigned int n = 0;
    const CPunto* anillo = Puntos(registro, parte, &n);
    return EsUnHueco(anillo, n);
}

bool CShape::EsPuntoEnPoligono(const CPunto* anillo, unsigned int n, CPunto const& p) {
    if (anillo == nullptr || n < 2) return false;
    bool dentro = false;
    for (unsigned int i = 0; i + 1 < n; ++i) {
        const CPunto& vi = anillo[i];
        const CPunto& vj = anillo[i == 0 ? n - 2 : i - 1];
        const bool cruzaY = (vi.y <= p.y && p.y < vj.y) || (vj.y <= p.y && p.y < vi.y);
        if (cruzaY && p.x < vi.x + (vj.x - vi.x) * (p.y - vi.y) / (vj.y - vi.y)) dentro = !dentro;
    }
    return dentro;
}

bool CShape::EsPuntoEnPoligono(const CPunto* anillo, unsigned int n, CPunto const& p, double) {
    if (anillo == nullptr) return false;
    return CGeometriaPlana::PtEnAnillo(anillo, n, p.x, p.y);
}

bool CShape::EsPuntoEnPoligono(const unsigned int* registro, CPunto const& p) const {
    if (tipo == Punto || !RegistroEntero(registro)) return false;
    if (!Bnd(registro).Dentro(p)) return false;
    unsigned int exteriores = 0;
    unsigned int huecos = 0;
    const unsigned int partes = NumPartes(registro);
    for (unsigned int parte = 0; parte < partes; ++parte) {
        unsigned int n = 0;
        const CPunto* anillo = BuscaPuntos(registro, parte, &n);
        if (!EsPuntoEnPoligono(anillo, n, p)) continue;
        if (EsUnHueco(anillo, n)) ++huecos;
        else ++exteriores;
    }
    return exteriores > 0 && exteriores > huecos;
}

bool CShape::DentroDeCaja(CPunto const& p, const CRectangulo& caja, bool conTolerancia,
                          double tolerancia) const {
    if (conTolerancia && tipo == Punto) return caja.Dentro(p, tolerancia);
    if (conTolerancia && tipo == Polilinea) {
        // A line is hit up to the tolerance away from it, also beside its box
        // (a level line has a box of no height).
        const double t = CGeometriaPlana::ToleranciaEfectiva(static_cast<int>(tolerancia + 0.5));
        return CRectangulo(caja.x1 - t, caja.y1 - t, caja.x2 + t, caja.y2 + t).Dentro(p);
    }
    return caja.Dentro(p);
}

bool CShape::ContieneConTolerancia(const unsigned int* registro, CPunto const& p,
                                   double t) const {
    const int tolerancia = static_cast<int>(t + 0.5);
    const unsigned int partes = NumPartes(registro);
    for (unsigned int parte = 0; parte < partes; ++parte) {
        unsigned int n = 0;
        const CPunto* puntos = BuscaPuntos(registro, parte, &n);
        if (puntos == nullptr) continue;
        switch (tipo) {
        case Punto:
            for (unsigned int i = 0; i < n; ++i)
                if (puntos[i].x - t < p.x && p.x < puntos[i].x + t && puntos[i].y - t < p.y &&
                    p.y < puntos[i].y + t)
                    return true;
            break;
        case Polilinea:
            if (PolilineaCerca(puntos, n, p, tolerancia)) return true;
            break;
        case Poligono:
            if (CGeometriaPlana::PtEnAnillo(puntos, n, p.x, p.y)) return true;
            break;
        default:
            break;
        }
    }
    return false;
}

bool CShape::EsPuntoEnPoligono(const unsigned int* registro, CPunto const& p, double t) const {
    if (!RegistroEntero(registro)) return false;
    if (!DentroDeCaja(p, Bnd(registro), true, t)) return false;
    return ContieneConTolerancia(registro, p, t);
}

bool CShape::EsPuntoEnPoligono(unsigned int indice, CPunto const& p) const {
    return EsPuntoEnPoligono(Elemento(indice), p);
}

bool CShape::EsPuntoEnPoligono(unsigned int indice, CPunto const& p, double t) const {
    return EsPuntoEnPoligono(Elemento(indice), p, t);
}

int CShape::PoligonoAlQuePertenece(CPunto const& p, unsigned int inicio) const {
    if (numElementos == 0 || inicio >= numElementos || !bnd.Dentro(p)) throw kNoEncontrado;
    unsigned int i = inicio;
    do {
        const unsigned int* registro = BuscaElemento(i);
        if (registro != nullptr && EsPuntoEnPoligono(registro, p)) return static_cast<int>(i);
        i = i + 1 < numElementos ? i + 1 : 0;
    } while (i != inicio);
    throw kNoEncontrado;
}

int CShape::PoligonoAlQuePertenece(CPunto const& p, unsigned int inicio, double t) const {
    if (numElementos == 0 || inicio >= numElementos || !DentroDeCaja(p, bnd, true, t))
        throw kNoEncontrado;
    unsigned int i = inicio;
    do {
        const unsigned int* registro = BuscaElemento(i);
        if (registro != nullptr && EsPuntoEnPoligono(registro, p, t)) return static_cast<int>(i);
        i = i + 1 < numElementos ? i + 1 : 0;
    } while (i != inicio);
    throw kNoEncontrado;
}

int CShape::NumCampos() const {
    return tabla ? tabla->GetFieldCount() : 0;
}

int CShape::InfoCampo(int campo, char* nombre, int& ancho, int& decimales) const {
    if (!tabla) return CampoInvalido;
    return tabla->GetFieldInfo(campo, nombre, ancho, decimales);
}

unsigned short CShape::MaxValorCampo(char const* nombre) const {
    return tabla ? static_cast<unsigned short>(tabla->MaxValorCampo(nombre) & 0xFFFF) : 0;
}

unsigned short CShape::MaxValorCampo(int campo) const {
    return tabla ? static_cast<unsigned short>(tabla->MaxValorCampo(campo) & 0xFFFF) : 0;
}
