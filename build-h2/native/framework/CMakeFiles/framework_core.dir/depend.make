# Empty dependencies file for framework_core.
# This may be replaced when dependencies are built.
