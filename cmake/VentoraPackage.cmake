# The Debian package: what the install adds beside the programs (manual pages,
# software-centre metadata, the job files' MIME type, examples, copyright and
# changelog) and CPack's DEB settings. `make package` configures a release
# with the prefix /usr and runs CPack (packaging/build-package).
set(VENTORA_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(_generated ${PROJECT_BINARY_DIR}/packaging)

# Debian wants manual pages and the changelog compressed, without a time stamp
# (gzip -n) so that two builds give the same package.
find_program(VENTORA_GZIP gzip REQUIRED)
set(_compressed)
foreach(_file ventora.1 ventora-run.1 changelog)
  set(_source ${VENTORA_PACKAGING_DIR}/${_file})
  add_custom_command(OUTPUT ${_generated}/${_file}.gz
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${_generated}
                     COMMAND ${VENTORA_GZIP} -9nc ${_source} > ${_generated}/${_file}.gz
                     DEPENDS ${_source} VERBATIM)
  list(APPEND _compressed ${_generated}/${_file}.gz)
endforeach()
add_custom_target(ventora_package_files ALL DEPENDS ${_compressed})

install(FILES ${_generated}/ventora.1.gz ${_generated}/ventora-run.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${_generated}/changelog.gz ${VENTORA_PACKAGING_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${VENTORA_PACKAGING_DIR}/io.github.ventora.Ventora.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${VENTORA_PACKAGING_DIR}/ventora-job.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ventora.xml)
install(FILES ${PROJECT_SOURCE_DIR}/examples/low-house.in ${PROJECT_SOURCE_DIR}/examples/office-block.in
              ${PROJECT_SOURCE_DIR}/examples/district.py ${PROJECT_SOURCE_DIR}/examples/parametric.py
        DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

# The browser edition, built with its own toolchain (the web preset) into
# VENTORA_WEB_PAGE, which packaging/build-package sets: the page for a
# static host and ventora.html, in share/ventora/web.
set(VENTORA_WEB_PAGE "" CACHE PATH "A built browser edition to install (its build/web folder)")
if(VENTORA_WEB_PAGE)
  install(DIRECTORY ${VENTORA_WEB_PAGE}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/ventora/web
          FILES_MATCHING PATTERN "*.html" PATTERN "*.css" PATTERN "*.js" PATTERN "*.wasm")
endif()

# The metadata and manual pages checked by the tools that judge them.
add_test(NAME package.metadata
         COMMAND bash ${PROJECT_SOURCE_DIR}/tests/package/metadata_test.sh ${PROJECT_SOURCE_DIR}
                 $<TARGET_FILE:ventora-run> ${PROJECT_VERSION})
set_tests_properties(package.metadata PROPERTIES SKIP_RETURN_CODE 77)

set(CPACK_PACKAGE_NAME ventora)
set(CPACK_PACKAGE_VENDOR "Ventora developers")
set(CPACK_PACKAGE_CONTACT "Ventora developers <ventora@users.noreply.github.com>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "wind pressure coefficients on buildings among buildings")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Ventora computes wind pressure coefficients (Cp) on the facades and roof of a
rectangular building standing among other buildings, for airflow network and
building energy models (EnergyPlus, CONTAM, Modelica).
.
The package holds the desktop program, the command-line runner ventora-run
with its batch mode and exports, the Python module ventora (NumPy in and out),
the browser edition (a page that needs no install), the user guide and examples.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/ventora/ventora")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Python module's extension is built for one python3 version; NumPy is what
# it hands its arrays in.
if(VENTORA_PYTHON_EXECUTABLE)
  execute_process(COMMAND ${VENTORA_PYTHON_EXECUTABLE} -c
                          "import sys; print(f'{sys.version_info[0]}.{sys.version_info[1]}')"
                  OUTPUT_VARIABLE _python OUTPUT_STRIP_TRAILING_WHITESPACE)
  string(REGEX REPLACE "^3\\." "" _minor "${_python}")
  math(EXPR _next "${_minor} + 1")
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "python3 (>= ${_python}), python3 (<< 3.${_next}), python3-numpy")
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${VENTORA_PACKAGING_DIR}/prerm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
