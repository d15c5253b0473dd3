#include "CCapaShp.h"

#include <algorithm>
#include <exception>

#include "CDbf.h"
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
}  // namespace

CCapaShp::CCapaShp() : pintura(std::make_unique<CPinturaCapaShp>()) { relleno = true; }

// The reader (and with it the table and the mapping) goes with the layer.
CCapaShp::~CCapaShp() = default;

bool CCapaShp::InicializarCapa() {
    shape.reset();
    dbf = nullptr;
    errorInicializacion.clear();
    wxString base;
    if (!RutaBase(rutaArchivo, &base)) {
        errorInicializacion = wxT("ErrorAbriendoShp");
        return false;
    }
    try {
        // A file name goes to the system in its own encoding (a data
        // directory such as ".../Geografía" must open).
        shape = std::make_unique<CShape>(static_cast<const char*>(base.fn_str()));
    } catch (const char* error) {
        errorInicializacion = wxTextUtil::chr2wx(error);
        return false;
    } catch (const std::exception& error) {
        errorInicializacion = wxString::FromUTF8(error.what());
        return false;
    }
    dbf = shape->GetDBF();
    ObtenerDatosExtension();
    SetEstadoCapa(ESTADO_VISIBLE);
    return true;
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
        const CPunto& p = puntos[i];
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    return ext.GetCoordenadaInfIzqX() <= maxX && minX <= ext.GetCoordenadaSupDerX() &&
           ext.GetCoordenadaInfIzqY() <= maxY && minY <= ext.GetCoordenadaSupDerY();
}

CCoordenadaMapa CCapaShp::PixelToMapa(wxPoint pixel, wxRect rect, CExtensionMapa ext) const {
    return CTransformacionMapa(rect, ext).PixelAMapa(pixel);
}
