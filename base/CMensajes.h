#pragma once
// Messages to the user. Normally a modal message box; in quiet mode (a run
// that must open no window, such as a command-line render) the text goes to
// stderr as "caption: text" and nothing waits for a click. Tests may catch the
// messages instead, so that no run ever blocks on a dialog.
#include <wx/msgdlg.h>
#include <wx/string.h>
#include <functional>

class wxWindow;

void SetModoSilencioso(bool silencioso);
bool EsModoSilencioso();

// Shows texto like wxMessageBox (same style flags and result). In quiet mode
// or with a receiver set the answer is the safe one: wxOK for a plain message,
// wxNO for a yes/no question, wxCANCEL when cancel is offered.
int MostrarMensaje(const wxString& texto, const wxString& titulo = wxMessageBoxCaptionStr,
                   long estilo = wxOK | wxCENTRE, wxWindow* padre = nullptr);

// Every message goes to the receiver (while one is set) and to no screen or
// stream; an empty function removes it.
using ReceptorMensajes = std::function<void(const wxString& texto, const wxString& titulo)>;
void SetReceptorMensajes(ReceptorMensajes receptor);
