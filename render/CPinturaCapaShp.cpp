#include "CPinturaCapaShp.h"

#include <algorithm>

#include <wx/dc.h>

#include "CCacheAnillos.h"
#include "CProyeccionPoligono.h"

CPinturaCapaShp::CPinturaCapaShp() = default;

CPinturaCapaShp::~CPinturaCapaShp() = default;

void CPinturaCapaShp::PintarAnillos(wxDC& dc, const CShape& shape, const CTransformacionMapa& vista,
                                    const unsigned int* elemento, CTrazadoCairo& trazado,
                                    const CTrazadoCairo::Herramientas* herramientas) {
    if (!elemento || !vista.EsValida()) return;
    const CProyeccionPoligono proyeccion(vista);
    const CExtensionMapa& extension = vista.GetExtension();
    const unsigned int partes = shape.NumPartes(elemento);
    for (unsigned int parte = 0; parte < partes; ++parte) {
        unsigned int numPuntos = 0;
        const CPunto* puntos = shape.BuscaPuntos(elemento, parte, &numPuntos);
        if (!puntos || numPuntos == 0) continue;
        if (pixelesAnillo.size() < numPuntos) pixelesAnillo.resize(numPuntos);
        // One pass over the ring gives both its bounding box (the extent
        // test of the part) and its pixels. Consecutive vertices on one pixel
        // add nothing to the drawn ring; leaving them out keeps the picture
        // and spares the toolkit most of the work on rings small on screen.
        CRectangulo caja;
        int numPixeles = proyeccion.Anillo(puntos, numPuntos, pixelesAnillo.data(), caja);
        const bool enVista = extension.GetCoordenadaInfIzqX() <= caja.x2 &&
                             caja.x1 <= extension.GetCoordenadaSupDerX() &&
                             extension.GetCoordenadaInfIzqY() <= caja.y2 &&
                             caja.y1 <= extension.GetCoordenadaSupDerY();
        if (!enVista) continue;
        // A ring fallen on one pixel is drawn as the whole ring would be (a
        // dot, when outlined with round ends): its point twice. A ring of a
        // single point in the file is no ring and draws nothing.
        if (numPixeles == 1) {
            if (numPuntos < 2) continue;
            pixelesAnillo[numPixeles++] = pixelesAnillo[0];
        }
        if (!herramientas || !trazado.Poligono(*herramientas, pixelesAnillo.data(), numPixeles))
            dc.DrawPolygon(numPixeles, pixelesAnillo.data(), 0, 0, wxODDEVEN_RULE);
    }
}

CCacheAnillos& CPinturaCapaShp::CacheAnillos() {
    if (!cacheAnillos) cacheAnillos = std::make_unique<CCacheAnillos>();
    return *cacheAnillos;
}

void CPinturaCapaShp::SeleccionarFuente(wxDC& dc, int size, const wxString& cara,
                                        wxFontStyle estilo, wxFontWeight peso) {
    if (!fuente.IsOk() || size != sizeFuente || cara != caraFuente || estilo != estiloFuente ||
        peso != pesoFuente) {
        fuente = wxFont(size, wxFONTFAMILY_DEFAULT, estilo, peso, false, cara,
                        wxFONTENCODING_SYSTEM);
        sizeFuente = size;
        caraFuente = cara;
        estiloFuente = estilo;
        pesoFuente = peso;
    }
    dc.SetFont(fuente);
}

CRectangulo CPinturaCapaShp::Rectangulo(const CExtensionMapa& vista) {
    return CRectangulo(vista.GetCoordenadaInfIzqX(), vista.GetCoordenadaInfIzqY(),
                       vista.GetCoordenadaSupDerX(), vista.GetCoordenadaSupDerY());
}

// A file whose stated extent is wrong is still painted whole: in a view that
// seems to hold it every record is tested on its own points.
bool CPinturaCapaShp::TodaEnVista(const CShape& shape, const CRectangulo& vista) {
    const CRectangulo capa = shape.Bnd();
    return vista.x1 <= capa.x1 && capa.x2 <= vista.x2 && vista.y1 <= capa.y1 && capa.y2 <= vista.y2;
}

bool CPinturaCapaShp::PuedeVerse(const CShape& shape, const CExtensionMapa& vista,
                                 unsigned int indice) {
    const CRectangulo rectangulo = Rectangulo(vista);
    if (TodaEnVista(shape, rectangulo)) return true;
    shape.RegistrosEn(rectangulo, registrosEnVista);
    return std::binary_search(registrosEnVista.begin(), registrosEnVista.end(), indice);
}
