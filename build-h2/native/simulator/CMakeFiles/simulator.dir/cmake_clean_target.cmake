file(REMOVE_RECURSE
  "libsimulator.a"
)
