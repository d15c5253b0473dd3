#pragma once
// A layer that fills the whole paint area with its fill colour (so order and
// presence show in pixels) and records how it was painted and its destruction.
#include <vector>

#include <wx/dc.h>

#include "CCapa.h"
#include "CCapasEnMapa.h"

class CapaColorPrueba : public CCapa {
public:
    CapaColorPrueba(const wxColour& color, const CExtensionMapa& ext, int* destruidas = nullptr,
                    const wxString& tipo = TIPO_SHP)
        : m_destruidas(destruidas), m_tipo(tipo) {
        extension = ext;
        estadoCapa = ESTADO_VISIBLE;
        escalaMinima = 0.0;
        simbolo.SetColorRelleno(color);
    }
    ~CapaColorPrueba() override {
        if (m_destruidas) ++*m_destruidas;
    }
    void PintarCapa(wxDC* dc, const CTransformacionMapa& vista, const CCapasEnMapa& capaEnMapa) override {
        dc->SetPen(*wxTRANSPARENT_PEN);
        dc->SetBrush(wxBrush(simbolo.GetColorRelleno()));
        dc->DrawRectangle(vista.GetArea());
        dc->SetBrush(wxNullBrush);
        pinturas.push_back(capaEnMapa.GetPintura());
    }
    bool ObtenerDatosExtension() override { return true; }
    bool InicializarCapa() override { return true; }
    wxString ObtenerTipoCapa() const override { return m_tipo; }
    int GetGeometria() const override { return 5; }
    bool GuardarDatosAlfaNumericos(wxList*, int, bool) override { return false; }
    bool GuardarDatosGraficos(int, CShapeObj*, bool) override { return false; }
    bool EliminarElemento(int) override { return false; }
    bool Identify(CCoordenadaMapa, double) override { return false; }
    CSimboloObj* SetSimbolo(CSimboloObj s) override { return &(simbolo = s); }
    void SetEscalaMinima(double e) override { escalaMinima = e; }
    void SetEscalaMaxima(double e) override { escalaMaxima = e; }
    // How each paint was asked for, in order.
    std::vector<CCapasEnMapa::Pintura> pinturas;

private:
    int* m_destruidas;
    wxString m_tipo;
};
