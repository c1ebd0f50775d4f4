file(REMOVE_RECURSE
  "libhostcore.a"
)
