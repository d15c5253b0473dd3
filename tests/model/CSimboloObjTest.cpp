#include "CRepresentacionTexto.h"
#include "CRepresentacionValor.h"
#include "CSimboloObj.h"
#include "CSimboloTexto.h"
#include <gtest/gtest.h>
#include <wx/gdicmn.h>

TEST(CSimboloObjTest, ValoresPorDefecto) {
    const CSimboloObj s;
    EXPECT_EQ(s.GetTipo(), 0);
    EXPECT_EQ(s.GetEstilo(), 1);
    EXPECT_EQ(s.GetSize(), 2);
    EXPECT_EQ(s.GetColorRelleno(), wxColour(0, 0, 0));
    EXPECT_EQ(s.GetColorBorde(), wxColour(0, 0, 0));
    EXPECT_TRUE(s.GetFuente().empty());
    EXPECT_TRUE(s.GetFileFuente().empty());
    EXPECT_EQ(s.GetFontSize(), 0);
    EXPECT_EQ(s.GetCharIndex(), 0);
    EXPECT_FALSE(s.GetTransparente());
}

TEST(CSimboloObjTest, LaCopiaLlevaTodosLosCampos) {
    CSimboloObj s;
    s.SetTipo(3);
    s.SetEstilo(4);
    s.SetColorRelleno(wxColour(10, 20, 30));
    s.SetColorBorde(wxColour(40, 50, 60));
    s.SetSize(-7);  // stored as given
    s.SetFuente("Arial");
    s.SetFileFuente("arial.ttf");
    s.SetFontSize(12);
    s.SetCharIndex(65);
    s.SetTransparente(true);
    CSimboloObj copia;
    copia = s;
    EXPECT_EQ(copia.GetTipo(), 3);
    EXPECT_EQ(copia.GetEstilo(), 4);
    EXPECT_EQ(copia.GetColorRelleno(), wxColour(10, 20, 30));
    EXPECT_EQ(copia.GetColorBorde(), wxColour(40, 50, 60));
    EXPECT_EQ(copia.GetSize(), -7);
    EXPECT_EQ(copia.GetFuente(), "Arial");
    EXPECT_EQ(copia.GetFileFuente(), "arial.ttf");
    EXPECT_EQ(copia.GetFontSize(), 12);
    EXPECT_EQ(copia.GetCharIndex(), 65);
    EXPECT_TRUE(copia.GetTransparente());
}

TEST(CSimboloObjTest, EstiloDeTextoPorDefectoYCopia) {
    CSimboloTexto t;
    EXPECT_EQ(t.GetColorTexto(), wxColour(0, 0, 0));
    EXPECT_EQ(t.GetColorFondo(), wxColour(0, 0, 0));
    EXPECT_FALSE(t.GetNegrita());
    EXPECT_FALSE(t.GetCursiva());
    EXPECT_EQ(t.GetFuente(), " ");
    EXPECT_TRUE(t.GetFileFont().empty());
    EXPECT_EQ(t.GetFontSize(), 0);

    t.SetValores(wxColour(1, 2, 3), wxColour(4, 5, 6), true, true, "Sans", "s.ttf", 9);
    const CSimboloTexto copia(t);
    EXPECT_EQ(copia.GetColorTexto(), wxColour(1, 2, 3));
    EXPECT_EQ(copia.GetColorFondo(), wxColour(4, 5, 6));
    EXPECT_TRUE(copia.GetNegrita());
    EXPECT_TRUE(copia.GetCursiva());
    EXPECT_EQ(copia.GetFuente(), "Sans");
    EXPECT_EQ(copia.GetFileFont(), "s.ttf");
    EXPECT_EQ(copia.GetFontSize(), 9);
}

TEST(CSimboloObjTest, RepresentacionesPorDefectoYAsignacion) {
    CRepresentacionValor clase;
    const CSimboloObj* s = clase.GetSimbologia();
    EXPECT_EQ(s->GetEstilo(), 0);
    EXPECT_EQ(s->GetSize(), 0);
    EXPECT_EQ(s->GetFuente(), " ");
    EXPECT_TRUE(clase.GetValor().empty());

    clase.SetSimbologia(1, 4, *wxRED, *wxBLUE, 5, "Sym", "sym.ttf", 1, 33, true);
    EXPECT_EQ(s->GetTipo(), 1);
    EXPECT_EQ(s->GetEstilo(), 4);
    EXPECT_EQ(s->GetColorRelleno(), *wxRED);
    EXPECT_EQ(s->GetColorBorde(), *wxBLUE);
    EXPECT_EQ(s->GetSize(), 5);
    EXPECT_EQ(s->GetFuente(), "Sym");
    EXPECT_EQ(s->GetFileFuente(), "sym.ttf");
    EXPECT_EQ(s->GetFontSize(), 1);
    EXPECT_EQ(s->GetCharIndex(), 33);
    EXPECT_TRUE(s->GetTransparente());

    CRepresentacionTexto etiqueta;
    EXPECT_EQ(etiqueta.GetValor(), 0);
    EXPECT_EQ(etiqueta.GetSimbologia()->GetFuente(), " ");
    etiqueta.SetSimbologia(*wxGREEN, *wxWHITE, true, false, "Serif", "", 14);
    EXPECT_EQ(etiqueta.GetSimbologia()->GetColorTexto(), *wxGREEN);
    EXPECT_TRUE(etiqueta.GetSimbologia()->GetNegrita());
    EXPECT_EQ(etiqueta.GetSimbologia()->GetFontSize(), 14);
}
