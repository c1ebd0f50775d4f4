# Empty dependencies file for pairrun.
# This may be replaced when dependencies are built.
