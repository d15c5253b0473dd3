#include "COpcionesLineaComandos.h"

#include <cmath>

namespace {
// "--nombre=valor" or "--nombre valor": the value, advancing i in the second form.
bool TomarValor(const wxArrayString& args, size_t& i, const wxString& nombre, wxString& valor,
                wxString& error) {
    const wxString& arg = args[i];
    if (arg.length() > nombre.length() && arg[nombre.length()] == '=') {
        valor = arg.Mid(nombre.length() + 1);
    } else if (i + 1 < args.size()) {
        valor = args[++i];
    } else {
        error = wxString::FromUTF8("Falta el valor de la opción ") + nombre + ".";
        return false;
    }
    if (valor.empty()) {
        error = wxString::FromUTF8("El valor de la opción ") + nombre + wxString::FromUTF8(" está vacío.");
        return false;
    }
    return true;
}

bool EsOpcion(const wxString& arg, const wxString& nombre) {
    return arg == nombre || arg.StartsWith(nombre + "=");
}

bool LeerReal(const wxString& texto, double& valor) {
    return texto.Strip(wxString::both).ToCDouble(&valor) && std::isfinite(valor);
}
}  // namespace

bool COpcionesLineaComandos::Analizar(const wxArrayString& args, wxString& error) {
    bool opcionRender = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const wxString& arg = args[i];
        wxString valor;
        if (arg == "--silencioso") {
            silencioso = true;
        } else if (arg == "--ventana") {
            ventana = true;
        } else if (arg == "--cerrar-tras-mostrar") {
            cerrarTrasMostrar = true;
        } else if (EsOpcion(arg, "--datos")) {
            if (!TomarValor(args, i, "--datos", datos, error)) return false;
        } else if (EsOpcion(arg, "--salida")) {
            if (!TomarValor(args, i, "--salida", salida, error)) return false;
        } else if (EsOpcion(arg, "--mapa")) {
            if (!TomarValor(args, i, "--mapa", mapa, error)) return false;
            opcionRender = true;
        } else if (EsOpcion(arg, "--tamano")) {
            if (!TomarValor(args, i, "--tamano", valor, error) || !LeerTamano(valor, error)) return false;
            opcionRender = true;
        } else if (EsOpcion(arg, "--escala")) {
            if (!TomarValor(args, i, "--escala", valor, error) || !LeerEscala(valor, error)) return false;
            opcionRender = true;
        } else if (EsOpcion(arg, "--extension")) {
            if (!TomarValor(args, i, "--extension", valor, error) || !LeerExtension(valor, error))
                return false;
            opcionRender = true;
        } else {
            error = wxString::FromUTF8("Opción desconocida: ") + arg;
            return false;
        }
    }
    if (opcionRender && salida.empty()) {
        error = wxString::FromUTF8("Las opciones --mapa, --tamano, --escala y --extension necesitan --salida.");
        return false;
    }
    return true;
}

bool COpcionesLineaComandos::LeerTamano(const wxString& valor, wxString& error) {
    long a = 0, b = 0;
    const wxString textoAncho = valor.BeforeFirst('x');
    const wxString textoAlto = valor.AfterFirst('x');
    if (!textoAncho.ToLong(&a) || !textoAlto.ToLong(&b) || a <= 0 || b <= 0 || a > 20000 || b > 20000) {
        error = wxString::FromUTF8("Tamaño no válido (AxB, en píxeles, hasta 20000): ") + valor;
        return false;
    }
    ancho = static_cast<int>(a);
    alto = static_cast<int>(b);
    return true;
}

bool COpcionesLineaComandos::LeerEscala(const wxString& valor, wxString& error) {
    if (!LeerReal(valor, escala) || escala <= 0) {
        error = wxString::FromUTF8("Escala no válida: ") + valor;
        return false;
    }
    return true;
}

bool COpcionesLineaComandos::LeerExtension(const wxString& valor, wxString& error) {
    const wxArrayString partes = wxSplit(valor, ',', '\0');
    double v[4];
    bool correcta = partes.size() == 4;
    for (size_t k = 0; correcta && k < 4; ++k) correcta = LeerReal(partes[k], v[k]);
    if (!correcta || v[0] >= v[2] || v[1] >= v[3]) {
        error = wxString::FromUTF8("Extensión no válida (XMIN,YMIN,XMAX,YMAX con XMIN < XMAX e YMIN < YMAX): ") + valor;
        return false;
    }
    xmin = v[0];
    ymin = v[1];
    xmax = v[2];
    ymax = v[3];
    hayExtension = true;
    return true;
}

wxString COpcionesLineaComandos::GetUso() {
    return wxString::FromUTF8(
        "Uso: vaq [--datos DIR] [--silencioso] [--ventana]\n"
        "         [--mapa TEMA --salida FICHERO.png [--tamano AxB] [--escala N]\n"
        "          [--extension XMIN,YMIN,XMAX,YMAX]]\n");
}
