// The information tool and the quality print on the human environment theme
// of the bundled atlas, in the main map's 790 x 584 pixels.
//
// Information: a click with the tool, from the press to the filled tree
// (fields read from the tables, contents from the gazetteer), at 20 places
// over the map, median; beside it the floor of the toolkit filling a tree
// with the same lines, and the 30 ms the click must stay under.
//
// Print: a quality print through the print dialog to a PDF file ("Print to
// File", answered as soon as the dialog shows), median of 5: the drawing of
// the page and the whole print; beside them the map's full paint on the
// screen, median of 20.
#include "CFuenteContenidosBD.h"
#include "CGestorVistaMapa.h"
#include "CImagenMenu.h"
#include "CInfoCapasPanel.h"
#include "CMyPrintout.h"
#include "CProyectoVaq.h"
#include "ImpresionPrueba.h"
#include "IniciarWx.h"
#include "PanelMapaPrincipal.h"

#include <wx/dcmemory.h>
#include <wx/print.h>
#include <wx/treectrl.h>
#include <wx/wx.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace {
using Reloj = std::chrono::steady_clock;
constexpr int kAncho = 790;
constexpr int kAlto = 584;
constexpr int kClics = 20;
constexpr int kImpresiones = 5;
constexpr double kObjetivoClicMs = 30.0;

double Ms(Reloj::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Mediana(std::vector<double> valores) {
    std::sort(valores.begin(), valores.end());
    return valores.empty() ? 0.0 : valores[valores.size() / 2];
}

double Cronometrar(const std::function<void()>& accion) {
    const auto inicio = Reloj::now();
    accion();
    return Ms(Reloj::now() - inicio);
}

// The printout the quality print uses, with its page drawing timed.
class PrintoutCronometrado : public CMyPrintout {
public:
    PrintoutCronometrado(PanelMapa* panel, std::vector<double>& tiempos)
        : CMyPrintout("VAQ100 Vistral", panel, true, false, nullptr), tiempos(tiempos) {}
    bool OnPrintPage(int pagina) override {
        bool impresa = false;
        tiempos.push_back(Cronometrar([&] { impresa = CMyPrintout::OnPrintPage(pagina); }));
        return impresa;
    }

private:
    std::vector<double>& tiempos;
};

// Every line of a tree, in order, to refill the floor tree with.
void Lineas(wxTreeCtrl& arbol, const wxTreeItemId& item, std::vector<std::pair<int, wxString>>& lineas, int nivel) {
    wxTreeItemIdValue cookie;
    for (wxTreeItemId h = arbol.GetFirstChild(item, cookie); h.IsOk(); h = arbol.GetNextChild(item, cookie)) {
        lineas.emplace_back(nivel, arbol.GetItemText(h));
        Lineas(arbol, h, lineas, nivel + 1);
    }
}

// The toolkit alone: the same lines into a tree, expanded.
void Rellenar(wxTreeCtrl& arbol, const std::vector<std::pair<int, wxString>>& lineas) {
    arbol.DeleteAllItems();
    const wxTreeItemId raiz = arbol.AddRoot("Capas Cargadas");
    wxTreeItemId capa;
    for (const auto& [nivel, texto] : lineas) {
        if (nivel == 0) {
            capa = arbol.AppendItem(raiz, texto, 1);
        } else {
            arbol.AppendItem(capa, texto, 1);
            arbol.Expand(capa);
        }
    }
}

int Medir() {
    auto* marco = new wxFrame(nullptr, wxID_ANY, "InformacionImpresionBench", wxPoint(0, 0), wxDefaultSize);
    marco->SetClientSize(kAncho, kAlto);
    auto* mapa = new PanelMapaPrincipal(marco, wxID_ANY, wxPoint(0, 0), wxSize(kAncho, kAlto));
    CProyectoVaq proyecto;
    proyecto.NuevoProyecto("Nuevo proyecto");
    proyecto.SetRutaDatosAplicacion(wxString::FromUTF8(VAQ_SOURCE_DIR "/data/atlas"));
    if (!proyecto.AbrirProyecto(nullptr, "MapasVel/MedioHumano.vel")) {
        std::fprintf(stderr, "No se ha podido abrir el tema MedioHumano.vel del atlas\n");
        return 1;
    }
    CFuenteContenidosBD contenidos(wxString::FromUTF8(VAQ_SOURCE_DIR "/data/app/BD/BDbusqueda.db"));
    mapa->SetGestorVista(proyecto.GetGestorVistaMapa());
    mapa->SetFuenteContenidos(&contenidos);
    mapa->SetMapaActivo(2);
    marco->Show();
    mapa->ReadaptarExtension();
    mapa->ExtensionTotal();
    wxBitmap pantalla(kAncho, kAlto, 24);
    const auto pintar = [&] {
        mapa->Refresh(true);
        wxMemoryDC dc(pantalla);
        mapa->PintarPanel(dc, wxRect(0, 0, kAncho, kAlto));
    };
    pintar();
    wxYield();

    // Information clicks over the map, and the same trees filled bare.
    mapa->SetAccion(PanelMapa::ACCION_INFORMACION);
    std::vector<double> clics, suelo;
    auto* arbolSuelo = new wxTreeCtrl(marco, wxID_ANY, wxPoint(0, 0), wxSize(285, 350),
                                      wxTR_HAS_BUTTONS | wxTR_NO_LINES | wxTR_HIDE_ROOT);
    int lineasTotales = 0;
    for (int i = 0; i < kClics; ++i) {
        wxMouseEvent pulsacion(wxEVT_LEFT_DOWN);
        pulsacion.SetPosition(wxPoint(120 + (i % 5) * 130, 120 + (i / 5) * 90));
        clics.push_back(Cronometrar([&] { mapa->GetEventHandler()->ProcessEvent(pulsacion); }));
        wxTreeCtrl* arbol = mapa->GetInfoCapasPanel()->GetArbol();
        std::vector<std::pair<int, wxString>> lineas;
        Lineas(*arbol, arbol->GetRootItem(), lineas, 0);
        lineasTotales += static_cast<int>(lineas.size());
        suelo.push_back(Cronometrar([&] { Rellenar(*arbolSuelo, lineas); }));
    }
    const double clic = Mediana(clics), bare = Mediana(suelo);
    std::printf("Clic de informacion en MedioHumano.vel (%dx%d, %d clics, %.1f lineas por arbol):\n"
                "  del clic al arbol lleno %.2f ms (mediana; objetivo < %.0f ms: %s)\n"
                "  suelo, el mismo arbol rellenado sin consultas %.2f ms: %.1f veces el suelo\n",
                kAncho, kAlto, kClics, double(lineasTotales) / kClics, clic, kObjetivoClicMs,
                clic < kObjetivoClicMs ? "cumplido" : "NO cumplido", bare, bare > 0 ? clic / bare : 0.0);

    // The map's paint on the screen, and quality prints to PDF.
    std::vector<double> pinturas;
    for (int i = 0; i < kClics; ++i) pinturas.push_back(Cronometrar(pintar));
    std::string plantilla = (std::filesystem::temp_directory_path() / "vaqimprimirXXXXXX").string();
    const std::string directorio = ::mkdtemp(plantilla.data()) ? plantilla : std::string();
    std::vector<double> paginas, impresiones;
    for (int i = 0; i < kImpresiones && !directorio.empty(); ++i) {
        // A new file each time: GTK would ask before replacing one.
        const std::string pdf = directorio + "/mapa" + std::to_string(i) + ".pdf";
        wxPrintData datos = DatosImpresionPdf(pdf);
        wxPrintDialogData datosDialogo(datos);
        wxPrinter impresora(&datosDialogo);
        PrintoutCronometrado printout(mapa, paginas);
        RespuestaDialogoImpresion respuesta(true, 5);
        wxLogNull sinRegistro;
        bool impresa = false;
        impresiones.push_back(Cronometrar([&] { impresa = impresora.Print(mapa, &printout, true); }));
        if (!impresa) {
            std::fprintf(stderr, "La impresion a PDF ha fallado\n");
            break;
        }
    }
    const double pagina = Mediana(paginas), impresion = Mediana(impresiones), pintura = Mediana(pinturas);
    std::error_code sinTamano;
    const auto tamano = std::filesystem::file_size(directorio + "/mapa0.pdf", sinTamano);
    std::printf("Impresion con calidad a PDF (%d impresiones, %ju bytes):\n"
                "  dibujo de la pagina %.1f ms, impresion entera (dialogo incluido) %.1f ms\n"
                "  pintura del mapa en pantalla %.2f ms (mediana de %d): la pagina %.1f veces la pintura\n",
                kImpresiones, static_cast<uintmax_t>(sinTamano ? 0 : tamano), pagina, impresion, pintura, kClics,
                pintura > 0 ? pagina / pintura : 0.0);
    std::error_code ignorado;
    if (!directorio.empty()) std::filesystem::remove_all(directorio, ignorado);
    marco->Destroy();
    wxYield();
    return paginas.size() == static_cast<size_t>(kImpresiones) ? 0 : 1;
}

void AsercionImpresa(const wxString& fichero, int linea, const wxString& funcion, const wxString& condicion,
                     const wxString& mensaje) {
    std::fprintf(stderr, "wx: %s en %s (%s:%d): %s\n", condicion.utf8_str().data(), funcion.utf8_str().data(),
                 fichero.utf8_str().data(), linea, mensaje.utf8_str().data());
}
}  // namespace

int main(int argc, char** argv) {
    wxSetAssertHandler(AsercionImpresa);
    if (!IniciarWx(argc, argv)) return 1;
    wxInitAllImageHandlers();
    const int resultado = Medir();
    wxEntryCleanup();
    return resultado;
}
