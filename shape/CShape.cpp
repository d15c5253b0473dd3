#include "CShape.h"
#include "CCacheIndices.h"

#include "CErrorShape.h"
#include "CGeometriaPlana.h"
#include "CIndiceEspacial.h"
#include "IBig.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>

namespace {
const char* const kErrorOutOfLimits = CErrorShape::kOutOfLimits;
const char* const kNoEncontrado = CErrorShape::kNoEncontrado;
const unsigned int kCabeceraFichero = 100;
const std::int32_t kCodigoFichero = 9994;
const std::uint32_t kVersionMinima = 1000;
// The smallest record: its 8-byte header and a null shape's type.
const std::uint64_t kRegistroMinimo = 12;

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

CShape::CShape(char const* ruta, int* errorSistema)
    : tipo(0), numElementos(0), base(nullptr), tamanoShp(0) {
    Abre(ruta != nullptr ? ruta : "", errorSistema);
}

CShape::~CShape() = default;

void CShape::Abre(const std::string& ruta, int* errorSistema) {
    if (!AbreUnoDeLosDos(shx, ruta + ".shx", ruta + ".SHX", errorSistema))
        throw CErrorShape::kAbriendoShx;
    if (!AbreUnoDeLosDos(shp, ruta + ".shp", ruta + ".SHP", errorSistema))
        throw CErrorShape::kAbriendoShp;
    try {
        tabla.reset(new CDbf((ruta + ".dbf").c_str(), "rb"));
    } catch (const std::bad_alloc&) {
        tabla.reset();
    }

    unsigned char cabShx[kCabeceraFichero];
    unsigned char cabShp[kCabeceraFichero];
    if (shx.Lee(cabShx, kCabeceraFichero, 0) != kCabeceraFichero ||
        shp.Lee(cabShp, kCabeceraFichero, 0) != kCabeceraFichero)
        throw CErrorShape::kLeyendo;
    if (IBig(cabShx) != kCodigoFichero || IBig(cabShp) != kCodigoFichero)
        throw CErrorShape::kNumeroSerie;
    const std::uint64_t tamanoShx = shx.Tamano();
    tamanoShp = shp.Tamano();
    if (2ull * static_cast<std::uint32_t>(IBig(cabShx + 24)) != tamanoShx ||
        2ull * static_cast<std::uint32_t>(IBig(cabShp + 24)) != tamanoShp)
        throw CErrorShape::kTamanos;
    if (LE32(cabShx + 28) < kVersionMinima || LE32(cabShp + 28) < kVersionMinima)
        throw CErrorShape::kVersion;
    // Every record takes at least its header and its type in the .shp: an
    // index that lists more records than that is damaged, and its excess is
    // never visited.
    const std::uint64_t enIndice = (tamanoShx - kCabeceraFichero) / 8;
    const std::uint64_t caben = (tamanoShp - kCabeceraFichero) / kRegistroMinimo;
    numElementos = static_cast<unsigned int>(std::min(enIndice, caben));
    bnd = CRectangulo(LEDouble(cabShp + 36), LEDouble(cabShp + 44), LEDouble(cabShp + 52),
                      LEDouble(cabShp + 60));
    bnd.Normaliza();
    tipo = Familia(static_cast<std::int32_t>(LE32(cabShp + 32)));
    if (tipo == 0) throw CErrorShape::kTipoDeDato;

    void* mapa = shp.Map();
    if (mapa == nullptr || mapa == CFichero::MapaFallido()) throw CErrorShape::kMapeando;
    base = static_cast<const unsigned char*>(mapa);
    MapeaIndice();
    RevisaDanos(enIndice);
}

// The first and the last entry stand for the index (records lie in index
// order): checking every one would make opening cost as much as the file.
void CShape::RevisaDanos(std::uint64_t enIndice) {
    if (enIndice > numElementos) danos |= IndiceDemasiadoLargo;
    if (numElementos > 0 && (!EntradaDentro(0) || !EntradaDentro(numElementos - 1)))
        danos |= IndiceFueraDelShp;
    if (!tabla) return;
    if (tabla->Danada())
        danos |= TablaDanada;
    else if (tabla->GetFieldCount() > 0 && !(danos & IndiceDemasiadoLargo) &&
             static_cast<unsigned int>(tabla->GetRecordCount()) != numElementos)
        danos |= TablaDeOtroTamano;  // (a damaged index has its own count)
}

bool CShape::EntradaDentro(unsigned int i) const noexcept {
    const std::uint64_t pos = PosicionRegistro(i);
    if (pos < kCabeceraFichero || pos + 8 > tamanoShp) return false;
    // The record's own header gives its length (one page of the .shp read).
    const std::uint64_t contenido = 2ull * static_cast<std::uint32_t>(IBig(base + pos + 4));
    return pos + 8 + contenido <= tamanoShp;
}

// The name in lower case, else in upper case. The reason kept is the lower
// case name's, unless that one is simply missing.
bool CShape::AbreUnoDeLosDos(CFichero& fichero, const std::string& minusculas,
                             const std::string& mayusculas, int* errorSistema) {
    if (fichero.Abre(minusculas.c_str(), CFichero::SoloLectura)) return true;
    const int error = fichero.ErrorApertura();
    if (fichero.Abre(mayusculas.c_str(), CFichero::SoloLectura)) return true;
    if (errorSistema) *errorSistema = error == ENOENT ? fichero.ErrorApertura() : error;
    return false;
}

// The index is read in place, like the .shp: opening costs the same for any
// size of file.
void CShape::MapeaIndice() {
    void* mapa = shx.Map();
    if (mapa == nullptr || mapa == CFichero::MapaFallido()) throw CErrorShape::kMapeando;
    indice = static_cast<const unsigned char*>(mapa) + kCabeceraFichero;
    // The files' identity names the index kept between runs.
    conClaveCache = CCacheIndices::ClaveDe(shp.Descriptor(), shx.Descriptor(), numElementos, claveCache);
    shx.CierraDescriptor();  // the mapping is all that is needed
}

std::uint64_t CShape::PosicionRegistro(unsigned int i) const noexcept {
    // Offsets are in 16-bit words; records are addressed on 4-byte boundaries.
    const std::uint32_t offset = static_cast<std::uint32_t>(IBig(indice + 8ull * i));
    return 4ull * (offset / 2);
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
    const std::uint64_t pos = PosicionRegistro(i);
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
    const int numero = IBig(registro);
    return numero > 0 ? numero - 1 : -1;  // numbers start at 1
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

// Branch-free, so that the pass over a whole file runs at the speed of
// memory: a coordinate that is not finite makes `prueba` NaN.
bool CShape::CajaDe(const CPunto* puntos, unsigned int n, CRectangulo& caja) noexcept {
    if (puntos == nullptr || n == 0) return false;
    double x1 = puntos[0].x, y1 = puntos[0].y, x2 = x1, y2 = y1, prueba = 0.0;
    for (unsigned int i = 0; i < n; ++i) {
        const double x = puntos[i].x, y = puntos[i].y;
        prueba += (x - x) + (y - y);
        x1 = x < x1 ? x : x1, x2 = x2 < x ? x : x2;
        y1 = y < y1 ? y : y1, y2 = y2 < y ? y : y2;
    }
    const double infinito = std::numeric_limits<double>::infinity();
    caja = prueba == 0.0 ? CRectangulo(x1, y1, x2, y2)
                         : CRectangulo(-infinito, -infinito, infinito, infinito);
    return true;
}

bool CShape::CajaGeometria(const Geometria& g, CRectangulo& caja) const noexcept {
    if (g.numPartes == 0) return false;
    unsigned int primero;
    unsigned int ultimo;
    for (unsigned int parte = 0; parte < g.numPartes; ++parte)
        if (!RangoParte(g, parte, primero, ultimo)) return false;  // a damaged record
    return CajaDe(g.puntos, g.numPuntos, caja);
}

bool CShape::CajaPuntos(const unsigned int* registro, CRectangulo& caja) const noexcept {
    Geometria g;
    return Analiza(registro, g) && CajaGeometria(g, caja);
}

bool CShape::CajaLeida(const unsigned char* r, std::uint64_t pos, CRectangulo& caja) const noexcept {
    Medidas m;
    if (!MideCabeza(r, pos, m)) return false;
    Geometria g;
    g.numPartes = m.numPartes;
    g.numPuntos = m.numPuntos;
    g.partes = m.posPartes ? r + m.posPartes : nullptr;
    g.puntos = m.posPuntos ? reinterpret_cast<const CPunto*>(r + m.posPuntos) : nullptr;
    return CajaGeometria(g, caja);
}

void CShape::RegistrosEn(const CRectangulo& rectangulo, std::vector<unsigned int>& registros) const {
    if (!indiceEspacial) ConstruyeIndice();
    indiceEspacial->Consulta(rectangulo, registros);
}

// Every record's box is taken from its points, never from the box the record
// stores: a stored box that is zero, NaN or simply wrong would hide the
// record from every view it shows in. The file is read front to back in
// pieces of 1 MB into one buffer (records usually lie in index order; one
// that lies elsewhere is read on its own): copying from the system's cache
// is several times faster than taking the mapping's pages one fault at a
// time, and the process does not keep the file in its memory. A record
// larger than a piece is read in place and its pages given back.
void CShape::ConstruyeIndice() const {
    const bool conCache = conClaveCache && !CCacheIndices::Directorio().empty();
    if (conCache && (indiceEspacial = CCacheIndices::Lee(claveCache))) return;
    indiceEspacial = IndiceDeLosPuntos();
    if (conCache) CCacheIndices::Escribe(claveCache, *indiceEspacial);
}

std::unique_ptr<CIndiceEspacial> CShape::IndiceDeLosPuntos() const {
    constexpr std::uint64_t kTrozo = 1u << 20;
    std::vector<CIndiceEspacial::Nodo> hojas;
    hojas.reserve(CIndiceEspacial::NodosPara(numElementos));
    std::vector<unsigned char> trozo(static_cast<std::size_t>(std::min(kTrozo, tamanoShp)));
    std::uint64_t inicioTrozo = 0, finTrozo = 0;
    const auto leer = [&](std::uint64_t pos) {
        inicioTrozo = pos;
        const std::uint64_t longitud = std::min(kTrozo, tamanoShp - pos);
        finTrozo = pos + shp.Lee(trozo.data(), static_cast<unsigned int>(longitud),
                                 static_cast<long long>(pos));
    };
    for (unsigned int i = 0; i < numElementos; ++i) {
        const std::uint64_t pos = PosicionRegistro(i);
        // Damaged (records lie on 4-byte boundaries, so that a piece begun
        // at one holds every record's points as aligned as the mapping does).
        if (pos < kCabeceraFichero || pos % 4 != 0 || pos + kPosTipo + 4 > tamanoShp) continue;
        if (pos < inicioTrozo || pos + kPosTipo + 4 > finTrozo) leer(pos);
        if (pos + kPosTipo + 4 > finTrozo) continue;  // a read that failed
        const std::uint64_t fin =
            pos + 8 + 2ull * static_cast<std::uint32_t>(IBig(trozo.data() + (pos - inicioTrozo) + 4));
        CRectangulo caja;
        bool conCaja = false;
        if (fin - pos > kTrozo) {
            conCaja = CajaPuntos(BuscaElemento(i), caja);
            shp.Suelta(pos, std::min(fin, tamanoShp));
        } else {
            if (fin > finTrozo) leer(pos);
            conCaja = fin <= finTrozo && CajaLeida(trozo.data() + (pos - inicioTrozo), pos, caja);
        }
        CIndiceEspacial::Nodo hoja;
        if (conCaja && CIndiceEspacial::Hoja(i, caja, hoja)) hojas.push_back(hoja);
    }
    return std::make_unique<CIndiceEspacial>(std::move(hojas));
}

void CShape::Precarga() {
    if (precargado) return;
    precargado = true;
    // Records lie in index order: up to the end of the last one is all that
    // a pass reads (a file padded far beyond it is not read in).
    std::uint64_t fin = tamanoShp;
    if (numElementos > 0) {
        const std::uint64_t pos = PosicionRegistro(numElementos - 1);
        if (pos + 8 <= tamanoShp) {
            const std::uint64_t contenido = 2ull * static_cast<std::uint32_t>(IBig(base + pos + 4));
            fin = std::min<std::uint64_t>(tamanoShp, pos + 8 + contenido);
        }
    }
    shp.Precarga(fin);
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
    // (No test against the box the record stores: it may be wrong.)
    if (tipo == Punto || !RegistroEntero(registro)) return false;
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

CRectangulo CShape::ZonaDeBusqueda(CPunto const& p, bool conTolerancia, double t) const {
    if (!conTolerancia || tipo == Poligono || tipo == Multipunto) return CRectangulo(p.x, p.y, p.x, p.y);
    // Points within the tolerance, lines within it rounded to whole units
    // (at least 1) of a segment's box: whichever is wider.
    const double margen =
        std::max(t, CGeometriaPlana::ToleranciaEfectiva(static_cast<int>(t + 0.5)));
    return CRectangulo(p.x - margen, p.y - margen, p.x + margen, p.y + margen);
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
    return RegistroEntero(registro) && ContieneConTolerancia(registro, p, t);
}

bool CShape::EsPuntoEnPoligono(unsigned int indice, CPunto const& p) const {
    return EsPuntoEnPoligono(Elemento(indice), p);
}

bool CShape::EsPuntoEnPoligono(unsigned int indice, CPunto const& p, double t) const {
    return EsPuntoEnPoligono(Elemento(indice), p, t);
}

int CShape::PoligonoAlQuePertenece(CPunto const& p, unsigned int inicio) const {
    return PrimeroQueContiene(p, inicio, false, 0.0);
}

int CShape::PoligonoAlQuePertenece(CPunto const& p, unsigned int inicio, double t) const {
    return PrimeroQueContiene(p, inicio, true, t);
}

int CShape::PrimeroQueContiene(CPunto const& p, unsigned int inicio, bool conTolerancia,
                               double t) const {
    if (numElementos == 0 || inicio >= numElementos) throw kNoEncontrado;
    std::vector<unsigned int> cerca;
    RegistrosEn(ZonaDeBusqueda(p, conTolerancia, t), cerca);
    // From `inicio` on, then from the first record up to it.
    const auto desde = std::lower_bound(cerca.begin(), cerca.end(), inicio);
    std::rotate(cerca.begin(), desde, cerca.end());
    for (const unsigned int i : cerca) {
        const unsigned int* registro = BuscaElemento(i);
        if (registro == nullptr) continue;
        if (conTolerancia ? EsPuntoEnPoligono(registro, p, t) : EsPuntoEnPoligono(registro, p))
            return static_cast<int>(i);
    }
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
