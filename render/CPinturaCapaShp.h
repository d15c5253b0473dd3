#pragma once
// What painting a shapefile layer keeps from feature to feature and from one
// paint to the next (the pixels of one polygon ring, the coverage of the
// small rings drawn, the last font made), kept out of the layer's header;
// and the walks over the parts of a record in view that features, labels and
// the search highlight share.
#include <memory>
#include <vector>

#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

#include "CCapaShp.h"
#include "CRectangulo.h"
#include "CShape.h"
#include "CTransformacionMapa.h"
#include "CTrazadoCairo.h"

class CCacheAnillos;
class wxDC;

class CPinturaCapaShp {
public:
    CPinturaCapaShp();
    ~CPinturaCapaShp();
    CPinturaCapaShp(const CPinturaCapaShp&) = delete;
    CPinturaCapaShp& operator=(const CPinturaCapaShp&) = delete;

    // Every ring of the record (holes too) filled on its own, in the tools
    // `herramientas` straight into cairo when given and possible, else in
    // the tools selected in `dc`.
    void PintarAnillos(wxDC& dc, const CShape& shape, const CTransformacionMapa& vista,
                       const unsigned int* elemento, CTrazadoCairo& trazado,
                       const CTrazadoCairo::Herramientas* herramientas);
    CCacheAnillos& CacheAnillos();

    // Selects the font, reusing the one made last time when it is the same:
    // making a font is costly per feature.
    void SeleccionarFuente(wxDC& dc, int size, const wxString& cara, wxFontStyle estilo,
                           wxFontWeight peso);

    // Calls dibujar(const CPunto*, unsigned int) with every part of the
    // record of at least `minimoPuntos` points that lies in the view (two for
    // lines and their labels).
    template <class Dibujar>
    static void ParaCadaParteEnVista(const CShape& shape, const CExtensionMapa& vista,
                                     const unsigned int* elemento, unsigned int minimoPuntos,
                                     Dibujar dibujar);
    // Calls dibujar(wxPoint) with the pixel of every point of every part of
    // the record that lies in the view (the markers and labels of points).
    template <class Dibujar>
    static void ParaCadaPuntoEnVista(const CShape& shape, const CTransformacionMapa& vista,
                                     const unsigned int* elemento, Dibujar dibujar);

    // Calls hacer(unsigned int indice) with every record that may show in
    // the view, in file order: all of them when the view holds the whole
    // layer (the .shp is read ahead first, as all of it will be read), else
    // those the layer's spatial index finds (CShape::RegistrosEn).
    template <class Hacer>
    void ParaCadaRegistroEnVista(CShape& shape, const CExtensionMapa& vista, Hacer hacer);
    // Whether record `indice` may show in the view, by the same rule.
    bool PuedeVerse(const CShape& shape, const CExtensionMapa& vista, unsigned int indice);

private:
    static CRectangulo Rectangulo(const CExtensionMapa& vista);
    // Whether the view holds the layer's whole extent (as the file states it).
    static bool TodaEnVista(const CShape& shape, const CRectangulo& vista);

    std::vector<unsigned int> registrosEnVista;  // kept from paint to paint
    std::vector<wxPoint> pixelesAnillo;
    std::unique_ptr<CCacheAnillos> cacheAnillos;
    wxFont fuente;
    wxString caraFuente;
    int sizeFuente = 0;
    wxFontStyle estiloFuente = wxFONTSTYLE_NORMAL;
    wxFontWeight pesoFuente = wxFONTWEIGHT_NORMAL;
};

template <class Hacer>
void CPinturaCapaShp::ParaCadaRegistroEnVista(CShape& shape, const CExtensionMapa& vista,
                                              Hacer hacer) {
    const CRectangulo rectangulo = Rectangulo(vista);
    if (TodaEnVista(shape, rectangulo)) {
        shape.Precarga();
        const unsigned int total = shape.NumElementos();
        for (unsigned int i = 0; i < total; ++i) hacer(i);
        return;
    }
    shape.RegistrosEn(rectangulo, registrosEnVista);
    for (const unsigned int i : registrosEnVista) hacer(i);
}

template <class Dibujar>
void CPinturaCapaShp::ParaCadaParteEnVista(const CShape& shape, const CExtensionMapa& vista,
                                           const unsigned int* elemento, unsigned int minimoPuntos,
                                           Dibujar dibujar) {
    const unsigned int partes = shape.NumPartes(elemento);
    for (unsigned int parte = 0; parte < partes; ++parte) {
        unsigned int numPuntos = 0;
        const CPunto* puntos = shape.BuscaPuntos(elemento, parte, &numPuntos);
        if (numPuntos >= minimoPuntos &&
            CCapaShp::IsInExtent(puntos, static_cast<int>(numPuntos), vista))
            dibujar(puntos, numPuntos);
    }
}

template <class Dibujar>
void CPinturaCapaShp::ParaCadaPuntoEnVista(const CShape& shape, const CTransformacionMapa& vista,
                                           const unsigned int* elemento, Dibujar dibujar) {
    ParaCadaParteEnVista(shape, vista.GetExtension(), elemento, 1,
                         [&](const CPunto* puntos, unsigned int numPuntos) {
                             for (unsigned int i = 0; i < numPuntos; ++i)
                                 dibujar(vista.Pixel(puntos[i]));
                         });
}
