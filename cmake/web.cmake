# The web build's compiler and linker settings (TOVK_WEB): Debian's
# emscripten, -O2, C++ exceptions (tovk-term and the practice history catch
# them), a memory that grows as the game needs.
if(NOT EMSCRIPTEN)
  message(FATAL_ERROR "TOVK_WEB builds with emscripten: configure with `cmake --preset web`")
endif()

# -O2 is the size and speed the page is measured at; emscripten passes the
# level on to its wasm and JavaScript optimisers at link time.
string(REPLACE "-O3" "-O2" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")

# How C++ exceptions are caught: "js" through JavaScript (emscripten's
# -fexceptions), "wasm" by WebAssembly's own exception handling, "off" not
# at all (a throw ends the program).
set(TOVK_WEB_EXCEPTIONS js CACHE STRING "C++ exceptions in the web build: js, wasm or off")
set_property(CACHE TOVK_WEB_EXCEPTIONS PROPERTY STRINGS js wasm off)
if(TOVK_WEB_EXCEPTIONS STREQUAL "js")
  set(TOVK_EXCEPTION_FLAGS -fexceptions)
elseif(TOVK_WEB_EXCEPTIONS STREQUAL "wasm")
  set(TOVK_EXCEPTION_FLAGS -fwasm-exceptions)
else()
  set(TOVK_EXCEPTION_FLAGS -sDISABLE_EXCEPTION_CATCHING=1)
endif()
add_compile_options(${TOVK_EXCEPTION_FLAGS})
add_link_options(${TOVK_EXCEPTION_FLAGS} -sALLOW_MEMORY_GROWTH=1)

# Emscripten's JavaScript optimiser needs acorn, which Debian installs as a
# node module outside node's own search path.
if(EXISTS /usr/share/nodejs/acorn)
  set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env "NODE_PATH=/usr/share/nodejs")
endif()

# The node binary tests run emscripten's output with.
find_program(TOVK_NODE NAMES node nodejs REQUIRED)

# SimpleIni is one header (Debian's libsimpleini-dev); the toolchain's own
# sysroot leaves out the host's include folder, so a copy of it alone is put
# in the build's include folder.
find_file(TOVK_SIMPLEINI_HEADER SimpleIni.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
configure_file(${TOVK_SIMPLEINI_HEADER} ${CMAKE_BINARY_DIR}/include/SimpleIni.h COPYONLY)
include_directories(SYSTEM ${CMAKE_BINARY_DIR}/include)
