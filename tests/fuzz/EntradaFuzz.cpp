// libFuzzer's entry point for one target, named by VAQ_FUZZ_FUNCION.
#include "FuzzObjetivos.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    return VAQ_FUZZ_FUNCION(datos, tamano);
}
