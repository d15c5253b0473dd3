// The application directory's pictures, cursors and help page, and the images
// compiled into the program: every file the viewer names is there, at the size
// its control has, and loads with the type the viewer loads it with.
#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/image.h>


namespace {

const wxColour kButtonBackground(15, 61, 0);

// The frame's bitmap buttons: pictures (normal, pressed), the button's size
// and place in the 1024 x 768 design, and the name the help page gives it.
const struct {
    const char *normal, *pressed;
    int x, y, width, height;
    const char* helpName;
} kButtons[] = {
    {"b_ayuda", "b_ayudaPul", 932, 0, 48, 43, "Ayuda"},
    {"b_cerrar", "b_cerrarPul", 980, 0, 39, 43, "Salir"},
    {"b_medioFisico", "b_medioFisicoPul", 0, 485, 184, 37, "Medio Físico"},
    {"b_medioHumano", "b_medioHumanoPul", 0, 527, 184, 37, "Medio Humano"},
    {"b_miLocalidad", "b_miLocalidadPul", 0, 569, 184, 37, "Mi Localidad"},
    {"b_acercar", "b_acercarPul", 226, 675, 87, 92, "Acercar"},
    {"b_alejar", "b_alejarPul", 306, 675, 87, 92, "Alejar"},
    {"b_zventana", "b_zventanaPul", 402, 675, 87, 92, "Ventana"},
    {"b_mapa", "b_mapaPul", 489, 675, 87, 92, "Ver todo"},
    {"b_mover", "b_moverPuls", 581, 675, 87, 92, "Mover"},
    {"b_medirLongitud", "b_medirLongitudPul", 668, 675, 87, 92, "Distancia"},
    {"b_medirSuperficie", "b_medirSuperficiePul", 754, 675, 87, 92, "Superficie"},
    {"b_info", "b_infoPul", 846, 675, 87, 92, "Información"},
    {"b_buscar", "b_buscarPul", 934, 675, 87, 92, "Buscar"},
};

wxString AppFile(const wxString& relative) { return wxString::FromUTF8(VAQ_SOURCE_DIR "/data/app/") + relative; }

wxImage Load(const wxString& relative, wxBitmapType type = wxBITMAP_TYPE_BMP, int index = -1) {
    wxImage image;
    image.LoadFile(AppFile(relative), type, index);
    return image;
}

wxColour At(const wxImage& image, int x, int y) {
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

bool Transparent(const wxImage& image, int x, int y) {
    return image.HasAlpha() ? image.GetAlpha(x, y) < 128 : image.HasMask() && image.IsTransparent(x, y);
}

}  // namespace

// Both pictures load at the button's size, the pressed one differs clearly,
// their outermost ring is the buttons' background, and the frame's
// background is plain where the button sits.
TEST(ButtonPictures, LoadAtTheButtonsSizeAndJoinThePlainBackground) {
    const wxImage background = Load("ico/vaq.bmp");
    ASSERT_EQ(background.GetSize(), wxSize(1024, 768));
    for (const auto& b : kButtons) {
        const wxImage normal = Load(wxString("ico/") + b.normal + ".bmp");
        const wxImage pressed = Load(wxString("ico/") + b.pressed + ".bmp");
        ASSERT_EQ(normal.GetSize(), wxSize(b.width, b.height)) << b.normal;
        ASSERT_EQ(pressed.GetSize(), wxSize(b.width, b.height)) << b.pressed;
        int differing = 0, edge = 0;
        for (int y = 0; y < b.height; ++y) {
            for (int x = 0; x < b.width; ++x) {
                differing += At(normal, x, y) != At(pressed, x, y);
                if (x == 0 || y == 0 || x == b.width - 1 || y == b.height - 1)
                    edge += (At(normal, x, y) != kButtonBackground) + (At(pressed, x, y) != kButtonBackground);
                if (x % 3 == 0 && y % 3 == 0 && b.x + x < 1024 && b.y + y < 768)
                    EXPECT_EQ(At(background, b.x + x, b.y + y), kButtonBackground) << b.normal;
            }
        }
        EXPECT_GT(differing, b.width * b.height / 5) << b.pressed << " apenas se distingue";
        EXPECT_EQ(edge, 0) << b.normal;
    }
}

// Other pictures, with the type the viewer loads them with.
TEST(Pictures, EveryOtherNamedPictureLoadsAtItsSize) {
    const struct { const char* file; wxBitmapType type; int width, height; } pictures[] = {
        {"ico/b_cerrarPMediciones.bmp", wxBITMAP_TYPE_BMP, 29, 31}, {"ico/b_distancia.bmp", wxBITMAP_TYPE_BMP, 308, 36},
        {"ico/b_superficie.bmp", wxBITMAP_TYPE_BMP, 308, 36}, {"ico/FondoBusLocalidad.bmp", wxBITMAP_TYPE_BMP, 405, 255},
        {"ico/FondoBusToponimo.bmp", wxBITMAP_TYPE_BMP, 405, 255}, {"ico/brujula.png", wxBITMAP_TYPE_PNG, 120, 120},
        {"ico/graf.png", wxBITMAP_TYPE_PNG, 32, 31}, {"ico/blanco_info.png", wxBITMAP_TYPE_PNG, 32, 31},
        {"ico/check.png", wxBITMAP_TYPE_PNG, 16, 16}, {"ico/uncheck.png", wxBITMAP_TYPE_PNG, 16, 16}};
    for (const auto& p : pictures) EXPECT_EQ(Load(p.file, p.type).GetSize(), wxSize(p.width, p.height)) << p.file;
    // The application icon: 16, 32 and 48 pixels among its sizes.
    wxString sizes = " ";
    for (int i = 0; i < wxImage::GetImageCount(AppFile("ico/icono.ico"), wxBITMAP_TYPE_ICO); ++i)
        sizes << Load("ico/icono.ico", wxBITMAP_TYPE_ICO, i).GetWidth() << " ";
    EXPECT_TRUE(sizes.Contains(" 16 ") && sizes.Contains(" 32 ") && sizes.Contains(" 48 ")) << sizes;
}

// The map panel's cursors: 32 x 32, hot spot on the pointer's working point,
// largely transparent with the shape drawn around the hot spot.
TEST(Cursors, EveryCursorLoadsAsCurWithItsHotSpot) {
    const struct { const char* file; int hotX, hotY; } cursors[] = {
        {"cursor/zoom_ventana.cur", 11, 11}, {"cursor/pan.cur", 15, 16}, {"cursor/pan_press.cur", 15, 16},
        {"cursor/info_capas.cur", 1, 1}, {"cursor/lapiz.cur", 1, 30}};
    for (const auto& c : cursors) {
        const wxImage image = Load(c.file, wxBITMAP_TYPE_CUR);
        ASSERT_EQ(image.GetSize(), wxSize(32, 32)) << c.file;
        EXPECT_EQ(image.GetOptionInt(wxIMAGE_OPTION_CUR_HOTSPOT_X), c.hotX) << c.file;
        EXPECT_EQ(image.GetOptionInt(wxIMAGE_OPTION_CUR_HOTSPOT_Y), c.hotY) << c.file;
        int transparent = 0, opaqueNearHotSpot = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                transparent += Transparent(image, x, y);
                opaqueNearHotSpot += !Transparent(image, x, y) && std::abs(x - c.hotX) <= 4 && std::abs(y - c.hotY) <= 4;
            }
        EXPECT_TRUE(transparent > 32 * 32 / 3 && opaqueNearHotSpot > 0) << c.file;
    }
}

TEST(HelpPage, IsUtf8AndExplainsEveryButtonWithAPictureThatExists) {
    wxFFile file(AppFile("Ayuda/index.html"), "rb");
    wxString page;
    ASSERT_TRUE(file.IsOpened() && file.ReadAll(&page, wxConvUTF8) && !page.empty()) << "falta o no es UTF-8";
    for (const auto& b : kButtons) {
        EXPECT_TRUE(page.Contains(wxString("src=\"img/") + b.normal + ".png\"")) << b.normal;
        EXPECT_TRUE(wxImage(AppFile(wxString("Ayuda/img/") + b.normal + ".png")).IsOk()) << b.normal;
        EXPECT_TRUE(page.Contains("<h3>" + wxString::FromUTF8(b.helpName))) << b.helpName;
    }
    // Linked beside the built executable, as the viewer looks for them.
    const wxString dir = wxFileName(wxString::FromUTF8(VAQ_EXECUTABLE)).GetPath();
    for (const char* f : {"/ico/vaq.bmp", "/cursor/lapiz.cur", "/Ayuda/index.html"})
        EXPECT_TRUE(wxFileName::FileExists(dir + f)) << f;
}
