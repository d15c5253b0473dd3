// The record box painting culls by: handed out only when it can be trusted.
#include "CShape.h"
#include "DirectorioPrueba.h"
#include "ShapefileWriter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <limits>
#include <string>

namespace {

// Overwrites the box stored in a record's header of a written .shp.
void EscribirCaja(const std::string& shp, std::size_t posicionRegistro, double x1, double y1,
                  double x2, double y2) {
    std::fstream f(shp, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(static_cast<std::streamoff>(posicionRegistro + 12));
    const double caja[4] = {x1, y1, x2, y2};
    f.write(reinterpret_cast<const char*>(caja), sizeof caja);
}

}  // namespace

TEST(CShapeCaja, SoundBoxesAreGivenAndDamagedOrMissingOnesAreNot) {
    DirectorioPrueba dir;
    ShapefileWriter escritor(5);
    for (int i = 0; i < 4; ++i)
        escritor.AddShape({ShapefileWriter::Rectangle(i, 10 + i, i + 2, 13 + i)});
    escritor.AddNull();
    ASSERT_TRUE(escritor.Write(dir / "cajas"));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinito = std::numeric_limits<double>::infinity();
    EscribirCaja(dir / "cajas.shp", escritor.RecordPosition(1), nan, 11, 3, 14);
    EscribirCaja(dir / "cajas.shp", escritor.RecordPosition(2), 2, 12, 4, infinito);
    EscribirCaja(dir / "cajas.shp", escritor.RecordPosition(3), 5, 13, 3, 16);  // min above max

    CShape shape((dir / "cajas").c_str());
    CRectangulo caja(-1, -1, -1, -1);
    ASSERT_TRUE(shape.CajaFiable(shape.Elemento(0), caja));
    EXPECT_EQ(caja.x1, 0.0);
    EXPECT_EQ(caja.y1, 10.0);
    EXPECT_EQ(caja.x2, 2.0);
    EXPECT_EQ(caja.y2, 13.0);
    for (unsigned int i = 1; i <= 4; ++i) {
        CRectangulo intacta(-1, -1, -1, -1);
        EXPECT_FALSE(shape.CajaFiable(shape.Elemento(i), intacta)) << "record " << i;
        EXPECT_EQ(intacta.x1, -1.0);
    }
    EXPECT_FALSE(shape.CajaFiable(nullptr, caja));
}

TEST(CShapeCaja, PointFilesHaveNoRecordBox) {
    DirectorioPrueba dir;
    ShapefileWriter escritor(1);
    escritor.AddPoint(1, 2);
    ASSERT_TRUE(escritor.Write(dir / "puntos"));
    CShape shape((dir / "puntos").c_str());
    CRectangulo caja;
    EXPECT_FALSE(shape.CajaFiable(shape.Elemento(0), caja));
}
