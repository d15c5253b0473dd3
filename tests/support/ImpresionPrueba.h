#pragma once
// Printing in tests and benchmarks, through the toolkit's own (GTK) print dialog: print data
// that choose "Print to File" with a PDF file, and an answer to the dialog
// given from a timer once it shows with a printer chosen, as a user would.
// GTK is reached at run time (it is loaded by the toolkit; its headers are
// not needed).
//
//   wxPrintData datos = DatosImpresionPdf(directorio / "mapa.pdf");
//   RespuestaDialogoImpresion respuesta(true);   // press "Print"
//   menu.Imprimir(false, datos);
//   EXPECT_TRUE(respuesta.Respondida());
#include <wx/cmndata.h>
#include <wx/timer.h>

#include <string>

wxPrintData DatosImpresionPdf(const std::string& rutaPdf);

class RespuestaDialogoImpresion : public wxTimer {
public:
    // `imprimir`: press "Print", else "Cancel"; the dialog is looked for
    // every `intervaloMs`.
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
// The first page of a PDF file rendered by pdftoppm at `ppp` pixels per inch;
// invalid when it cannot be rendered.
wxImage PaginaPdf(const std::string& rutaPdf, int ppp);
