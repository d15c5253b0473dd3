// The image menu of the map and of a picture: entries, BMP file, printed page,
// and real prints through the toolkit's dialog to PDF files.
#include "CImagenMenu.h"

#include "CapaShpPrueba.h"
#include "CGestorVistaMapa.h"
#include "CMensajes.h"
#include "CMyPrintout.h"
#include "ImpresionPrueba.h"
#include "LienzoPrueba.h"
#include "PanelMapa.h"
#include "PantallaPruebas.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

#include <filesystem>
#include <fstream>

namespace {
// A 400 x 300 panel, 1:1 in map units: a grey field with five red 5-unit squares, corners and middle.
constexpr int kAncho = 400, kAlto = 300;
const wxColour kRojo(255, 0, 0), kGris(128, 128, 128);
const CPunto kCuadros[] = {{2.5, 2.5}, {397.5, 2.5}, {2.5, 297.5}, {397.5, 297.5}, {200, 150}};

class CImagenMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetReceptorMensajes([this](const wxString& texto, const wxString& titulo) { mensajes.push_back(titulo + ": " + texto); });
        marco = new wxFrame(nullptr, wxID_ANY, "Mapa");
        marco->SetClientSize(kAncho, kAlto);
        panel = new PanelMapa(marco, wxID_ANY, wxPoint(0, 0), wxSize(kAncho, kAlto));
        Capa("fondo", kGris, {ShapefileWriter::Rectangle(0, 0, kAncho, kAlto)});
        for (const CPunto& c : kCuadros) Capa("cuadro", kRojo, {ShapefileWriter::Rectangle(c.x - 2.5, c.y - 2.5, c.x + 2.5, c.y + 2.5)});
        panel->SetGestorVista(&gestor);
        marco->Show();
        panel->ReadaptarExtension();
        gestor.SetMantenerExtension(true);
        gestor.Zoom(CExtensionMapa(0, 0, kAncho, kAlto));
        panel->Refresh(true);
        EsperarHasta([this] { return panel->GetBitmapMapa() != nullptr; });
        menu.SetBitmap(*panel->GetBitmapMapa(), "Mapa_actual");
        menu.SetPanelMapa(panel);
        menu.SetModoImpresion(true);
    }
    void TearDown() override {
        marco->Destroy();
        ProcesarEventos();
        SetReceptorMensajes({});
    }
    void Capa(const std::string& nombre, const wxColour& color, const ShapefileWriter::Parte& anillo) {
        ShapefileWriter escritor(5);
        escritor.AddShape({anillo});
        CCapaShp* capa = NuevaCapaShp(escritor, dir / (nombre + std::to_string(gestor.GetNumCapas())));
        capa->GetSimbolo()->SetColorRelleno(color);
        capa->GetSimbolo()->SetColorBorde(color);
        capa->SetEscalaMinima(0);  // the view is closer than the default range
        gestor.AddCapa(capa);  // on top
    }
    DirectorioPrueba dir;
    CGestorVistaMapa gestor;
    wxFrame* marco = nullptr;
    PanelMapa* panel = nullptr;
    CImagenMenu menu{true};
    std::vector<wxString> mensajes;
};

wxBitmap Azul(int ancho, int alto) {
    wxImage imagen(ancho, alto);
    imagen.SetRGB(wxRect(0, 0, ancho, alto), 0, 0, 255);
    return wxBitmap(imagen);
}

wxColour Pixel(const wxBitmap& bitmap, int x, int y) {
    return LienzoPrueba::Color(bitmap.GetSubBitmap(wxRect(x, y, 1, 1)).ConvertToImage(), 0, 0);
}

// Colours of a rendered PDF page come back within a step or two.
bool Parecido(const wxColour& a, const wxColour& b) {
    return std::abs(a.Red() - b.Red()) <= 2 && std::abs(a.Green() - b.Green()) <= 2 && std::abs(a.Blue() - b.Blue()) <= 2;
}
}  // namespace

// The map's menu offers both prints, a picture's one, with separators. The
// map goes to Mapa_actual.bmp (replacing an old one), a picture under its
// description; a place that cannot be written gets one message naming the file.
TEST_F(CImagenMenuTest, MenusListTheirEntriesAndSaveWritesTheBmpOrSaysWhyNot) {
    for (const bool mapa : {true, false}) {
        const CImagenMenu menuDe(mapa);
        std::string entradas;
        for (const wxMenuItem* item : menuDe.GetMenuItems()) entradas += item->GetItemLabelText().utf8_string() + "|";
        EXPECT_EQ(entradas, mapa ? "Copiar||Guardar||Impresión rápida||Impresión con calidad|" : "Copiar||Guardar||Imprimir|");
    }
    std::ofstream(dir / "Mapa_actual.bmp") << "viejo";
    ASSERT_TRUE(menu.GuardarEn(wxString::FromUTF8(dir.Ruta())));
    const wxImage guardada(wxString::FromUTF8(dir / "Mapa_actual.bmp"), wxBITMAP_TYPE_BMP);
    const wxImage mapa = panel->GetBitmapMapa()->ConvertToImage();
    ASSERT_EQ(guardada.GetSize(), mapa.GetSize());
    EXPECT_TRUE(std::equal(mapa.GetData(), mapa.GetData() + kAncho * kAlto * 3, guardada.GetData()));
    CImagenMenu imagen(false);
    imagen.SetBitmap(Azul(20, 10), "Datos 2020/21");
    ASSERT_TRUE(imagen.GuardarEn(wxString::FromUTF8(dir.Ruta())));
    EXPECT_EQ(wxImage(wxString::FromUTF8(dir / "Datos 2020-21.bmp")).GetSize(), wxSize(20, 10));
    EXPECT_TRUE(mensajes.empty());
    const wxString imposible = wxString::FromUTF8(dir / "Mapa_actual.bmp/carpeta");  // a file is in the way
    EXPECT_FALSE(menu.GuardarEn(imposible));
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_TRUE(mensajes[0].Contains(imposible + "/Mapa_actual.bmp")) << mensajes[0];
}

// The page holds the whole view fitted to its shape (also in a quick print),
// leaving the screen's view alone; a picture prints at its size, centred, 260
// down. Prints go through the dialog to one-page PDFs showing what was
// printed; a cancelled or failed print gives its message and no file.
TEST_F(CImagenMenuTest, PagesHoldTheViewOrThePictureAndPrintThroughTheDialogToPdf) {
    const wxBitmap azul = Azul(400, 50);
    CImagenMenu imagen(false);
    imagen.SetBitmap(azul, "Foto");
    const CExtensionMapa antes = gestor.GetExtensionActual();
    const struct {
        wxSize pagina;
        bool rapida;
    } hojas[] = {{{4960, 7016}, false}, {{4960, 7016}, true}, {{7016, 4960}, false}};
    for (const auto& [pagina, rapida] : hojas) {
        wxBitmap hoja(pagina.x, pagina.y, 24);
        {
            wxMemoryDC dc(hoja);
            CMyPrintout printout("VAQ100 Vistral", panel, true, rapida, nullptr);
            printout.SetDC(&dc);
            EXPECT_TRUE(printout.OnPrintPage(1));
        }
        const double escala = std::min(double(pagina.x) / kAncho, double(pagina.y) / kAlto);
        const double x0 = (pagina.x - kAncho * escala) / 2, y0 = (pagina.y - kAlto * escala) / 2;
        for (const CPunto& c : kCuadros) {
            const int x = int(x0 + c.x * escala), y = int(y0 + (kAlto - c.y) * escala);
            EXPECT_EQ(Pixel(hoja, x, y), kRojo) << pagina.x << " " << c.x << "," << c.y;
            EXPECT_EQ(Pixel(hoja, x + (c.x < 200 ? 1 : -1) * int(5 * escala), y), kGris) << pagina.x << " " << c.x;
        }
        EXPECT_FALSE(panel->GetBitmapImpresion());
    }
    EXPECT_DOUBLE_EQ(gestor.GetExtensionActual().GetCoordenadaSupDerY(), antes.GetCoordenadaSupDerY());
    EXPECT_EQ(gestor.GetDimensionAreaVisualizacion(), wxRect(0, 0, kAncho, kAlto));
    wxBitmap hoja(4960, 7016, 24);
    {
        wxMemoryDC dc(hoja);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        CMyPrintout printout("VAQ100 Vistral", nullptr, false, false, &azul);
        printout.SetDC(&dc);
        EXPECT_TRUE(printout.OnPrintPage(1));
    }
    const wxImage zona = hoja.GetSubBitmap(wxRect(2279, 259, 402, 52)).ConvertToImage();
    EXPECT_EQ(LienzoPrueba::Contar(zona, wxRect(1, 1, 400, 50), *wxBLUE), 400 * 50);
    EXPECT_EQ(LienzoPrueba::Contar(zona, wxRect(0, 0, 402, 52), *wxWHITE), 402 * 52 - 400 * 50);
    const struct {
        const CImagenMenu& menu;
        bool rapida, imprimir;
        std::string pdf;
        const char* mensaje;  // null: printed
    } casos[] = {
        {menu, false, true, dir / "calidad.pdf", nullptr},
        {menu, true, true, dir / "rapida.pdf", nullptr},
        {imagen, false, true, dir / "foto.pdf", nullptr},
        {menu, false, false, dir / "cancelada.pdf", "Impresión: Se ha cancelado la impresión"},
        {menu, false, true, dir / "no/existe.pdf", "Impresión: Ha ocurrido un problema en la impresión."},
    };
    for (const auto& c : casos) {
        mensajes.clear();
        wxPrintData datos = DatosImpresionPdf(c.pdf);
        RespuestaDialogoImpresion respuesta(c.imprimir);
        EXPECT_EQ(c.menu.Imprimir(c.rapida, datos), c.mensaje == nullptr) << c.pdf;
        EXPECT_TRUE(respuesta.Respondida());
        if (c.mensaje) {
            ASSERT_EQ(mensajes.size(), 1u) << c.pdf;
            EXPECT_TRUE(mensajes[0].StartsWith(wxString::FromUTF8(c.mensaje))) << mensajes[0];
            EXPECT_FALSE(std::filesystem::exists(c.pdf));
            continue;
        }
        EXPECT_TRUE(mensajes.empty()) << c.pdf;
        ASSERT_EQ(PaginasPdf(c.pdf), 1) << c.pdf;
        const wxImage pagina = PaginaPdf(c.pdf, 72);
        ASSERT_TRUE(pagina.IsOk());
        const int ancho = pagina.GetWidth(), medio = pagina.GetHeight() / 2;
        if (&c.menu == &imagen) {  // 300 printer pixels to the inch: 62 to 74 points down
            EXPECT_TRUE(Parecido(LienzoPrueba::Color(pagina, ancho / 2, 68), *wxBLUE));
            EXPECT_TRUE(Parecido(LienzoPrueba::Color(pagina, ancho / 2, 56), *wxWHITE));
        } else {  // the grey field from edge to edge, the middle square at the centre
            EXPECT_TRUE(Parecido(LienzoPrueba::Color(pagina, 2, medio + 20), kGris)) << c.pdf;
            EXPECT_TRUE(Parecido(LienzoPrueba::Color(pagina, ancho - 3, medio + 20), kGris)) << c.pdf;
            EXPECT_TRUE(Parecido(LienzoPrueba::Color(pagina, ancho / 2, medio), kRojo)) << c.pdf;
        }
    }
}
