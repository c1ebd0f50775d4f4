file(REMOVE_RECURSE
  "libpairrun.a"
)
