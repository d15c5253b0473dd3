#pragma once
// Ownership of the classes (representations) held in classification lists.
//
// A representation may sit in the lists of two classifications at once (a
// layer holder shares the loader's classes instead of copying them), and the
// same one may even appear twice in one list. So no list owns its elements
// alone: when a classification goes, it frees those of its representations
// that no other live classification's list still holds. Every element put
// into such a list must therefore be created with new, and nobody else
// deletes it. Single GUI thread: no locking.
class wxList;

class CPropiedadRepresentaciones {
public:
    // A classification's list starts or ends its life.
    static void Registrar(const wxList* lista);
    // Unregisters `lista` and deletes its elements held by no other
    // registered list (each once, however often it appears).
    static void Liberar(wxList* lista);
};
