# The layer check: cmake -DROOT=<source folder> -P cmake/check_layers.cmake
#
# The code's folders are layers, bottom to top:
#   1 numeric   2 settings, search   3 results   4 print, advice   5 window_model
#   6 app, tools   7 fuzz (the fuzz targets, which reach into any layer but
#   the Windows program)
# A file may include its own folder and the folders of lower layers, never a
# higher layer or a sibling of its own layer. resources/resource.h (the
# controls' and menus' identifiers) belongs to the window: layer 5 and up
# and the tests may include it. A test area (tests/<folder>) may include
# what its folder may, itself and tests/support; tests/support serves every
# area up to the window model. Windows headers appear only in app/, in the
# Windows halves named win32_*, and in the Windows tests of tests/app/. A
# CMakeLists.txt names only sources of its own folder (and files it writes
# into its own build folder).
# Every breach is printed; any breach fails the check.
cmake_minimum_required(VERSION 3.25)
if(NOT ROOT)
  get_filename_component(ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
endif()

set(layer_numeric 1)
set(layer_settings 2)
set(layer_search 2)
set(layer_results 3)
set(layer_print 4)
set(layer_advice 4)
set(layer_window_model 5)
set(layer_app 6)
set(layer_tools 6)
set(layer_fuzz 7)
set(layer_support 6)  # tests/support: up to the window model, not app/ or tools/
set(code_folders numeric settings search results print advice window_model app tools fuzz)
set(windows_headers windows.h windowsx.h commctrl.h commdlg.h winspool.h shlobj.h shellapi.h
    process.h winuser.h wingdi.h)

function(breach text)
  set_property(GLOBAL APPEND PROPERTY layer_breaches "${text}")
endfunction()

# May a file of `area` (a code folder, or "support") include folder `target`?
function(may_include area target in_tests out)
  set(result FALSE)
  if(target STREQUAL area)
    set(result TRUE)
  elseif(target STREQUAL "resources")
    if(in_tests OR layer_${area} GREATER_EQUAL 5)
      set(result TRUE)
    endif()
  elseif(target IN_LIST code_folders)
    if(layer_${target} LESS layer_${area} AND NOT target STREQUAL "app" AND
       NOT (area STREQUAL "support" AND layer_${target} EQUAL 6))
      set(result TRUE)
    endif()
  endif()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE "${ROOT}" LIST_DIRECTORIES FALSE
     "${ROOT}/numeric/*" "${ROOT}/settings/*" "${ROOT}/search/*" "${ROOT}/results/*"
     "${ROOT}/print/*" "${ROOT}/advice/*" "${ROOT}/window_model/*" "${ROOT}/app/*" "${ROOT}/tools/*" "${ROOT}/fuzz/*"
     "${ROOT}/tests/*")
list(FILTER sources INCLUDE REGEX "\\.(cpp|h)$")

foreach(file IN LISTS sources)
  string(REPLACE "/" ";" parts "${file}")
  list(GET parts 0 top)
  set(in_tests FALSE)
  set(area "${top}")
  if(top STREQUAL "tests")
    set(in_tests TRUE)
    list(GET parts 1 area)
  endif()
  get_filename_component(name "${file}" NAME)
  set(windows_allowed FALSE)
  if(area STREQUAL "app" OR name MATCHES "^win32_")
    set(windows_allowed TRUE)
  endif()

  file(STRINGS "${ROOT}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*$" "\\1" header "${line}")
    if(line MATCHES "#[ \t]*include[ \t]*<")
      get_filename_component(header_name "${header}" NAME)
      string(TOLOWER "${header_name}" header_name)
      if(header_name IN_LIST windows_headers AND NOT windows_allowed)
        breach("${file}: Windows header <${header}> outside the Windows halves")
      endif()
      continue()
    endif()
    string(REPLACE "/" ";" header_parts "${header}")
    list(LENGTH header_parts depth)
    if(depth LESS 2)
      breach("${file}: \"${header}\" is not named from the repository root")
      continue()
    endif()
    list(GET header_parts 0 target)
    if(target STREQUAL "tests")
      list(GET header_parts 1 test_folder)
      if(NOT in_tests OR NOT (test_folder STREQUAL "support" OR test_folder STREQUAL area))
        breach("${file}: includes the tests' \"${header}\"")
      endif()
      continue()
    endif()
    if(NOT target IN_LIST code_folders AND NOT target STREQUAL "resources")
      breach("${file}: \"${header}\" is in no layer")
      continue()
    endif()
    may_include("${area}" "${target}" ${in_tests} allowed)
    if(NOT allowed)
      breach("${file}: \"${header}\" is not below ${area}/")
    endif()
  endforeach()
endforeach()

# Every CMakeLists.txt builds only from its own folder.
file(GLOB_RECURSE lists RELATIVE "${ROOT}" "${ROOT}/CMakeLists.txt" "${ROOT}/*/CMakeLists.txt")
list(FILTER lists EXCLUDE REGEX "^build")
foreach(list_file IN LISTS lists)
  file(READ "${ROOT}/${list_file}" text)
  string(REGEX MATCHALL "[^ \t\r\n()\"]+\\.(cpp|cc|c|h|rc)([ \t\r\n)\"]|$)" named "${text}")
  foreach(source IN LISTS named)
    string(REGEX REPLACE "[ \t\r\n)\"]$" "" source "${source}")
    if(source MATCHES "^\\$\\{CMAKE_CURRENT_BINARY_DIR\\}/")
      continue()  # written by the build
    endif()
    if(source MATCHES "[/\\$]")
      breach("${list_file}: names ${source}, outside its own folder")
    endif()
  endforeach()
endforeach()

get_property(breaches GLOBAL PROPERTY layer_breaches)
if(breaches)
  list(JOIN breaches "\n" report)
  message(FATAL_ERROR "Layer check failed:\n${report}")
endif()
message(STATUS "Layer check passed")
