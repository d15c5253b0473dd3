// The committed inputs of the shapefile and table fuzz targets (seeds and
// reproducers of faults found) run without a fault.
#include "FuzzObjetivos.h"
#include "ReproducirFuzz.h"

#include <gtest/gtest.h>

TEST(FuzzReproduccion, ShapefileAndTableInputs) {
    EXPECT_GT(ReproducirFuzz("Shape", FuzzShape), 0);
    EXPECT_GT(ReproducirFuzz("Dbf", FuzzDbf), 0);
}
