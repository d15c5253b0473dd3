#include "CDbf.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>

namespace {
const std::uint64_t kCabecera = 32;
const std::uint64_t kDescriptor = 32;
const unsigned char kFinDescriptores = 0x0D;

std::uint16_t LE16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t LE32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool ModoAceptado(char const* modo) {
    if (modo == nullptr) return false;
    return std::strcmp(modo, "r") == 0 || std::strcmp(modo, "r+") == 0 ||
           std::strcmp(modo, "rb") == 0 || std::strcmp(modo, "rb+") == 0;
}

bool EsBlanco(char c) {
    return c == ' ' || c == '\t';
}

char Minuscula(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IgualesSinMayusculas(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (Minuscula(*a) != Minuscula(*b)) return false;
    return *a == *b;
}

// Base-10 integer as atoi reads it: leading blanks, a sign, digits up to the
// first other character; limited to the field's bytes.
int EnteroDe(const char* texto, std::size_t ancho) {
    std::size_t i = 0;
    while (i < ancho && EsBlanco(texto[i])) ++i;
    bool negativo = false;
    if (i < ancho && (texto[i] == '-' || texto[i] == '+')) negativo = texto[i++] == '-';
    long long valor = 0;
    for (; i < ancho && texto[i] >= '0' && texto[i] <= '9'; ++i) {
        valor = valor * 10 + (texto[i] - '0');
        if (valor > INT_MAX) break;
    }
    if (negativo) valor = -valor;
    if (valor > INT_MAX) return INT_MAX;
    if (valor < INT_MIN) return INT_MIN;
    return static_cast<int>(valor);
}

// Floating-point value whatever the process locale: leading blanks and a '+'
// are skipped, conversion stops at the first character that does not fit.
double RealDe(const char* texto, std::size_t ancho) {
    std::size_t i = 0;
    while (i < ancho && EsBlanco(texto[i])) ++i;
    if (i < ancho && texto[i] == '+') ++i;
    double valor = 0.0;
    const auto resultado = std::from_chars(texto + i, texto + ancho, valor);
    if (resultado.ec != std::errc()) return 0.0;
    return valor;
}

int TruncaAEntero(double valor) {
    if (std::isnan(valor)) return 0;
    if (valor >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (valor <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(valor);
}
}  // namespace

CDbf::CDbf(char const* ruta, char const* modo)
    : datos(nullptr), tamanoFichero(0), numRegistros(0), longitudRegistro(0),
      longitudCabecera(0), registroActual(-1) {
    if (!ModoAceptado(modo) || ruta == nullptr) return;
    if (!fichero.Abre(ruta, CFichero::SoloLectura)) return;
    tamanoFichero = fichero.Tamano();
    if (tamanoFichero < kCabecera) return;
    void* mapa = fichero.Map();
    if (mapa == nullptr || mapa == CFichero::MapaFallido()) return;
    datos = static_cast<const unsigned char*>(mapa);
    // Reads go through the mapping only: a layer keeps no descriptor of its
    // table open (a theme of many layers would run out of them).
    fichero.CierraDescriptor();
    LeeCabecera();
}

CDbf::~CDbf() {
    Close();
}

void CDbf::LeeCabecera() {
    const std::uint32_t declarados = LE32(datos + 4);
    if (declarados == 0) return;
    longitudCabecera = LE16(datos + 8);
    longitudRegistro = LE16(datos + 10);

    // Descriptors: as many as the header length allows, those wholly inside
    // the file, up to the terminator.
    std::uint64_t numCampos = longitudCabecera >= static_cast<int>(kCabecera)
                                  ? (static_cast<std::uint64_t>(longitudCabecera) - kCabecera) / kDescriptor
                                  : 0;
    const std::uint64_t caben = (tamanoFichero - kCabecera) / kDescriptor;
    if (numCampos > caben) numCampos = caben;
    std::uint32_t desplazamiento = 1;
    for (std::uint64_t i = 0; i < numCampos; ++i) {
        const unsigned char* d = datos + kCabecera + kDescriptor * i;
        if (d[0] == kFinDescriptores) break;
        Campo campo;
        std::memcpy(campo.nombre, d, 11);
        campo.nombre[11] = '\0';
        campo.tipo = static_cast<char>(d[11]);
        campo.numerico = campo.tipo == 'N' || campo.tipo == 'D' || campo.tipo == 'F';
        if (campo.numerico) {
            campo.ancho = d[16];
            campo.decimales = d[17];
            campo.almacenamiento = campo.decimales != 0 ? 8 : 4;
        } else {
            campo.ancho = LE16(d + 16);
            campo.decimales = 0;
            campo.almacenamiento = static_cast<std::uint16_t>(campo.ancho + 1);
        }
        campo.desplazamiento = desplazamiento;
        desplazamiento += campo.ancho;
        campos.push_back(campo);
    }

    for (const Campo& campo : campos)
        danada = danada || campo.desplazamiento + campo.ancho > static_cast<std::uint32_t>(longitudRegistro);
    // Records wholly inside the file, at most as many as the header says.
    if (longitudRegistro <= 0 || longitudCabecera < static_cast<int>(kCabecera) ||
        static_cast<std::uint64_t>(longitudCabecera) >= tamanoFichero) {
        danada = true;
        return;
    }
    const std::uint64_t enFichero =
        (tamanoFichero - static_cast<std::uint64_t>(longitudCabecera)) /
        static_cast<std::uint64_t>(longitudRegistro);
    std::uint64_t registros = declarados < enFichero ? declarados : enFichero;
    if (registros > static_cast<std::uint64_t>(INT_MAX)) registros = INT_MAX;
    numRegistros = static_cast<int>(registros);
    danada = danada || registros < declarados;
}

void CDbf::Close() {
    fichero.Cierra();
    danada = false;
    datos = nullptr;
    tamanoFichero = 0;
    numRegistros = 0;
    campos.clear();
    registroActual = -1;
}

eDBFFieldType CDbf::GetFieldInfo(int campo, char* nombre, int& ancho, int& decimales) const {
    if (campo < 0 || campo >= GetFieldCount()) return CampoInvalido;
    const Campo& c = campos[static_cast<std::size_t>(campo)];
    ancho = c.ancho;
    decimales = c.decimales;
    if (nombre != nullptr) {
        std::memcpy(nombre, c.nombre, 12);
        for (int i = 10; i >= 0 && (nombre[i] == ' ' || nombre[i] == '\0'); --i) nombre[i] = '\0';
    }
    if (!c.numerico) return CampoTexto;
    return c.decimales == 0 ? CampoEntero : CampoReal;
}

int CDbf::NumCampo(char const* nombre) const {
    if (nombre == nullptr) return 0;
    for (std::size_t i = 0; i < campos.size(); ++i) {
        char propio[12];
        std::memcpy(propio, campos[i].nombre, 12);
        for (int k = 10; k >= 0 && (propio[k] == ' ' || propio[k] == '\0'); --k) propio[k] = '\0';
        if (IgualesSinMayusculas(propio, nombre)) return static_cast<int>(i) + 1;
    }
    return 0;
}

bool CDbf::ReadRecord(int registro) {
    if (registro < 0 || registro >= numRegistros) return false;
    registroActual = registro;
    return true;
}

const char* CDbf::BytesCampo(int registro, int campo) const {
    if (campo < 0 || campo >= GetFieldCount() || registro < 0 || registro >= numRegistros)
        return nullptr;
    const Campo& c = campos[static_cast<std::size_t>(campo)];
    if (static_cast<std::uint64_t>(c.desplazamiento) + c.ancho >
        static_cast<std::uint64_t>(longitudRegistro))
        return nullptr;
    const std::uint64_t inicio = static_cast<std::uint64_t>(longitudCabecera) +
                                 static_cast<std::uint64_t>(registro) *
                                     static_cast<std::uint64_t>(longitudRegistro);
    return reinterpret_cast<const char*>(datos + inicio + c.desplazamiento);
}

bool CDbf::ValorNumerico(const char* texto, const Campo& campo, bool& esEntero, int& entero,
                         double& real) const {
    esEntero = campo.decimales == 0 && campo.ancho <= 4;
    if (esEntero) {
        entero = EnteroDe(texto, campo.ancho);
        real = entero;
    } else {
        real = RealDe(texto, campo.ancho);
        entero = TruncaAEntero(real);
    }
    return true;
}

bool CDbf::ReadAttribute(int registro, int campo, void* destino, int& tamano) {
    if (campo < 0 || campo >= GetFieldCount()) return false;
    const Campo& c = campos[static_cast<std::size_t>(campo)];
    if (destino == nullptr) {
        tamano = c.ancho;
        return true;
    }
    const char* texto = BytesCampo(registro, campo);
    if (texto == nullptr) return false;
    registroActual = registro;
    if (!c.numerico) {
        if (tamano <= 0) return false;
        const std::size_t copia = c.ancho < static_cast<std::size_t>(tamano - 1)
                                      ? c.ancho : static_cast<std::size_t>(tamano - 1);
        std::memcpy(destino, texto, copia);
        static_cast<char*>(destino)[copia] = '\0';
        return true;
    }
    bool esEntero;
    int entero;
    double real;
    ValorNumerico(texto, c, esEntero, entero, real);
    if (esEntero) {
        if (tamano < static_cast<int>(sizeof(int))) return false;
        std::memcpy(destino, &entero, sizeof entero);
    } else {
        if (tamano < static_cast<int>(sizeof(double))) return false;
        std::memcpy(destino, &real, sizeof real);
    }
    return true;
}

char* CDbf::ReadStringAttribute(int registro, int campo, char* buffer, int tamano) {
    if (buffer == nullptr || tamano <= 0) return buffer;
    buffer[0] = '\0';
    const char* texto = BytesCampo(registro, campo);
    if (texto == nullptr) return buffer;
    registroActual = registro;
    const std::size_t ancho = campos[static_cast<std::size_t>(campo)].ancho;
    const std::size_t copia = ancho < static_cast<std::size_t>(tamano - 1)
                                  ? ancho : static_cast<std::size_t>(tamano - 1);
    std::memcpy(buffer, texto, copia);
    buffer[copia] = '\0';
    return buffer;
}

bool CDbf::LeeNumero(int registro, int campo, int& entero, double& real) {
    const char* texto = BytesCampo(registro, campo);
    if (texto == nullptr) return false;
    const Campo& c = campos[static_cast<std::size_t>(campo)];
    if (!c.numerico) return false;
    registroActual = registro;
    bool esEntero;
    return ValorNumerico(texto, c, esEntero, entero, real);
}

bool CDbf::ReadDoubleAttribute(int registro, int campo, double& valor) {
    int entero;
    return LeeNumero(registro, campo, entero, valor);
}

double CDbf::ReadDoubleAttribute(int registro, int campo) {
    double valor = 0.0;
    return ReadDoubleAttribute(registro, campo, valor) ? valor : 0.0;
}

bool CDbf::ReadIntegerAttribute(int registro, int campo, int& valor) {
    double real;
    return LeeNumero(registro, campo, valor, real);
}

int CDbf::ReadIntegerAttribute(int registro, int campo) {
    int valor = 0;
    return ReadIntegerAttribute(registro, campo, valor) ? valor : 0;
}

unsigned int CDbf::MaxValorCampo(int campo) {
    if (campo < 1 || campo > GetFieldCount()) return 0;
    unsigned int maximo = 0;
    for (int registro = 0; registro < numRegistros; ++registro) {
        int valor;
        if (!ReadIntegerAttribute(registro, campo - 1, valor)) continue;
        if (static_cast<unsigned int>(valor) > maximo) maximo = static_cast<unsigned int>(valor);
    }
    return maximo;
}

unsigned int CDbf::MaxValorCampo(char const* nombre) {
    return MaxValorCampo(NumCampo(nombre));
}
