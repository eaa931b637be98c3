# osken_add_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2 [LABELS label...] [TIMEOUT s])
# One Qt Test executable per unit, registered with CTest. GUI tests run offscreen.
function(osken_add_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt5::Test osken_testsupport ${T_LIBS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${T_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;OSKEN_RUNTIME_DIR=${OSKEN_RUNTIME_DIR};OSKEN_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
    if(T_LABELS)
        set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
    endif()
endfunction()

# osken_add_bench(NAME SOURCES a.cpp LIBS lib1): a benchmark executable, run by the `bench` target.
function(osken_add_bench name)
    cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${B_SOURCES})
    target_link_libraries(${name} PRIVATE ${B_LIBS})
    # Pieces the benchmarks share (BenchSummary.h) sit at the top of bench/.
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/bench)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
    add_custom_target(run_${name} COMMAND ${name} DEPENDS ${name} USES_TERMINAL)
    add_dependencies(bench run_${name})
endfunction()
