file(REMOVE_RECURSE
  "CMakeFiles/skincore.dir/__/cmake/empty.cpp.o"
  "CMakeFiles/skincore.dir/__/cmake/empty.cpp.o.d"
  "libskincore.a"
  "libskincore.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/skincore.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
