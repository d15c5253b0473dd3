#include "CGeneradorCapa.h"

#include "CCapaShp.h"

std::unique_ptr<CCapa> CGeneradorCapa::GenerarCapa(const wxString& ruta) const {
    if (ruta.Find(wxT(".shp")) == wxNOT_FOUND) return nullptr;
    return std::make_unique<CCapaShp>();
}
