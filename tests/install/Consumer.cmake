# Installs the build into a fresh prefix and builds a small program of its own
# (consumer/) against the installed library twice: found by find_package(Kelpie)
# and with the flags that pkg-config gives for kelpie. Both builds load a
# sample and must print the same line.
# Run with -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK=... -DCXX=... -DGENERATOR=...
# and, for an instrumented build, -DFLAGS="..." (the flags the library was
# built with that a program linking it needs too).
set(prefix "${WORK}/prefix")
set(sample "${SOURCE_DIR}/samples/colour-v3.ccf")
set(expected "format 2, devices 1 2 1\n")
separate_arguments(flags UNIX_COMMAND "${FLAGS}")
file(REMOVE_RECURSE "${WORK}")

function(run what)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${what} failed (${result}):\n${out}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

function(expect_line program)
    run("${program}" "${program}" "${sample}")
    if(NOT out STREQUAL expected)
        message(FATAL_ERROR "${program} printed \"${out}\", expected \"${expected}\"")
    endif()
endfunction()

run("cmake --install" "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}")

# find_package(Kelpie) with the prefix on CMAKE_PREFIX_PATH.
run("configuring the consumer" "${CMAKE_COMMAND}" -S "${SOURCE_DIR}/tests/install/consumer"
    -B "${WORK}/cmake" -G "${GENERATOR}" "-DCMAKE_CXX_COMPILER=${CXX}"
    "-DCMAKE_CXX_FLAGS=${FLAGS}" "-DCMAKE_PREFIX_PATH=${prefix}")
run("building the consumer" "${CMAKE_COMMAND}" --build "${WORK}/cmake")
expect_line("${WORK}/cmake/consumer")

# pkg-config kelpie with the prefix's pkgconfig folder on PKG_CONFIG_PATH.
file(GLOB_RECURSE pc "${prefix}/*/kelpie.pc")
if(NOT pc)
    message(FATAL_ERROR "kelpie.pc was not installed")
endif()
get_filename_component(pcdir "${pc}" DIRECTORY)
set(ENV{PKG_CONFIG_PATH} "${pcdir}")
run("pkg-config --cflags --libs kelpie" pkg-config --cflags --libs kelpie)
separate_arguments(pcflags UNIX_COMMAND "${out}")
run("pkg-config --variable=libdir kelpie" pkg-config --variable=libdir kelpie)
string(STRIP "${out}" libdir)
run("compiling the consumer with pkg-config's flags" "${CXX}" -std=c++20 ${flags}
    "${SOURCE_DIR}/tests/install/consumer/main.cpp" ${pcflags} -o "${WORK}/pc-consumer")
set(ENV{LD_LIBRARY_PATH} "${libdir}")
expect_line("${WORK}/pc-consumer")

file(REMOVE_RECURSE "${WORK}")
