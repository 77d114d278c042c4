# The engine library, shared by the game's build and the fuzz build: every .cpp of the subsystem
# folders under `root` (the entry point aside), with the Debian libraries it calls.
find_package(PkgConfig REQUIRED)
find_package(OpenGL REQUIRED)
find_package(GLEW REQUIRED)
find_package(Freetype REQUIRED)
find_package(Threads REQUIRED)
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
pkg_check_modules(SDL2_MIXER REQUIRED IMPORTED_TARGET SDL2_mixer)
pkg_check_modules(IMGUI REQUIRED IMPORTED_TARGET imgui)
find_path(LODEPNG_INCLUDE_DIR lodepng.h REQUIRED)
find_library(LODEPNG_LIBRARY lodepng REQUIRED)

function(hollowtide_engine_library target root)
    set(folders engine input objects scenes graphics physics audio gameplay tools platform)
    set(sources "")
    foreach(folder ${folders})
        file(GLOB_RECURSE folder_sources CONFIGURE_DEPENDS ${root}/${folder}/*.cpp)
        list(APPEND sources ${folder_sources})
    endforeach()
    list(REMOVE_ITEM sources ${root}/engine/Main.cpp)

    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${root} ${LODEPNG_INCLUDE_DIR})
    target_link_libraries(${target} PUBLIC
        PkgConfig::SDL2 PkgConfig::SDL2_MIXER PkgConfig::IMGUI
        GLEW::GLEW OpenGL::GL Freetype::Freetype Threads::Threads ${LODEPNG_LIBRARY})
endfunction()
