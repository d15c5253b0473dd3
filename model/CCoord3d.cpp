#include "CCoord3d.h"

CCoord3d::CCoord3d(double nx, double ny, double nz) : CCoordenadas(nx, ny), z(nz) {}

CCoord3d::CCoord3d(const CCoord3d* otra) {
    if (otra) *this = *otra;
}

CCoord3d& CCoord3d::operator=(const CCoord3d* otra) {
    if (otra) *this = *otra;
    return *this;
}

CCoord3d& CCoord3d::SetCoordenadas(double nx, double ny, double nz) {
    x = nx;
    y = ny;
    z = nz;
    return *this;
}

CCoord3d CCoord3d::operator+(const CCoord3d& otra) const {
    return CCoord3d(x + otra.x, y + otra.y, z + otra.z);
}

bool CCoord3d::operator==(const CCoord3d& otra) const {
    return x == otra.x && y == otra.y && z == otra.z;
}
