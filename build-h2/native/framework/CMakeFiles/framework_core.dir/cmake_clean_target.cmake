file(REMOVE_RECURSE
  "libframework_core.a"
)
