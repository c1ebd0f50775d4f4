# Empty dependencies file for simulator.
# This may be replaced when dependencies are built.
