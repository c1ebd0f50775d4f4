file(REMOVE_RECURSE
  "libskincore.a"
)
