#pragma once
#include <wx/object.h>
#include <wx/string.h>

class CSimboloObj;

// One class of a classification by value: the field value it stands for and
// its symbol. Derives from wxObject so that classes can sit in a wxList.
class CRepresentacion : public wxObject {
public:
    ~CRepresentacion() override = default;
    virtual wxString GetValor() const = 0;
    virtual CSimboloObj* GetSimbologia() = 0;

    // Matching of a feature's value against this class, as the classification
    // by value looks symbols up. Derived classes may answer from values parsed
    // once, since painting asks for every feature.
    // Exact, case-sensitive text equality.
    virtual bool ValorIgualA(const wxString& texto) const;
    // The value as a double by the toolkit's conversion (C notation); false
    // when the text does not convert as a whole.
    virtual bool GetValorDouble(double& valor) const;
    // Base-10 integer of the value's 8-bit text: leading blanks skipped,
    // stops at the first non-digit, 0 without digits (clamped to the int range).
    virtual int GetValorEntero() const;

    static bool TextoADouble(const wxString& texto, double& valor);
    static int TextoAEntero(const wxString& texto);
};
