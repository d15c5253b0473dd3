// The application directory's pictures, cursors and help page, and the images
// compiled into the program: every file the viewer names is there, at the size
// its control has, and loads with the type the viewer loads it with.
#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/cursor.h>
#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/icon.h>
#include <wx/image.h>
#include <wx/regex.h>

#include <set>
#include <string>

#include "res/blanco_info.xpm"
#include "res/brujula.xpm"
#include "res/check.xpm"
#include "res/graf.xpm"
#include "res/uncheck.xpm"

namespace {

const wxColour kButtonBackground(15, 61, 0);

// The frame's bitmap buttons: pictures (normal, pressed), the button's size
// and place in the 1024 x 768 design, and the name the help page gives it.
struct ButtonPictures {
    const char* normal;
    const char* pressed;
    int x, y, width, height;
    const char* helpName;
};

const ButtonPictures kButtons[] = {
    {"ico/b_ayuda.bmp", "ico/b_ayudaPul.bmp", 932, 0, 48, 43, "Ayuda"},
    {"ico/b_cerrar.bmp", "ico/b_cerrarPul.bmp", 980, 0, 39, 43, "Salir"},
    {"ico/b_medioFisico.bmp", "ico/b_medioFisicoPul.bmp", 0, 485, 184, 37, "Medio Físico"},
    {"ico/b_medioHumano.bmp", "ico/b_medioHumanoPul.bmp", 0, 527, 184, 37, "Medio Humano"},
    {"ico/b_miLocalidad.bmp", "ico/b_miLocalidadPul.bmp", 0, 569, 184, 37, "Mi Localidad"},
    {"ico/b_acercar.bmp", "ico/b_acercarPul.bmp", 226, 675, 87, 92, "Acercar"},
    {"ico/b_alejar.bmp", "ico/b_alejarPul.bmp", 306, 675, 87, 92, "Alejar"},
    {"ico/b_zventana.bmp", "ico/b_zventanaPul.bmp", 402, 675, 87, 92, "Ventana"},
    {"ico/b_mapa.bmp", "ico/b_mapaPul.bmp", 489, 675, 87, 92, "Ver todo"},
    {"ico/b_mover.bmp", "ico/b_moverPuls.bmp", 581, 675, 87, 92, "Mover"},
    {"ico/b_medirLongitud.bmp", "ico/b_medirLongitudPul.bmp", 668, 675, 87, 92, "Distancia"},
    {"ico/b_medirSuperficie.bmp", "ico/b_medirSuperficiePul.bmp", 754, 675, 87, 92, "Superficie"},
    {"ico/b_info.bmp", "ico/b_infoPul.bmp", 846, 675, 87, 92, "Información"},
    {"ico/b_buscar.bmp", "ico/b_buscarPul.bmp", 934, 675, 87, 92, "Buscar"},
};

// Other pictures: the frame's background, the measurement bar, the search
// dialog's backgrounds, and PNG copies of the built-in images.
struct Picture {
    const char* file;
    wxBitmapType type;
    int width, height;
};

const Picture kPictures[] = {
    {"ico/vaq.bmp", wxBITMAP_TYPE_BMP, 1024, 768},
    {"ico/b_cerrarPMediciones.bmp", wxBITMAP_TYPE_BMP, 29, 31},
    {"ico/b_distancia.bmp", wxBITMAP_TYPE_BMP, 308, 36},
    {"ico/b_superficie.bmp", wxBITMAP_TYPE_BMP, 308, 36},
    {"ico/FondoBusLocalidad.bmp", wxBITMAP_TYPE_BMP, 405, 255},
    {"ico/FondoBusToponimo.bmp", wxBITMAP_TYPE_BMP, 405, 255},
    {"ico/brujula.png", wxBITMAP_TYPE_PNG, 120, 120},
    {"ico/graf.png", wxBITMAP_TYPE_PNG, 32, 31},
    {"ico/blanco_info.png", wxBITMAP_TYPE_PNG, 32, 31},
    {"ico/check.png", wxBITMAP_TYPE_PNG, 16, 16},
    {"ico/uncheck.png", wxBITMAP_TYPE_PNG, 16, 16},
};

// The map panel's cursors and the pixel that is the pointer's working point.
struct CursorFile {
    const char* file;
    int hotX, hotY;
};

const CursorFile kCursors[] = {
    {"cursor/zoom_ventana.cur", 11, 11},  // crosshair centre
    {"cursor/pan.cur", 15, 16},           // middle of the palm
    {"cursor/pan_press.cur", 15, 16},
    {"cursor/info_capas.cur", 1, 1},      // arrow tip
    {"cursor/lapiz.cur", 1, 30},          // pencil point
};

wxString AppFile(const char* relative) {
    return wxString::FromUTF8(VAQ_SOURCE_DIR) + "/data/app/" + wxString::FromUTF8(relative);
}

wxImage LoadImage(const char* relative, wxBitmapType type, int index = -1) {
    wxImage image;
    image.LoadFile(AppFile(relative), type, index);
    return image;
}

bool SameColour(const wxImage& image, int x, int y, const wxColour& colour) {
    return image.GetRed(x, y) == colour.Red() && image.GetGreen(x, y) == colour.Green() &&
           image.GetBlue(x, y) == colour.Blue();
}

bool HasColour(const wxImage& image, const wxColour& colour) {
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            if (SameColour(image, x, y, colour)) return true;
    return false;
}

int EdgePixelsNotOf(const wxImage& image, const wxColour& colour) {
    const int w = image.GetWidth(), h = image.GetHeight();
    int count = 0;
    for (int x = 0; x < w; ++x)
        count += !SameColour(image, x, 0, colour) + !SameColour(image, x, h - 1, colour);
    for (int y = 1; y < h - 1; ++y)
        count += !SameColour(image, 0, y, colour) + !SameColour(image, w - 1, y, colour);
    return count;
}

bool Transparent(const wxImage& image, int x, int y) {
    if (image.HasAlpha()) return image.GetAlpha(x, y) < 128;
    return image.HasMask() && image.IsTransparent(x, y);
}

wxString ReadUtf8(const wxString& path) {
    wxFFile file(path, "rb");
    wxString text;
    if (file.IsOpened()) file.ReadAll(&text, wxConvUTF8);
    return text;
}

void ExpectSize(const wxImage& image, int width, int height, const char* name) {
    ASSERT_TRUE(image.IsOk()) << name << " no se carga";
    EXPECT_EQ(image.GetWidth(), width) << name;
    EXPECT_EQ(image.GetHeight(), height) << name;
}

}  // namespace

TEST(ButtonPictures, BothPicturesOfEveryButtonLoadAsBmpAtTheButtonsSize) {
    for (const ButtonPictures& b : kButtons) {
        for (const char* name : {b.normal, b.pressed}) {
            ExpectSize(LoadImage(name, wxBITMAP_TYPE_BMP), b.width, b.height, name);
            EXPECT_TRUE(wxBitmap(AppFile(name), wxBITMAP_TYPE_BMP).IsOk()) << name;
        }
    }
}

TEST(ButtonPictures, PressedLookDiffersClearlyAndEdgesShowTheButtonBackground) {
    for (const ButtonPictures& b : kButtons) {
        const wxImage normal = LoadImage(b.normal, wxBITMAP_TYPE_BMP);
        const wxImage pressed = LoadImage(b.pressed, wxBITMAP_TYPE_BMP);
        ASSERT_TRUE(normal.IsOk() && pressed.IsOk()) << b.normal;
        int differing = 0;
        for (int y = 0; y < b.height; ++y)
            for (int x = 0; x < b.width; ++x)
                if (!SameColour(normal, x, y,
                                wxColour(pressed.GetRed(x, y), pressed.GetGreen(x, y),
                                         pressed.GetBlue(x, y))))
                    ++differing;
        EXPECT_GT(differing, b.width * b.height / 5) << b.pressed << " apenas se distingue";
        // The outermost ring of pixels is the buttons' background colour, so
        // the pictures join the frame's background seamlessly.
        EXPECT_EQ(EdgePixelsNotOf(normal, kButtonBackground), 0) << b.normal;
        EXPECT_EQ(EdgePixelsNotOf(pressed, kButtonBackground), 0) << b.pressed;
    }
}

TEST(Pictures, EveryOtherNamedPictureLoadsAtItsSize) {
    for (const Picture& p : kPictures) {
        ExpectSize(LoadImage(p.file, p.type), p.width, p.height, p.file);
        EXPECT_TRUE(LoadImage(p.file, wxBITMAP_TYPE_ANY).IsOk()) << p.file;
    }
}

TEST(Pictures, BackgroundIsPlainWhereTheButtonsSit) {
    const wxImage background = LoadImage("ico/vaq.bmp", wxBITMAP_TYPE_ANY);
    ASSERT_TRUE(background.IsOk());
    for (const ButtonPictures& b : kButtons) {
        for (int y = b.y; y < b.y + b.height && y < 768; y += 3)
            for (int x = b.x; x < b.x + b.width && x < 1024; x += 3)
                ASSERT_TRUE(SameColour(background, x, y, kButtonBackground))
                    << b.normal << " sobre (" << x << ", " << y << ")";
    }
}

TEST(Pictures, MeasurementBarLeavesItsTextBoxWhiteAndMatchesItsCloseButton) {
    const wxColour barColour(211, 148, 110);
    for (const char* name : {"ico/b_distancia.bmp", "ico/b_superficie.bmp"}) {
        const wxImage bar = LoadImage(name, wxBITMAP_TYPE_BMP);
        ASSERT_TRUE(bar.IsOk()) << name;
        EXPECT_TRUE(SameColour(bar, 106, 5, *wxWHITE)) << name;
        EXPECT_TRUE(SameColour(bar, 274, 29, *wxWHITE)) << name;
    }
    const wxImage close = LoadImage("ico/b_cerrarPMediciones.bmp", wxBITMAP_TYPE_BMP);
    ASSERT_TRUE(close.IsOk());
    EXPECT_TRUE(SameColour(close, 0, 0, barColour));
    EXPECT_TRUE(SameColour(close, 28, 30, barColour));
}

TEST(Pictures, ApplicationIconLoadsInSeveralSizes) {
    const wxString path = AppFile("ico/icono.ico");
    wxIcon icon;
    ASSERT_TRUE(icon.LoadFile(path, wxBITMAP_TYPE_ICO));
    EXPECT_GT(icon.GetWidth(), 0);
    const int count = wxImage::GetImageCount(path, wxBITMAP_TYPE_ICO);
    ASSERT_GE(count, 3);
    std::set<int> sizes;
    for (int i = 0; i < count; ++i) {
        const wxImage image = LoadImage("ico/icono.ico", wxBITMAP_TYPE_ICO, i);
        ASSERT_TRUE(image.IsOk()) << "imagen " << i;
        EXPECT_EQ(image.GetWidth(), image.GetHeight());
        EXPECT_TRUE(Transparent(image, 0, image.GetHeight() - 1)) << "imagen " << i;
        sizes.insert(image.GetWidth());
    }
    EXPECT_TRUE(sizes.count(16) && sizes.count(32) && sizes.count(48));
}

TEST(Cursors, EveryCursorLoadsAsCurWithItsHotSpot) {
    for (const CursorFile& c : kCursors) {
        const wxImage image = LoadImage(c.file, wxBITMAP_TYPE_CUR, -1);
        ExpectSize(image, 32, 32, c.file);
        EXPECT_EQ(image.GetOptionInt(wxIMAGE_OPTION_CUR_HOTSPOT_X), c.hotX) << c.file;
        EXPECT_EQ(image.GetOptionInt(wxIMAGE_OPTION_CUR_HOTSPOT_Y), c.hotY) << c.file;
        // Mostly transparent, with a drawn shape around the hot spot.
        int transparent = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (Transparent(image, x, y)) ++transparent;
        EXPECT_GT(transparent, 32 * 32 / 3) << c.file;
        EXPECT_LT(transparent, 32 * 32 - 60) << c.file;
        bool opaqueNearHotSpot = false;
        for (int y = c.hotY - 4; y <= c.hotY + 4; ++y)
            for (int x = c.hotX - 4; x <= c.hotX + 4; ++x)
                if (x >= 0 && y >= 0 && x < 32 && y < 32 && !Transparent(image, x, y))
                    opaqueNearHotSpot = true;
        EXPECT_TRUE(opaqueNearHotSpot) << c.file;
        EXPECT_TRUE(wxCursor(image).IsOk()) << c.file;
        EXPECT_TRUE(wxCursor(AppFile(c.file), wxBITMAP_TYPE_CUR).IsOk()) << c.file;
    }
}

TEST(BuiltInImages, HaveTheSizesTheirWindowsExpect) {
    struct Builtin {
        const char* const* xpm;
        int width, height;
        const char* name;
    };
    const Builtin builtins[] = {
        {brujula_xpm, 120, 120, "brujula"}, {graf_xpm, 32, 31, "graf"},
        {blanco_info_xpm, 32, 31, "blanco_info"}, {check_xpm, 16, 16, "check"},
        {uncheck_xpm, 16, 16, "uncheck"},
    };
    for (const Builtin& b : builtins) {
        const wxBitmap bitmap(b.xpm);
        ASSERT_TRUE(bitmap.IsOk()) << b.name;
        EXPECT_EQ(bitmap.GetWidth(), b.width) << b.name;
        EXPECT_EQ(bitmap.GetHeight(), b.height) << b.name;
        const wxImage image = bitmap.ConvertToImage();
        EXPECT_TRUE(Transparent(image, 0, 0)) << b.name << ": la esquina debe ser transparente";
    }
    EXPECT_TRUE(wxIcon(brujula_xpm).IsOk());
}

TEST(BuiltInImages, LegendCheckBoxesUseTheirColours) {
    const wxImage check = wxBitmap(check_xpm).ConvertToImage();
    EXPECT_TRUE(HasColour(check, wxColour(0x46, 0x46, 0x46)));
    EXPECT_TRUE(HasColour(check, wxColour(0x00, 0x80, 0x00)));
    EXPECT_TRUE(SameColour(check, 7, 3, *wxWHITE));  // inside of the box
    const wxImage uncheck = wxBitmap(uncheck_xpm).ConvertToImage();
    EXPECT_TRUE(HasColour(uncheck, wxColour(0x33, 0x33, 0x33)));
    EXPECT_TRUE(HasColour(uncheck, wxColour(0xFF, 0x00, 0x00)));
    EXPECT_TRUE(HasColour(uncheck, wxColour(0x80, 0x00, 0x00)));
    EXPECT_TRUE(HasColour(uncheck, wxColour(0x86, 0x86, 0x86)));
    EXPECT_FALSE(HasColour(uncheck, wxColour(0x00, 0x80, 0x00)));
}

TEST(HelpPage, IsUtf8AndExplainsEveryButtonWithItsPicture) {
    const wxString page = ReadUtf8(AppFile("Ayuda/index.html"));
    ASSERT_FALSE(page.empty()) << "Ayuda/index.html falta o no es UTF-8";
    EXPECT_TRUE(page.Lower().Contains("<meta charset=\"utf-8\">"));
    EXPECT_TRUE(page.Contains("lang=\"es\""));
    for (const ButtonPictures& b : kButtons) {
        const wxString stem = wxFileName(wxString::FromUTF8(b.normal)).GetName();
        EXPECT_TRUE(page.Contains("id=\"" + stem + "\"")) << stem;
        EXPECT_TRUE(page.Contains("src=\"img/" + stem + ".png\"")) << stem;
        EXPECT_TRUE(page.Contains("<h3>" + wxString::FromUTF8(b.helpName))) << b.helpName;
    }
    for (const char* words : {"Copiar", "Guardar", "Impresión rápida", "Impresión con calidad",
                              "Escala no válida", "Mapa de referencia", "Capas del mapa"})
        EXPECT_TRUE(page.Contains(wxString::FromUTF8(words))) << words;
}

TEST(HelpPage, EveryPictureItShowsExists) {
    const wxString page = ReadUtf8(AppFile("Ayuda/index.html"));
    wxRegEx source("src=\"([^\"]+)\"");
    ASSERT_TRUE(source.IsValid());
    wxString rest = page;
    int pictures = 0;
    while (source.Matches(rest)) {
        const wxString relative = source.GetMatch(rest, 1);
        const wxString path = AppFile("Ayuda/") + relative;
        EXPECT_TRUE(wxFileName::FileExists(path)) << relative;
        EXPECT_TRUE(wxImage(path).IsOk()) << relative;
        size_t start = 0, length = 0;
        source.GetMatch(&start, &length, 0);
        rest = rest.Mid(start + length);
        ++pictures;
    }
    EXPECT_GE(pictures, static_cast<int>(std::size(kButtons)));
}

TEST(ApplicationDirectory, AssetsAreLinkedBesideTheBuiltExecutable) {
    const wxString dir = wxFileName(wxString::FromUTF8(VAQ_EXECUTABLE)).GetPath();
    EXPECT_TRUE(wxFileName::FileExists(dir + "/ico/vaq.bmp"));
    EXPECT_TRUE(wxFileName::FileExists(dir + "/ico/icono.ico"));
    EXPECT_TRUE(wxFileName::FileExists(dir + "/cursor/lapiz.cur"));
    EXPECT_TRUE(wxFileName::FileExists(dir + "/Ayuda/index.html"));
}
