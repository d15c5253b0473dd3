#pragma once
// A symbol page of the layer properties dialog: a working copy of the layer's
// symbol, the "TIPO" choice (which changes nothing) and the editor of the
// layer's geometry. The layer's symbol changes only when the page applies.
#include "CSimboloObj.h"
#include "CSimboloPanel.h"

class CEditorSimbolo;
class wxComboBox;
class wxStaticText;

class CPaginaSimbolo : public CSimboloPanel {
public:
    // Takes a new layer symbol and copies it into the working copy.
    CSimboloObj* AsignarSimbolo(CSimboloObj* simboloCapa);
    // Copies the working copy into the layer's symbol.
    bool AplicarCambios() override;
    CSimboloObj* GetSimbolo() override { return &m_copia; }
    void Refrescar() override;

    // A line under the editor that says what the page edits.
    void SetNota(const wxString& nota);
    wxString GetNota() const;

    CEditorSimbolo* GetEditor() const { return m_editor; }
    wxComboBox* GetTipos() const { return m_tipos; }

protected:
    CPaginaSimbolo(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style,
                   const wxString& name, CSimboloObj* simboloCapa);
    // Completes the page: the type choices (the first is shown) and the
    // editor, made on GetSimbolo().
    void Construir(int idTipos, const wxArrayString& tipos, const wxString& tipoInicial, CEditorSimbolo* editor);

private:
    CSimboloObj* m_simboloCapa;  // the layer's; not owned
    CSimboloObj m_copia;
    wxComboBox* m_tipos = nullptr;
    CEditorSimbolo* m_editor = nullptr;
    wxStaticText* m_nota = nullptr;
};
