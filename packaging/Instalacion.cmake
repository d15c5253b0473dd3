# Installation (cmake --install, with DESTDIR and a prefix) and the Debian
# package (cpack), which installs the same files under /usr.
#
# Layout under the prefix:
#   libexec/vaq/vaq                 the program
#   libexec/vaq/{ico,cursor,BD,Ayuda}  links to share/vaq/...: the program
#                                   finds its application directory through
#                                   /proc/self/exe and reads these beside it
#   bin/vaq                         link to libexec/vaq/vaq, the command on
#                                   the PATH
#   share/vaq/{ico,cursor,BD,Ayuda} pictures, cursors, gazetteer and help
#   share/vaq/atlas                 the sample atlas, only ever read
#   share/applications/vaq.desktop  the menu entry
#   share/icons/hicolor/{48x48,256x256}/apps/vaq.png
#   share/doc/vaq                   copyright, changelog.gz, FUENTES.txt
#   share/man/man1/vaq.1.gz
#   share/lintian/overrides/vaq     lintian's warnings that do not apply
# Every link is relative, so the tree works under any prefix and unpacked
# anywhere.
include(GNUInstallDirs)

set(VAQ_DIR_APLICACION ${CMAKE_INSTALL_LIBEXECDIR}/vaq)
set(VAQ_DIR_COMPARTIDO ${CMAKE_INSTALL_DATADIR}/vaq)
set(VAQ_DIR_DOCUMENTACION ${CMAKE_INSTALL_DATADIR}/doc/vaq)
foreach(dir CMAKE_INSTALL_BINDIR CMAKE_INSTALL_LIBEXECDIR CMAKE_INSTALL_DATADIR CMAKE_INSTALL_MANDIR)
  if(IS_ABSOLUTE "${${dir}}")
    message(FATAL_ERROR "${dir} must be relative to the installation prefix")
  endif()
endforeach()

# vaq_ruta_relativa(var from to): the path from one directory under the
# prefix to another, as a relative link or lookup needs it.
function(vaq_ruta_relativa var desde hasta)
  file(RELATIVE_PATH ruta /prefijo/${desde} /prefijo/${hasta})
  set(${var} ${ruta} PARENT_SCOPE)
endfunction()

# The data directory chooser opens on the installed atlas, found from the
# application directory.
vaq_ruta_relativa(atlas_desde_aplicacion ${VAQ_DIR_APLICACION} ${VAQ_DIR_COMPARTIDO}/atlas)
target_compile_definitions(vaq_app PUBLIC VAQ_ATLAS_DESDE_APLICACION="${atlas_desde_aplicacion}")

set(VAQ_FUENTES_PAQUETE ${CMAKE_SOURCE_DIR}/packaging)
set(VAQ_GENERADOS_PAQUETE ${CMAKE_BINARY_DIR}/packaging)

# Documentation compressed as Debian wants it: maximum compression, no name
# and no time stamp in the header.
set(documentos_comprimidos)
foreach(documento changelog vaq.1)
  set(comprimido ${VAQ_GENERADOS_PAQUETE}/${documento}.gz)
  add_custom_command(OUTPUT ${comprimido}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VAQ_GENERADOS_PAQUETE}
    COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${VAQ_FUENTES_PAQUETE}/${documento} ${comprimido}
    DEPENDS ${VAQ_FUENTES_PAQUETE}/${documento} VERBATIM)
  list(APPEND documentos_comprimidos ${comprimido})
endforeach()
add_custom_target(vaq_documentacion ALL DEPENDS ${documentos_comprimidos})

install(TARGETS vaq RUNTIME DESTINATION ${VAQ_DIR_APLICACION})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/app/ DESTINATION ${VAQ_DIR_COMPARTIDO}
        PATTERN .keep EXCLUDE)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/atlas DESTINATION ${VAQ_DIR_COMPARTIDO})
install(FILES ${VAQ_FUENTES_PAQUETE}/vaq.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${VAQ_FUENTES_PAQUETE}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${VAQ_FUENTES_PAQUETE}/copyright ${CMAKE_SOURCE_DIR}/data/atlas/FUENTES.txt
              ${VAQ_GENERADOS_PAQUETE}/changelog.gz
        DESTINATION ${VAQ_DIR_DOCUMENTACION})
install(FILES ${VAQ_GENERADOS_PAQUETE}/vaq.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${VAQ_FUENTES_PAQUETE}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME vaq)

# The links: (directory holding the link, link name, target under the prefix).
set(enlaces
  "${VAQ_DIR_APLICACION}|ico|${VAQ_DIR_COMPARTIDO}/ico"
  "${VAQ_DIR_APLICACION}|cursor|${VAQ_DIR_COMPARTIDO}/cursor"
  "${VAQ_DIR_APLICACION}|BD|${VAQ_DIR_COMPARTIDO}/BD"
  "${VAQ_DIR_APLICACION}|Ayuda|${VAQ_DIR_COMPARTIDO}/Ayuda"
  "${CMAKE_INSTALL_BINDIR}|vaq|${VAQ_DIR_APLICACION}/vaq")
foreach(enlace ${enlaces})
  string(REPLACE "|" ";" partes "${enlace}")
  list(GET partes 0 directorio)
  list(GET partes 1 nombre)
  list(GET partes 2 destino)
  vaq_ruta_relativa(relativo ${directorio} ${destino})
  install(CODE "
    set(enlace \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${directorio}/${nombre}\")
    message(STATUS \"Installing: \${enlace} -> ${relativo}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${directorio}\")
    file(REMOVE \"\${enlace}\")
    file(CREATE_LINK \"${relativo}\" \"\${enlace}\" SYMBOLIC)")
endforeach()

# The Debian package. Its version is the latest entry of the changelog.
file(STRINGS ${VAQ_FUENTES_PAQUETE}/changelog primera_linea LIMIT_COUNT 1)
string(REGEX REPLACE "^[^(]*\\(([^)]+)\\).*" "\\1" VAQ_VERSION "${primera_linea}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VAQ_FUENTES_PAQUETE}/changelog)

set(VAQ_MANTENEDOR "VAQ Vistral <vaq-vistral@users.noreply.example.org>"
    CACHE STRING "Maintainer of the Debian package (name <address>)")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vaq)
set(CPACK_PACKAGE_VERSION ${VAQ_VERSION})
set(CPACK_PACKAGE_CONTACT ${VAQ_MANTENEDOR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "school map viewer with a Spanish interface")
set(CPACK_PACKAGE_DESCRIPTION
  "VAQ Vistral shows thematic maps of one region (physical environment, human\n"
  "environment and the pupil's locality) full screen: zoom, pan, measure\n"
  "lengths and areas, identify features and search place names. A sample\n"
  "atlas of Andalucía is included and offered on the first start.")
string(CONCAT CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies are those of the binary, computed by dpkg-shlibdeps.
set(CPACK_PROJECT_CONFIG_FILE ${VAQ_FUENTES_PAQUETE}/CPackDependencias.cmake)
set(CPACK_VAQ_EJECUTABLE ${CMAKE_BINARY_DIR}/vaq)
# The help pages open in a web browser.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS firefox-esr)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_THREADS 0)
set(CPACK_STRIP_FILES ON)
include(CPack)
