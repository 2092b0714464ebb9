# corvanta-setup-VERSION.exe, made with NSIS from corvanta.nsi as part of
# the Windows build (target windows_installer), with the shipped program.
find_program(CORVANTA_MAKENSIS makensis)
if(NOT CORVANTA_MAKENSIS)
  message(STATUS "makensis not found (Debian package nsis): no Windows installer")
  return()
endif()

set(CORVANTA_INSTALLER ${CMAKE_BINARY_DIR}/corvanta-setup-${PROJECT_VERSION}.exe)
add_custom_command(OUTPUT ${CORVANTA_INSTALLER}
  COMMAND ${CORVANTA_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DPUBLISHER=${CORVANTA_PUBLISHER}
          -DPROGRAM=${CORVANTA_SHIPPED_PROGRAM} -DICON=${CMAKE_SOURCE_DIR}/resources/corvanta.ico
          -DOUTFILE=${CORVANTA_INSTALLER} ${CMAKE_CURRENT_SOURCE_DIR}/corvanta.nsi
  DEPENDS ${CORVANTA_SHIPPED_PROGRAM} ${CMAKE_CURRENT_SOURCE_DIR}/corvanta.nsi
          ${CMAKE_SOURCE_DIR}/resources/corvanta.ico
  COMMENT "Making the installer ${CORVANTA_INSTALLER}"
  VERBATIM)
add_custom_target(windows_installer ALL DEPENDS ${CORVANTA_INSTALLER})
# The stripping runs once, in its own target, before the installer's.
add_dependencies(windows_installer shipped_corvanta)
