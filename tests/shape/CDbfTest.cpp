#include "CDbf.h"
#include "DbfWriter.h"
#include "DirectorioPrueba.h"

#include <gtest/gtest.h>
#include <cstring>
#include <functional>
#include <string>
#include <utility>

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

TEST(CDbfLectura, FieldsTextsNumbersAndRawReads) {
    DirectorioPrueba dir;
    DbfWriter escritor = TablaMunicipios();
    escritor.SetNamePaddingWithSpaces(true);
    ASSERT_TRUE(escritor.Write(dir / "tabla.dbf"));
    CDbf tabla((dir / "tabla.dbf").c_str(), "rb");
    EXPECT_EQ(tabla.GetRecordCount(), 3);
    char nombre[12];
    int ancho = -1, decimales = -1;
    EXPECT_EQ(tabla.GetFieldInfo(3, nombre, ancho, decimales), CampoReal);
    EXPECT_STREQ(nombre, "AREA");  // padding spaces removed
    EXPECT_EQ(std::make_pair(ancho, decimales), std::make_pair(12, 3));
    const int tipos[] = {CampoTexto, CampoEntero, CampoEntero, CampoReal, CampoEntero, CampoTexto,
                         CampoInvalido};  // dates are numbers
    for (int i = 0; i < 7; ++i) EXPECT_EQ(tabla.GetFieldInfo(i, nullptr, ancho, decimales), tipos[i]) << "case " << i;
    // Names ignoring case, one-based.
    EXPECT_EQ(tabla.NumCampo("Area"), 4);
    EXPECT_EQ(tabla.NumCampo("NOMBR"), 0);
    // Texts as stored in ISO 8859-1.
    EXPECT_EQ(Texto(tabla, 0, 0), "M\xE1laga    ");  // trailing spaces kept
    EXPECT_EQ(Texto(tabla, 1, 0), "C\xE1" "diz     ");  // deleted records read as any other
    EXPECT_EQ(Texto(tabla, 0, 0, 4), "M\xE1l");  // at most size - 1 bytes
    EXPECT_EQ(Texto(tabla, 0, 6), "");  // failures leave an empty text
    // Numbers of either width give the value, never bytes of another type.
    EXPECT_EQ(tabla.ReadIntegerAttribute(0, 1), 12);
    EXPECT_EQ(tabla.ReadIntegerAttribute(1, 1), -7);
    EXPECT_EQ(tabla.ReadIntegerAttribute(2, 1), 0);  // blank
    EXPECT_DOUBLE_EQ(tabla.ReadDoubleAttribute(1, 2), 99999.0);
    EXPECT_DOUBLE_EQ(tabla.ReadDoubleAttribute(0, 3), 1234.567);
    EXPECT_DOUBLE_EQ(tabla.ReadDoubleAttribute(1, 3), -0.5);
}

// Lying counts, lengths and widths: what the file holds is read, nothing
// past a record or the file.
TEST(CDbfDanado, DamagedHeadersNeverLeadOutsideTheFileNorTheRecord) {
    const struct {
        std::function<void(DbfWriter&)> dano;
        int registros, campos;
        const char* nombre0;  // first record's name, "" when unreadable
        int legibles;         // fields of the first record that read
    } casos[] = {
        {[](DbfWriter& e) { e.SetRecordCount(0x7FFFFFFF); }, 3, 6, "M\xE1laga    ", 6},
        {[](DbfWriter& e) { e.Truncate(e.HeaderLength() + e.RecordLength() * 2 - 5); }, 1, 6, "M\xE1laga    ", 6},
        {[](DbfWriter& e) { e.SetHeaderLength(0xFFFF); }, 0, 6, "", 0},  // descriptors up to the terminator
        {[](DbfWriter& e) { e.SetRecordLength(0); }, 0, 6, "", 0},
        {[](DbfWriter& e) { e.Truncate(20); }, 0, 0, "", 0},
        {[](DbfWriter& e) { e.Truncate(32 + 32 * 2 + 10); }, 0, 2, "", 0},  // two whole descriptors
        {[](DbfWriter& e) { e.SetRecordLength(12); }, 3, 6, "M\xE1laga    ", 1},  // the flag, NOMBRE and a byte of COD
        {[](DbfWriter& e) { e.SetFieldWidthBytes(0, 0xFF, 0xFF), e.SetFieldWidthBytes(3, 0xF0, 0); }, 3, 6, "", 0},
    };
    DirectorioPrueba dir;
    for (size_t i = 0; i < std::size(casos); ++i) {
        DbfWriter escritor = TablaMunicipios();
        casos[i].dano(escritor);
        ASSERT_TRUE(escritor.Write(dir / "t.dbf"));
        CDbf tabla((dir / "t.dbf").c_str(), "rb");
        EXPECT_EQ(tabla.GetRecordCount(), casos[i].registros) << "case " << i;
        EXPECT_EQ(tabla.GetFieldCount(), casos[i].campos) << "case " << i;
        EXPECT_EQ(Texto(tabla, 0, 0), casos[i].nombre0) << "case " << i;
        EXPECT_EQ(Texto(tabla, casos[i].registros, 0), "") << "case " << i;
        int legibles = 0;
        for (int campo = 0; campo < tabla.GetFieldCount(); ++campo) {
            double real;
            if (Texto(tabla, 0, campo) != "") ++legibles;
            else EXPECT_FALSE(tabla.ReadDoubleAttribute(0, campo, real)) << "case " << i << ", field " << campo;
        }
        EXPECT_EQ(legibles, casos[i].legibles) << "case " << i;
    }
}
