// The committed inputs of the gazetteer fuzz target (seeds and reproducers
// of faults found) run their queries without a fault.
#include "FuzzObjetivos.h"
#include "ReproducirFuzz.h"

#include <gtest/gtest.h>

TEST(FuzzReproduccion, GazetteerInputs) {
    EXPECT_GT(ReproducirFuzz("Busqueda", FuzzBusqueda), 0);
}
