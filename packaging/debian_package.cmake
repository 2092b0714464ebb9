# corvanta-solve for Debian: the shipped tool and its manual page (made from its
# --help by help2man), installed under any prefix by `cmake --install`, and
# packed by CPack's DEB generator (`cmake --build . --target package`) into
# corvanta-solve_VERSION_ARCH.deb with the libraries it needs declared.
include(GNUInstallDirs)

install(PROGRAMS ${CORVANTA_SHIPPED_SOLVE} DESTINATION ${CMAKE_INSTALL_BINDIR})

find_program(CORVANTA_HELP2MAN help2man)
if(CORVANTA_HELP2MAN)
  set(manual ${CMAKE_CURRENT_BINARY_DIR}/corvanta-solve.1)
  add_custom_command(OUTPUT ${manual}.gz
    COMMAND ${CORVANTA_HELP2MAN} --no-info --section=1
            "--name=find the change gears for hobbing a helical gear without a differential"
            --include=${CMAKE_CURRENT_SOURCE_DIR}/corvanta-solve.h2m
            --output=${manual} $<TARGET_FILE:corvanta-solve>
    COMMAND gzip -9nf ${manual}
    DEPENDS corvanta-solve ${CMAKE_CURRENT_SOURCE_DIR}/corvanta-solve.h2m
    COMMENT "Writing the manual page of corvanta-solve"
    VERBATIM)
  add_custom_target(corvanta_solve_manual ALL DEPENDS ${manual}.gz)
  install(FILES ${manual}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(WARNING "help2man not found (Debian package help2man): no manual page")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvanta-solve)
set(CPACK_PACKAGE_VENDOR ${CORVANTA_PUBLISHER})
set(CPACK_PACKAGE_CONTACT "${CORVANTA_PUBLISHER} <support@corvanta.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "change gears for hobbing a helical gear without a differential")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "corvanta-solve finds the index and feed change-gear trains with which a gear"
  "hobbing machine whose differential is locked out, or which has none, hobs a"
  "helical gear, from the gears a shop owns. It runs the search of the Corvanta"
  "window without the window, for planners and scripts, and prints the results"
  "as text or JSON, or a result's set-up sheet as PDF.")
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE architecture
                OUTPUT_STRIP_TRAILING_WHITESPACE)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${architecture})
set(CPACK_DEBIAN_FILE_NAME corvanta-solve_${PROJECT_VERSION}_${architecture}.deb)
set(CORVANTA_DEBIAN_PACKAGE ${CMAKE_BINARY_DIR}/${CPACK_DEBIAN_FILE_NAME})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Opened at run time when a sheet is written, so not among the libraries
# the tool is linked with, which the line above declares.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcairo2, libfontconfig1")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
