#pragma once
// A spatial index of the records of one shapefile: a packed R-tree of their
// boxes, built once from all of them and never changed.
//
// The boxes are sorted along a Hilbert curve through their centres and
// packed 16 to a node, bottom-up, so that the tree is full and its shape
// follows from the number of boxes alone: the nodes are one array (leaves
// first, then each level above, the root last) and hold no pointers. A
// query visits only the nodes whose box meets the rectangle asked about.
//
// Boxes are kept in single precision, rounded outward (each holds the box it
// was given), so the index finds every record whose box meets a rectangle,
// and at most records that come within that rounding of it.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "CRectangulo.h"

class CIndiceEspacial {
public:
    // A box and its record (a leaf) or the union of its children's boxes.
    struct Nodo {
        float x1, y1, x2, y2;
        std::uint32_t registro;  // leaves only
    };

    // The leaf of a record, its box rounded outward; false (and no leaf)
    // for a box that holds nothing (NaN or minimum above maximum).
    static bool Hoja(unsigned int registro, const CRectangulo& caja, Nodo& hoja);
    // Nodes an index of that many leaves takes: reserving them for the
    // leaves spares a second copy of them when the tree is packed.
    static std::size_t NodosPara(std::size_t numHojas);

    // Packs the leaves (records in any order, each at most once).
    explicit CIndiceEspacial(std::vector<Nodo> hojas);
    // An index packed before (Nodos() of one with `numHojas` leaves), as read
    // back from a cache: null unless it has the shape that number of leaves
    // gives, every leaf names a record below `numRegistros` and every node's
    // box holds its children's, so that a query on it is as sound as on the
    // index it was taken from.
    static std::unique_ptr<CIndiceEspacial> DeNodos(std::size_t numHojas, std::vector<Nodo> nodos,
                                                    unsigned int numRegistros);
    CIndiceEspacial(const CIndiceEspacial&) = delete;
    CIndiceEspacial& operator=(const CIndiceEspacial&) = delete;

    // The records whose box meets the rectangle (closed), in increasing
    // order, into `registros` (emptied first).
    void Consulta(const CRectangulo& rectangulo, std::vector<unsigned int>& registros) const;

    std::size_t NumHojas() const { return numHojas; }
    // The packed tree: leaves first, then each level above, the root last.
    const std::vector<Nodo>& Nodos() const { return nodos; }

private:
    static constexpr std::size_t kHijos = 16;

    // Sorts the leaves along the Hilbert curve, in place.
    void OrdenaHojas();
    CIndiceEspacial() = default;
    // Builds each level above the leaves from the one below.
    void Empaqueta();
    // Where each level starts, from the number of leaves alone.
    void CalculaNiveles();
    // Whether every parent's box holds its children's boxes.
    bool CajasAnidadas() const;
    void Visita(std::size_t nivel, std::size_t nodo, const CRectangulo& rectangulo,
                std::vector<unsigned int>& registros) const;

    std::size_t numHojas = 0;
    std::vector<std::size_t> inicioNivel;  // the last entry is the total of nodes
    std::vector<Nodo> nodos;
};
