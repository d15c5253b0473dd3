#include "CEscalaMinMaxPanel.h"

#include "CCapa.h"
#include "CMensajes.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <cmath>

namespace {
constexpr int kSeparacion = 6;
// The fields as their labels name them.
const char kCampoMinima[] = "Escala Minima";
const char kCampoMaxima[] = "Escala Maxima";

wxString TituloMensajes() { return "Propiedades de la capa"; }

// A field's value, or a message naming it when it is no number or negative.
std::optional<double> LeerCampo(const wxTextCtrl& campo, const char* nombre) {
    const std::optional<double> valor = CEscalaMinMaxPanel::LeerEscala(campo.GetValue());
    if (!valor) {
        MostrarMensaje(wxString::Format(wxString::FromUTF8("\"%s\" debe ser un número, como 50000."), nombre),
                       TituloMensajes(), wxOK | wxICON_EXCLAMATION);
        return std::nullopt;
    }
    if (*valor < 0) {
        MostrarMensaje(wxString::Format("\"%s\" no puede ser negativa.", nombre), TituloMensajes(),
                       wxOK | wxICON_EXCLAMATION);
        return std::nullopt;
    }
    return valor;
}
}  // namespace

CEscalaMinMaxPanel::CEscalaMinMaxPanel(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                                       long style, const wxString& name)
    : CSimboloPanel(parent, id, pos, size, style, name) {
    m_minima = new wxTextCtrl(this, ID_ESCALA_MINIMA, wxEmptyString, wxDefaultPosition, wxSize(100, -1));
    m_maxima = new wxTextCtrl(this, ID_ESCALA_MAXIMA, wxEmptyString, wxDefaultPosition, wxSize(100, -1));
    auto* filas = new wxFlexGridSizer(2, kSeparacion, kSeparacion);
    filas->Add(new wxStaticText(this, wxID_ANY, "Escala Minima :  "), 0, wxALIGN_CENTER_VERTICAL);
    filas->Add(m_minima, 0, wxALIGN_CENTER_VERTICAL);
    filas->Add(new wxStaticText(this, wxID_ANY, "Escala Maxima :  "), 0, wxALIGN_CENTER_VERTICAL);
    filas->Add(m_maxima, 0, wxALIGN_CENTER_VERTICAL);
    auto* marco = new wxBoxSizer(wxVERTICAL);
    marco->Add(filas, 0, wxALL, 2 * kSeparacion);
    SetSizer(marco);
}

void CEscalaMinMaxPanel::SetPunteroCapa(CCapa* capa) {
    m_capa = capa;
    if (m_capa) SetEscalaMinMax(m_capa->GetEscalaMinima(), m_capa->GetEscalaMaxima());
}

std::optional<double> CEscalaMinMaxPanel::GetEscalaMinima() const { return LeerEscala(m_minima->GetValue()); }
std::optional<double> CEscalaMinMaxPanel::GetEscalaMaxima() const { return LeerEscala(m_maxima->GetValue()); }

void CEscalaMinMaxPanel::SetEscalaMin(double escala) { m_minima->ChangeValue(TextoEscala(escala)); }
void CEscalaMinMaxPanel::SetEscalaMax(double escala) { m_maxima->ChangeValue(TextoEscala(escala)); }

void CEscalaMinMaxPanel::SetEscalaMinMax(double minima, double maxima) {
    SetEscalaMin(minima);
    SetEscalaMax(maxima);
}

bool CEscalaMinMaxPanel::CambiosValidos() {
    const std::optional<double> minima = LeerCampo(*m_minima, kCampoMinima);
    if (!minima) return false;
    const std::optional<double> maxima = LeerCampo(*m_maxima, kCampoMaxima);
    if (!maxima) return false;
    if (*minima > *maxima) {
        MostrarMensaje(wxString::Format("\"%s\" no puede ser mayor que \"%s\".", kCampoMinima, kCampoMaxima),
                       TituloMensajes(), wxOK | wxICON_EXCLAMATION);
        return false;
    }
    return true;
}

bool CEscalaMinMaxPanel::AplicarCambios() {
    if (!m_capa || !CambiosValidos()) return false;
    m_capa->SetEscalaMinima(*GetEscalaMinima());
    m_capa->SetEscalaMaxima(*GetEscalaMaxima());
    return true;
}

std::optional<double> CEscalaMinMaxPanel::LeerEscala(const wxString& texto) {
    wxString limpio = texto;
    limpio.Trim(true).Trim(false);
    size_t inicio = 0;
    if (!limpio.empty() && (limpio[0] == '-' || limpio[0] == '+')) inicio = 1;
    bool hayCifras = false;
    bool haySeparador = false;
    for (size_t i = inicio; i < limpio.length(); ++i) {
        const wxUniChar c = limpio[i];
        if (c >= '0' && c <= '9') {
            hayCifras = true;
        } else if ((c == '.' || c == ',') && !haySeparador) {
            haySeparador = true;
            limpio[i] = '.';
        } else {
            return std::nullopt;
        }
    }
    double valor = 0.0;
    if (!hayCifras || !limpio.ToCDouble(&valor) || !std::isfinite(valor)) return std::nullopt;
    return valor;
}

wxString CEscalaMinMaxPanel::TextoEscala(double escala) {
    if (std::floor(escala) == escala) return wxString::Format("%.0f", escala);
    wxString texto = wxString::FromCDouble(escala, 2);
    // Trailing zeros of the decimals say nothing.
    if (texto.Contains(".")) {
        texto.erase(texto.find_last_not_of('0') + 1);
        if (texto.EndsWith(".")) texto.RemoveLast();
    }
    return texto;
}
