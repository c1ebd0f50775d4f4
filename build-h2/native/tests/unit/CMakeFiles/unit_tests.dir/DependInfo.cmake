
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/unit/smoke_test.cpp" "tests/unit/CMakeFiles/unit_tests.dir/smoke_test.cpp.o" "gcc" "tests/unit/CMakeFiles/unit_tests.dir/smoke_test.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-h2/native/pairtool/CMakeFiles/pairrun.dir/DependInfo.cmake"
  "/work/main/build-h2/native/pairtool/CMakeFiles/usbaccess.dir/DependInfo.cmake"
  "/work/main/build-h2/native/simulator/CMakeFiles/simulator.dir/DependInfo.cmake"
  "/work/main/build-h2/native/host/CMakeFiles/hostcore.dir/DependInfo.cmake"
  "/work/main/build-h2/native/skin/CMakeFiles/skincore.dir/DependInfo.cmake"
  "/work/main/build-h2/native/framework/CMakeFiles/framework_core.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
