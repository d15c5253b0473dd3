#include "CMedicionesPanel.h"

#include "DirectorioEjecutable.h"
#include "wxMapEvent.h"

#include <wx/bmpbuttn.h>
#include <wx/dcclient.h>
#include <wx/image.h>
#include <wx/stattext.h>

wxBEGIN_EVENT_TABLE(CMedicionesPanel, wxPanel)
    EVT_PAINT(CMedicionesPanel::OnPaint)
    EVT_ERASE_BACKGROUND(CMedicionesPanel::OnEraseBackground)
    EVT_BUTTON(CMedicionesPanel::ID_CERRAR, CMedicionesPanel::OnCerrarBtn)
    EVT_MOTION(CMedicionesPanel::OnMouseMove)
wxEND_EVENT_TABLE()

namespace {
constexpr long kEstiloPanel = wxCAPTION | wxTAB_TRAVERSAL | wxFULL_REPAINT_ON_RESIZE | wxMAXIMIZE |
                              wxMINIMIZE_BOX | wxMAXIMIZE_BOX | wxRESIZE_BORDER;

wxBitmap CargarBmp(const wxString& ruta) {
    wxBitmap imagen;
    if (wxFileExists(ruta)) {
        wxLogNull sinMensajes;  // a damaged picture leaves the panel blank
        imagen.LoadFile(ruta, wxBITMAP_TYPE_BMP);
    }
    return imagen;
}
}  // namespace

CMedicionesPanel::CMedicionesPanel(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size,
                                   long /*style*/, const wxString& name)
    : wxPanel(parent, id, pos, size, kEstiloPanel, name), m_rutaAplicacion(DirectorioAplicacion()) {
    m_textoValor = new wxStaticText(this, wxID_ANY, wxEmptyString, wxPoint(106, 5), wxSize(169, 25), 0);
    m_textoValor->SetBackgroundColour(wxColour(255, 255, 255));
    wxBitmap imagenCerrar = CargarBmp(m_rutaAplicacion + wxT("/ico/b_cerrarPMediciones.bmp"));
    if (!imagenCerrar.IsOk()) imagenCerrar = wxBitmap(29, 31);  // the button still closes
    m_botonCerrar = new wxBitmapButton(this, ID_CERRAR, imagenCerrar, wxPoint(276, 2), wxSize(29, 31),
                                       wxNO_BORDER);
    m_botonCerrar->SetBackgroundColour(wxColour(211, 148, 110));
}

wxString CMedicionesPanel::FormatearMedicion(int tipo, double valor, wxString unidad) {
    if (tipo == 0) {
        if (valor > 1000.0) {
            valor /= 1000.0;
            unidad = wxT("km");
        }
    } else if (valor > 1000000.0) {
        valor /= 1000000.0;
        unidad = wxT("km2");
    }
    return wxString::Format(wxT("%.2f "), valor) + unidad;
}

void CMedicionesPanel::SetMedicion(double valor, wxString unidad) {
    if (!m_textoValor) return;
    m_textoValor->SetLabel(FormatearMedicion(m_tipoMedicion, valor, unidad));
}

wxString CMedicionesPanel::GetTextoMedicion() const {
    return m_textoValor ? m_textoValor->GetLabel() : wxString();
}

void CMedicionesPanel::GenerarEventoCerrarMediciones() {
    wxMapEvent evento(wxEVT_CERRAR_MEDICIONES, GetId());
    evento.SetEventObject(this);
    GetEventHandler()->ProcessEvent(evento);
}

const wxBitmap& CMedicionesPanel::ImagenHerramienta() {
    const int indice = m_tipoMedicion == 0 ? 0 : 1;
    if (!m_imagenLeida[indice]) {
        const wxString nombre = indice == 0 ? wxT("ico/b_distancia.bmp") : wxT("ico/b_superficie.bmp");
        m_imagenes[indice] = CargarBmp(m_rutaAplicacion + wxT("/") + nombre);
        m_imagenLeida[indice] = true;
    }
    return m_imagenes[indice];
}

void CMedicionesPanel::OnPaint(wxPaintEvent& /*event*/) {
    wxPaintDC dc(this);
    const wxBitmap& imagen = ImagenHerramienta();
    if (imagen.IsOk()) dc.DrawBitmap(imagen, 0, 0, true);
}

void CMedicionesPanel::OnEraseBackground(wxEraseEvent& event) { event.Skip(); }

void CMedicionesPanel::OnCerrarBtn(wxCommandEvent& /*event*/) {
    GenerarEventoCerrarMediciones();
    Hide();
}

void CMedicionesPanel::OnMouseMove(wxMouseEvent& /*event*/) {}
