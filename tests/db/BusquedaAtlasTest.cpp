// The search on the bundled gazetteer and atlas, as a pupil uses it: names
// typed in lower case without accents, hits located in their layer of the
// map.
#include "AtlasPrueba.h"
#include "CCapaShp.h"
#include "CGestorBD.h"
#include "CMensajes.h"
#include "CPolygonShp.h"
#include "CShape.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

// The name as typed on a keyboard without accents, in lower case.
wxString Tecleado(const wxString& nombre) {
    static const std::map<wxUniChar, wxUniChar> sinAcento = [] {
        std::map<wxUniChar, wxUniChar> tabla;
        const wxString con = wxString::FromUTF8("ÁÉÍÓÚÜÑáéíóúüñ"), sin = "aeiouunaeiouun";
        for (size_t i = 0; i < con.length(); ++i) tabla[con[i]] = sin[i];
        return tabla;
    }();
    wxString tecleado;
    for (const wxUniChar c : nombre) {
        const auto letra = sinAcento.find(c);
        tecleado += letra != sinAcento.end() ? letra->second
                                             : (c >= 'A' && c <= 'Z' ? wxUniChar(c.GetValue() + 32) : c);
    }
    return tecleado;
}

}  // namespace

TEST(BusquedaAtlas, EveryMunicipalityIsFoundByItsPlainNameAndLocatedInsideItsFeature) {
    SetReceptorMensajes([](const wxString& texto, const wxString&) { ADD_FAILURE() << texto.utf8_string(); });
    const auto tema = TemaMiLocalidad();
    CGestorVistaMapa& vista = *tema->GetGestorVistaMapa();
    // A view 20 km across: one pixel is about 25 m. The located outline is
    // quantised to the view's pixels (polygons half a pixel up and left, then
    // truncated): it may stray two pixels from the feature.
    const wxRect rect(0, 0, 790, 584);
    vista.SetDimensionAreaVisualizacion(rect);
    vista.ReCalcularExtGlobal();
    vista.SetMantenerExtension(true);
    CExtensionMapa cerca;
    cerca.SetCoordenadasInfIzq(340000.0, 4140000.0);
    cerca.SetCoordenadasSupDer(360000.0, 4160000.0);
    vista.Zoom(cerca);
    const double tolerancia = 2 * vista.ReadaptarExtensionActual().GetAncho() / rect.width;

    CGestorBD gestor;
    ASSERT_TRUE(gestor.InicializarGestorBD(RutaGazetteer(), CGestorBD::kTipoSQLite));
    gestor.GenerarListaMunicipios("");
    const std::vector<CInfoTablaToponimo> municipios = gestor.GetListaResultado();
    ASSERT_EQ(municipios.size(), 785u);
    for (const CInfoTablaToponimo& municipio : municipios) {
        const wxString nombre = municipio.GetValor();
        gestor.GenerarListaMunicipios(Tecleado(nombre));
        const auto& hallados = gestor.GetListaResultado();
        EXPECT_TRUE(std::any_of(hallados.begin(), hallados.end(),
                                [&](const CInfoTablaToponimo& h) { return h.GetCodigo() == municipio.GetCodigo(); }))
            << Tecleado(nombre).utf8_string();

        CInfoCapa registro = gestor.ObtenerInfoCapa(nombre, municipio.GetIdCapa());
        registro.SetCodigo(municipio.GetCodigo());
        CCapasEnMapa* capaEnMapa = CapaPorNombre(vista, registro.GetNombreCapa());
        ASSERT_NE(capaEnMapa, nullptr) << registro.GetNombreCapa().utf8_string();
        const auto forma = vista.LocalizarElementoBusqueda(rect, capaEnMapa, registro);
        const auto* contorno = dynamic_cast<const CPolygonShp*>(forma.get());
        ASSERT_NE(contorno, nullptr) << nombre.utf8_string();
        ASSERT_GE(contorno->GetNumPuntos(), 3u) << nombre.utf8_string();

        const auto* capa = static_cast<const CCapaShp*>(capaEnMapa->GetCapaEnCapa());
        const int indice = capa->BuscaElementoPorCodigo(registro.GetCampoCodigo(), registro.GetCodigo());
        ASSERT_GE(indice, 0) << nombre.utf8_string();
        const CRectangulo caja = capa->GetShape()->Bnd(capa->GetShape()->Elemento(static_cast<unsigned>(indice)));
        for (size_t i = 0; i < contorno->GetNumPuntos(); ++i) {
            const CCoordenadaMapa* p = contorno->GetPoint(static_cast<int>(i));
            ASSERT_TRUE(p->GetCoordenadaMapaX() > caja.x1 - tolerancia && p->GetCoordenadaMapaX() < caja.x2 + tolerancia &&
                        p->GetCoordenadaMapaY() > caja.y1 - tolerancia && p->GetCoordenadaMapaY() < caja.y2 + tolerancia)
                << nombre.utf8_string() << " " << p->GetCoordenadaMapaX() << "," << p->GetCoordenadaMapaY();
        }
    }
    // Place names are found the same way on their own map only.
    gestor.GenerarListaToponimos("mulhacen", 1);
    EXPECT_EQ(gestor.GetListaResultado().at(0).GetValor(), wxString::FromUTF8("Mulhacén"));
    gestor.GenerarListaToponimos("mulhacen", 2);
    EXPECT_FALSE(gestor.HayResultados());
    SetReceptorMensajes(nullptr);
}
