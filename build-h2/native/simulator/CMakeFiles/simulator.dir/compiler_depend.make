# Empty compiler generated dependencies file for simulator.
# This may be replaced when dependencies are built.
