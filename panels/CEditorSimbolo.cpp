#include "CEditorSimbolo.h"

#include "CSelectorColor.h"
#include "CSimboloObj.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>

namespace {
const wxSize kTamanoMuestra(40, 20);
constexpr int kSeparacion = 6;

// A whole integer, blanks around it allowed.
bool LeerEntero(const wxString& texto, long& valor) {
    wxString limpio = texto;
    limpio.Trim(true).Trim(false);
    return !limpio.empty() && limpio.ToLong(&valor, 10);
}
}  // namespace

CEditorSimbolo::CEditorSimbolo(wxWindow* parent, wxWindowID id, CSimboloObj* simbolo)
    : wxPanel(parent, id), m_simbolo(simbolo) {
    m_filas = new wxFlexGridSizer(2, kSeparacion, 2 * kSeparacion);
    m_filas->AddGrowableCol(1);
    auto* marco = new wxBoxSizer(wxVERTICAL);
    marco->Add(m_filas, 1, wxEXPAND | wxALL, kSeparacion);
    SetSizer(marco);
}

void CEditorSimbolo::MostrarSimbolo() {
    if (m_grosor) m_grosor->SetValue(m_simbolo->GetSize());
    m_grosorConfirmado = m_simbolo->GetSize();
    m_grosorRechazado = false;
    m_grosorPendiente = false;
    Refresh();
}

void CEditorSimbolo::AnadirFila(const wxString& etiqueta, wxWindow* control) {
    m_filas->Add(new wxStaticText(this, wxID_ANY, etiqueta), 0, wxALIGN_CENTER_VERTICAL);
    m_filas->Add(control, 0, wxALIGN_CENTER_VERTICAL);
}

void CEditorSimbolo::AnadirFila(const wxString& etiqueta, wxSizer* controles) {
    m_filas->Add(new wxStaticText(this, wxID_ANY, etiqueta), 0, wxALIGN_CENTER_VERTICAL);
    m_filas->Add(controles, 0, wxALIGN_CENTER_VERTICAL);
}

wxPanel* CEditorSimbolo::AnadirFilaColor(const wxString& etiqueta, const wxColour& color, int idBoton,
                                         std::function<void(const wxColour&)> alElegir) {
    auto* muestra = new wxPanel(this, wxID_ANY, wxDefaultPosition, kTamanoMuestra, wxBORDER_NONE);
    muestra->SetMinSize(kTamanoMuestra);
    PintarMuestra(muestra, color);
    auto* boton = new wxButton(this, idBoton, " + ", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    // The chooser opens on the colour the swatch shows now.
    boton->Bind(wxEVT_BUTTON, [this, muestra, alElegir](wxCommandEvent&) {
        wxColour elegido = muestra->GetBackgroundColour();
        if (!CSelectorColor::Elegir(this, elegido)) return;
        PintarMuestra(muestra, elegido);
        alElegir(elegido);
        Refresh();
    });
    auto* controles = new wxBoxSizer(wxHORIZONTAL);
    controles->Add(muestra, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, kSeparacion);
    controles->Add(boton, 0, wxALIGN_CENTER_VERTICAL);
    AnadirFila(etiqueta, controles);
    return muestra;
}

wxSpinCtrl* CEditorSimbolo::AnadirFilaGrosor(const wxString& etiqueta, int id, int minimo, int maximo) {
    m_grosor = new wxSpinCtrl(this, id, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS, minimo,
                              maximo, m_simbolo->GetSize());
    m_grosor->SetValue(m_simbolo->GetSize());
    m_grosorConfirmado = m_simbolo->GetSize();
    m_grosor->Bind(wxEVT_SPINCTRL, &CEditorSimbolo::OnGrosorGirado, this);
    m_grosor->Bind(wxEVT_TEXT, &CEditorSimbolo::OnGrosorEscrito, this);
    AnadirFila(etiqueta, m_grosor);
    return m_grosor;
}

void CEditorSimbolo::PintarMuestra(wxPanel* muestra, const wxColour& color) {
    muestra->SetBackgroundColour(color);
    muestra->Refresh();
}

void CEditorSimbolo::AceptarGrosor(int valor) {
    m_simbolo->SetSize(valor);
    m_grosorRechazado = false;
    m_grosorPendiente = false;
}

void CEditorSimbolo::OnGrosorGirado(wxSpinEvent& event) {
    if (m_grosorRechazado) {
        // Typing ended on a refused text: whatever the toolkit made of it,
        // the width stays and the control shows it.
        m_grosorRechazado = false;
        m_grosorPendiente = false;
        m_simbolo->SetSize(m_grosorConfirmado);
        m_grosor->SetValue(m_grosorConfirmado);
    } else if (GrosorValido(event.GetPosition())) {
        AceptarGrosor(event.GetPosition());
        m_grosorConfirmado = event.GetPosition();
    }
    Refresh();
}

void CEditorSimbolo::OnGrosorEscrito(wxCommandEvent& event) {
    long valor = 0;
    const bool valido = LeerEntero(event.GetString(), valor) && GrosorValido(valor);
    if (!valido) {
        // An empty text is typing under way; it changes nothing yet.
        if (!event.GetString().empty()) {
            m_grosorRechazado = true;
            m_grosorPendiente = false;
            m_simbolo->SetSize(m_grosorConfirmado);
        }
    } else if (!m_grosorRechazado) {
        AceptarGrosor(static_cast<int>(valor));
    } else {
        m_grosorPendiente = true;
        CallAfter([this, texto = event.GetString()] {
            long pendiente = 0;
            if (m_grosorPendiente && LeerEntero(texto, pendiente)) AceptarGrosor(static_cast<int>(pendiente));
        });
    }
    Refresh();
}
