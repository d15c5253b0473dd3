#include "CBuscarDlg.h"

#include <wx/dcclient.h>
#include <wx/image.h>
#include <wx/listbox.h>
#include <wx/log.h>
#include <wx/textctrl.h>

#include "CGestorBD.h"
#include "DirectorioEjecutable.h"
#include "wxMapEvent.h"

wxBEGIN_EVENT_TABLE(CBuscarDlg, wxDialog)
    EVT_PAINT(CBuscarDlg::OnPaint)
    EVT_TEXT_ENTER(CBuscarDlg::ID_TEXTO, CBuscarDlg::OnBuscarToponimo)
    EVT_LISTBOX_DCLICK(CBuscarDlg::ID_LISTA, CBuscarDlg::OnVerSeleccion)
wxEND_EVENT_TABLE()

namespace {
// Places of the controls over the background pictures.
const wxPoint kPosicionTexto(110, 70);
const wxSize kSizeTexto(180, 21);
const wxPoint kPosicionLista(52, 109);
const wxSize kSizeLista(300, 100);
// The size of both pictures, kept when a picture cannot be read.
const wxSize kSizeFondo(405, 255);
}  // namespace

CBuscarDlg::CBuscarDlg(wxWindow* parent, wxWindowID id, const wxString& /*title*/, const wxPoint& pos,
                       const wxSize& size, long style)
    : wxDialog(parent, id, wxString::FromUTF8("Búsqueda por topónimos"), pos, size, style),
      rutaAplicacion(DirectorioAplicacion()) {
    texto = new wxTextCtrl(this, ID_TEXTO, wxEmptyString, kPosicionTexto, kSizeTexto,
                           wxTE_RIGHT | wxTE_PROCESS_ENTER);
    lista = new wxListBox(this, ID_LISTA, kPosicionLista, kSizeLista, 0, nullptr, wxLB_SINGLE);
    CargarFondo();
}

CBuscarDlg::~CBuscarDlg() = default;

void CBuscarDlg::SetTipoBusqueda(const wxString& tipo) {
    tipoBusqueda = tipo;
    CargarFondo();
}

void CBuscarDlg::SetRutaAplicacion(const wxString& ruta) {
    rutaAplicacion = ruta;
    CargarFondo();
}

void CBuscarDlg::Inicializar() {
    if (EsLocalidad()) SetTitle(wxString::FromUTF8("Búsqueda de mi localidad"));
}

// The picture of the mode, the dialog's client area sized to it and the
// controls placed over it. Done when the mode changes, not at every paint.
void CBuscarDlg::CargarFondo() {
    const wxString nombre = EsLocalidad() ? wxS("ico/FondoBusLocalidad.bmp") : wxS("ico/FondoBusToponimo.bmp");
    wxImage imagen;
    {
        wxLogNull sinAvisos;  // a missing or damaged picture leaves a plain background
        imagen.LoadFile(rutaAplicacion + wxS("/") + nombre, wxBITMAP_TYPE_ANY);
    }
    fondo = imagen.IsOk() ? wxBitmap(imagen) : wxBitmap();
    const wxSize size = fondo.IsOk() ? fondo.GetSize() : kSizeFondo;
    // Asking a window not yet shown for the client size it already has
    // leaves GTK with a window of 1 x 1 pixels.
    if (GetClientSize() != size) SetClientSize(size);
    texto->SetSize(wxRect(kPosicionTexto, kSizeTexto));
    lista->SetSize(wxRect(kPosicionLista, kSizeLista));
    Refresh();
}

void CBuscarDlg::OnPaint(wxPaintEvent& /*event*/) {
    wxPaintDC dc(this);
    if (fondo.IsOk()) dc.DrawBitmap(fondo, 0, 0, true);
}

wxString CBuscarDlg::RutaBD() const { return rutaAplicacion + wxS("/BD/BDbusqueda.db"); }

void CBuscarDlg::OnBuscarToponimo(wxCommandEvent& /*event*/) { Buscar(texto->GetValue()); }

void CBuscarDlg::Buscar(const wxString& busqueda) {
    lista->Clear();
    wxString consulta = busqueda;
    consulta.Trim(true).Trim(false);
    if (consulta.empty()) return;
    if (!gestor) gestor = std::make_unique<CGestorBD>();
    // A failure is told to the user; the search then finds nothing.
    gestor->InicializarGestorBD(RutaBD(), CGestorBD::kTipoSQLite);
    if (EsLocalidad())
        gestor->GenerarListaMunicipios(consulta);
    else
        gestor->GenerarListaToponimos(consulta, mapaActivo);
    wxArrayString lineas;
    for (const CInfoTablaToponimo& registro : gestor->GetListaResultado()) lineas.Add(registro.GetValor());
    lista->Append(lineas);
    gestor->DesconectarBD();
}

void CBuscarDlg::OnVerSeleccion(wxCommandEvent& /*event*/) {
    if (!gestor) return;
    const int seleccion = lista->GetSelection();
    const auto& resultados = gestor->GetListaResultado();
    // Nothing chosen, or the line that says nothing was found.
    if (seleccion == wxNOT_FOUND || static_cast<size_t>(seleccion) >= resultados.size() ||
        !gestor->HayResultados())
        return;
    const CInfoTablaToponimo hit = resultados[static_cast<size_t>(seleccion)];
    CInfoCapa registro = GetInformacionCapa(hit.GetValor(), hit.GetIdCapa());
    registro.SetCodigo(hit.GetCodigo());
    gestor.reset();
    EnviarLocalizar(registro);
    if (IsModal())
        EndModal(wxID_OK);
    else
        Hide();
}

CInfoCapa CBuscarDlg::GetInformacionCapa(const wxString& valor, int idCapa) {
    CGestorBD consulta;
    if (!consulta.InicializarGestorBD(RutaBD(), CGestorBD::kTipoSQLite)) return CInfoCapa();
    CInfoCapa registro = consulta.ObtenerInfoCapa(valor, idCapa);
    consulta.DesconectarBD();
    return registro;
}

void CBuscarDlg::EnviarLocalizar(CInfoCapa& registro) {
    wxWindow* padre = GetParent();
    if (!padre) return;
    wxMapEvent evento(wxEVT_LOCALIZAR_ELEMENT_BUSQUEDA, GetId());
    evento.SetEventObject(&registro);
    padre->GetEventHandler()->ProcessEvent(evento);
}
