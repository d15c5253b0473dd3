// The committed inputs of the theme fuzz target (seeds and reproducers of
// faults found) load and paint without a fault.
#include "FuzzObjetivos.h"
#include "ReproducirFuzz.h"

#include <gtest/gtest.h>

TEST(FuzzReproduccion, ThemeInputs) {
    EXPECT_GT(ReproducirFuzz("Tema", FuzzTema), 0);
}
