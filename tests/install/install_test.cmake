# Installs the build into a fresh prefix and uses it as a third party would: the installed headers
# compile on their own, examples/lit_box builds through find_package(Varnix) and through
# pkg-config and runs headless, and the installed farreach finds its Data from another folder.
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -DCXX=... [-DLAUNCHER=ccache] -P install_test.cmake
set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(ENV{SDL_VIDEODRIVER} offscreen)
set(ENV{SDL_AUDIODRIVER} dummy)
set(ENV{PKG_CONFIG_PATH} ${prefix}/lib/pkgconfig)

function(run_step what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out
    WORKING_DIRECTORY ${WORK_DIR})
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}")
  endif()
  set(step_output "${out}" PARENT_SCOPE)
endfunction()

run_step("cmake --install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
foreach(file lib/libvarnix.so lib/libvarnix.so.1 lib/cmake/Varnix/VarnixConfig.cmake
    lib/cmake/Varnix/VarnixConfigVersion.cmake lib/pkgconfig/varnix.pc include/varnix/screen/Screen.h
    include/varnix/platform/d3d8.h bin/farreach bin/datagen bin/pathedit share/farreach/Data/thezenth.XM)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "the install lacks ${file}")
  endif()
endforeach()

# Every installed header compiles with nothing but the installed folders on the include path.
run_step("pkg-config" pkg-config --cflags varnix)
separate_arguments(cflags UNIX_COMMAND "${step_output}")
file(GLOB_RECURSE headers RELATIVE ${prefix}/include/varnix ${prefix}/include/varnix/*.h)
set(unit "")
foreach(header ${headers})
  string(APPEND unit "#include \"${header}\"\n")
endforeach()
file(WRITE ${WORK_DIR}/all_headers.cpp "${unit}")
run_step("compiling every installed header" ${LAUNCHER} ${CXX} -std=c++17 -fsyntax-only ${cflags}
  ${WORK_DIR}/all_headers.cpp)

set(example ${SOURCE_DIR}/examples/lit_box)
run_step("configuring lit_box with find_package" ${CMAKE_COMMAND} -S ${example} -B ${WORK_DIR}/find_package
  -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX}
  -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
run_step("building lit_box with find_package" ${CMAKE_COMMAND} --build ${WORK_DIR}/find_package)
run_step("running lit_box built with find_package" ${WORK_DIR}/find_package/lit_box 3)

run_step("pkg-config" pkg-config --cflags --libs varnix)
separate_arguments(flags UNIX_COMMAND "${step_output}")
run_step("building lit_box with pkg-config" ${LAUNCHER} ${CXX} -std=c++17 -O1 -o ${WORK_DIR}/lit_box_pc
  ${example}/lit_box.cpp ${flags} -Wl,-rpath,${prefix}/lib)
run_step("running lit_box built with pkg-config" ${WORK_DIR}/lit_box_pc 3)

# From a folder without Data, the installed program takes the one in share/farreach; the capture's
# folder is still taken relative to where it was started.
run_step("the installed farreach" ${prefix}/bin/farreach --capture capture --to 0.05 --resolution 320x240)
if(NOT step_output MATCHES "^farreach: [0-9]+ frames and audio.wav in [^\n]*capture\n$")
  message(FATAL_ERROR "the installed farreach did not play its installed Data cleanly:\n${step_output}")
endif()
if(NOT EXISTS ${WORK_DIR}/capture/frame_000001.png)
  message(FATAL_ERROR "the capture was not written in the folder farreach was started in")
endif()
run_step("the installed datagen" ${prefix}/bin/datagen --help)
file(REMOVE_RECURSE ${WORK_DIR})
