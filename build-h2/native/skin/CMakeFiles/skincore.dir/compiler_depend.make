# Empty compiler generated dependencies file for skincore.
# This may be replaced when dependencies are built.
