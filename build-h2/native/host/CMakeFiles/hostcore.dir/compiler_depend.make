# Empty compiler generated dependencies file for hostcore.
# This may be replaced when dependencies are built.
