#pragma once
// Inverse UTM projection on the International 1924 ellipsoid (the atlas'
// ED50 coordinates), in the closed form of Coticchia and Surace: from a map
// position in metres to latitude and longitude in degrees, minutes and
// seconds. Within a UTM zone it agrees with the exact inverse to a few
// centimetres.
#include <wx/string.h>

class CConversor {
public:
    // One angle split with truncation toward zero: for a negative angle all
    // three parts are negative or zero.
    struct GradMinSeg {
        int grados = 0;
        int minutos = 0;
        double segundos = 0.0;
        // The angle in decimal degrees.
        double EnGrados() const;
    };

    void SetXUTM(double x) { m_x = x; }
    void SetYUTM(double y) { m_y = y; }
    void SetUso(int zona) { m_zona = zona; }
    void SetHemisferio(char hemisferio) { m_hemisferio = hemisferio; }

    // Converts the stored position. It works on the stored coordinates in
    // place (the false easting and, in the south, the false northing are
    // taken off them): set X and Y again before converting again.
    void ConvertirUtmToGeografica(GradMinSeg* latitud, GradMinSeg* longitud);

    static GradMinSeg Dividir(double grados);

    // Readout texts: degrees, minutes and seconds (four decimals) of the
    // angle's size, then the side of the equator or of Greenwich: " N" or
    // " S", " E" or " O".
    static wxString TextoLatitud(const GradMinSeg& latitud);
    static wxString TextoLongitud(const GradMinSeg& longitud);

private:
    double m_x = 0.0;
    double m_y = 0.0;
    int m_zona = 30;
    char m_hemisferio = 'N';
};
