file(REMOVE_RECURSE
  "CMakeFiles/usbaccess.dir/__/cmake/empty.cpp.o"
  "CMakeFiles/usbaccess.dir/__/cmake/empty.cpp.o.d"
  "libusbaccess.a"
  "libusbaccess.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/usbaccess.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
