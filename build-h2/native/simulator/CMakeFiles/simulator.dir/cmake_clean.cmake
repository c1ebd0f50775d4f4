file(REMOVE_RECURSE
  "CMakeFiles/simulator.dir/__/cmake/empty.cpp.o"
  "CMakeFiles/simulator.dir/__/cmake/empty.cpp.o.d"
  "libsimulator.a"
  "libsimulator.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/simulator.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
