#pragma once
#include "CRepresentacion.h"
#include "CSimboloObj.h"

// A class of a classification by value: the features whose field value
// equals `valor` are drawn with `simbologia`; `descripcion` is its legend text.
class CRepresentacionValor : public CRepresentacion {
public:
    CRepresentacionValor();

    void SetValor(const wxString& valor);
    wxString GetValor() const override { return m_valor; }
    void SetDescripcion(const wxString& descripcion) { m_descripcion = descripcion; }
    wxString GetDescripcion() const { return m_descripcion; }
    CSimboloObj* GetSimbologia() override { return &m_simbologia; }
    void SetSimbologia(int tipo, int estilo, const wxColour& colorRelleno,
                       const wxColour& colorBorde, int size, const wxString& fuente,
                       const wxString& fileFuente, int fontSize, int charIndex,
                       bool transparente);

    bool ValorIgualA(const wxString& texto) const override { return m_valor == texto; }
    bool GetValorDouble(double& valor) const override;
    int GetValorEntero() const override { return m_valorEntero; }

private:
    wxString m_valor;
    wxString m_descripcion;
    CSimboloObj m_simbologia;
    // The value parsed once when set, for the per-feature symbol lookups.
    bool m_esDouble = false;
    double m_valorDouble = 0.0;
    int m_valorEntero = 0;
};
