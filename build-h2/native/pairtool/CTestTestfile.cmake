# CMake generated Testfile for 
# Source directory: /work/main/pairtool
# Build directory: /work/main/build-h2/native/pairtool
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
