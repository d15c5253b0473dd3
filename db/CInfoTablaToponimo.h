#pragma once
// One line of a name search: the name shown, the feature's code and the
// search layer in which it lies.
#include <wx/string.h>

class CInfoTablaToponimo {
public:
    CInfoTablaToponimo() = default;
    CInfoTablaToponimo(const wxString& valor, const wxString& codigo, int idCapa)
        : valor(valor), codigo(codigo), idCapa(idCapa) {}

    void SetValor(const wxString& nuevo) { valor = nuevo; }
    const wxString& GetValor() const { return valor; }
    void SetCodigo(const wxString& nuevo) { codigo = nuevo; }
    const wxString& GetCodigo() const { return codigo; }
    void SetIdCapa(int nuevo) { idCapa = nuevo; }
    int GetIdCapa() const { return idCapa; }

private:
    wxString valor;
    wxString codigo;
    int idCapa = 0;
};
