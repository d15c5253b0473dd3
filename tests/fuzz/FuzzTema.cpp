// Fuzz target: the theme loader and a paint of what it loaded.
//
// The input is the theme file. It is opened over a data directory of small
// layers written once per process under "/capas/" (poligonos.shp, with an
// odd number of parts; lineas.shp; puntos.shp; multipuntos.shp; puntosz.shp),
// whose tables have the fields TIPO N(4), NOMBRE C(20), AREA N(10,2), CLASE
// N(2) and ROTACION N(5,1). What loads is painted whole and close up.
// Before parsing, the loader measures the nesting: that measure must never
// be below the depth of the tree the parser then builds.
#include "FuzzObjetivos.h"

#include "CGestorVistaMapa.h"
#include "CLectorProyectoVaq.h"
#include "CMensajes.h"
#include "CProfundidadXml.h"
#include "CProyectoVaq.h"
#include "DirectorioPrueba.h"
#include "ProfundidadArbol.h"
#include "ShapefileWriter.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/app.h>
#include <wx/init.h>

#include <cstdlib>
#include <string>

namespace {
using W = ShapefileWriter;

// The layer with a table of that many rows, as `ruta`.
void Escribir(W& escritor, int filas, const std::string& ruta) {
    DbfWriter& tabla = escritor.Table();
    tabla.AddField("TIPO", 'N', 4);
    tabla.AddField("NOMBRE", 'C', 20);
    tabla.AddField("AREA", 'N', 10, 2);
    tabla.AddField("CLASE", 'N', 2);
    tabla.AddField("ROTACION", 'N', 5, 1);
    for (int i = 0; i < filas; ++i)
        tabla.AddRecord({std::to_string(i + 1), "Lugar " + std::to_string(i), std::to_string(i * 1.5),
                         std::to_string(i % 3), std::to_string(i * 30)});
    escritor.Write(ruta);
}

std::string EscribirDatos(const DirectorioPrueba& directorio) {
    const std::string capas = directorio.Subdirectorio("datos/capas", false);
    directorio.Subdirectorio("datos/MapasVel", false);
    W poligonos(5);
    poligonos.AddShape({W::Rectangle(0, 0, 100, 100), W::Rectangle(20, 20, 40, 40, false),
                        W::Rectangle(150, 0, 200, 50)});
    poligonos.AddShape({W::Rectangle(300, 300, 301, 301)});
    poligonos.AddNull();
    Escribir(poligonos, 3, capas + "/poligonos");
    W lineas(3);
    lineas.AddShape({{{0, 0}, {50, 80}, {100, 0}}, {{10, 90}, {90, 90}}});
    lineas.AddShape({{{-50, -50}, {-40, -40}}});
    Escribir(lineas, 2, capas + "/lineas");
    W puntos(1);
    for (int i = 0; i < 4; ++i) puntos.AddPoint(i * 40.0, i * 25.0);
    Escribir(puntos, 4, capas + "/puntos");
    W multipuntos(8);
    multipuntos.AddMultiPoint({{5, 5}, {60, 70}});
    Escribir(multipuntos, 1, capas + "/multipuntos");
    W puntosZ(11);
    puntosZ.AddPoint(70, 30, 5);
    Escribir(puntosZ, 1, capas + "/puntosz");
    return directorio.Ruta("datos");
}

// The toolkit, started once when the caller (a test) has not; false
// without a display (the theme is then loaded but not painted).
bool Toolkit() {
    static const bool listo = [] {
        if (wxTheApp) return true;
        static char nombre[] = "fuzz_Tema";
        static char* argv[] = {nombre, nullptr};
        int argc = 1;
        wxApp::SetInstance(new wxApp);  // a GUI application, not a console one
        return wxEntryStart(argc, argv) && wxTheApp->CallOnInit();
    }();
    return listo;
}

void ComprobarProfundidad(std::string texto) {
    if (texto.compare(0, 3, "\xEF\xBB\xBF") == 0) texto.erase(0, 3);
    const int medida = CProfundidadXml::Medir(texto);
    // Deeper texts are refused unparsed; shallower ones are parsed, and the
    // tree must be no deeper than measured.
    if (medida <= CLectorProyectoVaq::kProfundidadMaxima && ProfundidadArbol(texto) > medida) std::abort();
}

void Pintar(CGestorVistaMapa& gestor) {
    const wxRect area(0, 0, 160, 120);
    wxBitmap bitmap(area.width, area.height, 24);
    wxMemoryDC dc(bitmap);
    gestor.SetDimensionAreaVisualizacion(area);
    gestor.ReCalcularExtGlobal();
    gestor.ZoomExtensionTotal();
    const double escala = CGestorVistaMapa::EscalaDeExtension(gestor.GetExtensionActual(), area.width, 96);
    gestor.SetEscalaActual(area.GetSize(), wxSize(96, 96), escala);
    gestor.Pintar(&dc, area, false);
    gestor.Zoom(7.0);
    gestor.Pintar(&dc, area, false);
}
}  // namespace

int FuzzTema(const std::uint8_t* datos, std::size_t tamano) {
    static const DirectorioPrueba directorio;
    static const std::string rutaDatos = EscribirDatos(directorio);
    const std::string texto(reinterpret_cast<const char*>(datos), tamano);
    ComprobarProfundidad(texto);
    const std::string tema = rutaDatos + "/MapasVel/Tema.vel";
    EscribirNuevo(tema, texto.data(), texto.size());

    const bool pintar = Toolkit();
    SetReceptorMensajes([](const wxString&, const wxString&) {});
    {
        CProyectoVaq proyecto;
        proyecto.NuevoProyecto("Fuzz");
        proyecto.SetRutaDatosAplicacion(wxString::FromUTF8(rutaDatos.c_str()));
        if (proyecto.AbrirProyecto(nullptr, "MapasVel/Tema.vel") && pintar)
            Pintar(*proyecto.GetGestorVistaMapa());
    }
    SetReceptorMensajes(nullptr);
    return 0;
}
