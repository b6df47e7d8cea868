# A suite that runs the module file through the substitute simulator's host:
# one program, one ctest entry (under Wine each program start costs seconds).
function(skelbor_module_suite name)
  add_executable(${name}_test ${ARGN})
  target_link_libraries(${name}_test PRIVATE skelbor_host GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name}_test PRIVATE SKELBOR_MODULE_FILE="$<TARGET_FILE:skelbor>")
  add_dependencies(${name}_test skelbor)
  skelbor_warnings(${name}_test)
  add_test(NAME ${name} COMMAND ${name}_test)
endfunction()
