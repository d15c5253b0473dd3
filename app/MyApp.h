#pragma once
// The application object: reads the command line, establishes the data
// directory and shows the main window, or ends with a message when no data
// directory can be had.
#include "COpcionesLineaComandos.h"

#include <wx/app.h>

class MyApp : public wxApp {
public:
    bool OnInit() override;
    int OnRun() override;
    int OnExit() override;
    // A failed check inside the toolkit is written to the standard error and
    // the program goes on: a dialog about the toolkit's internals means
    // nothing to a pupil, and a render from the command line has nobody to
    // close it.
    void OnAssertFailure(const wxChar* file, int line, const wxChar* func, const wxChar* cond,
                         const wxChar* msg) override;

    const COpcionesLineaComandos& GetOpciones() const { return m_opciones; }

    // For a run that opens no window: once OnInit returns true, the program
    // ends with this exit code instead of running the event loop.
    void TerminarSinVentana(int codigo);

private:
    void AplicarRutaLineaComandos();
    int EjecutarRender();

    COpcionesLineaComandos m_opciones;
    bool m_sinVentana = false;
    int m_codigoSalida = 0;
};

wxDECLARE_APP(MyApp);
