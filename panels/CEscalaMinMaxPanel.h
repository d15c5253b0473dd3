#pragma once
// The scale-range page of the layer properties dialog: the smallest and the
// largest scale denominator at which the layer is painted. The layer's range
// changes only when the page applies, and only to a valid range: both fields
// numbers, neither negative, the minimum not above the maximum.
#include "CSimboloPanel.h"

#include <optional>

class CCapa;
class wxTextCtrl;

class CEscalaMinMaxPanel : public CSimboloPanel {
public:
    enum { ID_ESCALA_MINIMA = 1, ID_ESCALA_MAXIMA = 2 };

    CEscalaMinMaxPanel(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                       const wxSize& size = wxDefaultSize, long style = wxTAB_TRAVERSAL,
                       const wxString& name = "Escalas");

    // The layer whose range the page edits; its range fills the fields.
    void SetPunteroCapa(CCapa* capa);

    // A field's number; none when its text is not a number.
    std::optional<double> GetEscalaMinima() const;
    std::optional<double> GetEscalaMaxima() const;
    void SetEscalaMin(double escala);
    void SetEscalaMax(double escala);
    void SetEscalaMinMax(double minima, double maxima);

    // Refuses, with a message that names the field, a field that is not a
    // number or is negative, and a minimum above the maximum.
    bool CambiosValidos() override;
    bool AplicarCambios() override;
    CSimboloObj* GetSimbolo() override { return nullptr; }
    void Refrescar() override {}

    // The number a field's text stands for: digits with at most one decimal
    // point or comma, maybe signed, blanks around; none for anything else.
    static std::optional<double> LeerEscala(const wxString& texto);
    // How a field shows a scale (read back by LeerEscala).
    static wxString TextoEscala(double escala);

private:
    wxTextCtrl* m_minima = nullptr;
    wxTextCtrl* m_maxima = nullptr;
    CCapa* m_capa = nullptr;  // not owned
};
