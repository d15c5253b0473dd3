// The legend's swatches, drawn off screen for each geometry and symbol, and the
// layer properties dialog on the bundled themes, opened from the legend: edits
// work on a copy, so only "Aplicar" changes the symbol, the map and the swatch;
// widths under real typing, and scale ranges refused or applied.
#include "CGestionCapasPanel.h"

#include "ArbolPrueba.h"
#include "AtlasPrueba.h"
#include "CapaShpPrueba.h"
#include "CEditorSimbolo.h"
#include "CEscalaMinMaxPanel.h"
#include "CMensajes.h"
#include "CPaginaSimbolo.h"
#include "CPropiedadesCapaDlg.h"
#include "CPropiedadesLineasPanel.h"
#include "CPropiedadesPoligonosPanel.h"
#include "CSelectorColor.h"
#include "CTreeCtrlCapas.h"
#include "LienzoPrueba.h"
#include "PanelMapa.h"
#include "PantallaPruebas.h"
#include "PropiedadesCapaPanelLineas.h"
#include "PropiedadesCapaPanelPoligonos.h"
#include "PropiedadesCapaPanelPuntos.h"
#include "PropiedadesPuntos.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <functional>
#include <string>
#include <typeinfo>
#include <vector>

namespace {

const wxColour kMagenta(255, 0, 255);

// Every field of two symbols.
bool MismoSimbolo(const CSimboloObj& a, const CSimboloObj& b) {
    return a.GetTipo() == b.GetTipo() && a.GetEstilo() == b.GetEstilo() &&
           a.GetColorRelleno() == b.GetColorRelleno() && a.GetColorBorde() == b.GetColorBorde() &&
           a.GetSize() == b.GetSize() && a.GetFuente() == b.GetFuente() &&
           a.GetFileFuente() == b.GetFileFuente() && a.GetFontSize() == b.GetFontSize() &&
           a.GetCharIndex() == b.GetCharIndex() && a.GetTransparente() == b.GetTransparente();
}

// The first child of that kind.
template <class T>
T* Hijo(wxWindow* padre) {
    for (wxWindow* hijo : padre->GetChildren())
        if (auto* buscado = dynamic_cast<T*>(hijo)) return buscado;
    return nullptr;
}

// The toolkit's handling of a click on a button (or of a slider's move).
void Pulsar(wxWindow* control, wxEventType tipo = wxEVT_BUTTON) {
    ASSERT_NE(control, nullptr);
    wxCommandEvent evento(tipo, control->GetId());
    evento.SetEventObject(control);
    if (auto* deslizador = dynamic_cast<wxSlider*>(control)) evento.SetInt(deslizador->GetValue());
    control->GetEventHandler()->ProcessEvent(evento);
}

// The text of a spin control changed at once, as a paste changes it.
void EscribirEnSpin(wxSpinCtrl* spin, const wxString& texto) {
    ASSERT_NE(spin, nullptr);
    wxCommandEvent evento(wxEVT_TEXT, spin->GetId());
    evento.SetEventObject(spin);
    evento.SetString(texto);
    spin->GetEventHandler()->ProcessEvent(evento);
}

// Pixels near magenta (anti-aliased glyphs and lines blend at their edges).
int PixelesMagenta(const wxImage& imagen, wxRect zona = wxRect()) {
    if (zona.IsEmpty()) zona = wxRect(0, 0, imagen.GetWidth(), imagen.GetHeight());
    zona.Intersect(wxRect(0, 0, imagen.GetWidth(), imagen.GetHeight()));
    int total = 0;
    for (int y = zona.GetTop(); y <= zona.GetBottom(); ++y)
        for (int x = zona.GetLeft(); x <= zona.GetRight(); ++x) {
            const wxColour c = ColorEn(imagen, x, y);
            total += c.Red() > 200 && c.Green() < 80 && c.Blue() > 200;
        }
    return total;
}

// The legend with its menu reachable, its dialog shown modeless and handed to `alMostrar`.
class Leyenda : public CGestionCapasPanel {
public:
    using CGestionCapasPanel::CGestionCapasPanel;
    using CGestionCapasPanel::CrearMenuCapa;
    std::function<void(CPropiedadesCapaDlg&)> alMostrar;
    int mostrados = 0;

protected:
    int MostrarPropiedades(CPropiedadesCapaDlg& dialogo) override {
        ++mostrados;
        dialogo.SetReturnCode(wxID_NONE);
        dialogo.Show();
        if (alMostrar) alMostrar(dialogo);
        return dialogo.IsShown() ? wxID_NONE : dialogo.GetReturnCode();
    }
};

// The legend beside the main map, both on one theme of the bundled atlas.
class MarcoPrueba : public wxFrame {
public:
    MarcoPrueba(const char* archivoTema, const char* nombreCapa, bool sinClasificacion)
        : wxFrame(nullptr, wxID_ANY, "Marco", wxPoint(0, 0), wxDefaultSize), tema(TemaAtlas(archivoTema)) {
        capa = CapaPorNombre(*tema->GetGestorVistaMapa(), wxString::FromUTF8(nombreCapa));
        // As a theme that lists the layer without its classes would.
        if (capa && sinClasificacion) capa->SetTieneClasificacion(false);
        SetClientSize(1000, 590);
        leyenda = new Leyenda(this, wxID_ANY, wxPoint(0, 0), wxSize(205, 390));
        mapa = new PanelMapa(this, wxID_ANY, wxPoint(210, 0), wxSize(790, 584));
        mapa->SetGestorVista(tema->GetGestorVistaMapa());
        leyenda->SetPanelMapa(mapa);
        leyenda->SetGestorVistaMapa(tema->GetGestorVistaMapa());
        Bind(wxEVT_CAPA_MODIFICADA, [this](wxCommandEvent& evento) { avisos.push_back(evento.GetInt()); });
        Show();
        ProcesarEventos();
        mapa->ReadaptarExtension();
        mapa->ExtensionTotal();
        leyenda->CargarListaCapasTreeCtrl(0);
        EsperarHasta([this] { return mapa->GetBitmapMapa() != nullptr; });
    }
    ~MarcoPrueba() override { mapa->SetGestorVista(nullptr); }
    // The layer's legend entry, and the first legend line under it.
    wxTreeItemId Entrada() const {
        const CTreeCtrlCapas& arbol = *leyenda->GetArbol();
        return HijoArbol(arbol, arbol.GetRootItem(), capa->GetCapaEnCapa()->GetNombreCapa());
    }
    wxTreeItemId LineaLeyenda() const {
        wxTreeItemIdValue cookie;
        return leyenda->GetArbol()->GetFirstChild(Entrada(), cookie);
    }
    // Where the swatch of the first legend line lies in the tree.
    wxRect ZonaMuestra() const {
        wxRect rect;
        if (!leyenda->GetArbol()->GetBoundingRect(LineaLeyenda(), rect)) return wxRect();
        return wxRect(CTreeCtrlCapas::kXMuestra - 2, rect.y - 4, 40, 28);
    }
    wxPoint CentroEntrada() const {
        wxRect rect;
        leyenda->GetArbol()->GetBoundingRect(Entrada(), rect, true);
        return leyenda->GetArbol()->ClientToScreen(wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2));
    }
    // The dialog the legend opens on `abrir`, handed to `accion`; true when one opened.
    bool ConDialogo(const std::function<void()>& abrir, const std::function<void(CPropiedadesCapaDlg&)>& accion) {
        const int antes = leyenda->mostrados;
        leyenda->alMostrar = accion;
        abrir();
        const bool abierto = EsperarHasta([&] { return leyenda->mostrados > antes; });
        leyenda->alMostrar = nullptr;
        ProcesarEventos();
        return abierto;
    }
    std::unique_ptr<CProyectoVaq> tema;
    CCapasEnMapa* capa = nullptr;
    Leyenda* leyenda = nullptr;
    PanelMapa* mapa = nullptr;
    std::vector<int> avisos;
};

// What the user sees of a layer: its symbol, the map and the legend.
struct Vista {
    explicit Vista(MarcoPrueba& marco)
        : simbolo(*marco.capa->GetCapaEnCapa()->GetSimbolo()), mapa(CapturarPantalla(marco.mapa)),
          leyenda(CapturarPantalla(marco.leyenda->GetArbol())), muestra(PixelesMagenta(leyenda, marco.ZonaMuestra())) {}
    CSimboloObj simbolo;
    wxImage mapa;
    wxImage leyenda;
    int muestra;  // magenta pixels of the swatch
};

class CGestionCapasPanelPropiedadesTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetReceptorMensajes([this](const wxString& texto, const wxString&) { mensajes.push_back(texto.utf8_string()); });
    }
    void TearDown() override {
        SetReceptorMensajes(nullptr);
        CSelectorColor::SetSelector(nullptr);
        if (marco) marco->Destroy();
        ProcesarEventos();
    }
    void Abrir(const char* tema, const char* capa, bool sinClasificacion = false) {
        if (marco) marco->Destroy();
        marco = new MarcoPrueba(tema, capa, sinClasificacion);
        ASSERT_NE(marco->capa, nullptr) << capa;
    }
    MarcoPrueba* marco = nullptr;
    std::vector<std::string> mensajes;
    wxUIActionSimulator simulador;
};

// A double click on the entry (not on a legend line) opens the symbol page of
// the layer's geometry (with a note when classified); colour, width 7 and
// transparency moved there and back.
TEST_F(CGestionCapasPanelPropiedadesTest, OnlyAplicarChangesTheSymbolTheMapAndTheSwatch) {
    struct Caso {
        const char* tema;
        const char* capa;
        bool sinClasificacion;
        const std::type_info& pagina;
        int idColor;    // the colour button used
        bool relleno;   // it sets the fill colour
        bool borde;     // it sets the outline colour
        bool seVe;      // the new colour shows on the map and in the swatch
    };
    const Caso casos[] = {
        // The outline: the lakes are a few pixels across at the whole map.
        {"MedioFisico.vel", "Embalses y lagos", false, typeid(PropiedadesCapaPanelPoligonos),
         CPropiedadesPoligonosPanel::ID_COLOR_LINEA, false, true, true},
        {"MedioHumano.vel", "Capitales de provincia", false, typeid(PropiedadesCapaPanelPuntos),
         PropiedadesPuntos::ID_COLOR, true, true, true},
        {"MedioFisico.vel", "Ríos", true, typeid(PropiedadesCapaPanelLineas), CPropiedadesLineasPanel::ID_COLOR, false,
         true, true},
        // Classified: its own symbol changes, the classes draw the map and the swatches.
        {"MedioFisico.vel", "Ríos", false, typeid(PropiedadesCapaPanelLineas), CPropiedadesLineasPanel::ID_COLOR, false,
         true, false},
    };
    enum Final { CANCELAR, CERRAR, APLICAR };
    const std::pair<int, Final> rondas[] = {{0, CANCELAR}, {1, CERRAR}, {0, APLICAR}, {1, APLICAR}, {2, APLICAR}, {3, APLICAR}};
    for (const auto& ronda : rondas) {
        const Caso& caso = casos[ronda.first];
        const Final final = ronda.second;
        SCOPED_TRACE(std::string(caso.capa) + (caso.sinClasificacion ? " sin clases" : "") + " final " +
                     std::to_string(final));
        Abrir(caso.tema, caso.capa, caso.sinClasificacion);
        wxTreeEvent activado(wxEVT_TREE_ITEM_ACTIVATED, marco->leyenda->GetArbol(), marco->LineaLeyenda());
        marco->leyenda->GetArbol()->GetEventHandler()->ProcessEvent(activado);
        EXPECT_EQ(marco->leyenda->mostrados, 0);  // a legend line opens nothing
        const Vista antes(*marco);
        ASSERT_EQ(PixelesMagenta(antes.mapa), 0);
        ASSERT_EQ(PixelesMagenta(antes.leyenda), 0);
        wxColour ofrecido;
        CSelectorColor::SetSelector([&](wxWindow*, wxColourData& datos) {
            ofrecido = datos.GetColour();
            datos.SetColour(kMagenta);
            return true;
        });
        CSimboloObj copia;
        bool capaIntacta = false;
        const auto editar = [&](CPropiedadesCapaDlg& dialogo) {
            auto* pagina = dynamic_cast<CPaginaSimbolo*>(dialogo.GetPanel(0));
            ASSERT_NE(pagina, nullptr);
            EXPECT_TRUE(typeid(*pagina) == caso.pagina) << typeid(*pagina).name();
            EXPECT_NE(dynamic_cast<CEscalaMinMaxPanel*>(dialogo.GetPanel(1)), nullptr);
            EXPECT_EQ(pagina->GetNota().empty(), caso.seVe);  // only the classified layer has a note
            Pulsar(pagina->GetEditor()->FindWindow(caso.idColor));
            EscribirEnSpin(Hijo<wxSpinCtrl>(pagina->GetEditor()), "7");
            if (auto* deslizador = Hijo<wxSlider>(pagina->GetEditor()))
                for (int vez = 0; vez < 2; ++vez) Pulsar(deslizador, wxEVT_SLIDER);
            copia = *pagina->GetSimbolo();
            capaIntacta = MismoSimbolo(*marco->capa->GetCapaEnCapa()->GetSimbolo(), antes.simbolo);
            if (final == APLICAR) Pulsar(dialogo.FindWindow(CPropiedadesCapaDlg::ID_APLICAR));
            if (final == CANCELAR) Pulsar(dialogo.FindWindow(CPropiedadesCapaDlg::ID_CANCELAR));
            if (final == CERRAR) dialogo.Close();
        };
        ASSERT_TRUE(marco->ConDialogo(
            [&] {
                simulador.MouseMove(marco->CentroEntrada());
                simulador.MouseDblClick();
            },
            editar));
        EXPECT_EQ(ofrecido, caso.relleno ? antes.simbolo.GetColorRelleno() : antes.simbolo.GetColorBorde());
        EXPECT_EQ(copia.GetColorRelleno(), caso.relleno ? kMagenta : antes.simbolo.GetColorRelleno());
        EXPECT_EQ(copia.GetColorBorde(), caso.borde ? kMagenta : antes.simbolo.GetColorBorde());
        EXPECT_EQ(copia.GetSize(), 7);
        EXPECT_EQ(copia.GetTransparente(), antes.simbolo.GetTransparente());
        EXPECT_TRUE(capaIntacta);
        const Vista despues(*marco);
        if (final == APLICAR) {
            EXPECT_TRUE(MismoSimbolo(despues.simbolo, copia));
            EXPECT_EQ(PixelesMagenta(despues.mapa) > 0, caso.seVe);
            EXPECT_EQ(despues.muestra > 0, caso.seVe);
            ASSERT_EQ(marco->avisos.size(), 1u);  // naming the layer's place in the view
            EXPECT_EQ(marco->tema->GetGestorVistaMapa()->GetCapaEnMapa(marco->avisos[0]), marco->capa);
        } else {
            EXPECT_TRUE(MismoSimbolo(despues.simbolo, antes.simbolo));
            EXPECT_EQ(PixelesMagenta(despues.mapa), 0);
            EXPECT_EQ(PixelesMagenta(despues.leyenda), 0);
            EXPECT_TRUE(marco->avisos.empty());
        }
        EXPECT_TRUE(mensajes.empty());
    }
}

// The right-click menu's "Propiedades..." opens the dialog (a label layer's
// with the scale page alone).
TEST_F(CGestionCapasPanelPropiedadesTest, RightClickMenuOffersPropiedades) {
    Abrir("MedioFisico.vel", "Toponimia sierras");
    std::unique_ptr<wxMenu> menu = marco->leyenda->CrearMenuCapa(*marco->capa);
    ASSERT_EQ(menu->GetMenuItemCount(), 1u);
    EXPECT_EQ(menu->FindItemByPosition(0)->GetItemLabelText(), "Propiedades...");
    // Once the menu is up, its first entry is chosen with the keyboard.
    int menus = 0;
    marco->leyenda->GetArbol()->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& evento) {
        ++menus;
        simulador.Char(WXK_DOWN);
        simulador.Char(WXK_RETURN);
        evento.Skip();
    });
    wxString titulo;
    size_t paginas = 0;
    EXPECT_TRUE(marco->ConDialogo(
        [&] {
            simulador.MouseMove(marco->CentroEntrada());
            simulador.MouseClick(wxMOUSE_BTN_RIGHT);
        },
        [&](CPropiedadesCapaDlg& dialogo) {
            titulo = dialogo.GetTitle();
            paginas = dialogo.GetNoteBook()->GetPageCount();
            EXPECT_NE(dynamic_cast<CEscalaMinMaxPanel*>(dialogo.GetPanel(0)), nullptr);
            Pulsar(dialogo.FindWindow(CPropiedadesCapaDlg::ID_CANCELAR));
        }));
    EXPECT_EQ(menus, 1);
    EXPECT_EQ(titulo, wxString::FromUTF8("Propiedades de la capa «Toponimia sierras»"));
    EXPECT_EQ(paginas, 1u);
}

// Typed widths outside 0-20 (or no number) are undone on Tab, 7 is taken, on
// the copy only. A scale range that is no number, negative or inverted is
// refused naming the field, applying nothing and showing the scale page; a
// valid one is applied with the width.
TEST_F(CGestionCapasPanelPropiedadesTest, WidthsFromZeroToTwentyAndSensibleScaleRangesAreTaken) {
    const auto tema = TemaAtlas("MedioFisico.vel");
    CCapasEnMapa& rios = *CapaPorNombre(*tema->GetGestorVistaMapa(), wxString::FromUTF8("Ríos"));
    CCapa& capa = *rios.GetCapaEnCapa();
    const int original = capa.GetSimbolo()->GetSize();
    auto dialogo = CPropiedadesCapaDlg::ParaCapa(nullptr, rios);
    auto* pagina = static_cast<CPaginaSimbolo*>(dialogo->GetPanel(0));
    auto* escala = static_cast<CEscalaMinMaxPanel*>(dialogo->GetPanel(1));
    wxSpinCtrl* grosor = Hijo<wxSpinCtrl>(pagina->GetEditor());
    dialogo->Show();
    ProcesarEventos();
    std::vector<int> tamanos;  // while typing, and once left
    std::vector<wxString> textos;
    for (const char* texto : {"25", "abc", "7", "-3"}) {
        grosor->SetFocus();
        ProcesarEventos();
        simulador.Char(WXK_END);
        for (int i = 0; i < 4; ++i) simulador.Char(WXK_BACK);
        simulador.Text(texto);
        ProcesarEventos();
        tamanos.push_back(pagina->GetSimbolo()->GetSize());
        simulador.Char(WXK_TAB);
        ProcesarEventos();
        tamanos.push_back(pagina->GetSimbolo()->GetSize());
        textos.push_back(grosor->GetTextValue());
    }
    EXPECT_EQ(tamanos, (std::vector<int>{original, original, original, original, 7, 7, 7, 7}));
    const wxString antes = wxString::Format("%d", original);
    EXPECT_EQ(textos, (std::vector<wxString>{antes, antes, "7", "7"}));
    EXPECT_EQ(capa.GetSimbolo()->GetSize(), original);  // never applied
    struct Caso {
        const char* minima;
        const char* maxima;
        const char* mensaje;  // null: applied
        double aplicadaMinima, aplicadaMaxima;
    };
    const Caso casos[] = {
        {"abc", "100000", "\"Escala Minima\" debe ser un número", 0, 0},
        {"1e5", "100000", "\"Escala Minima\" debe ser un número", 0, 0},
        {"5000", "", "\"Escala Maxima\" debe ser un número", 0, 0},
        {"5000", "12.000.000", "\"Escala Maxima\" debe ser un número", 0, 0},
        {"-5", "100000", "\"Escala Minima\" no puede ser negativa", 0, 0},
        {"5000", "-1", "\"Escala Maxima\" no puede ser negativa", 0, 0},
        {"200000", "100000", "\"Escala Minima\" no puede ser mayor que \"Escala Maxima\"", 0, 0},
        {" 70000 ", "70000", nullptr, 70000, 70000},
        {"0", "1500000,5", nullptr, 0, 1500000.5},
    };
    EXPECT_EQ(escala->GetEscalaMinima(), capa.GetEscalaMinima());
    EXPECT_EQ(escala->GetEscalaMaxima(), capa.GetEscalaMaxima());
    for (const Caso& caso : casos) {
        SCOPED_TRACE(std::string(caso.minima) + " - " + caso.maxima);
        mensajes.clear();
        const double minimaAntes = capa.GetEscalaMinima(), maximaAntes = capa.GetEscalaMaxima();
        const CSimboloObj simboloAntes = *capa.GetSimbolo();
        pagina->GetSimbolo()->SetSize(simboloAntes.GetSize() + 1);
        dialogo->GetNoteBook()->SetSelection(0);
        static_cast<wxTextCtrl*>(escala->FindWindow(CEscalaMinMaxPanel::ID_ESCALA_MINIMA))->SetValue(caso.minima);
        static_cast<wxTextCtrl*>(escala->FindWindow(CEscalaMinMaxPanel::ID_ESCALA_MAXIMA))->SetValue(caso.maxima);
        const bool aplicado = dialogo->AplicarPaginas();
        if (caso.mensaje) {
            EXPECT_FALSE(aplicado);
            ASSERT_EQ(mensajes.size(), 1u);
            EXPECT_NE(mensajes[0].find(caso.mensaje), std::string::npos) << mensajes[0];
            EXPECT_EQ(dialogo->GetNoteBook()->GetSelection(), 1);
            EXPECT_EQ(capa.GetEscalaMinima(), minimaAntes);
            EXPECT_EQ(capa.GetEscalaMaxima(), maximaAntes);
            EXPECT_TRUE(MismoSimbolo(*capa.GetSimbolo(), simboloAntes));
        } else {
            EXPECT_TRUE(aplicado);
            EXPECT_TRUE(mensajes.empty());
            EXPECT_EQ(capa.GetEscalaMinima(), caso.aplicadaMinima);
            EXPECT_EQ(capa.GetEscalaMaxima(), caso.aplicadaMaxima);
            EXPECT_EQ(capa.GetSimbolo()->GetSize(), simboloAntes.GetSize() + 1);
        }
    }
    for (const double valor : {0.0, 5000.0, 99999999.0, 143188.23, 1500000.5, 1e20}) {
        escala->SetEscalaMinMax(valor, valor);
        EXPECT_EQ(escala->GetEscalaMinima(), valor);
        EXPECT_EQ(escala->GetEscalaMaxima(), valor);
    }
}

}  // namespace

// A 35 x 14 box in the fill colour (none when transparent), a zigzag for lines,
// a circle of radius at most 8 or a glyph for points, nothing for other styles.
TEST(CTreeCtrlCapas, SwatchesFollowTheGeometryAndTheSymbol) {
    const wxColour kRojo(255, 0, 0), kVerde(0, 160, 0), kAzul(0, 0, 255), kNaranja(255, 128, 0);
    // A layer of that geometry, red with a blue outline.
    DirectorioPrueba dir;
    std::vector<std::unique_ptr<CCapaShp>> capas;
    const auto capa = [&](int geometria) {
        ShapefileWriter escritor(geometria);
        if (geometria == 1) escritor.AddPoint(5, 5);
        if (geometria == 3) escritor.AddShape({{CPunto(0, 0), CPunto(10, 10)}});
        if (geometria == 5) escritor.AddShape({ShapefileWriter::Rectangle(0, 0, 10, 10)});
        CCapaShp* nueva = capas.emplace_back(NuevaCapaShp(escritor, dir / std::to_string(capas.size()))).get();
        nueva->GetSimbolo()->SetColorRelleno(kRojo);
        nueva->GetSimbolo()->SetColorBorde(kAzul);
        return nueva;
    };
    const auto simbolo = [](int estilo, const wxColour& color, int size, int caracter = 0) {
        CSimboloObj s;
        s.SetValores(1, estilo, color, color, size, "DejaVu Sans", "", 0, caracter);
        return s;
    };
    const CSimboloObj clase = simbolo(1, kVerde, 3), grande = simbolo(1, kNaranja, 12);
    const CSimboloObj estrella = simbolo(4, kNaranja, 12, 0x2605), otroEstilo = simbolo(7, kNaranja, 12);
    CCapaShp* transparente = capa(5);
    transparente->GetSimbolo()->SetTransparente(true);
    const wxRect caja(40, 0, 35, 15), dentro(42, 2, 31, 10);
    const struct {
        const char* caso;
        CCapa* capa;
        const CSimboloObj* clase;
        wxRect zona;
        wxColour color;
        int minimo, maximo;  // pixels of that colour in the zone
    } casos[] = {
        {"polygon fill", capa(5), nullptr, dentro, kRojo, 310, 310},
        {"polygon outline", capa(5), nullptr, caja, kAzul, 70, 98},
        {"class fill", capa(5), &clase, dentro, kVerde, 162, 310},
        {"transparent layer", transparente, &clase, wxRect(45, 4, 25, 6), kVerde, 0, 0},
        {"line", capa(3), &clase, caja, kVerde, 40, 525},
        {"line without fill", capa(3), &clase, caja, kRojo, 0, 0},
        {"point radius 8", capa(1), &grande, wxRect(49, 1, 13, 13), kNaranja, 129, 169},
        {"point within 8", capa(1), &grande, wxRect(40, 0, 6, 15), kNaranja, 0, 0},
        {"glyph", capa(1), &estrella, wxRect(40, 0, 40, 30), kNaranja, 20, 1200},
        {"other point style", capa(1), &otroEstilo, wxRect(0, 0, 100, 30), kNaranja, 0, 0},
    };
    wxFrame marco(nullptr, wxID_ANY, "Arbol");
    CTreeCtrlCapas arbol(&marco, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, "arbol");
    for (const auto& c : casos) {
        LienzoPrueba lienzo(100, 30);
        arbol.Dibujar(lienzo.Dc(), 0, c.capa, c.clase);
        const int n = LienzoPrueba::Contar(lienzo.Imagen(), c.zona, c.color);
        EXPECT_TRUE(n >= c.minimo && n <= c.maximo) << c.caso << ": " << n;
    }
}
