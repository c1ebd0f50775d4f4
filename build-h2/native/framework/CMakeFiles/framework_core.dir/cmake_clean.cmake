file(REMOVE_RECURSE
  "CMakeFiles/framework_core.dir/__/cmake/empty.cpp.o"
  "CMakeFiles/framework_core.dir/__/cmake/empty.cpp.o.d"
  "libframework_core.a"
  "libframework_core.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/framework_core.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
