#include "CProyectoVaq.h"

#include <wx/msgdlg.h>
#include <utility>
#include <vector>

#include "CCapa.h"
#include "CCapasEnMapa.h"
#include "CGestorVistaMapa.h"
#include "CLectorProyectoVaq.h"
#include "CMensajes.h"

namespace {

// A message box (or a terminal) shows a few lines, not thousands: the
// first ones, each cut to a readable length, and how many more there are.
constexpr size_t kLineasMaximas = 10;
constexpr size_t kLongitudLineaMaxima = 200;

// One or more lists under their headings (an empty list is left out), with
// kLineasMaximas lines in all.
wxString Lineas(const std::vector<std::pair<wxString, const wxArrayString*>>& listas) {
    wxString texto;
    size_t escritas = 0, total = 0;
    for (const auto& [cabecera, lineas] : listas) {
        total += lineas->size();
        if (lineas->empty() || escritas >= kLineasMaximas) continue;
        texto << (texto.empty() ? "" : "\n") << cabecera;
        for (size_t i = 0; i < lineas->size() && escritas < kLineasMaximas; ++i, ++escritas) {
            const wxString& linea = (*lineas)[i];
            texto << "\n"
                  << (linea.length() > kLongitudLineaMaxima
                          ? linea.Left(kLongitudLineaMaxima) + wxString::FromUTF8("…")
                          : linea);
        }
    }
    if (total > escritas)
        texto << "\n" << wxString::Format(wxString::FromUTF8("… y %zu más."), total - escritas);
    return texto;
}

}  // namespace

CProyectoVaq::CProyectoVaq() = default;
CProyectoVaq::~CProyectoVaq() = default;

void CProyectoVaq::NuevoProyecto(const wxString& nombre) {
    if (m_gestor) m_gestor->Limpiar();
    SetNombreProyecto(nombre);
    if (!m_gestor) m_gestor = std::make_unique<CGestorVistaMapa>();
}

bool CProyectoVaq::AbrirProyecto(wxWindow* /*padre*/, const wxString& ruta) {
    if (m_gestor) m_gestor->Limpiar();
    if (!ruta.Contains(".vel")) {
        m_errorCarga = wxString::FromUTF8("El archivo seleccionado no es el esperado.");
        MostrarMensaje(m_errorCarga, wxString::FromUTF8("Error al Abrir proyecto."),
                       wxOK | wxICON_INFORMATION);
        return false;
    }
    const bool cargado = CargarProyecto(m_rutaDatos + "/" + ruta);
    SetRutaProyecto(GetRutaProyectoToRutaAndNombre(ruta));
    return cargado;
}

void CProyectoVaq::GuardarProyecto(wxWindow* /*padre*/) {}

void CProyectoVaq::GuardarProyectoXML(const wxString& /*ruta*/) {}

void CProyectoVaq::CerrarProyecto(wxWindow* /*padre*/) { NuevoProyecto("VAQ"); }

bool CProyectoVaq::CargarProyecto(const wxString& ruta) {
    m_errorCarga.clear();
    m_capasNoCargadas.clear();
    m_capasDanadas.clear();
    m_avisos.clear();
    if (!m_gestor) m_gestor = std::make_unique<CGestorVistaMapa>();

    CLectorProyectoVaq lector(*m_gestor, m_rutaDatos);
    const CLectorProyectoVaq::Resultado resultado = lector.Leer(ruta);
    if (resultado != CLectorProyectoVaq::Resultado::Leido) {
        m_errorCarga = wxString::FromUTF8("No se pudo cargar correctamente el proyecto.\n") +
                       lector.GetError();
        FallarCarga(m_errorCarga);
        return false;
    }
    SetNombreProyecto(lector.GetNombreProyecto());
    if (lector.TieneEscala()) m_escala = lector.GetEscala();
    ReordenarCapas(lector.GetListaCarga());

    m_capasNoCargadas = lector.GetCapasNoCargadas();
    m_capasDanadas = lector.GetCapasDanadas();
    m_avisos = lector.GetAvisos();
    if (!m_capasNoCargadas.empty() || !m_capasDanadas.empty())
        MostrarMensaje(Lineas({{wxString::FromUTF8("No se han podido cargar las capas:"), &m_capasNoCargadas},
                               {wxString::FromUTF8("Estas capas se han cargado con datos dañados:"),
                                &m_capasDanadas}}),
                       wxString::FromUTF8("Error Carga Proyecto"), wxOK | wxICON_EXCLAMATION);
    if (!m_avisos.empty())
        MostrarMensaje(Lineas({{wxString::FromUTF8("No se han aplicado estos valores del proyecto:"),
                                &m_avisos}}),
                       wxString::FromUTF8("Error Carga Proyecto"), wxOK | wxICON_EXCLAMATION);
    return true;
}

void CProyectoVaq::FallarCarga(const wxString& mensaje) {
    MostrarMensaje(mensaje, wxString::FromUTF8("Error Carga Proyecto"),
                   wxOK | wxICON_EXCLAMATION);
}

void CProyectoVaq::ReordenarCapas(const std::vector<CCapa*>& lista) {
    if (lista.empty() || !m_gestor) return;
    CGestorVistaMapa::ListaCapas& capas = *m_gestor->GetListaCapas();
    if (capas.empty() || capas.size() != lista.size()) return;
    for (size_t i = 0; i < lista.size(); ++i) {
        const wxString nombre = lista[i] ? lista[i]->GetNombreCapa() : wxString();
        for (size_t j = i; j < capas.size(); ++j) {
            const CCapa* capa = capas[j] ? capas[j]->GetCapaEnCapa() : nullptr;
            if (!capa || capa->GetNombreCapa() != nombre) continue;
            std::unique_ptr<CCapasEnMapa> encontrada = std::move(capas[j]);
            capas.erase(capas.begin() + static_cast<std::ptrdiff_t>(j));
            capas.insert(capas.begin() + static_cast<std::ptrdiff_t>(i), std::move(encontrada));
            break;
        }
    }
}

wxString CProyectoVaq::GetRutaProyectoToRutaAndNombre(const wxString& ruta) {
    const int posicion = ruta.Find('\\', true);
    if (posicion == wxNOT_FOUND) return wxString();
    return ruta.Left(static_cast<size_t>(posicion) + 1);
}

void CProyectoVaq::SetGestorVistaMapa(CGestorVistaMapa* gestor) { m_gestor.reset(gestor); }

void CProyectoVaq::LimpiarGestorVistaMapa() {
    if (m_gestor) m_gestor->Limpiar();
}

bool CProyectoVaq::ExisteProyectoAbierto() const {
    return m_gestor && m_gestor->GetNumCapas() > 0;
}
