#pragma once
#include "CCoordenadas.h"

// A coordinate with a third component. Geometry code keeps in z the result of
// a two-dimensional cross product, and sums of such results (polygon areas).
class CCoord3d : public CCoordenadas {
public:
    double z = 0.0;

    CCoord3d() = default;
    CCoord3d(double x, double y, double z);
    CCoord3d(const CCoord3d& otra) = default;
    explicit CCoord3d(const CCoord3d* otra);  // null gives (0, 0, 0)
    CCoord3d& operator=(const CCoord3d& otra) = default;
    CCoord3d& operator=(const CCoord3d* otra);  // null leaves it unchanged

    CCoord3d& SetCoordenadas(double nx, double ny, double nz);
    CCoord3d operator+(const CCoord3d& otra) const;
    bool operator==(const CCoord3d& otra) const;
    bool operator!=(const CCoord3d& otra) const { return !(*this == otra); }
};
