#pragma once
// The layer properties dialog: a notebook with the symbol page of the layer's
// geometry and its scale-range page, and the buttons "Aplicar" and
// "Cancelar". Pages edit copies; "Aplicar" checks every page and then writes
// them all into the layer, or writes nothing and shows the page that refused.
// "Cancelar", Escape and the close box leave the layer as it was.
#include <wx/dialog.h>

#include <memory>
#include <vector>

class CCapasEnMapa;
class CSimboloPanel;
class wxBookCtrlEvent;
class wxNotebook;

class CPropiedadesCapaDlg : public wxDialog {
public:
    enum { ID_APLICAR = 30001, ID_CANCELAR = 30002, ID_NOTEBOOK = 30003 };

    CPropiedadesCapaDlg(wxWindow* parent, int id, const wxString& title, const wxPoint& pos = wxDefaultPosition,
                        const wxSize& size = wxDefaultSize, long style = wxDEFAULT_DIALOG_STYLE,
                        const wxString& name = wxDialogNameStr);

    // The dialog for one layer of a map. A layer drawn with its symbol gets
    // the page of its geometry (a layer classified by value too, which says
    // that the classes keep their own symbols); a label layer, whose symbol
    // is never drawn, and a layer of another geometry get only the scale page.
    static std::unique_ptr<CPropiedadesCapaDlg> ParaCapa(wxWindow* parent, CCapasEnMapa& capaEnMapa);

    // Adds a page (the notebook is its parent), labelled with its window name.
    void SetPanel(CSimboloPanel* panel);
    wxNotebook* GetNoteBook() const { return m_notebook; }
    CSimboloPanel* GetPanel(size_t indice) const;

    // Shows the dialog modally (when asked to) and returns how it ended:
    // wxID_OK after "Aplicar", wxID_CANCEL otherwise.
    int Modal(bool modal);
    void RefrescarPanelActual();
    // Checks every page and, when none refuses, applies them all.
    bool AplicarPaginas();

private:
    void OnAplicar(wxCommandEvent& event);
    void OnCancelar(wxCommandEvent& event);
    void OnPageChanged(wxBookCtrlEvent& event);

    wxNotebook* m_notebook = nullptr;
    std::vector<CSimboloPanel*> m_paginas;  // the notebook's children

    wxDECLARE_EVENT_TABLE();
};
