# Decodes one shipped clip into its record with the program's own decoder:
#   cmake -DDECODER=... -DCLIP=... -DRECORD=... -P DecodeShippedClip.cmake
execute_process(COMMAND ${DECODER} ${CLIP} OUTPUT_FILE ${RECORD}.part RESULT_VARIABLE status)
file(SIZE ${RECORD}.part size)
if(NOT status EQUAL 0 OR size LESS 9)
  file(REMOVE ${RECORD}.part)
  message(FATAL_ERROR "the clip decoder could not decode ${CLIP} (status ${status})")
endif()
file(RENAME ${RECORD}.part ${RECORD})
