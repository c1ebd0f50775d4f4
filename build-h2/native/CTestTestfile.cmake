# CMake generated Testfile for 
# Source directory: /work/main
# Build directory: /work/main/build-h2/native
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
subdirs("framework")
subdirs("simulator")
subdirs("pairtool")
subdirs("host")
subdirs("skin")
subdirs("tests")
