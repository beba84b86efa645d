# Copies SOURCE to DESTINATION unless a file is already there, so a rebuild never overwrites
# what a user saved beside the program.
if(NOT EXISTS "${DESTINATION}")
  file(COPY_FILE "${SOURCE}" "${DESTINATION}")
endif()
