# Read by cpack before it builds the Debian package: the package depends on
# what the program's binary needs, as dpkg-shlibdeps computes it. (CPack's own
# way runs `file` on each of the package's thousand files first, which takes
# longer than everything else together.)
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
find_program(VAQ_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT VAQ_DPKG_SHLIBDEPS)
  message(FATAL_ERROR "dpkg-shlibdeps (package dpkg-dev) is needed to compute the dependencies")
endif()
# dpkg-shlibdeps wants to run in a source tree: an empty debian/control will do.
set(arbol "${CPACK_PACKAGE_DIRECTORY}/_CPack_Packages/dependencias")
file(MAKE_DIRECTORY "${arbol}/debian")
file(TOUCH "${arbol}/debian/control")
execute_process(COMMAND "${VAQ_DPKG_SHLIBDEPS}" -O --warnings=0 "${CPACK_VAQ_EJECUTABLE}"
  WORKING_DIRECTORY "${arbol}"
  RESULT_VARIABLE resultado OUTPUT_VARIABLE salida ERROR_VARIABLE errores)
file(REMOVE_RECURSE "${arbol}")
if(NOT resultado EQUAL 0 OR NOT salida MATCHES "shlibs:Depends=([^\n]+)")
  message(FATAL_ERROR "dpkg-shlibdeps failed on ${CPACK_VAQ_EJECUTABLE}:\n${errores}${salida}")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}")
