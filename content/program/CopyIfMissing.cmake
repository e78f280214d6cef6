# cmake -DSOURCE=<file> -DTARGET=<file> -P CopyIfMissing.cmake
# Settings files the program writes into (the learners' own sections): only a missing file is
# put in place, so rebuilding never takes a learner's settings away.
if(NOT EXISTS "${TARGET}")
  get_filename_component(folder "${TARGET}" DIRECTORY)
  file(MAKE_DIRECTORY "${folder}")
  file(COPY_FILE "${SOURCE}" "${TARGET}")
endif()
