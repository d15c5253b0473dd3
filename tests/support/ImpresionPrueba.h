#pragma once
// Printing through the toolkit's own GTK print dialog: print data choosing
// "Print to File" as PDF, and the dialog answered from a timer once a printer
// is chosen, as a user would. GTK is reached at run time, without its headers.
#include <wx/cmndata.h>
#include <wx/timer.h>

#include <string>

wxPrintData DatosImpresionPdf(const std::string& rutaPdf);

class RespuestaDialogoImpresion : public wxTimer {
public:
    // Presses "Print" (else "Cancel"), looking for the dialog every `intervaloMs`.
    explicit RespuestaDialogoImpresion(bool imprimir, int intervaloMs = 100);
    ~RespuestaDialogoImpresion() override;
    bool Respondida() const { return respondida; }
    void Notify() override;

private:
    bool imprimir;
    bool respondida = false;
};

// Pages of a PDF file by the Debian tool pdfinfo; -1 when it cannot read it.
int PaginasPdf(const std::string& rutaPdf);
// The first page rendered by pdftoppm at `ppp` dots per inch; invalid if it fails.
wxImage PaginaPdf(const std::string& rutaPdf, int ppp);
