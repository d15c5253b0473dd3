#include "wxMapEvent.h"

#include <gtest/gtest.h>
#include <set>

namespace {

// The fixed numbers are shared with other programs; the types allocated at
// start-up must not collide with them nor with each other.
TEST(MapEvent, FixedNumbersAndDistinctTypes) {
    const std::pair<wxEventType, int> fijos[] = {{wxEVT_MAP_NUEVO_PUNTO, 13006},      {wxEVT_MAP_FIN_LINEA, 13007},
                                                 {wxEVT_MAP_MEDIR_DISTANCIA, 13008},  {wxEVT_MAP_MEDIR_SUPERFICIE, 13009},
                                                 {wxEVT_MAP_CAMBIO_EXTENSION, 13022}, {wxEVT_MAP_NUEVA_ESCALA, 13040}};
    std::set<wxEventType> todos;
    for (const auto& [tipo, numero] : fijos) {
        EXPECT_EQ(tipo, numero);
        todos.insert(tipo);
    }
    for (wxEventType tipo : std::initializer_list<wxEventType>{wxEVT_MAP_XY_POS, wxEVT_MAP_END_DRAW, wxEVT_CERRAR_MEDICIONES,
                             wxEVT_LOCALIZAR_ELEMENT_BUSQUEDA, wxEVT_CERRAR_VENTANA, wxEVT_POSICIONAR_PANELMAPA,
                             EVT_TRACKER_CHANGING, EVT_TRACKER_CHANGED, EVT_BMPTRACKER_CHANGING, EVT_BMPTRACKER_CHANGED}) {
        EXPECT_GT(tipo, wxEVT_FIRST);
        EXPECT_TRUE(todos.insert(tipo).second) << "type " << tipo << " is used twice";
    }
    EXPECT_LT(wxNewEventType(), 13006);  // later types stay clear of the fixed ones
}

}  // namespace
