# qs_add_library(name DIR) collects the sources of one layer: every .cpp directly in DIR,
# plus DIR/win32 on Windows. Layers add files without touching CMake.
function(qs_add_library name dir)
  file(GLOB srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(WIN32)
    file(GLOB plat CONFIGURE_DEPENDS ${dir}/win32/*.cpp)
  endif()
  add_library(${name} STATIC ${srcs} ${plat})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()
