#pragma once
// A map theme (".vel" XML file under the data directory's "MapasVel"): loads
// its shapefile layers, symbols, classifications, initial scale and extent
// into a view manager.
#include <wx/arrstr.h>
#include <memory>
#include <vector>
#include "CProyecto.h"

class CCapa;
class CGestorVistaMapa;

class CProyectoVaq : public CProyecto {
public:
    CProyectoVaq();
    ~CProyectoVaq() override;
    CProyectoVaq(const CProyectoVaq&) = delete;
    CProyectoVaq& operator=(const CProyectoVaq&) = delete;

    // Empties the view manager (creating it the first time) and names the
    // project.
    void NuevoProyecto(const wxString& nombre) override;
    // Opens the theme whose path relative to the data directory is `ruta`
    // (it must contain ".vel"); true when it was read. Failures are shown in
    // message boxes.
    bool AbrirProyecto(wxWindow* padre, const wxString& ruta) override;
    // Themes are read only: saving does nothing.
    void GuardarProyecto(wxWindow* padre) override;
    void GuardarProyectoXML(const wxString& ruta) override;
    // Leaves an empty project named "VAQ".
    void CerrarProyecto(wxWindow* padre) override;

    // Reads the theme at the absolute path `ruta` into the view manager;
    // true when the file was a theme (some of its layers may still have been
    // left out: see GetCapasNoCargadas).
    bool CargarProyecto(const wxString& ruta);
    // Puts the view manager's layers in the order of `lista` (the layers in
    // file order) when both hold the same number of layers.
    void ReordenarCapas(const std::vector<CCapa*>& lista);
    // The part of `ruta` up to and including its last backslash; "" without one.
    static wxString GetRutaProyectoToRutaAndNombre(const wxString& ruta);

    // The project owns its view manager.
    CGestorVistaMapa* GetGestorVistaMapa() const { return m_gestor.get(); }
    void SetGestorVistaMapa(CGestorVistaMapa* gestor);
    double GetEscala() const { return m_escala; }
    void SetEscala(double escala) { m_escala = escala; }
    void SetRutaDatosAplicacion(const wxString& ruta) { m_rutaDatos = ruta; }
    wxString GetRutaDatosAplicacion() const { return m_rutaDatos; }
    void LimpiarGestorVistaMapa();
    bool ExisteProyectoAbierto() const;

    // Why the last load failed ("" when it did not).
    wxString GetErrorCarga() const { return m_errorCarga; }
    // One line per layer of the last load that was left out: its name (or
    // its position) and the reason, such as the reader's error name.
    const wxArrayString& GetCapasNoCargadas() const { return m_capasNoCargadas; }
    // One line per layer of the last load that was loaded with damaged data
    // (listed in the same message as those left out).
    const wxArrayString& GetCapasDanadas() const { return m_capasDanadas; }
    // Values of the last load that were not applied (scale, extent).
    const wxArrayString& GetAvisosCarga() const { return m_avisos; }

private:
    void FallarCarga(const wxString& mensaje);

    std::unique_ptr<CGestorVistaMapa> m_gestor;
    double m_escala = 0.0;
    wxString m_rutaDatos;
    wxString m_errorCarga;
    wxArrayString m_capasNoCargadas;
    wxArrayString m_capasDanadas;
    wxArrayString m_avisos;
};
