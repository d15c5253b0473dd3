#pragma once
// A window like the map panel for the tracker tests: it keeps an image that
// it paints, records what the trackers send it, and drives them the way the
// map panel does (through the hooks). Real mouse input comes from the X
// server through wxUIActionSimulator.
#include "PantallaPruebas.h"
#include "wxMapEvent.h"

#include <gtest/gtest.h>
#include <wx/wx.h>
#include <wx/uiaction.h>
#include <functional>
#include <vector>

class PanelPrueba : public wxPanel {
public:
    struct EventoRaton {
        wxEventType tipo;
        wxPoint posicion;
    };
    struct Notificacion {
        wxEventType tipo;
        int id;
        wxObject* objeto;
    };
    struct EventoMapa {
        wxEventType tipo;
        int id;
        double x, y;
    };

    explicit PanelPrueba(wxWindow* padre) : wxPanel(padre, wxID_ANY) {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        Bind(wxEVT_PAINT, &PanelPrueba::OnPaint, this);
        Bind(wxEVT_LEFT_DOWN, &PanelPrueba::OnRaton, this);
        Bind(wxEVT_LEFT_UP, &PanelPrueba::OnRaton, this);
        Bind(wxEVT_RIGHT_DOWN, &PanelPrueba::OnRaton, this);
        Bind(wxEVT_RIGHT_UP, &PanelPrueba::OnRaton, this);
        Bind(wxEVT_MOTION, &PanelPrueba::OnRaton, this);
        Bind(EVT_TRACKER_CHANGING, &PanelPrueba::OnNotificacion, this);
        Bind(EVT_TRACKER_CHANGED, &PanelPrueba::OnNotificacion, this);
        Bind(EVT_BMPTRACKER_CHANGING, &PanelPrueba::OnNotificacion, this);
        Bind(EVT_BMPTRACKER_CHANGED, &PanelPrueba::OnNotificacion, this);
        Bind(wxEVT_MAP_NUEVO_PUNTO, &PanelPrueba::OnMapa, this);
        Bind(wxEVT_MAP_FIN_LINEA, &PanelPrueba::OnMapa, this);
    }

    void Refresh(bool borrar = true, const wxRect* zona = nullptr) override {
        if (borrar) ++refrescosBorrando;
        wxPanel::Refresh(borrar, zona);
    }

    int Contar(wxEventType tipo) const {
        int n = 0;
        for (const auto& e : raton) n += e.tipo == tipo;
        return n;
    }
    const EventoRaton* Ultimo(wxEventType tipo) const {
        for (auto it = raton.rbegin(); it != raton.rend(); ++it)
            if (it->tipo == tipo) return &*it;
        return nullptr;
    }
    int ContarNotificaciones(wxEventType tipo) const {
        int n = 0;
        for (const auto& e : notificaciones) n += e.tipo == tipo;
        return n;
    }

    wxBitmap imagen;
    std::vector<EventoRaton> raton;
    std::vector<Notificacion> notificaciones;
    std::vector<EventoMapa> mapa;
    std::function<void(wxMouseEvent&)> alPulsar, alSoltar, alPulsarDerecho;
    int refrescosBorrando = 0;

private:
    void OnPaint(wxPaintEvent&) {
        wxPaintDC dc(this);
        if (imagen.IsOk()) dc.DrawBitmap(imagen, 0, 0);
    }
    void OnNotificacion(wxCommandEvent& e) {
        notificaciones.push_back({e.GetEventType(), e.GetId(), e.GetEventObject()});
    }
    void OnMapa(wxMapEvent& e) { mapa.push_back({e.GetEventType(), e.GetId(), e.x, e.y}); }
    void OnRaton(wxMouseEvent& e) {
        raton.push_back({e.GetEventType(), e.GetPosition()});
        if (e.GetEventType() == wxEVT_LEFT_DOWN && alPulsar) alPulsar(e);
        if (e.GetEventType() == wxEVT_LEFT_UP && alSoltar) alSoltar(e);
        if (e.GetEventType() == wxEVT_RIGHT_DOWN && alPulsarDerecho) alPulsarDerecho(e);
    }
};

// A 400 x 300 panel at the screen's origin, painted in one flat colour.
class VentanaPruebaTrackers : public testing::Test {
protected:
    static wxColour Fondo() { return wxColour(0, 160, 0); }

    void SetUp() override {
        marco = new wxFrame(nullptr, wxID_ANY, "Trackers", wxPoint(0, 0), wxSize(400, 300),
                            wxBORDER_NONE);
        panel = new PanelPrueba(marco);
        panel->SetSize(0, 0, 400, 300);
        panel->imagen = ImagenLisa(Fondo());
        marco->Show();
        ASSERT_TRUE(EsperarHasta([this] { return marco->IsShownOnScreen(); }));
        ProcesarEventos();
    }

    void TearDown() override {
        wxUIActionSimulator().MouseUp(wxMOUSE_BTN_LEFT);
        marco->Destroy();
        ProcesarEventos();
    }

    static wxBitmap ImagenLisa(const wxColour& color) {
        wxBitmap imagen(400, 300, 24);
        wxMemoryDC dc(imagen);
        dc.SetBackground(wxBrush(color));
        dc.Clear();
        return imagen;
    }

    // Real pointer input, in panel pixels; each call waits until the event
    // has reached the window that is expected to get it. A window shown a
    // moment ago may get a first motion relative to the place GTK had not yet
    // moved it from; GDK follows with a corrected one: wait for that.
    void Mover(const wxPoint& p, wxWindow* receptor) {
        wxPoint ultima(-1, -1);
        auto anotar = [&ultima, receptor](wxMouseEvent& e) {
            ultima = e.GetPosition() + receptor->GetPosition();
            e.Skip();
        };
        receptor->Bind(wxEVT_MOTION, anotar);
        simulador.MouseMove(panel->ClientToScreen(p));
        EXPECT_TRUE(EsperarHasta([&] { return ultima == p; })) << "motion never arrived";
        receptor->Unbind(wxEVT_MOTION, anotar);
    }
    void Boton(bool pulsar, int boton, wxWindow* receptor, const wxEventTypeTag<wxMouseEvent>& esperado) {
        int recibidos = 0;
        auto contar = [&recibidos](wxMouseEvent& e) {
            ++recibidos;
            e.Skip();
        };
        receptor->Bind(esperado, contar);
        if (pulsar) simulador.MouseDown(boton);
        else simulador.MouseUp(boton);
        EXPECT_TRUE(EsperarHasta([&] { return recibidos > 0; })) << "button event never arrived";
        receptor->Unbind(esperado, contar);
        ProcesarEventos();
    }

    static bool EsFondo(const wxColour& c) {
        return std::abs(c.Red() - Fondo().Red()) < 8 && std::abs(c.Green() - Fondo().Green()) < 8 &&
               std::abs(c.Blue() - Fondo().Blue()) < 8;
    }

    wxFrame* marco = nullptr;
    PanelPrueba* panel = nullptr;
    wxUIActionSimulator simulador;
};
