#pragma once
// The information window's contents read from the gazetteer: the pictures
// the database attaches to a feature. The connection is made on the first
// question and kept; one that fails is tried again on the next question.
#include "CFuenteContenidos.h"

#include <memory>

class CGestorBD;

class CFuenteContenidosBD : public CFuenteContenidos {
public:
    // `rutaBD`: the gazetteer file.
    explicit CFuenteContenidosBD(const wxString& rutaBD);
    ~CFuenteContenidosBD() override;

    std::vector<Contenido> Contenidos(const wxString& rutaDatos, const wxString& archivo, const wxString& codigo,
                                      int mapa) override;

private:
    wxString m_rutaBD;
    std::unique_ptr<CGestorBD> m_gestor;
};
