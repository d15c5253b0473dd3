#include "CCoordenadasPanel.h"

#include <wx/stattext.h>

namespace {
constexpr long kEstiloPanel = wxTAB_TRAVERSAL | wxFULL_REPAINT_ON_RESIZE;
const wxColour kColorFondo(237, 229, 201);

wxStaticText* Texto(wxWindow* padre, const wxString& texto, const wxPoint& posicion) {
    return new wxStaticText(padre, wxID_STATIC, texto, posicion, wxDefaultSize, 0);
}
}  // namespace

CCoordenadasPanel::CCoordenadasPanel(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size,
                                     long /*style*/, const wxString& name)
    : wxPanel(parent, id, pos, size, kEstiloPanel, name.empty() ? wxString(wxPanelNameStr) : name) {
    SetBackgroundColour(kColorFondo);
    m_tituloLatitud = Texto(this, "Latitud:", wxPoint(0, 0));
    m_tituloLongitud = Texto(this, "Longitud:", wxPoint(250, 0));
    m_valorLatitud = Texto(this, wxEmptyString, wxPoint(55, 0));
    m_valorLongitud = Texto(this, wxEmptyString, wxPoint(315, 0));
}

void CCoordenadasPanel::SetValorLatitud(const wxString& texto) { m_valorLatitud->SetLabel(texto); }

void CCoordenadasPanel::SetValorLongitud(const wxString& texto) { m_valorLongitud->SetLabel(texto); }

wxString CCoordenadasPanel::GetValorLatitud() const { return m_valorLatitud->GetLabel(); }

wxString CCoordenadasPanel::GetValorLongitud() const { return m_valorLongitud->GetLabel(); }
