# Regenerates the bitmaps and fails unless they equal the committed files.
#   cmake -DGENERATOR=<program> -DOUTPUT=<folder> -DCOMMITTED=<folder> -P check_bitmaps.cmake
file(REMOVE_RECURSE ${OUTPUT})
file(MAKE_DIRECTORY ${OUTPUT})
execute_process(COMMAND ${GENERATOR} ${OUTPUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "generate_bitmaps failed: ${result}")
endif()
foreach(id 256 512 513 768)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT}/${id}.bmp ${COMMITTED}/${id}.bmp
    RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "${COMMITTED}/${id}.bmp differs from what generate_bitmaps draws; "
      "regenerate it with: generate_bitmaps ${COMMITTED}")
  endif()
endforeach()
