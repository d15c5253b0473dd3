#include "CFuenteContenidosBD.h"

#include "CGestorBD.h"

CFuenteContenidosBD::CFuenteContenidosBD(const wxString& rutaBD) : m_rutaBD(rutaBD) {}

CFuenteContenidosBD::~CFuenteContenidosBD() = default;

std::vector<CFuenteContenidos::Contenido> CFuenteContenidosBD::Contenidos(const wxString& rutaDatos,
                                                                          const wxString& archivo,
                                                                          const wxString& codigo, int mapa) {
    std::vector<Contenido> contenidos;
    if (!m_gestor) m_gestor = std::make_unique<CGestorBD>();
    if (!m_gestor->EstaConectado() && !m_gestor->InicializarGestorBD(m_rutaBD, CGestorBD::kTipoSQLite))
        return contenidos;
    m_gestor->SetRutaDatosAplicacion(rutaDatos);
    for (const CInfoContenido& contenido : m_gestor->CapaTieneContenido(archivo, codigo, mapa))
        contenidos.push_back({contenido.GetDescripcion(), contenido.GetContenido()});
    return contenidos;
}
