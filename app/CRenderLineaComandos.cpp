#include "CRenderLineaComandos.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/imagpng.h>
#include <wx/log.h>

#include <cmath>

#include "CGestorVistaMapa.h"
#include "CProyectoVaq.h"
#include "CMensajes.h"
#include "COpcionesLineaComandos.h"
#include "PanelMapa.h"

namespace {

// Maps are areas of flat colour: zlib's fastest level packs them nearly as
// well as the default one, in a fraction of the time, and storing each row
// as its difference from the pixel to the left (runs of zeros) packs them
// smaller than the default choice of filter row by row, in half the time.
constexpr int kCompresionPng = 1;
constexpr int kFiltroPngSub = 0x10;  // libpng's PNG_FILTER_SUB

// An extent with finite corners and some width and height.
bool Dibujable(const CExtensionMapa& e) {
    for (double valor : {e.GetCoordenadaInfIzqX(), e.GetCoordenadaInfIzqY(),
                         e.GetCoordenadaSupDerX(), e.GetCoordenadaSupDerY()})
        if (!std::isfinite(valor)) return false;
    return e.GetAncho() > 0.0 && e.GetAlto() > 0.0;
}

// While alive, what the toolkit logs goes to the standard error, not to a
// dialog.
class RegistroEnConsola {
public:
    RegistroEnConsola() : m_anterior(wxLog::SetActiveTarget(new wxLogStderr)) {}
    ~RegistroEnConsola() { delete wxLog::SetActiveTarget(m_anterior); }
    RegistroEnConsola(const RegistroEnConsola&) = delete;
    RegistroEnConsola& operator=(const RegistroEnConsola&) = delete;

private:
    wxLog* m_anterior;
};

}  // namespace

CRenderLineaComandos::Opciones CRenderLineaComandos::DesdeLineaComandos(
    const COpcionesLineaComandos& linea) {
    Opciones opciones;
    opciones.mapa = linea.mapa;
    opciones.salida = linea.salida;
    if (linea.ancho > 0 && linea.alto > 0) opciones.tamano = wxSize(linea.ancho, linea.alto);
    opciones.tieneEscala = linea.escala > 0.0;
    opciones.escala = linea.escala;
    opciones.tieneExtension = linea.HayExtension();
    opciones.extension = CExtensionMapa(linea.xmin, linea.ymin, linea.xmax, linea.ymax);
    return opciones;
}

int CRenderLineaComandos::Ejecutar(const wxString& datos, const Opciones& opciones) {
    RegistroEnConsola registro;
    CProyectoVaq proyecto;
    proyecto.NuevoProyecto("VAQ");
    proyecto.SetRutaDatosAplicacion(datos);
    if (!proyecto.AbrirProyecto(nullptr, opciones.mapa)) return kErrorProyecto;

    wxBitmap mapa(opciones.tamano.x, opciones.tamano.y, 24);
    if (!mapa.IsOk()) {
        MostrarMensaje(wxString::FromUTF8("No hay memoria para una imagen de ese tamaño."));
        return kErrorSalida;
    }
    {
        wxMemoryDC dc(mapa);
        if (!PintarMapa(*proyecto.GetGestorVistaMapa(), opciones, dc)) {
            MostrarMensaje(wxString::FromUTF8(
                "No se puede dibujar esa vista del mapa: no tiene extensión o no tiene escala."));
            return kErrorVista;
        }
    }
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
    bool escrito = false;
    {
        wxLogNull sinAvisos;  // the toolkit's own message is replaced by ours
        wxImage imagen = mapa.ConvertToImage();
        imagen.SetOption(wxIMAGE_OPTION_PNG_COMPRESSION_LEVEL, kCompresionPng);
        imagen.SetOption(wxIMAGE_OPTION_PNG_FILTER, kFiltroPngSub);
        escrito = imagen.SaveFile(opciones.salida, wxBITMAP_TYPE_PNG);
    }
    if (!escrito) {
        MostrarMensaje(wxString::FromUTF8("No se ha podido escribir la imagen ") + opciones.salida +
                       ".");
        return kErrorSalida;
    }
    return kCorrecto;
}

bool CRenderLineaComandos::PintarMapa(CGestorVistaMapa& gestor, const Opciones& opciones,
                                      wxDC& dc) {
    const wxRect area(wxPoint(0, 0), opciones.tamano);
    const wxSize ppi = wxGetDisplayPPI();
    // As the main frame opens a theme: view area, whole map.
    gestor.SetDimensionAreaVisualizacion(area);
    gestor.ReCalcularExtGlobal();
    gestor.ZoomExtensionTotal();
    if (opciones.tieneExtension) gestor.Zoom(opciones.extension);
    // As the map panel paints: at the scale that the view shows, or the one
    // asked for, which sizes the view about its centre.
    const double escala = opciones.tieneEscala ? opciones.escala
                                               : CGestorVistaMapa::EscalaDeExtension(
                                                     gestor.GetExtensionActual(), area.width, ppi.x);
    if (!Dibujable(gestor.GetExtensionActual()) || !(std::isfinite(escala) && escala > 0.0) ||
        ppi.x <= 0 || ppi.y <= 0)
        return false;
    // Without options the first paint shows the whole map; an asked-for view
    // must survive it.
    if (opciones.tieneEscala || opciones.tieneExtension) gestor.SetMantenerExtension(true);
    // On the map panel's own background.
    gestor.PintarVista(dc, area, ppi, escala, false, PanelMapa::ColorFondo());
    return true;
}
