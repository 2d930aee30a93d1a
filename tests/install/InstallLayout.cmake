# Installs the build into a fresh prefix and checks the layout: the programs,
# the versioned library, its headers with their folders (internal headers left
# out), the files that find_package(Kelpie) and pkg-config read, the desktop
# entry with the file type it opens, the icon and the manual page of
# vantor-report.
# Run with -DBUILD_DIR=... -DPREFIX=...
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

foreach(path
        bin/vantor
        bin/vantor-report
        include/kelpie/Error.h
        include/kelpie/KelpieExport.h
        include/kelpie/model/CCFs.h
        include/kelpie/file/CCF.h
        include/kelpie/icons/Icon.h
        include/kelpie/model/HardKey.h
        share/applications/vantor.desktop
        share/mime/packages/vantor.xml
        share/icons/hicolor/scalable/apps/vantor.svg
        share/man/man1/vantor-report.1)
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()
file(READ "${PREFIX}/share/applications/vantor.desktop" entry)
foreach(line "Exec=vantor %F" "MimeType=application/x-pronto-ccf;")
    string(FIND "${entry}" "${line}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the desktop entry lacks ${line}")
    endif()
endforeach()
foreach(internal load file/RecordReaders.h file/ImageAccess.h file/basCCFRoutines.h
        icons/IconLayout.h model/ColorAccess.h)
    if(EXISTS "${PREFIX}/include/kelpie/${internal}")
        message(FATAL_ERROR "an internal header was installed: ${internal}")
    endif()
endforeach()
foreach(name libKelpie.so libKelpie.so.3 libKelpie.so.3.0.0 cmake/Kelpie/KelpieConfig.cmake
        cmake/Kelpie/KelpieConfigVersion.cmake cmake/Kelpie/KelpieTargets.cmake
        pkgconfig/kelpie.pc)
    file(GLOB found "${PREFIX}/lib*/${name}" "${PREFIX}/lib/*/${name}")
    if(NOT found)
        message(FATAL_ERROR "not installed: ${name}")
    endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
