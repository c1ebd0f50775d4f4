# Empty compiler generated dependencies file for usbaccess.
# This may be replaced when dependencies are built.
