// Prints "WIDTH HEIGHT COLOURS" of a picture file (COLOURS: how many distinct
// colours it has), for the package test to check a picture from a script.
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>
#include <cstdio>
#include <unordered_set>

int main(int argc, char** argv) {
    wxInitializer toolkit;
    if (argc != 2 || !toolkit.IsOk()) return 2;
    wxInitAllImageHandlers();
    wxLogNull sinRegistro;
    wxImage imagen;
    if (!imagen.LoadFile(wxString::FromUTF8(argv[1]))) return 1;
    std::unordered_set<unsigned long> colores;
    const unsigned char* rgb = imagen.GetData();
    const long pixeles = static_cast<long>(imagen.GetWidth()) * imagen.GetHeight();
    for (long i = 0; i < pixeles; ++i, rgb += 3)
        colores.insert((static_cast<unsigned long>(rgb[0]) << 16) | (rgb[1] << 8) | rgb[2]);
    std::printf("%d %d %zu\n", imagen.GetWidth(), imagen.GetHeight(), colores.size());
    return 0;
}
