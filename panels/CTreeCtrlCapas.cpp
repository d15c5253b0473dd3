#include "CTreeCtrlCapas.h"

#include "CCapa.h"
#include "CCapaItemData.h"
#include "CShape.h"
#include "CSimboloObj.h"

#include <wx/dcclient.h>

#include <algorithm>

wxBEGIN_EVENT_TABLE(CTreeCtrlCapas, wxTreeCtrl)
    EVT_PAINT(CTreeCtrlCapas::OnPaint)
    EVT_LEFT_DOWN(CTreeCtrlCapas::OnMouseLeftDown)
wxEND_EVENT_TABLE()

namespace {
// Point symbol styles drawn as circles in the legend (the character marker
// comes next; other styles have no swatch).
constexpr int kUltimoEstiloCirculo = 3;
constexpr int kRadioMaximo = 8;
constexpr int kPuntosFuenteCaracter = 20;
// Legend lines carry their class value after this many characters.
constexpr size_t kSangriaLeyenda = 7;
}  // namespace

CTreeCtrlCapas::CTreeCtrlCapas(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                               long style, const wxString& name)
    : wxTreeCtrl(parent, id, pos, size, style, wxDefaultValidator, name) {}

bool CTreeCtrlCapas::EsCapaToponimia(const CCapa& capa) { return capa.GetNombreCapa().Contains("Toponimia"); }

// The tree first, the swatches over it: they lie in the blank start of
// their lines, and a line's own painting would otherwise cover them.
void CTreeCtrlCapas::OnPaint(wxPaintEvent& event) {
    wxTreeCtrl::OnPaint(event);
    wxPaintDC dc(this);
    DibujarMuestras(dc);
}

void CTreeCtrlCapas::DibujarMuestras(wxDC& dc) {
    const wxTreeItemId raiz = GetRootItem();
    if (!raiz.IsOk()) return;
    // Swatches scroll sideways with their lines.
    const int desplazamientoX = CalcScrolledPosition(wxPoint(0, 0)).x;
    dc.SetDeviceOrigin(desplazamientoX, 0);
    wxTreeItemIdValue cookieCapa;
    for (wxTreeItemId entrada = GetFirstChild(raiz, cookieCapa); entrada.IsOk();
         entrada = GetNextChild(raiz, cookieCapa)) {
        const auto* datos = dynamic_cast<const CCapaItemData*>(GetItemData(entrada));
        if (!datos || !datos->GetCapaItemData()) continue;
        wxTreeItemIdValue cookieLinea;
        for (wxTreeItemId linea = GetFirstChild(entrada, cookieLinea); linea.IsOk();
             linea = GetNextChild(entrada, cookieLinea)) {
            wxRect rect;
            if (!IsVisible(linea) || !GetBoundingRect(linea, rect)) continue;
            const wxString texto = GetItemText(linea);
            const CSimboloObj* clase =
                texto.length() > kSangriaLeyenda ? datos->GetRepresentacion(texto.Mid(kSangriaLeyenda)) : nullptr;
            Dibujar(&dc, rect.y, datos->GetCapaItemData(), clase);
        }
    }
    dc.SetDeviceOrigin(0, 0);
}

void CTreeCtrlCapas::Dibujar(wxDC* dc, int y, const CCapa* capa, const CSimboloObj* simbolo) const {
    if (!dc || !capa) return;
    const CSimboloObj& usado = simbolo ? *simbolo : *capa->GetSimbolo();
    dc->SetPen(wxPen(usado.GetColorBorde(), simbolo ? simbolo->GetSize() : 1, wxPENSTYLE_SOLID));
    if (capa->GetSimbolo()->GetTransparente())
        dc->SetBrush(*wxTRANSPARENT_BRUSH);
    else
        dc->SetBrush(wxBrush(usado.GetColorRelleno(), wxBRUSHSTYLE_SOLID));
    const int radio = std::min(usado.GetSize(), kRadioMaximo);
    const int x = kXMuestra;
    switch (capa->GetGeometria()) {
        case CShape::Polilinea: {
            const wxPoint zigzag[] = {{x, y + 15}, {x + 10, y}, {x + 20, y + 15}, {x + 30, y}};
            dc->DrawLines(4, zigzag);
            break;
        }
        case CShape::Poligono:
            dc->DrawRectangle(x, y, kAnchoMuestra, kAltoMuestra);
            break;
        case CShape::Punto:
            dc->SetPen(wxPen(usado.GetColorBorde(), 1, wxPENSTYLE_SOLID));
            if (usado.GetEstilo() >= 0 && usado.GetEstilo() <= kUltimoEstiloCirculo) {
                dc->DrawCircle(x + 15, y + 7, radio);
            } else if (usado.GetEstilo() == CSimboloObj::ESTILO_MARCADOR_CARACTER) {
                dc->SetFont(wxFont(kPuntosFuenteCaracter, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL,
                                   wxFONTWEIGHT_NORMAL, false, usado.GetFuente()));
                dc->SetTextForeground(usado.GetColorRelleno());
                dc->DrawText(wxString(wxUniChar(static_cast<unsigned>(usado.GetCharIndex()))), x, y);
            }
            break;
        default:
            break;
    }
    dc->SetPen(wxNullPen);
    dc->SetBrush(wxNullBrush);
}

// A click on a place-name layer's entry switches the layer; one on a legend
// line does nothing at all.
void CTreeCtrlCapas::OnMouseLeftDown(wxMouseEvent& event) {
    int donde = 0;
    const wxTreeItemId item = HitTest(event.GetPosition(), donde);
    if (!item.IsOk()) {
        event.Skip();
        return;
    }
    auto* datos = dynamic_cast<CCapaItemData*>(GetItemData(item));
    if (!datos) return;
    CCapa* capa = datos->GetCapaItemData();
    if (capa && EsCapaToponimia(*capa)) {
        int imagen = GetItemImage(item);
        switch (imagen) {
            case IMAGEN_VISIBLE: capa->SetEstadoCapa(CCapa::ESTADO_OCULTA); imagen = IMAGEN_OCULTA; break;
            case IMAGEN_OCULTA: capa->SetEstadoCapa(CCapa::ESTADO_VISIBLE); imagen = IMAGEN_VISIBLE; break;
            case IMAGEN_VISIBLE_BD: capa->SetEstadoCapa(CCapa::ESTADO_OCULTA); imagen = IMAGEN_OCULTA_BD; break;
            case IMAGEN_OCULTA_BD: capa->SetEstadoCapa(CCapa::ESTADO_VISIBLE); imagen = IMAGEN_VISIBLE_BD; break;
            default: break;
        }
        SetItemImage(item, imagen);
        // The panel repaints the map.
        wxMouseEvent copia(event);
        copia.SetEventObject(this);
        if (GetParent()) GetParent()->GetEventHandler()->ProcessEvent(copia);
    }
    SelectItem(item);
    event.Skip();
}
