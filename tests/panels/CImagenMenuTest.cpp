// The image menu of the map and of a picture window: its entries, the
// clipboard, the BMP file, the printed page (into a memory context at a
// printer's size) and real prints through the toolkit's print dialog to a
// PDF file, checked with poppler's tools.
#include "CImagenMenu.h"

#include "CCapaShp.h"
#include "CGestorVistaMapa.h"
#include "CMensajes.h"
#include "CMyPrintout.h"
#include "DirectorioPrueba.h"
#include "ImpresionPrueba.h"
#include "LienzoPrueba.h"
#include "PanelMapa.h"
#include "PantallaPruebas.h"
#include "ShapefileWriter.h"

#include <gtest/gtest.h>
#include <wx/clipbrd.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {
namespace fs = std::filesystem;

// The map is 400 x 300 map units shown 1:1 in a 400 x 300 panel: a grey
// field with five red squares 5 units across, four in its corners and one
// in its middle, so that a page shows whether the whole view made it.
constexpr int kAnchoVista = 400;
constexpr int kAltoVista = 300;
constexpr double kLado = 5;
const wxColour kRojo(255, 0, 0);
const wxColour kGris(128, 128, 128);
const CPunto kCentrosCuadros[] = {{2.5, 2.5}, {397.5, 2.5}, {2.5, 297.5}, {397.5, 297.5}, {200, 150}};

class MapaPrueba {
public:
    MapaPrueba() {
        marco = new wxFrame(nullptr, wxID_ANY, "Mapa", wxPoint(0, 0), wxDefaultSize);
        marco->SetClientSize(kAnchoVista, kAltoVista);
        panel = new PanelMapa(marco, wxID_ANY, wxPoint(0, 0), wxSize(kAnchoVista, kAltoVista));
        AnadirCapa("fondo", kGris, [](ShapefileWriter& w) {
            w.AddShape({ShapefileWriter::Rectangle(0, 0, kAnchoVista, kAltoVista)});
        });
        AnadirCapa("cuadros", kRojo, [](ShapefileWriter& w) {
            for (const CPunto& c : kCentrosCuadros)
                w.AddShape({ShapefileWriter::Rectangle(c.x - kLado / 2, c.y - kLado / 2, c.x + kLado / 2, c.y + kLado / 2)});
        });
        panel->SetGestorVista(&gestor);
        marco->Show();
        panel->ReadaptarExtension();
        CExtensionMapa vista;
        vista.SetCoordenadasInfIzq(0, 0);
        vista.SetCoordenadasSupDer(kAnchoVista, kAltoVista);
        gestor.SetMantenerExtension(true);
        gestor.Zoom(vista);
        panel->Refresh(true);
        EsperarHasta([this] { return panel->GetBitmapMapa() != nullptr; });
    }
    ~MapaPrueba() {
        marco->Destroy();
        ProcesarEventos();
    }
    template <class Escribir>
    void AnadirCapa(const std::string& nombre, const wxColour& color, Escribir escribir) {
        ShapefileWriter escritor(5);
        escribir(escritor);
        escritor.Write(dir / nombre);
        auto capa = std::make_unique<CCapaShp>();
        capa->SetRutaArchivo(wxString::FromUTF8(dir / nombre + ".shp"));
        capa->InicializarCapa();
        capa->GetSimbolo()->SetColorRelleno(color);
        capa->GetSimbolo()->SetColorBorde(color);
        capa->SetEscalaMinima(0);
        gestor.AddCapa(capa.release());  // on top of those added before
    }

    DirectorioPrueba dir;
    CGestorVistaMapa gestor;
    wxFrame* marco = nullptr;
    PanelMapa* panel = nullptr;
};

wxColour Pixel(const wxBitmap& bitmap, int x, int y) {
    const wxImage punto = bitmap.GetSubBitmap(wxRect(x, y, 1, 1)).ConvertToImage();
    return LienzoPrueba::Color(punto, 0, 0);
}

// Colours of a rendered PDF page come back within a step or two.
bool Parecido(const wxColour& a, const wxColour& b) {
    return std::abs(a.Red() - b.Red()) <= 2 && std::abs(a.Green() - b.Green()) <= 2 && std::abs(a.Blue() - b.Blue()) <= 2;
}

// Whether two images have the same size and pixels.
bool MismosPixeles(const wxImage& a, const wxImage& b) {
    if (!a.IsOk() || !b.IsOk() || a.GetSize() != b.GetSize()) return false;
    return std::equal(a.GetData(), a.GetData() + a.GetWidth() * a.GetHeight() * 3, b.GetData());
}

class CImagenMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetReceptorMensajes([this](const wxString& texto, const wxString& titulo) { mensajes.push_back(titulo + ": " + texto); });
    }
    void TearDown() override { SetReceptorMensajes({}); }
    // The map panel's menu, as its right click makes it.
    std::unique_ptr<CImagenMenu> MenuMapa(MapaPrueba& mapa) {
        auto menu = std::make_unique<CImagenMenu>(true);
        menu->SetBitmap(*mapa.panel->GetBitmapMapa(), "Mapa_actual");
        menu->SetPanelMapa(mapa.panel);
        menu->SetModoImpresion(true);
        return menu;
    }
    std::vector<wxString> mensajes;
};

wxBitmap Imagen(int ancho, int alto, const wxColour& color) {
    LienzoPrueba lienzo(ancho, alto);
    lienzo.Dc()->SetBrush(wxBrush(color));
    lienzo.Dc()->SetPen(*wxTRANSPARENT_PEN);
    lienzo.Dc()->DrawRectangle(0, 0, ancho, alto);
    return wxBitmap(lienzo.Imagen());
}
}  // namespace

// The map's menu offers both prints, a picture's one; separators between
// consecutive entries.
TEST_F(CImagenMenuTest, MapAndPictureMenusListTheirEntries) {
    const struct {
        bool mapa;
        std::vector<wxString> entradas;
    } casos[] = {
        {true, {"Copiar", "", "Guardar", "", wxString::FromUTF8("Impresión rápida"), "", wxString::FromUTF8("Impresión con calidad")}},
        {false, {"Copiar", "", "Guardar", "", "Imprimir"}},
    };
    for (const auto& caso : casos) {
        CImagenMenu menu(caso.mapa);
        std::vector<wxString> entradas;
        for (const wxMenuItem* item : menu.GetMenuItems()) entradas.push_back(item->GetItemLabelText());
        EXPECT_EQ(entradas, caso.entradas) << caso.mapa;
        EXPECT_NE(menu.FindItem(CImagenMenu::ID_IMPRIMIR), nullptr);
        EXPECT_EQ(menu.FindItem(CImagenMenu::ID_IMPRIMIR_RAPIDO) != nullptr, caso.mapa);
    }
}

// "Copiar" leaves on the clipboard the very image the menu holds.
TEST_F(CImagenMenuTest, CopyPutsTheImageOnTheClipboard) {
    MapaPrueba mapa;
    auto menu = MenuMapa(mapa);
    wxCommandEvent orden(wxEVT_MENU, CImagenMenu::ID_COPIAR);
    menu->ProcessEvent(orden);
    ASSERT_TRUE(wxTheClipboard->Open());
    wxBitmapDataObject leido;
    const bool hay = wxTheClipboard->GetData(leido);
    wxTheClipboard->Close();
    ASSERT_TRUE(hay);
    EXPECT_TRUE(MismosPixeles(leido.GetBitmap().ConvertToImage(), mapa.panel->GetBitmapMapa()->ConvertToImage()));
    EXPECT_TRUE(mensajes.empty());
}

// The map goes to Mapa_actual.bmp (a file there is replaced), a picture
// under its description (kept in the chosen directory); a directory that
// cannot be written gets one message naming the file.
TEST_F(CImagenMenuTest, SaveWritesTheBmpReplacingAnOldOneAndSaysWhenItCannot) {
    MapaPrueba mapa;
    DirectorioPrueba destino;
    std::ofstream(destino / "Mapa_actual.bmp") << "viejo";
    auto menu = MenuMapa(mapa);
    ASSERT_TRUE(menu->GuardarEn(wxString::FromUTF8(destino.Ruta())));
    const wxImage guardada(wxString::FromUTF8(destino / "Mapa_actual.bmp"), wxBITMAP_TYPE_BMP);
    EXPECT_TRUE(MismosPixeles(guardada, mapa.panel->GetBitmapMapa()->ConvertToImage()));

    CImagenMenu imagen(false);
    imagen.SetBitmap(Imagen(20, 10, *wxBLUE), "Datos 2020/21");
    ASSERT_TRUE(imagen.GuardarEn(wxString::FromUTF8(destino.Ruta())));
    EXPECT_EQ(wxImage(wxString::FromUTF8(destino / "Datos 2020-21.bmp")).GetSize(), wxSize(20, 10));
    EXPECT_TRUE(mensajes.empty());

    // A place no one can write into (a file stands where its directory would).
    std::ofstream(destino / "archivo") << "";
    const wxString protegido = wxString::FromUTF8(destino / "archivo/carpeta");
    EXPECT_FALSE(menu->GuardarEn(protegido));
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_TRUE(mensajes[0].Contains(protegido + "/Mapa_actual.bmp")) << mensajes[0];
}

// The page carries everything the screen shows, at the page's shape: on a
// portrait page the view's width fills the page (more map above and below),
// on a landscape one its height does (more at the sides); the four corner
// squares and the middle one are where the view puts them, scaled. The
// screen's view is left as it was.
TEST_F(CImagenMenuTest, PrintedPageHoldsTheWholeViewAtThePagesShape) {
    MapaPrueba mapa;
    const CExtensionMapa antes = mapa.gestor.GetExtensionActual();
    const struct {
        wxSize pagina;
        bool rapida;
    } casos[] = {{{4960, 7016}, false}, {{4960, 7016}, true}, {{7016, 4960}, false}};
    for (const auto [pagina, rapida] : casos) {
        wxBitmap hoja(pagina.x, pagina.y, 24);
        {
            wxMemoryDC dc(hoja);
            dc.SetBackground(*wxWHITE_BRUSH);
            dc.Clear();
            CMyPrintout printout("VAQ100 Vistral", mapa.panel, true, rapida, nullptr);
            printout.SetDC(&dc);
            EXPECT_TRUE(printout.OnPrintPage(1));
        }
        const double escala = std::min(double(pagina.x) / kAnchoVista, double(pagina.y) / kAltoVista);
        const double x0 = (pagina.x - kAnchoVista * escala) / 2, y0 = (pagina.y - kAltoVista * escala) / 2;
        for (const CPunto& c : kCentrosCuadros) {
            const int x = int(x0 + c.x * escala), y = int(y0 + (kAltoVista - c.y) * escala);
            EXPECT_EQ(Pixel(hoja, x, y), kRojo) << pagina.x << " " << rapida << " " << c.x << "," << c.y;
            const int haciaDentro = c.x < kAnchoVista / 2 ? 1 : -1;
            EXPECT_EQ(Pixel(hoja, x + haciaDentro * int(kLado * escala), y), kGris) << pagina.x << " " << c.x << "," << c.y;
        }
        EXPECT_FALSE(mapa.panel->GetBitmapImpresion());
    }
    const CExtensionMapa despues = mapa.gestor.GetExtensionActual();
    EXPECT_DOUBLE_EQ(despues.GetCoordenadaInfIzqX(), antes.GetCoordenadaInfIzqX());
    EXPECT_DOUBLE_EQ(despues.GetCoordenadaSupDerY(), antes.GetCoordenadaSupDerY());
    EXPECT_EQ(mapa.gestor.GetDimensionAreaVisualizacion(), wxRect(0, 0, kAnchoVista, kAltoVista));
}

// A picture is printed at its own size, centred, 260 pixels from the top.
TEST_F(CImagenMenuTest, PrintedPicturePlacedCentredBelowTheTop) {
    const wxBitmap imagen = Imagen(400, 50, *wxBLUE);
    wxBitmap hoja(4960, 7016, 24);
    {
        wxMemoryDC dc(hoja);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        CMyPrintout printout("VAQ100 Vistral", nullptr, false, false, &imagen);
        printout.SetDC(&dc);
        EXPECT_TRUE(printout.OnPrintPage(1));
    }
    const wxImage zona = hoja.GetSubBitmap(wxRect(2270, 250, 420, 70)).ConvertToImage();
    EXPECT_EQ(LienzoPrueba::Contar(zona, wxRect(0, 0, 420, 70), *wxBLUE), 400 * 50);
    EXPECT_EQ(LienzoPrueba::Color(zona, 10, 10), *wxBLUE);  // (2280, 260)
    EXPECT_EQ(LienzoPrueba::Color(zona, 9, 10), *wxWHITE);
    EXPECT_EQ(LienzoPrueba::Color(zona, 10, 9), *wxWHITE);
}

// Both prints of the map and a picture's print go through the print dialog
// to a PDF file of one page that shows what was printed.
TEST_F(CImagenMenuTest, PrintToFileGivesAPdfPageWithTheMap) {
    MapaPrueba mapa;
    auto menu = MenuMapa(mapa);
    DirectorioPrueba salida;
    for (const bool rapida : {false, true}) {
        const std::string pdf = salida / (rapida ? "rapida.pdf" : "calidad.pdf");
        wxPrintData datos = DatosImpresionPdf(pdf);
        RespuestaDialogoImpresion respuesta(true);
        EXPECT_TRUE(menu->Imprimir(rapida, datos));
        EXPECT_TRUE(respuesta.Respondida());
        ASSERT_EQ(PaginasPdf(pdf), 1) << pdf;
        const wxImage pagina = PaginaPdf(pdf, 72);
        ASSERT_TRUE(pagina.IsOk());
        EXPECT_GT(pagina.GetHeight(), pagina.GetWidth());
        // The grey field spans the page's width, the red middle square is at its centre.
        const int medio = pagina.GetHeight() / 2;
        EXPECT_TRUE(Parecido(LienzoPrueba::Color(pagina, 2, medio + 20), kGris));
        EXPECT_TRUE(Parecido(LienzoPrueba::Color(pagina, pagina.GetWidth() - 3, medio + 20), kGris));
        EXPECT_TRUE(Parecido(LienzoPrueba::Color(pagina, pagina.GetWidth() / 2, medio), kRojo));
    }
    CImagenMenu imagen(false);
    imagen.SetBitmap(Imagen(400, 50, *wxBLUE), "Foto");
    const std::string pdf = salida / "foto.pdf";
    wxPrintData datos = DatosImpresionPdf(pdf);
    RespuestaDialogoImpresion respuesta(true);
    EXPECT_TRUE(imagen.Imprimir(false, datos));
    ASSERT_EQ(PaginasPdf(pdf), 1);
    // 300 printer pixels to the inch: the picture lies 62 to 74 points down.
    const wxImage pagina = PaginaPdf(pdf, 72);
    ASSERT_TRUE(pagina.IsOk());
    EXPECT_TRUE(Parecido(LienzoPrueba::Color(pagina, pagina.GetWidth() / 2, 68), *wxBLUE));
    EXPECT_TRUE(Parecido(LienzoPrueba::Color(pagina, pagina.GetWidth() / 2, 56), *wxWHITE));
    EXPECT_TRUE(mensajes.empty()) << mensajes.front();
}

// A cancelled dialog and a print that fails each give their message and
// leave no file.
TEST_F(CImagenMenuTest, CancelledOrFailedPrintsSaySo) {
    MapaPrueba mapa;
    auto menu = MenuMapa(mapa);
    DirectorioPrueba salida;
    const struct {
        bool imprimir;
        std::string pdf;
        const char* mensaje;
    } casos[] = {
        {false, salida / "cancelada.pdf", "Se ha cancelado la impresión"},
        {true, salida / "no/existe/fallida.pdf", "Ha ocurrido un problema en la impresión."},
    };
    for (const auto& caso : casos) {
        mensajes.clear();
        wxPrintData datos = DatosImpresionPdf(caso.pdf);
        RespuestaDialogoImpresion respuesta(caso.imprimir);
        EXPECT_FALSE(menu->Imprimir(false, datos));
        EXPECT_TRUE(respuesta.Respondida());
        ASSERT_EQ(mensajes.size(), 1u);
        EXPECT_TRUE(mensajes[0].StartsWith(wxString::FromUTF8("Impresión: ") + wxString::FromUTF8(caso.mensaje))) << mensajes[0];
        EXPECT_FALSE(fs::exists(caso.pdf));
    }
}
