# Small helpers shared by every folder's CMakeLists.

# The staged installation tree of the cross build: the folder layout a real installation has.
#   stage/Vantrel_PairingTool.exe, stage/data/...            stand-alone pairing tool
#   stage/Tandra_Technology.exe, stage/DLL/DLL_Hidora.dll     host and its device-access library
#   stage/Data/Tandra_Technology/Forms/<plug-in>/...          plug-ins, skin library, texts
set(SUITE_STAGE_DIR ${CMAKE_BINARY_DIR}/stage)
set(SUITE_FORMS_DIR ${SUITE_STAGE_DIR}/Data/Tandra_Technology/Forms)
set(SUITE_WINE_RUN ${PROJECT_SOURCE_DIR}/scripts/wine-run.sh)

# suite_stage(<target> <folder below stage/>): copy the built file into the staged tree.
function(suite_stage target subdir)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${SUITE_STAGE_DIR}/${subdir}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${target}> ${SUITE_STAGE_DIR}/${subdir}/
    VERBATIM)
endfunction()

# suite_windows_dll(<target> <def file>): a DLL whose exports are the undecorated names of the .def file.
function(suite_windows_dll target deffile)
  target_sources(${target} PRIVATE ${deffile})
  set_target_properties(${target} PROPERTIES PREFIX "" SUFFIX ".dll")
  target_link_options(${target} PRIVATE -Wl,--kill-at)
endfunction()

# suite_wine_test(NAME <name> COMMAND <exe or target> [args...] [WORKING_DIRECTORY <dir>]):
# a test that runs a Windows program under Wine through scripts/wine-run.sh. Such tests share one
# wineserver inside a session, so they never run in parallel.
function(suite_wine_test)
  cmake_parse_arguments(T "" "NAME;WORKING_DIRECTORY" "COMMAND;LABELS" ${ARGN})
  list(POP_FRONT T_COMMAND exe)
  if(TARGET ${exe})
    set(exe $<TARGET_FILE:${exe}>)
  endif()
  if(NOT T_WORKING_DIRECTORY)
    set(T_WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  endif()
  add_test(NAME ${T_NAME} COMMAND ${SUITE_WINE_RUN} ${exe} ${T_COMMAND}
           WORKING_DIRECTORY ${T_WORKING_DIRECTORY})
  set_tests_properties(${T_NAME} PROPERTIES RUN_SERIAL TRUE LABELS "wine;${T_LABELS}" TIMEOUT 300)
endfunction()

# suite_portable_library(<name> <folder>): a static library of the portable C++17 sources (*.cpp)
# directly in <folder>; built in every tree and unit-tested natively.
function(suite_portable_library name folder)
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  if(NOT sources)
    set(sources ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  # The unit tests link every portable library (tests/unit/CMakeLists.txt).
  set_property(GLOBAL APPEND PROPERTY SUITE_PORTABLE_LIBRARIES ${name})
endfunction()
