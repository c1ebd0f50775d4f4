file(REMOVE_RECURSE
  "libusbaccess.a"
)
