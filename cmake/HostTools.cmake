# corvane-render-icons, the program the build runs to draw the icons and the
# window's pictures. It has to run on the build machine: a native build makes
# it as one of its targets; a cross build makes it with the build machine's
# own compiler and Qt, as a project of its own in host-tools/.
if(CMAKE_CROSSCOMPILING)
    include(ExternalProject)
    set(host_tools ${PROJECT_BINARY_DIR}/host-tools)
    ExternalProject_Add(corvane-host-tools
        SOURCE_DIR ${PROJECT_SOURCE_DIR}/packaging/render
        BINARY_DIR ${host_tools}
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
                   -DCORVANE_WARNINGS_AS_ERRORS=${CORVANE_WARNINGS_AS_ERRORS}
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON
        BUILD_BYPRODUCTS ${host_tools}/corvane-render-icons)
    add_executable(corvane-render-icons IMPORTED)
    set_target_properties(corvane-render-icons PROPERTIES
        IMPORTED_LOCATION ${host_tools}/corvane-render-icons)
    add_dependencies(corvane-render-icons corvane-host-tools)
else()
    add_subdirectory(packaging/render)
endif()
