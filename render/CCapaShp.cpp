#include "CCapaShp.h"

#include <algorithm>
#include <cerrno>
#include <exception>

#include <wx/filename.h>

#include "CDbf.h"
#include "CErrorShape.h"
#include "CPinturaCapaShp.h"
#include "CShape.h"
#include "CTransformacionMapa.h"
#include "wxTextUtil.h"

wxIMPLEMENT_DYNAMIC_CLASS(CCapaShp, CCapa);

namespace {
const wxString kExtensionShp = wxT(".shp");

// The reader opens "<base>.shp", ".shx" and ".dbf" itself.
bool RutaBase(const wxString& ruta, wxString* base) {
    if (ruta.length() <= kExtensionShp.length()) return false;
    const wxString extension = ruta.Right(kExtensionShp.length());
    if (!extension.IsSameAs(kExtensionShp, false)) return false;
    *base = ruta.Left(ruta.length() - kExtensionShp.length());
    return true;
}

// The path with the part after the data directory in ISO-8859-1 bytes, as
// themes written on older systems name their files; empty when that part has
// nothing beyond ASCII (the bytes would be the same) or something beyond
// ISO-8859-1.
std::string RutaLatin1(const wxString& base, size_t longitudDirectorio) {
    if (longitudDirectorio == 0 || longitudDirectorio >= base.length()) return std::string();
    const wxString enTema = base.Mid(longitudDirectorio);
    bool latin1 = false;
    for (const wxUniChar c : enTema) {
        if (c.GetValue() > 0xFF) return std::string();
        latin1 = latin1 || c.GetValue() >= 0x80;
    }
    if (!latin1) return std::string();
    return wxTextUtil::RutaSistema(base.Left(longitudDirectorio)) + wxTextUtil::wx2std(enTema);
}
}  // namespace

CCapaShp::CCapaShp() : pintura(std::make_unique<CPinturaCapaShp>()) { relleno = true; }

// The reader (and with it the table and the mapping) goes with the layer.
CCapaShp::~CCapaShp() = default;

bool CCapaShp::InicializarCapa() {
    shape.reset();
    dbf = nullptr;
    errorInicializacion.clear();
    mensajeErrorInicializacion.clear();
    wxString base;
    if (!RutaBase(rutaArchivo, &base)) {
        errorInicializacion = CErrorShape::kAbriendoShp;
        mensajeErrorInicializacion = wxString::FromUTF8("El archivo ") + NombreArchivo() +
                                     wxString::FromUTF8(" no es un shapefile (.shp)");
        return false;
    }
    // The file name goes to the system in its own encoding; a theme's name
    // that does not open that way may be one written in ISO-8859-1.
    if (!AbrirShape(wxTextUtil::RutaSistema(base))) {
        const std::string latin1 = RutaLatin1(base, longitudDirectorioDatos);
        // (Under the other name, a file that is found tells why it fails.)
        const bool noEncontrado = errorInicializacion == CErrorShape::kAbriendoShx &&
                                  errorSistema == ENOENT;
        if (latin1.empty() || !noEncontrado || !AbrirShape(latin1)) return false;
    }
    dbf = shape->GetDBF();
    ObtenerDatosExtension();
    SetEstadoCapa(ESTADO_VISIBLE);
    return true;
}

bool CCapaShp::AbrirShape(const std::string& base) {
    errorSistema = 0;
    try {
        shape = std::make_unique<CShape>(base.c_str(), &errorSistema);
        errorInicializacion.clear();
        mensajeErrorInicializacion.clear();
        return true;
    } catch (const char* error) {
        errorInicializacion = wxTextUtil::chr2wx(error);
    } catch (const std::exception& error) {
        errorInicializacion = wxString::FromUTF8(error.what());
    }
    mensajeErrorInicializacion = CErrorShape::Frase(errorInicializacion, errorSistema, NombreArchivo());
    return false;
}

wxString CCapaShp::GetAvisoDanos() const {
    if (!shape) return wxString();
    return CErrorShape::FraseDanos(shape->GetDanos(), NombreArchivo(),
                                   dbf ? dbf->GetRecordCount() : 0, shape->NumElementos());
}

wxString CCapaShp::NombreArchivo() const {
    return wxFileName(rutaArchivo).GetFullName();
}

bool CCapaShp::ObtenerDatosExtension() {
    if (!shape) return false;
    const CRectangulo caja = shape->Bnd();
    extension.SetCoordenadasInfIzq(caja.x1, caja.y1);
    extension.SetCoordenadasSupDer(caja.x2, caja.y2);
    return true;
}

wxString CCapaShp::ObtenerTipoCapa() const { return TIPO_SHP; }

int CCapaShp::GetGeometria() const {
    const int tipo = GetGeometriaShp();
    const bool conocido = tipo == CShape::Punto || tipo == CShape::Polilinea ||
                          tipo == CShape::Poligono || tipo == CShape::Multipunto;
    return conocido ? tipo : 0;
}

int CCapaShp::GetGeometriaShp() const { return shape ? shape->Tipo() : 0; }

bool CCapaShp::GuardarDatosAlfaNumericos(wxList*, int, bool) { return false; }

bool CCapaShp::GuardarDatosGraficos(int, CShapeObj*, bool) { return false; }

bool CCapaShp::EliminarElemento(int) { return false; }

bool CCapaShp::Identify(CCoordenadaMapa, double) { return false; }

void CCapaShp::ExportarShape(wxString, wxString) {}

CSimboloObj* CCapaShp::SetSimbolo(CSimboloObj nuevo) {
    simbolo = nuevo;
    return &simbolo;
}

bool CCapaShp::IsInExtent(const CPunto* puntos, int numPuntos, const CExtensionMapa& ext) {
    if (!puntos || numPuntos < 1) return false;
    double minX = puntos[0].x, maxX = puntos[0].x;
    double minY = puntos[0].y, maxY = puntos[0].y;
    // std::min and std::max compile to branch-free instructions: painting
    // scans every vertex of every feature here.
    for (int i = 1; i < numPuntos; ++i) {
        const double x = puntos[i].x, y = puntos[i].y;
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    return ext.GetCoordenadaInfIzqX() <= maxX && minX <= ext.GetCoordenadaSupDerX() &&
           ext.GetCoordenadaInfIzqY() <= maxY && minY <= ext.GetCoordenadaSupDerY();
}

CCoordenadaMapa CCapaShp::PixelToMapa(wxPoint pixel, wxRect rect, CExtensionMapa ext) const {
    return CTransformacionMapa(rect, ext).PixelAMapa(pixel);
}
