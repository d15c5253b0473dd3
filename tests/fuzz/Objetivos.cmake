# Fuzz targets, as Name:folder. Each has tests/fuzz/Fuzz<Name>.cpp defining
# Fuzz<Name>(data, size) (declared in FuzzObjetivos.h), a seed corpus in
# tests/fuzz/corpus/<Name>/ and its reproducers in
# tests/fuzz/reproductores/<Name>/. The folder's test executable compiles the
# target in and replays both (tests/<folder>/FuzzReproduccionTest.cpp); the
# fuzz build (scripts/fuzz.sh) makes it the executable fuzz_<Name>, linked
# with vaq_<folder>.
set(VAQ_FUZZ_OBJETIVOS Shape:shape Dbf:shape Tema:proyecto Busqueda:db)
