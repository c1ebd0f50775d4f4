file(REMOVE_RECURSE
  "CMakeFiles/hostcore.dir/__/cmake/empty.cpp.o"
  "CMakeFiles/hostcore.dir/__/cmake/empty.cpp.o.d"
  "libhostcore.a"
  "libhostcore.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/hostcore.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
