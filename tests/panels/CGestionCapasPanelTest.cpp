// The legend: its tree from a map's layers (order, left-out names, legend
// lines, check boxes), its swatches (off screen and in the shown tree), and
// the place-name check box switched with the real pointer.
#include "CGestionCapasPanel.h"

#include "CCapaItemData.h"
#include "CCapaShp.h"
#include "CCapasEnMapa.h"
#include "CMensajes.h"
#include "CRepresentacionValor.h"
#include "CTreeCtrlCapas.h"
#include "DirectorioPrueba.h"
#include "LienzoPrueba.h"
#include "PanelMapa.h"
#include "PantallaPruebas.h"
#include "ShapefileWriter.h"
#include "wxMapEvent.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/uiaction.h>

#include <memory>
#include <vector>

namespace {
constexpr int kPuntos = 1, kLineas = 3, kPoligonos = 5;
const wxColour kRojo(255, 0, 0), kVerde(0, 160, 0), kAzul(0, 0, 255), kNaranja(255, 128, 0);

// Layers of each geometry, written in a temporary directory; the view
// manager owns them once added.
class CapasPrueba {
public:
    CCapaShp* Capa(const char* nombre, int geometria, const wxColour& relleno = kRojo,
                   const wxColour& borde = kAzul) {
        ShapefileWriter escritor(geometria);
        if (geometria == kPuntos) escritor.AddPoint(5, 5);
        if (geometria == kLineas) escritor.AddShape({{CPunto(0, 0), CPunto(10, 10)}});
        if (geometria == kPoligonos) escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 10, 10)});
        const std::string base = dir / ("capa" + std::to_string(++numero));
        escritor.Write(base);
        auto* capa = new CCapaShp();
        capa->SetRutaArchivo(wxString::FromUTF8(base + ".shp"));
        capa->InicializarCapa();
        capa->SetNombreCapa(wxString::FromUTF8(nombre));
        capa->GetSimbolo()->SetColorRelleno(relleno);
        capa->GetSimbolo()->SetColorBorde(borde);
        return capa;
    }
    // The layer in a holder, classified by value with these classes (none:
    // unclassified; "TEXTO": labels).
    CCapasEnMapa* Entrada(CCapaShp* capa, const std::vector<CRepresentacionValor*>& clases = {},
                          const wxString& tipo = wxEmptyString) {
        auto* entrada = new CCapasEnMapa();
        entrada->SetCapaEnMapa(capa);
        if (!tipo.empty()) {
            entrada->SetTieneClasificacion(true);
            entrada->SetTipoClasificacion(tipo);
            if (tipo == "TEXTO") entrada->SetClasificacionCapa(static_cast<CClasificacionPorTexto*>(nullptr));
            else entrada->SetClasificacionCapa(static_cast<CClasificacionPorValor*>(nullptr));
            for (CRepresentacionValor* clase : clases) entrada->GetClasificacion()->GetLista()->Append(clase);
        }
        return entrada;
    }
    static CRepresentacionValor* Clase(const wxString& valor, const wxColour& relleno, int size = 2) {
        auto* clase = new CRepresentacionValor();
        clase->SetValor(valor);
        clase->SetSimbologia(1, 1, relleno, relleno, size, wxEmptyString, wxEmptyString, 0, 0, false);
        return clase;
    }

    DirectorioPrueba dir;
    int numero = 0;
};

// A frame with a map panel and the legend beside it, on a view manager.
class CGestionCapasPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetReceptorMensajes([](const wxString& texto, const wxString&) { ADD_FAILURE() << texto.utf8_string(); });
        marco = new wxFrame(nullptr, wxID_ANY, "Leyenda", wxPoint(0, 0), wxDefaultSize);
        marco->SetClientSize(605, 390);
        mapa = new PanelMapa(marco, wxID_ANY, wxPoint(205, 0), wxSize(400, 390));
        leyenda = new CGestionCapasPanel(marco, wxID_ANY, wxPoint(0, 0), wxSize(205, 390));
        mapa->SetGestorVista(&gestor);
        leyenda->SetPanelMapa(mapa);
        leyenda->SetGestorVistaMapa(&gestor);
        marco->Show();
        ProcesarEventos();
    }
    void TearDown() override {
        marco->Destroy();
        ProcesarEventos();
        SetReceptorMensajes({});
    }
    CTreeCtrlCapas* Arbol() const { return leyenda->GetArbol(); }
    std::vector<wxTreeItemId> Hijos(const wxTreeItemId& padre) const {
        std::vector<wxTreeItemId> hijos;
        wxTreeItemIdValue cookie;
        for (wxTreeItemId h = Arbol()->GetFirstChild(padre, cookie); h.IsOk(); h = Arbol()->GetNextChild(padre, cookie))
            hijos.push_back(h);
        return hijos;
    }
    // Each entry as "name [image]: line, line".
    std::vector<wxString> Entradas(bool conLineas = true) const {
        std::vector<wxString> texto;
        for (const wxTreeItemId& entrada : Hijos(Arbol()->GetRootItem())) {
            wxString linea = Arbol()->GetItemText(entrada) + wxString::Format(" [%d]", Arbol()->GetItemImage(entrada));
            if (conLineas) {
                linea += ":";
                for (const wxTreeItemId& hijo : Hijos(entrada)) linea += " '" + Arbol()->GetItemText(hijo) + "'";
            }
            texto.push_back(linea);
        }
        return texto;
    }

    CapasPrueba capas;  // the files outlive the view manager's layers
    CGestorVistaMapa gestor;
    wxFrame* marco = nullptr;
    PanelMapa* mapa = nullptr;
    CGestionCapasPanel* leyenda = nullptr;
};
}  // namespace

// Top-most layer first; place-name layers with their check box (ticked when
// shown), backdrop and frame layers left out, one legend line for a layer's
// own symbol, one per class of a value classification, none for labels.
TEST_F(CGestionCapasPanelTest, TreeListsTheLayersTopFirstWithTheirLegendLines) {
    leyenda->CargarListaCapasTreeCtrl(0);
    EXPECT_FALSE(Arbol()->GetRootItem().IsOk());  // an empty map: not even the root

    CCapaShp* toponimia = capas.Capa("Toponimia ríos", kLineas);
    toponimia->SetEstadoCapa(CCapa::ESTADO_OCULTA);
    for (const char* excluida : {"Lámina de agua", "Otras regiones o países", "Andalucía", "Cuadricula UTM",
                                 "Coordenadas", "Doble calzada"})
        gestor.AddCapa(capas.Entrada(capas.Capa(excluida, kPoligonos)));
    gestor.AddCapa(capas.Entrada(capas.Capa("Provincias", kPoligonos),
                                 {CapasPrueba::Clase("Sevilla", kVerde), CapasPrueba::Clase(wxString::FromUTF8("Jaén"), kNaranja)}, "VALOR"));
    gestor.AddCapa(capas.Entrada(capas.Capa("Ríos", kLineas)));
    gestor.AddCapa(capas.Entrada(toponimia, {}, "TEXTO"));
    gestor.AddCapa(capas.Entrada(capas.Capa("Toponimia capitales", kPuntos), {}, "TEXTO"));
    leyenda->CargarListaCapasTreeCtrl(2);

    const std::vector<wxString> esperado = {
        "Toponimia capitales [0]:", wxString::FromUTF8("Toponimia ríos [1]:"), wxString::FromUTF8("Ríos [-1]: ''"),
        wxString::FromUTF8("Provincias [-1]: '       Sevilla' '       Jaén'")};
    EXPECT_EQ(Entradas(), esperado);
    const std::vector<wxTreeItemId> entradas = Hijos(Arbol()->GetRootItem());
    EXPECT_EQ(leyenda->GetItemSeleccionado(), entradas[2]);
    EXPECT_TRUE(Arbol()->IsSelected(entradas[2]));
    EXPECT_TRUE(Arbol()->IsExpanded(entradas[3]));
    for (const wxTreeItemId& linea : Hijos(entradas[3])) {
        EXPECT_EQ(Arbol()->GetItemImage(linea), CTreeCtrlCapas::IMAGEN_LEYENDA);
        EXPECT_EQ(Arbol()->GetItemData(linea), nullptr);
    }
    const auto* provincias = dynamic_cast<CCapaItemData*>(Arbol()->GetItemData(entradas[3]));
    ASSERT_NE(provincias, nullptr);
    EXPECT_EQ(provincias->GetRepresentaciones().size(), 2u);
    EXPECT_EQ(provincias->GetRepresentacion(wxString::FromUTF8("Jaén"))->GetColorRelleno(), kNaranja);
    EXPECT_EQ(provincias->GetRepresentacion("Huelva"), nullptr);
    EXPECT_EQ(leyenda->BuscarIndiceCapa(gestor.GetListaCapas(), entradas[3]), 3);
    EXPECT_EQ(leyenda->BuscarIndiceCapa(gestor.GetListaCapas(), Hijos(entradas[3])[0]), -1);
    EXPECT_EQ(leyenda->GetSelectedCapa(3)->GetCapaEnCapa()->GetNombreCapa(), "Provincias");

    gestor.Limpiar();  // the theme is closed: the legend empties
    leyenda->CargarListaCapasTreeCtrl(0);
    EXPECT_FALSE(Arbol()->GetRootItem().IsOk());
}

// One swatch per geometry: a 35 x 14 box in the fill colour (none when the
// layer's symbol is transparent), a zigzag for lines (the class's width), a
// circle of at most radius 8 or a glyph for points, nothing for other point
// styles.
TEST(CTreeCtrlCapas, SwatchesFollowTheGeometryAndTheSymbol) {
    CapasPrueba capas;
    std::vector<std::unique_ptr<CCapa>> retenidas;
    const auto capa = [&](int geometria, const wxColour& relleno, const wxColour& borde) {
        retenidas.emplace_back(capas.Capa("capa", geometria, relleno, borde));
        return retenidas.back().get();
    };
    CSimboloObj claseVerde;
    claseVerde.SetValores(1, 1, kVerde, kVerde, 3, wxEmptyString, wxEmptyString, 0, 0);
    CSimboloObj grande;
    grande.SetValores(1, 1, kNaranja, kAzul, 12, wxEmptyString, wxEmptyString, 0, 0);
    CSimboloObj caracter;
    caracter.SetValores(1, 4, kNaranja, kAzul, 12, "DejaVu Sans", wxEmptyString, 0, 0x2605);
    CSimboloObj otroEstilo;
    otroEstilo.SetValores(1, 7, kNaranja, kAzul, 12, wxEmptyString, wxEmptyString, 0, 0);
    CCapa* transparente = capa(kPoligonos, kRojo, kAzul);
    transparente->GetSimbolo()->SetTransparente(true);

    const wxRect caja(40, 0, 35, 15);  // the line's swatch area (top 0)
    const wxRect dentroCaja(42, 2, 31, 10);
    const struct {
        const char* caso;
        CCapa* capa;
        const CSimboloObj* clase;
        wxRect zona;
        wxColour color;
        int minimo, maximo;  // pixels of that colour in the zone
    } casos[] = {
        {"polygon fill", capa(kPoligonos, kRojo, kAzul), nullptr, dentroCaja, kRojo, 31 * 10, 31 * 10},
        {"polygon outline", capa(kPoligonos, kRojo, kAzul), nullptr, caja, kAzul, 2 * 35, 2 * 35 + 2 * 14},
        {"class fill", capa(kPoligonos, kRojo, kAzul), &claseVerde, dentroCaja, kVerde, 27 * 6, 31 * 10},
        {"transparent layer", transparente, &claseVerde, wxRect(45, 4, 25, 6), kVerde, 0, 0},
        {"line", capa(kLineas, kRojo, kAzul), &claseVerde, caja, kVerde, 40, 35 * 15},
        {"line without fill", capa(kLineas, kRojo, kAzul), &claseVerde, caja, kRojo, 0, 0},
        {"point radius 8", capa(kPuntos, kRojo, kAzul), &grande, wxRect(49, 1, 13, 13), kNaranja, 13 * 13 - 40, 13 * 13},
        {"point within 8", capa(kPuntos, kRojo, kAzul), &grande, wxRect(40, 0, 6, 15), kNaranja, 0, 0},
        {"glyph", capa(kPuntos, kRojo, kAzul), &caracter, wxRect(40, 0, 40, 30), kNaranja, 20, 40 * 30},
        {"other point style", capa(kPuntos, kRojo, kAzul), &otroEstilo, wxRect(0, 0, 100, 30), kNaranja, 0, 0},
    };
    wxFrame marco(nullptr, wxID_ANY, "Arbol");
    CTreeCtrlCapas arbol(&marco, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, "arbol");
    for (const auto& c : casos) {
        LienzoPrueba lienzo(100, 30);
        arbol.Dibujar(lienzo.Dc(), 0, c.capa, c.clase);
        const int n = LienzoPrueba::Contar(lienzo.Imagen(), c.zona, c.color);
        EXPECT_GE(n, c.minimo) << c.caso;
        EXPECT_LE(n, c.maximo) << c.caso;
    }
    LienzoPrueba otro(100, 30);
    arbol.Dibujar(otro.Dc(), 0, casos[8].capa, &otroEstilo);
    EXPECT_EQ(LienzoPrueba::ContarPintados(otro.Imagen(), otro.Rect()), 0);
}

// The shown tree carries each legend line's swatch in its class's colour,
// on the line's row.
TEST_F(CGestionCapasPanelTest, ShownTreeDrawsASwatchOnEveryLegendLine) {
    gestor.AddCapa(capas.Entrada(capas.Capa("Provincias", kPoligonos),
                                 {CapasPrueba::Clase("Sevilla", kVerde), CapasPrueba::Clase(wxString::FromUTF8("Jaén"), kNaranja)}, "VALOR"));
    gestor.AddCapa(capas.Entrada(capas.Capa("Embalses", kPoligonos, kAzul, kRojo)));
    leyenda->CargarListaCapasTreeCtrl(0);
    const wxImage pantalla = CapturarPantalla(Arbol());
    const std::vector<wxTreeItemId> entradas = Hijos(Arbol()->GetRootItem());
    const struct {
        wxTreeItemId linea;
        wxColour color;
    } lineas[] = {{Hijos(entradas[0])[0], kAzul}, {Hijos(entradas[1])[0], kVerde}, {Hijos(entradas[1])[1], kNaranja}};
    for (const auto& l : lineas) {
        wxRect rect;
        ASSERT_TRUE(Arbol()->GetBoundingRect(l.linea, rect));
        const wxPoint enPantalla = Arbol()->ClientToScreen(wxPoint(CTreeCtrlCapas::kXMuestra, rect.y)) -
                                   Arbol()->ClientToScreen(wxPoint(0, 0));
        EXPECT_EQ(LienzoPrueba::Contar(pantalla, wxRect(enPantalla.x + 2, enPantalla.y + 2, 31, 10), l.color), 31 * 10)
            << Arbol()->GetItemText(l.linea);
    }
}

// A click on a place-name layer's entry hides it (unticked), a second shows
// it again, and the map is painted anew each time; a click on a legend line
// changes nothing.
TEST_F(CGestionCapasPanelTest, ClickOnThePlaceNameCheckBoxSwitchesTheLayer) {
    CCapaShp* toponimia = capas.Capa("Toponimia capitales", kPuntos);
    toponimia->SetEstadoCapa(CCapa::ESTADO_VISIBLE);
    CCapaShp* rios = capas.Capa("Ríos", kLineas);
    rios->SetEstadoCapa(CCapa::ESTADO_VISIBLE);
    gestor.AddCapa(capas.Entrada(rios));
    gestor.AddCapa(capas.Entrada(toponimia, {}, "TEXTO"));
    int pintados = 0;  // the map drawn anew (its layers, not only a copy)
    marco->Bind(wxEVT_MAP_NUEVA_ESCALA, [&pintados](wxMapEvent&) { ++pintados; });
    leyenda->CargarListaCapasTreeCtrl(1);
    ASSERT_TRUE(EsperarHasta([&pintados] { return pintados > 0; }));
    const std::vector<wxTreeItemId> entradas = Hijos(Arbol()->GetRootItem());
    wxUIActionSimulator raton;
    const auto clic = [&](const wxTreeItemId& item) {
        wxRect rect;
        Arbol()->GetBoundingRect(item, rect, true);
        wxMilliSleep(500);  // never a double click
        raton.MouseMove(Arbol()->ClientToScreen(rect.GetPosition() + wxPoint(5, rect.height / 2)));
        ProcesarEventos();
        raton.MouseClick();
        ProcesarEventos();
    };
    for (const int estado : {CCapa::ESTADO_OCULTA, CCapa::ESTADO_VISIBLE}) {
        const int antes = pintados;
        clic(entradas[0]);
        EXPECT_EQ(toponimia->GetEstadoCapa(), estado);
        EXPECT_EQ(Arbol()->GetItemImage(entradas[0]),
                  estado == CCapa::ESTADO_OCULTA ? CTreeCtrlCapas::IMAGEN_OCULTA : CTreeCtrlCapas::IMAGEN_VISIBLE);
        EXPECT_TRUE(EsperarHasta([&] { return pintados > antes; }));
    }
    const int antes = pintados;
    clic(Hijos(entradas[1])[0]);
    ProcesarEventos();
    EXPECT_EQ(pintados, antes);
    EXPECT_TRUE(Arbol()->IsSelected(entradas[0]));  // the line is not even selected
    EXPECT_EQ(rios->GetEstadoCapa(), CCapa::ESTADO_VISIBLE);
    EXPECT_EQ(toponimia->GetEstadoCapa(), CCapa::ESTADO_VISIBLE);
}
