# Small helpers shared by every folder's CMakeLists.

# The staged installation tree of the cross build: the folder layout a real installation has.
#   stage/Vantrel_PairingTool.exe, stage/data/...            stand-alone pairing tool
#   stage/Tandra_Technology.exe, stage/DLL/DLL_Hidora.dll     host and its device-access library
#   stage/Data/Tandra_Technology/Forms/<plug-in>/...          plug-ins, skin library, texts
set(SUITE_STAGE_DIR ${CMAKE_BINARY_DIR}/stage)
set(SUITE_FORMS_DIR ${SUITE_STAGE_DIR}/Data/Tandra_Technology/Forms)
set(SUITE_WINE_RUN ${PROJECT_SOURCE_DIR}/scripts/wine-run.sh)

# suite_stage(<target> <folder below stage/>): copy the built file into the staged tree.
# A staged program or DLL also gets its version resource (see _suite_add_version_resource below).
function(suite_stage target subdir)
  get_target_property(type ${target} TYPE)
  if(WIN32 AND type MATCHES "^(EXECUTABLE|SHARED_LIBRARY)$")
    # Deferred to the end of the calling folder, with the target name baked into the call.
    cmake_language(EVAL CODE
      "cmake_language(DEFER CALL _suite_add_version_resource [[${target}]])")
    # Release files carry no symbol table and no debug sections (the static C++ runtime alone brings
    # about a megabyte of them into every file); the installed suite is half the size without them.
    target_link_options(${target} PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)
    # Our terminate handler in place of the runtime's, which links a demangler into every file.
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/framework/runtime/terminate_handler.cpp)
  endif()
  # The installer packs every staged deliverable (release/CMakeLists.txt).
  set_property(GLOBAL APPEND PROPERTY SUITE_STAGED_TARGETS ${target})
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

# ------------------------------------------------------------------------------------------------
# Version resources. The suite has one version number, kept in /VERSION; every staged program and
# DLL carries it in its version resource, and the installer and the host's version label read the
# same file. suite_stage() adds the resource, so a deliverable gets it without any line of its own.
set(SUITE_PRODUCT "Tandra Technology")
set(SUITE_COMPANY "Tandra Technology")
set(SUITE_COPYRIGHT "Copyright (C) Tandra Technology. All rights reserved.")
file(STRINGS ${PROJECT_SOURCE_DIR}/VERSION SUITE_VERSION LIMIT_COUNT 1)
string(STRIP "${SUITE_VERSION}" SUITE_VERSION)
if(NOT SUITE_VERSION MATCHES "^[0-9]+(\\.[0-9]+)?(\\.[0-9]+)?(\\.[0-9]+)?$")
  message(FATAL_ERROR "VERSION must hold one version number such as 1.2.0, not '${SUITE_VERSION}'")
endif()
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/VERSION)
# Windows wants four numbers: 1.2.0 -> 1,2,0,0 (resource) and 1.2.0.0 (manifest).
string(REPLACE "." ";" _suite_version_parts "${SUITE_VERSION}")
list(LENGTH _suite_version_parts _suite_version_count)
while(_suite_version_count LESS 4)
  list(APPEND _suite_version_parts 0)
  math(EXPR _suite_version_count "${_suite_version_count} + 1")
endwhile()
string(REPLACE ";" "," SUITE_VERSION_COMMAS "${_suite_version_parts}")
string(REPLACE ";" "." SUITE_VERSION_DOTS "${_suite_version_parts}")

# What each deliverable is, for the file description Windows shows in its properties. A deliverable
# not listed here is described by its target name; set the target property SUITE_FILE_DESCRIPTION to
# give it another.
set(SUITE_FILE_DESCRIPTIONS
  "Vantrel_PairingTool=Vantrel pairing tool"
  "Tandra_Technology=Tandra Technology receiver suite"
  "DLL_Hidora=Receiver device-access library"
  "Lustrea=Skin library"
  "Ackbox=Confirmation dialog"
  "CorvilForm=Pairing wizard"
  "CorvilManager=Paired-device manager"
  "Wavegauge=Signal display"
  "Notabox=Question dialog"
  "Querent=Text input dialog")

function(_suite_file_description target out)
  get_target_property(own ${target} SUITE_FILE_DESCRIPTION)
  if(own)
    set(${out} "${own}" PARENT_SCOPE)
    return()
  endif()
  foreach(entry ${SUITE_FILE_DESCRIPTIONS})
    if(entry MATCHES "^${target}=(.*)$")
      set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  string(REPLACE "_" " " readable "${target}")
  set(${out} "${readable}" PARENT_SCOPE)
endfunction()

# Whether one of the target's own resource scripts already has a statement of this kind (an ICON, a
# manifest): the generated script then leaves it out, as two of either would clash or waste space.
function(_suite_own_resource target regex out)
  set(found FALSE)
  get_target_property(sources ${target} SOURCES)
  get_target_property(dir ${target} SOURCE_DIR)
  foreach(source ${sources})
    if(source MATCHES "\\.rc$")
      cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${dir} OUTPUT_VARIABLE path)
      if(EXISTS ${path})
        file(STRINGS ${path} hits REGEX "${regex}")
        if(hits)
          set(found TRUE)
        endif()
      endif()
    endif()
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# The program icon, made by the asset generator (assets/parts/release.py) into the generated folder.
set(SUITE_PROGRAM_ICON ${CMAKE_BINARY_DIR}/generated/Program.ico)

# Runs at the end of the folder that staged the target, so resource scripts and properties the
# folder adds after suite_stage() are seen too.
function(_suite_add_version_resource target)
  get_target_property(done ${target} SUITE_VERSION_RESOURCE)
  if(done)
    return()
  endif()
  set_target_properties(${target} PROPERTIES SUITE_VERSION_RESOURCE TRUE)
  # A deliverable that writes its own version resource keeps it (two would not link).
  _suite_own_resource(${target} "[ \t]VERSIONINFO([ \t]|$)" has_version)
  if(has_version)
    message(STATUS "${target}: own VERSIONINFO kept; it must carry the version of VERSION")
    return()
  endif()
  get_target_property(type ${target} TYPE)
  _suite_file_description(${target} description)
  set(dir ${CMAKE_BINARY_DIR}/generated/resources)
  set(program_resources "")
  set(depends "")
  if(type STREQUAL "EXECUTABLE")
    set(file_type VFT_APP)
    # An application manifest (resource type 24, id 1) and the icon that Explorer and the
    # shortcuts show: the first icon group in the file.
    _suite_own_resource(${target} "[ \t](24|RT_MANIFEST)[ \t]" has_manifest)
    if(NOT has_manifest)
      configure_file(${PROJECT_SOURCE_DIR}/cmake/resources/program.manifest.in
                     ${dir}/${target}.manifest @ONLY)
      string(APPEND program_resources "1 24 \"${dir}/${target}.manifest\"\n")
      list(APPEND depends ${dir}/${target}.manifest)
    endif()
    _suite_own_resource(${target} "[ \t]ICON[ \t]" has_icon)
    if(NOT has_icon AND EXISTS ${PROJECT_SOURCE_DIR}/assets/generate.py)
      string(APPEND program_resources "1 ICON \"${SUITE_PROGRAM_ICON}\"\n")
      list(APPEND depends ${SUITE_PROGRAM_ICON})
      add_dependencies(${target} assets)
    endif()
  else()
    set(file_type VFT_DLL)
  endif()
  # The file name is known only when the build system is generated (prefix, suffix, output name).
  set(file_name "$<TARGET_FILE_NAME:${target}>")
  configure_file(${PROJECT_SOURCE_DIR}/cmake/resources/version.rc.in ${dir}/${target}_version.rc.in
                 @ONLY)
  file(GENERATE OUTPUT ${dir}/${target}_version.rc INPUT ${dir}/${target}_version.rc.in)
  target_sources(${target} PRIVATE ${dir}/${target}_version.rc)
  if(depends)
    set_source_files_properties(${dir}/${target}_version.rc TARGET_DIRECTORY ${target}
                                PROPERTIES OBJECT_DEPENDS "${depends}")
  endif()
endfunction()
