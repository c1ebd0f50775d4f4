file(REMOVE_RECURSE
  "CMakeFiles/pairrun.dir/__/cmake/empty.cpp.o"
  "CMakeFiles/pairrun.dir/__/cmake/empty.cpp.o.d"
  "libpairrun.a"
  "libpairrun.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/pairrun.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
