#pragma once
// Starts the toolkit for a benchmark that paints or opens windows; false,
// with a message, when there is no display.
#include <wx/app.h>
#include <wx/init.h>

#include <cstdio>

inline bool IniciarWx(int& argc, char** argv) {
    wxApp::SetInstance(new wxApp);
    if (wxEntryStart(argc, argv)) return true;
    std::fprintf(stderr, "No se ha podido iniciar wxWidgets (falta DISPLAY?)\n");
    return false;
}
