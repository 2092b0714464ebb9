# corvanta_shipped_file(TARGET VARIABLE): the target's file as it ships, in
# the build tree's folder shipped/: stripped, with its debug information in
# NAME.debug beside it, which it names for debuggers (a GNU debuglink). The
# build tree keeps the unstripped file, which the tests run. VARIABLE gets
# the shipped file's path.
function(corvanta_shipped_file target variable)
  set(folder ${CMAKE_BINARY_DIR}/shipped)
  set(file ${folder}/${target}${CMAKE_EXECUTABLE_SUFFIX})
  add_custom_command(OUTPUT ${file} ${file}.debug
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> ${file}.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=${file}.debug
            $<TARGET_FILE:${target}> ${file}
    DEPENDS ${target}
    COMMENT "Stripping ${target} into ${file}"
    VERBATIM)
  add_custom_target(shipped_${target} ALL DEPENDS ${file})
  set(${variable} ${file} PARENT_SCOPE)
endfunction()
