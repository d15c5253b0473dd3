#include "CDbf.h"
#include "CShape.h"
#include "DbfWriter.h"
#include "DirectorioPrueba.h"
#include "ShapefileWriter.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace {
std::string Texto(CDbf& tabla, int registro, int campo, int tamano = 64) {
    char buffer[64];
    std::memset(buffer, 'X', sizeof buffer);
    return tabla.ReadStringAttribute(registro, campo, buffer, tamano);
}

DbfWriter TablaMunicipios() {
    DbfWriter tabla;
    tabla.AddField("NOMBRE", 'C', 10);
    tabla.AddField("COD", 'N', 4);
    tabla.AddField("COD5", 'N', 5);
    tabla.AddField("AREA", 'N', 12, 3);
    tabla.AddField("FECHA", 'D', 8);
    tabla.AddField("ACTIVO", 'L', 1);
    tabla.AddRecord({"M\xE1laga", " 12", " 12", "1234.567", "20240131", "T"});
    tabla.AddRecord({"C\xE1" "diz", "-7", "99999", "-0.5", "19991231", "F"}, true);
    tabla.AddRecord({"Ja\xE9n", "", "", "", "", ""});
    return tabla;
}
}  // namespace

class CDbfLectura : public testing::Test {
protected:
    void SetUp() override {
        DbfWriter escritor = TablaMunicipios();
        escritor.SetNamePaddingWithSpaces(true);
        ASSERT_TRUE(escritor.Write(dir / "tabla.dbf"));
        tabla.reset(new CDbf((dir / "tabla.dbf").c_str(), "rb"));
    }
    DirectorioPrueba dir;
    std::unique_ptr<CDbf> tabla;
};

TEST_F(CDbfLectura, FieldsAndTheirKinds) {
    EXPECT_EQ(tabla->GetRecordCount(), 3);
    ASSERT_EQ(tabla->GetFieldCount(), 6);
    char nombre[12];
    int ancho = -1;
    int decimales = -1;
    EXPECT_EQ(tabla->GetFieldInfo(0, nombre, ancho, decimales), CampoTexto);
    EXPECT_STREQ(nombre, "NOMBRE");  // padding spaces removed
    EXPECT_EQ(ancho, 10);
    EXPECT_EQ(tabla->GetFieldInfo(1, nullptr, ancho, decimales), CampoEntero);
    EXPECT_EQ(ancho, 4);
    EXPECT_EQ(tabla->GetFieldInfo(3, nombre, ancho, decimales), CampoReal);
    EXPECT_EQ(decimales, 3);
    EXPECT_EQ(tabla->GetFieldInfo(4, nombre, ancho, decimales), CampoEntero);  // dates are numbers
    EXPECT_EQ(tabla->GetFieldInfo(5, nombre, ancho, decimales), CampoTexto);
    ancho = 77;
    EXPECT_EQ(tabla->GetFieldInfo(6, nombre, ancho, decimales), CampoInvalido);
    EXPECT_EQ(tabla->GetFieldInfo(-1, nombre, ancho, decimales), CampoInvalido);
    EXPECT_EQ(ancho, 77);
}

TEST_F(CDbfLectura, FieldNamesAreFoundIgnoringCase) {
    EXPECT_EQ(tabla->NumCampo("nombre"), 1);
    EXPECT_EQ(tabla->NumCampo("Area"), 4);
    EXPECT_EQ(tabla->NumCampo("ACTIVO"), 6);
    EXPECT_EQ(tabla->NumCampo("NOMBR"), 0);
    EXPECT_EQ(tabla->NumCampo("NOMBRE "), 0);
    EXPECT_EQ(tabla->NumCampo(nullptr), 0);
}

TEST_F(CDbfLectura, TextIsReadAsStoredInIso88591) {
    EXPECT_EQ(Texto(*tabla, 0, 0), "M\xE1laga    ");  // trailing spaces kept
    EXPECT_EQ(Texto(*tabla, 1, 0), "C\xE1" "diz     ");  // deleted records read as any other
    EXPECT_EQ(Texto(*tabla, 0, 1), "  12");            // numeric fields as text too
    EXPECT_EQ(Texto(*tabla, 0, 0, 4), "M\xE1l");       // at most size - 1 bytes
    EXPECT_EQ(Texto(*tabla, 0, 0, 1), "");
    EXPECT_EQ(Texto(*tabla, 3, 0), "");                // failures leave an empty text
    EXPECT_EQ(Texto(*tabla, 0, 6), "");
}

TEST_F(CDbfLectura, NarrowIntegersAndEverythingElseAsDoubles) {
    EXPECT_EQ(tabla->ReadIntegerAttribute(0, 1), 12);
    EXPECT_EQ(tabla->ReadIntegerAttribute(1, 1), -7);
    EXPECT_EQ(tabla->ReadIntegerAttribute(2, 1), 0);  // blank
    EXPECT_DOUBLE_EQ(tabla->ReadDoubleAttribute(0, 2), 12.0);
    EXPECT_DOUBLE_EQ(tabla->ReadDoubleAttribute(1, 2), 99999.0);
    EXPECT_DOUBLE_EQ(tabla->ReadDoubleAttribute(0, 3), 1234.567);
    EXPECT_DOUBLE_EQ(tabla->ReadDoubleAttribute(1, 3), -0.5);
    EXPECT_DOUBLE_EQ(tabla->ReadDoubleAttribute(0, 4), 20240131.0);
    EXPECT_DOUBLE_EQ(tabla->ReadDoubleAttribute(2, 3), 0.0);
    // Reads of the other width give the value, never bytes of another type.
    EXPECT_EQ(tabla->ReadIntegerAttribute(0, 3), 1234);
    EXPECT_DOUBLE_EQ(tabla->ReadDoubleAttribute(1, 1), -7.0);
    int entero = 5;
    EXPECT_FALSE(tabla->ReadIntegerAttribute(0, 0, entero));  // text field
    EXPECT_FALSE(tabla->ReadIntegerAttribute(3, 1, entero));
    EXPECT_EQ(entero, 5);
    double real = 5;
    EXPECT_FALSE(tabla->ReadDoubleAttribute(-1, 3, real));
    EXPECT_EQ(real, 5.0);
}

TEST_F(CDbfLectura, RawReadsStoreTheTypeOfTheField) {
    int tamano = 0;
    EXPECT_TRUE(tabla->ReadAttribute(0, 3, nullptr, tamano));
    EXPECT_EQ(tamano, 12);
    int entero = 0;
    tamano = sizeof entero;
    EXPECT_TRUE(tabla->ReadAttribute(0, 1, &entero, tamano));
    EXPECT_EQ(entero, 12);
    double real = 0;
    tamano = sizeof real;
    EXPECT_TRUE(tabla->ReadAttribute(0, 2, &real, tamano));
    EXPECT_EQ(real, 12.0);
    tamano = sizeof entero;  // too small for a double
    EXPECT_FALSE(tabla->ReadAttribute(0, 2, &entero, tamano));
    char texto[4];
    tamano = sizeof texto;
    EXPECT_TRUE(tabla->ReadAttribute(2, 0, texto, tamano));
    EXPECT_STREQ(texto, "Ja\xE9");
    EXPECT_TRUE(tabla->ReadRecord(2));
    EXPECT_FALSE(tabla->ReadRecord(3));
}

TEST_F(CDbfLectura, LargestValueOfANumericField) {
    EXPECT_EQ(tabla->MaxValorCampo(2), 0xFFFFFFF9u);  // -7 compared as unsigned
    EXPECT_EQ(tabla->MaxValorCampo("cod5"), 99999u);
    EXPECT_EQ(tabla->MaxValorCampo(0), 0u);
    EXPECT_EQ(tabla->MaxValorCampo("NADA"), 0u);
    EXPECT_EQ(tabla->MaxValorCampo(1), 0u);  // text
    tabla->Close();
    EXPECT_EQ(tabla->GetRecordCount(), 0);
    EXPECT_EQ(tabla->GetFieldCount(), 0);
    EXPECT_EQ(Texto(*tabla, 0, 0), "");
}

TEST(CDbfApertura, OnlyTheFourReadModesOpen) {
    DirectorioPrueba dir;
    ASSERT_TRUE(TablaMunicipios().Write(dir / "t.dbf"));
    for (const char* modo : {"r", "r+", "rb", "rb+"})
        EXPECT_EQ(CDbf((dir / "t.dbf").c_str(), modo).GetRecordCount(), 3) << modo;
    for (const char* modo : {"w", "rb+x", "", "R"})
        EXPECT_EQ(CDbf((dir / "t.dbf").c_str(), modo).GetFieldCount(), 0) << modo;
    EXPECT_EQ(CDbf((dir / "t.dbf").c_str(), nullptr).GetFieldCount(), 0);
    CDbf ausente((dir / "no.dbf").c_str(), "rb");
    EXPECT_EQ(ausente.GetRecordCount(), 0);
    EXPECT_EQ(ausente.GetFieldCount(), 0);
}

TEST(CDbfApertura, ATableOfNoRecordsHasNoFields) {
    DirectorioPrueba dir;
    DbfWriter escritor;
    escritor.AddField("A", 'C', 3);
    ASSERT_TRUE(escritor.Write(dir / "t.dbf"));
    CDbf tabla((dir / "t.dbf").c_str(), "rb");
    EXPECT_EQ(tabla.GetRecordCount(), 0);
    EXPECT_EQ(tabla.GetFieldCount(), 0);
}

TEST(CDbfDanado, RecordCountLargerThanTheFileHolds) {
    DirectorioPrueba dir;
    DbfWriter escritor = TablaMunicipios();
    escritor.SetRecordCount(0x7FFFFFFF);
    ASSERT_TRUE(escritor.Write(dir / "t.dbf"));
    CDbf tabla((dir / "t.dbf").c_str(), "rb");
    EXPECT_EQ(tabla.GetRecordCount(), 3);
    EXPECT_EQ(Texto(tabla, 2, 0), "Ja\xE9n      ");
    EXPECT_EQ(Texto(tabla, 3, 0), "");
}

TEST(CDbfDanado, TruncatedTableLosesOnlyTheCutRecords) {
    DirectorioPrueba dir;
    DbfWriter escritor = TablaMunicipios();
    escritor.Truncate(escritor.HeaderLength() + escritor.RecordLength() * 2 - 5);
    ASSERT_TRUE(escritor.Write(dir / "t.dbf"));
    CDbf tabla((dir / "t.dbf").c_str(), "rb");
    EXPECT_EQ(tabla.GetRecordCount(), 1);
    EXPECT_EQ(tabla.ReadIntegerAttribute(0, 1), 12);
    EXPECT_EQ(Texto(tabla, 1, 0), "");
}

TEST(CDbfDanado, HeaderLengthBeyondTheFile) {
    DirectorioPrueba dir;
    DbfWriter escritor = TablaMunicipios();
    escritor.SetHeaderLength(0xFFFF);
    ASSERT_TRUE(escritor.Write(dir / "t.dbf"));
    CDbf tabla((dir / "t.dbf").c_str(), "rb");
    EXPECT_EQ(tabla.GetFieldCount(), 6);  // descriptors up to the terminator
    EXPECT_EQ(tabla.GetRecordCount(), 0);
    EXPECT_EQ(Texto(tabla, 0, 0), "");
}

TEST(CDbfDanado, HeaderLengthCountsFieldsUpToTheTerminator) {
    DirectorioPrueba dir;
    DbfWriter escritor;
    for (const char* nombre : {"A", "B", "C"}) escritor.AddField(nombre, 'C', 2);
    escritor.AddRecord({"a1", "b1", "c1"});
    ASSERT_EQ(escritor.HeaderLength(), 32u + 32 * 3 + 1);
    ASSERT_TRUE(escritor.Write(dir / "t.dbf"));
    CDbf tabla((dir / "t.dbf").c_str(), "rb");
    EXPECT_EQ(tabla.GetFieldCount(), 3);
    EXPECT_EQ(Texto(tabla, 0, 2), "c1");
}

TEST(CDbfDanado, RecordLengthTooShortOrZero) {
    DirectorioPrueba dir;
    DbfWriter escritor = TablaMunicipios();
    escritor.SetRecordLength(12);  // only the flag, NOMBRE and one byte of COD fit
    ASSERT_TRUE(escritor.Write(dir / "t.dbf"));
    CDbf tabla((dir / "t.dbf").c_str(), "rb");
    EXPECT_GE(tabla.GetRecordCount(), 3);
    EXPECT_EQ(Texto(tabla, 0, 0), "M\xE1laga    ");
    int valor;
    EXPECT_FALSE(tabla.ReadIntegerAttribute(0, 1, valor));
    EXPECT_EQ(Texto(tabla, 0, 5), "");

    escritor.SetRecordLength(0);
    ASSERT_TRUE(escritor.Write(dir / "cero.dbf"));
    CDbf cero((dir / "cero.dbf").c_str(), "rb");
    EXPECT_EQ(cero.GetRecordCount(), 0);
}

TEST(CDbfDanado, FieldWidthsBeyondTheRecord) {
    DirectorioPrueba dir;
    DbfWriter escritor = TablaMunicipios();
    escritor.SetFieldWidthBytes(0, 0xFF, 0xFF);  // text width 65535
    escritor.SetFieldWidthBytes(3, 0xF0, 0x00);  // numeric width 240
    ASSERT_TRUE(escritor.Write(dir / "t.dbf"));
    CDbf tabla((dir / "t.dbf").c_str(), "rb");
    ASSERT_EQ(tabla.GetFieldCount(), 6);
    int ancho, decimales;
    tabla.GetFieldInfo(0, nullptr, ancho, decimales);
    EXPECT_EQ(ancho, 65535);
    for (int campo = 0; campo < 6; ++campo) {
        EXPECT_EQ(Texto(tabla, 0, campo), "") << campo;
        double real;
        EXPECT_FALSE(tabla.ReadDoubleAttribute(0, campo, real)) << campo;
    }
}

TEST(CDbfDanado, HeaderSmallerThanItsFixedPart) {
    DirectorioPrueba dir;
    DbfWriter escritor = TablaMunicipios();
    escritor.Truncate(20);
    ASSERT_TRUE(escritor.Write(dir / "t.dbf"));
    CDbf tabla((dir / "t.dbf").c_str(), "rb");
    EXPECT_EQ(tabla.GetRecordCount(), 0);
    EXPECT_EQ(tabla.GetFieldCount(), 0);
    escritor.Truncate(32 + 32 * 2 + 10);  // two whole descriptors
    ASSERT_TRUE(escritor.Write(dir / "t.dbf"));
    CDbf corta((dir / "t.dbf").c_str(), "rb");
    EXPECT_EQ(corta.GetFieldCount(), 2);
    EXPECT_EQ(corta.GetRecordCount(), 0);
}

TEST(CShapeTabla, FieldInformationThroughTheReader) {
    DirectorioPrueba dir;
    ShapefileWriter escritor(1);
    escritor.AddPoint(0, 0);
    escritor.AddPoint(1, 1);
    escritor.Table().AddField("NOMBRE", 'C', 6);
    escritor.Table().AddField("N", 'N', 4);
    escritor.Table().AddField("GRANDE", 'N', 9);
    escritor.Table().AddRecord({"uno", "3", "65538"});
    escritor.Table().AddRecord({"dos", "12", "70000"});
    ASSERT_TRUE(escritor.Write(dir / "capa"));
    CShape shape((dir / "capa").c_str());
    EXPECT_EQ(shape.NumCampos(), 3);
    char nombre[12];
    int ancho = 0, decimales = 0;
    EXPECT_EQ(shape.InfoCampo(1, nombre, ancho, decimales), 1);
    EXPECT_STREQ(nombre, "N");
    EXPECT_EQ(shape.InfoCampo(3, nombre, ancho, decimales), 3);
    EXPECT_EQ(shape.MaxValorCampo("n"), 12);
    EXPECT_EQ(shape.MaxValorCampo(3), 70000 & 0xFFFF);  // low 16 bits
    ASSERT_NE(shape.GetDBF(), nullptr);
    EXPECT_EQ(shape.GetDBF()->GetRecordCount(), 2);
}
