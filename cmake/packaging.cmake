# What `cmake --install` puts where, and the archives CPack makes of it:
#   skelbor-<version>-win32.zip   the gauge for the simulator: skelbor.gau, the
#                                 sample settings, panel.cfg lines, the header
#                                 for other gauges, the manual, the licence;
#   skelbor-<version>-linux-<cpu>.tar.gz   the substitute simulator's bench
#                                 with the native module, the bundled data and
#                                 the example scripts, runnable where unpacked.
set(kit_docs ${PROJECT_SOURCE_DIR}/LICENSE)
file(GLOB manual_images ${PROJECT_SOURCE_DIR}/docs/images/*.png)

if(WIN32)
  install(TARGETS skelbor LIBRARY DESTINATION . RUNTIME DESTINATION .)
  install(FILES ${PROJECT_SOURCE_DIR}/kit/skelbor.ini ${PROJECT_SOURCE_DIR}/kit/panel.cfg
    ${PROJECT_SOURCE_DIR}/kit/skelbor.h ${kit_docs} DESTINATION .)
  install(FILES ${PROJECT_SOURCE_DIR}/docs/manual.md DESTINATION . RENAME MANUAL.md)
  install(FILES ${manual_images} DESTINATION images)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win32)
else()
  # The layout the bench looks for beside its executable (sim/bench/bench_files.h).
  install(TARGETS skelbor LIBRARY DESTINATION lib/skelbor)
  file(GLOB module_bitmaps ${PROJECT_SOURCE_DIR}/resources/bitmaps/*.bmp)
  install(FILES ${module_bitmaps} DESTINATION lib/skelbor)
  if(TARGET skelbor-bench)
    install(TARGETS skelbor-bench skelbor-navdata-load RUNTIME DESTINATION bin)
  endif()
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION share/skelbor/data)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/sim/bench/examples/ DESTINATION share/skelbor/examples
    FILES_MATCHING PATTERN "*.skb")
  install(FILES ${kit_docs} ${PROJECT_SOURCE_DIR}/README.md DESTINATION share/doc/skelbor)
  install(FILES ${PROJECT_SOURCE_DIR}/sim/bench/README.md DESTINATION share/doc/skelbor
    RENAME BENCH.md)
  install(FILES ${PROJECT_SOURCE_DIR}/docs/manual.md DESTINATION share/doc/skelbor RENAME MANUAL.md)
  install(FILES ${manual_images} DESTINATION share/doc/skelbor/images)
  set(CPACK_GENERATOR TGZ)
  string(TOLOWER "linux-${CMAKE_SYSTEM_PROCESSOR}" CPACK_SYSTEM_NAME)
endif()

set(CPACK_PACKAGE_NAME skelbor)
set(CPACK_PACKAGE_VENDOR "the skelbor developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME skelbor-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
# One archive with everything, not one per component.
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
set(CPACK_SOURCE_IGNORE_FILES "/build/;/\\\\.git/")
include(CPack)
