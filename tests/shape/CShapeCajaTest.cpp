// The record box painting culls by: handed out only when it can be trusted.
#include "CShape.h"
#include "DirectorioPrueba.h"
#include "ShapefileWriter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <string>

namespace {
const double kNan = std::numeric_limits<double>::quiet_NaN();

// Overwrites the box stored in a record's header of a written .shp.
void EscribirCaja(const std::string& shp, std::size_t posicionRegistro, double x1, double y1,
                  double x2, double y2) {
    std::fstream f(shp, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(static_cast<std::streamoff>(posicionRegistro + 12));
    const double caja[4] = {x1, y1, x2, y2};
    f.write(reinterpret_cast<const char*>(caja), sizeof caja);
}

// A 3 x 2 rectangle at column c, row f of a grid of step 10, with enough
// vertices that the file spans several of the pieces the boxes are read in.
ShapefileWriter::Parte Celda(int c, int f) {
    const double x = 10.0 * c + 0.125, y = 4000000.0 + 10.0 * f;
    ShapefileWriter::Parte anillo = {{x, y}, {x, y + 2}, {x + 3, y + 2}, {x + 3, y}};
    for (int i = 59; i > 0; --i) anillo.push_back({x + 3.0 * i / 60, y + (i % 2) * 0.5});
    anillo.push_back({x, y});
    return anillo;
}

bool Cortan(const CRectangulo& a, const CRectangulo& b) {
    return !(a.x2 < b.x1 || b.x2 < a.x1 || a.y2 < b.y1 || b.y2 < a.y1);
}
}  // namespace

// The boxes read once for culling must agree with the records: never call a
// record apart from a view it meets, and do call apart those clearly away.
TEST(CShapeCaja, BoxesReadOnceCullExactlyAcrossPiecesAndOutOfOrderRecords) {
    DirectorioPrueba dir;
    ShapefileWriter escritor(5);
    for (int f = 0; f < 50; ++f)  // 3,000 records, about 3 MB
        for (int c = 0; c < 60; ++c) escritor.AddShape({Celda(c, f)});
    // Record 2000 is read from record 5's place (behind the piece in hand),
    // record 2001 points past the end, record 7 has a NaN box.
    escritor.SetRecordOffset(2000, static_cast<std::uint32_t>(escritor.RecordPosition(5) / 2));
    escritor.SetRecordOffset(2001, 0x7FFFFFF0u);
    escritor.AddNull();
    ASSERT_TRUE(escritor.Write(dir / "rejilla"));
    // Damaged boxes: NaN, infinite, minimum above maximum.
    EscribirCaja(dir / "rejilla.shp", escritor.RecordPosition(7), kNan, 0, 1, 1);
    EscribirCaja(dir / "rejilla.shp", escritor.RecordPosition(8), 80, 4000000, 90, std::numeric_limits<double>::infinity());
    EscribirCaja(dir / "rejilla.shp", escritor.RecordPosition(9), 100, 4000000, 90, 4000001);

    CShape shape((dir / "rejilla").c_str());
    CRectangulo caja(-1, -1, -1, -1);
    ASSERT_TRUE(shape.CajaFiable(shape.Elemento(61), caja));  // column 1, row 1
    EXPECT_EQ(caja.x1 + caja.y2, 10.125 + 4000012.0);
    for (unsigned int i : {7u, 8u, 9u, 3000u}) {
        CRectangulo intacta(-1, -1, -1, -1);
        EXPECT_FALSE(shape.CajaFiable(shape.Elemento(i), intacta)) << "case " << i;
        EXPECT_EQ(intacta.x1, -1.0) << "case " << i;
    }
    const CRectangulo vista(95.0, 4000095.0, 205.0, 4000202.0);
    EXPECT_FALSE(shape.CajaAparte(0, vista));  // nothing read yet
    shape.LeeCajas();
    int aparte = 0;
    for (unsigned int i = 0; i < shape.NumElementos(); ++i) {
        const unsigned int* registro = shape.BuscaElemento(i);
        const bool fiable = registro && shape.CajaFiable(registro, caja);
        EXPECT_EQ(shape.CajaAparte(i, vista), fiable && !Cortan(caja, vista)) << "case " << i;
        aparte += shape.CajaAparte(i, vista);
    }
    EXPECT_GT(aparte, 2800);
    // Record 2000 has record 5's box, far from this view and within the next.
    EXPECT_TRUE(shape.CajaAparte(2000, vista));
    EXPECT_FALSE(shape.CajaAparte(2000, CRectangulo(50.0, 4000000.0, 51.0, 4000001.0)));
}

// Single precision must not move a box edge inward: views touching a box
// by a hair (at coordinates where floats are coarse) still meet it.
TEST(CShapeCaja, BoxesReadOnceAreNeverShrunkByRounding) {
    DirectorioPrueba dir;
    ShapefileWriter escritor(5);
    // Nearest floats of these lie inside the box (floats are half a unit apart here).
    const double x1 = 4123456.4, y1 = 4000000.4, x2 = 4123457.1, y2 = 4000001.1;
    escritor.AddShape({ShapefileWriter::Rectangle(x1, y1, x2, y2)});
    escritor.AddShape({ShapefileWriter::Rectangle(-1e300, -1e300, 1e300, 1e300)});
    ASSERT_TRUE(escritor.Write(dir / "finas"));
    CShape shape((dir / "finas").c_str());
    shape.LeeCajas();
    const struct {
        unsigned int registro;
        CRectangulo vista;
        bool aparte;
    } casos[] = {{0, {x2, y1, x2 + 1, y2}, false}, {0, {x1 - 1, y1, x1, y2}, false},
                 {0, {x1, y2, x2, y2 + 1}, false}, {0, {x1, y1 - 1, x2, y1}, false},
                 {0, {x2 + 1, y1, x2 + 2, y2}, true}, {1, {1e299, 1e299, 1e300, 1e300}, false}};
    for (size_t i = 0; i < std::size(casos); ++i)
        EXPECT_EQ(shape.CajaAparte(casos[i].registro, casos[i].vista), casos[i].aparte) << "case " << i;
}
